#include "platform/win/gdi/text_layout.h"

#include <algorithm>
#include <cstring>

namespace gdi {

namespace {

constexpr char kEllipsis[] = "...";
constexpr int kEllipsisLength = 3;

}  // namespace

void CTextLayout::StripPrefixes(const char* text, int count) {
  m_text.clear();
  m_marks.clear();
  const bool prefixes = (m_format & DT_NOPREFIX) == 0;
  const bool single = (m_format & DT_SINGLELINE) != 0;
  if (count <= 0) return;
  // Most texts have nothing to strip (the status bar's, after every step).
  const auto n = static_cast<size_t>(count);
  if (!prefixes && std::memchr(text, '\r', n) == nullptr &&
      (!single || std::memchr(text, '\n', n) == nullptr)) {
    m_text.assign(text, n);
    m_marks.assign(n, 0);
    return;
  }
  bool underlineNext = false;
  for (int i = 0; i < count; ++i) {
    char c = text[i];
    if (c == '\r') {
      if (i + 1 < count && text[i + 1] == '\n') continue;
      c = '\n';
    }
    if (c == '\n' && single) continue;
    if (prefixes && c == '&') {
      if (i + 1 < count && text[i + 1] == '&') {
        ++i;  // "&&" is one ampersand, not a mnemonic
      } else {
        underlineNext = true;
        continue;
      }
    }
    m_text.push_back(c);
    m_marks.push_back(underlineNext && (m_format & DT_HIDEPREFIX) == 0 ? 1 : 0);
    underlineNext = false;
  }
}

void CTextLayout::Reset(CFontFace& face, UINT format, const char* text, int count,
                        long long maxWidth) {
  m_face = &face;
  m_format = format;
  m_tabWidth = std::max(1LL, 8LL * face.Metrics().aveCharWidth);
  StripPrefixes(text, count);
  m_maxWidth = maxWidth;
  m_position = 0;
  m_done = false;
}

long long CTextLayout::NextTabStop(long long x) const { return (x / m_tabWidth + 1) * m_tabWidth; }

long long CTextLayout::Step(long long x, char c) const {
  if (c == '\t' && ExpandsTabs()) return NextTabStop(x);
  return x + m_face->Advance(static_cast<unsigned char>(c));
}

long long CTextLayout::Measure(const char* text, int count) const {
  long long x = 0;
  for (int i = 0; i < count; ++i) x = Step(x, text[i]);
  return x;
}

// Where the line starting at `begin` ends when words must fit m_maxWidth:
// after the last word that fits, or after the first word if even that one
// is too wide (it then overflows, as the classic call lets it).
int CTextLayout::WrapEnd(int begin, int end) const {
  const char* text = m_text.data();
  long long x = 0;
  int lastFit = -1;
  int i = begin;
  while (i < end) {
    int wordEnd = i;
    long long wordX = x;
    while (wordEnd < end && text[wordEnd] == ' ') wordX = Step(wordX, text[wordEnd++]);
    while (wordEnd < end && text[wordEnd] != ' ') wordX = Step(wordX, text[wordEnd++]);
    if (wordX > m_maxWidth) return lastFit >= 0 ? lastFit : wordEnd;
    lastFit = wordEnd;
    x = wordX;
    i = wordEnd;
  }
  return end;
}

void CTextLayout::Ellipsize(STextLine* line) {
  const long long room = m_maxWidth - m_face->Measure(kEllipsis, kEllipsisLength);
  int keep = 0;
  long long x = 0;
  while (keep < line->count) {
    const long long next = Step(x, line->text[keep]);
    if (next > room) break;
    x = next;
    ++keep;
  }
  m_cut.assign(line->text, static_cast<std::size_t>(keep));
  m_cut.append(kEllipsis);
  m_cutMarks.assign(line->marks, static_cast<std::size_t>(keep));
  m_cutMarks.append(kEllipsisLength, 0);
  line->text = m_cut.data();
  line->marks = m_cutMarks.data();
  line->count = keep + kEllipsisLength;
  line->width = Measure(line->text, line->count);
}

bool CTextLayout::NextLine(STextLine* line) {
  if (m_done) return false;
  const int size = static_cast<int>(m_text.size());
  const int begin = m_position;
  int paragraphEnd = begin;
  while (paragraphEnd < size && m_text[static_cast<std::size_t>(paragraphEnd)] != '\n') {
    ++paragraphEnd;
  }
  int end = paragraphEnd;
  const bool wrap = (m_format & DT_WORDBREAK) != 0 && (m_format & DT_SINGLELINE) == 0;
  if (wrap) end = WrapEnd(begin, paragraphEnd);
  if (end < paragraphEnd) {
    // A wrapped line leaves its blanks behind, at both ends.
    int next = end;
    while (next < paragraphEnd && m_text[static_cast<std::size_t>(next)] == ' ') ++next;
    m_position = next;
  } else if (paragraphEnd < size) {
    m_position = paragraphEnd + 1;
  } else {
    m_position = size;
    m_done = true;
  }
  int count = end - begin;
  if (wrap) {
    while (count > 0 && m_text[static_cast<std::size_t>(begin + count - 1)] == ' ') --count;
  }
  line->text = m_text.data() + begin;
  line->marks = m_marks.data() + begin;
  line->count = count;
  line->width = Measure(line->text, count);
  if ((m_format & DT_END_ELLIPSIS) != 0 && line->width > m_maxWidth) Ellipsize(line);
  return true;
}

}  // namespace gdi
