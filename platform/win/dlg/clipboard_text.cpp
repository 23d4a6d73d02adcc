#include "platform/win/dlg/clipboard_text.h"

#include "platform/win/gdi/code_page.h"
#include "platform/win/wm/user.h"

namespace dlg {

namespace {

void AppendUtf8(std::string* out, char32_t c) {
  if (c < 0x80) {
    out->push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (c >> 6)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xE0 | (c >> 12)));
    out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// The code page's byte for a code point, -1 when it has none.
int ByteFor(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (int b = 0x80; b < 0xA0; ++b) {
    if (gdi::Cp1252ToUnicode(static_cast<unsigned char>(b)) == c) return b;
  }
  return -1;
}

}  // namespace

std::string Cp1252ToUtf8(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) AppendUtf8(&out, gdi::Cp1252ToUnicode(static_cast<unsigned char>(ch)));
  return out;
}

std::string Utf8ToCp1252(const std::string& utf8) {
  std::string out;
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    int extra = 0;
    char32_t c = lead;
    if (lead >= 0xF0 && lead < 0xF8) {
      extra = 3;
      c = lead & 0x07U;
    } else if (lead >= 0xE0) {
      extra = lead < 0xF0 ? 2 : -1;
      c = lead & 0x0FU;
    } else if (lead >= 0xC0) {
      extra = 1;
      c = lead & 0x1FU;
    } else if (lead >= 0x80) {
      extra = -1;  // a continuation byte out of place
    }
    ++i;
    if (extra < 0) continue;
    bool whole = true;
    for (int k = 0; k < extra; ++k, ++i) {
      if (i >= utf8.size() || (static_cast<unsigned char>(utf8[i]) & 0xC0U) != 0x80U) {
        whole = false;
        break;
      }
      c = (c << 6U) | (static_cast<unsigned char>(utf8[i]) & 0x3FU);
    }
    if (!whole) continue;
    const int b = ByteFor(c);
    if (b >= 0) out.push_back(static_cast<char>(b));
  }
  return out;
}

std::string ReadClipboard() {
  host::IHost* host = GetWindowSystemHost();
  return host != nullptr ? Utf8ToCp1252(host->GetClipboardText()) : std::string();
}

void WriteClipboard(const std::string& text) {
  if (host::IHost* host = GetWindowSystemHost()) host->SetClipboardText(Cp1252ToUtf8(text));
}

}  // namespace dlg
