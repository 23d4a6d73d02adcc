// How DrawTextA turns a string into lines: mnemonic prefixes taken out and
// remembered, line ends, word wrapping at blanks, tab stops and the end
// ellipsis. The layout keeps its buffers between calls, so that a control
// redrawing the same caption does not allocate.
#pragma once

#include <string>

#include "platform/win/gdi/font_face.h"
#include "platform/win/wingdi.h"

namespace gdi {

struct STextLine {
  const char* text = nullptr;
  const char* marks = nullptr;  // per byte: nonzero under a mnemonic
  int count = 0;
  long long width = 0;
};

class CTextLayout {
 public:
  // Starts on a text; lines are broken to fit `maxWidth` pixels (word
  // breaking and the ellipsis only). `format` is DrawTextA's; only
  // DT_SINGLELINE, DT_WORDBREAK, DT_EXPANDTABS, DT_NOPREFIX, DT_HIDEPREFIX
  // and DT_END_ELLIPSIS matter here.
  void Reset(CFontFace& face, UINT format, const char* text, int count, long long maxWidth);
  // The next line; false after the last. Every text has at least one line.
  // The line stays valid until the next call.
  bool NextLine(STextLine* line);

  // Width with tabs expanded from the line's start (when DT_EXPANDTABS).
  long long Measure(const char* text, int count) const;
  // The pen position after a tab at `x` pixels from the line's start.
  long long NextTabStop(long long x) const;
  bool ExpandsTabs() const { return (m_format & DT_EXPANDTABS) != 0; }

 private:
  // The pen position after `c` at `x` pixels from the line's start.
  long long Step(long long x, char c) const;
  void StripPrefixes(const char* text, int count);
  int WrapEnd(int begin, int end) const;
  void Ellipsize(STextLine* line);

  CFontFace* m_face = nullptr;
  UINT m_format = 0;
  long long m_tabWidth = 8;
  long long m_maxWidth = 0;
  std::string m_text;   // the text with prefixes taken out and CR LF made LF
  std::string m_marks;  // one per byte of m_text
  std::string m_cut;    // an ellipsized line and its marks
  std::string m_cutMarks;
  int m_position = 0;
  bool m_done = false;
};

}  // namespace gdi
