// One font at one pixel size: its metrics and the rasterised glyphs of the
// 256 Windows-1252 characters, each made the first time it is drawn or
// measured and kept. The program's strings are bytes, so the cache is a
// plain array and a cached glyph costs one index and one flag test.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace gdi {

struct SGlyph {
  bool loaded = false;
  int left = 0;  // from the pen position to the first column of `alpha`
  int top = 0;   // from the baseline up to the first row of `alpha`
  int width = 0;
  int height = 0;
  int advance = 0;                  // whole pixels, from the hinted glyph
  std::vector<std::uint8_t> alpha;  // width * height coverage values
};

struct SFontMetrics {
  int ascent = 0;
  int descent = 0;
  int height = 0;  // ascent + descent: the cell and the line
  int internalLeading = 0;
  int aveCharWidth = 0;
  int maxCharWidth = 0;
  int underlineOffset = 1;  // rows below the baseline row
  int lineThickness = 1;
};

class CFontFace {
 public:
  // `path` empty or unreadable gives a face without glyphs whose metrics
  // still follow from the em size, so layout never divides by zero.
  CFontFace(FT_Library library, const std::string& path, int index, int emPixels, bool bold,
            bool italic);
  ~CFontFace();
  CFontFace(const CFontFace&) = delete;
  CFontFace& operator=(const CFontFace&) = delete;

  const SFontMetrics& Metrics() const { return m_metrics; }
  int EmPixels() const { return m_emPixels; }
  bool Bold() const { return m_bold; }
  bool Italic() const { return m_italic; }

  const SGlyph& Glyph(unsigned char byte) {
    SGlyph& glyph = m_glyphs[byte];
    if (!glyph.loaded) Load(byte, &glyph);
    return glyph;
  }
  int Advance(unsigned char byte) { return Glyph(byte).advance; }
  // Sum of advances of `count` bytes.
  long long Measure(const char* text, int count);

  // Forgets every rasterised glyph (they come back on demand).
  void ClearGlyphs();

 private:
  void ComputeMetrics();
  void Load(unsigned char byte, SGlyph* glyph);

  FT_Face m_face = nullptr;
  int m_emPixels;
  bool m_bold;
  bool m_italic;
  SFontMetrics m_metrics;
  std::array<SGlyph, 256> m_glyphs;
};

}  // namespace gdi
