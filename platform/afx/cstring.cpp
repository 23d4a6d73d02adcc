#include "platform/afx/cstring.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/afx/afx_resource.h"
#include "platform/win/res/resources.h"

namespace {

const char* OrEmpty(const char* text) { return text != nullptr ? text : ""; }

}  // namespace

CString::CString(const char* text) : m_text(OrEmpty(text)) {}

CString::CString(char ch, int repeat) : m_text(repeat > 0 ? std::size_t(repeat) : 0, ch) {}

CString& CString::operator=(const char* text) {
  m_text = OrEmpty(text);
  return *this;
}

CString& CString::operator=(char ch) {
  m_text.assign(1, ch);
  return *this;
}

char CString::GetAt(int index) const {
  return index >= 0 && index < GetLength() ? m_text[std::size_t(index)] : '\0';
}

CString& CString::operator+=(const CString& text) {
  m_text += text.m_text;
  return *this;
}

CString& CString::operator+=(const char* text) {
  m_text += OrEmpty(text);
  return *this;
}

CString& CString::operator+=(char ch) {
  m_text += ch;
  return *this;
}

CString operator+(const CString& a, const CString& b) {
  CString sum(a);
  sum += b;
  return sum;
}

CString operator+(const CString& a, const char* b) {
  CString sum(a);
  sum += b;
  return sum;
}

CString operator+(const char* a, const CString& b) {
  CString sum(a);
  sum += b;
  return sum;
}

CString operator+(const CString& a, char b) {
  CString sum(a);
  sum += b;
  return sum;
}

CString operator+(char a, const CString& b) {
  CString sum(a);
  sum += b;
  return sum;
}

int CString::Compare(const char* text) const {
  const int order = std::strcmp(m_text.c_str(), OrEmpty(text));
  return (order > 0) - (order < 0);
}

CString CString::Left(int count) const {
  CString part;
  part.m_text = m_text.substr(0, std::size_t(std::clamp(count, 0, GetLength())));
  return part;
}

int CString::Find(char ch, int start) const {
  if (start < 0 || start > GetLength()) {
    return -1;
  }
  const std::size_t at = m_text.find(ch, std::size_t(start));
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const char* text, int start) const {
  if (text == nullptr || start < 0 || start > GetLength()) {
    return -1;
  }
  const std::size_t at = m_text.find(text, std::size_t(start));
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

BOOL CString::LoadString(UINT id) {
  const HINSTANCE module = AfxGetResourceHandle();
  // LoadStringA only tells how much it copied, so a string that fills the
  // buffer may have been cut: try again with twice the room.
  std::vector<char> buffer(256);
  for (;;) {
    const int size = static_cast<int>(buffer.size());
    const int length = LoadStringA(module, id, buffer.data(), size);
    if (length < size - 1 || size > (1 << 29)) {
      m_text.assign(buffer.data(), std::size_t(length));
      return length > 0 ? TRUE : FALSE;
    }
    buffer.resize(buffer.size() * 2);
  }
}
