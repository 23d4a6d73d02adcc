#include "platform/win/gdi/font_face.h"

#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cstring>

#include "platform/win/gdi/code_page.h"

namespace gdi {

namespace {

// Light hinting: vertical-only, so stems stay crisp on the pixel grid while
// the shapes keep their widths, and the advances are whole pixels.
constexpr FT_Int32 kLoadFlags = FT_LOAD_TARGET_LIGHT;

long long CeilDiv(long long value, long long divisor) { return (value + divisor - 1) / divisor; }

long long RoundDiv(long long value, long long divisor) {
  return (2 * value + divisor) / (2 * divisor);
}

}  // namespace

CFontFace::CFontFace(FT_Library library, const std::string& path, int index, int emPixels,
                     bool bold, bool italic)
    : m_emPixels(emPixels), m_bold(bold), m_italic(italic) {
  if (library != nullptr && !path.empty() &&
      FT_New_Face(library, path.c_str(), index, &m_face) == 0) {
    if (FT_Set_Pixel_Sizes(m_face, 0, static_cast<FT_UInt>(emPixels)) != 0 ||
        m_face->units_per_EM == 0) {
      FT_Done_Face(m_face);
      m_face = nullptr;
    }
  } else {
    m_face = nullptr;
  }
  ComputeMetrics();
}

CFontFace::~CFontFace() {
  if (m_face != nullptr) FT_Done_Face(m_face);
}

void CFontFace::ComputeMetrics() {
  const long long em = m_emPixels;
  // What the classic system reads from a TrueType font: the Windows ascent
  // and descent of the OS/2 table, rounded up so that no ink is cut, and
  // the table's average width. For Liberation Sans at 11 pixels this gives
  // the 13-pixel line and 6-pixel average the dialog layouts are built on.
  long long upem = 2048;
  long long ascent = 1854;
  long long descent = 434;
  long long average = 1187;
  long long maxAdvance = 2048;
  long long underlineThickness = 150;
  if (m_face != nullptr) {
    upem = m_face->units_per_EM;
    ascent = m_face->ascender;
    descent = -m_face->descender;
    maxAdvance = m_face->max_advance_width;
    underlineThickness = m_face->underline_thickness;
    average = 0;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(m_face, FT_SFNT_OS2));
    if (os2 != nullptr && os2->version != 0xFFFF) {
      if (os2->usWinAscent + os2->usWinDescent > 0) {
        ascent = os2->usWinAscent;
        descent = os2->usWinDescent;
      }
      average = os2->xAvgCharWidth;
    }
  }
  m_metrics.ascent = static_cast<int>(std::max(1LL, CeilDiv(ascent * em, upem)));
  m_metrics.descent = static_cast<int>(std::max(0LL, CeilDiv(descent * em, upem)));
  m_metrics.height = m_metrics.ascent + m_metrics.descent;
  m_metrics.internalLeading = std::max(0, m_metrics.height - m_emPixels);
  m_metrics.maxCharWidth = static_cast<int>(std::max(1LL, CeilDiv(maxAdvance * em, upem)));
  m_metrics.lineThickness =
      static_cast<int>(std::max(1LL, RoundDiv(underlineThickness * em, upem)));
  m_metrics.aveCharWidth = static_cast<int>(RoundDiv(average * em, upem));
  if (m_metrics.aveCharWidth <= 0) m_metrics.aveCharWidth = std::max(1, Advance('x'));
}

void CFontFace::Load(unsigned char byte, SGlyph* glyph) {
  glyph->loaded = true;
  glyph->alpha.clear();
  glyph->width = glyph->height = glyph->left = glyph->top = 0;
  glyph->advance = std::max(1, (m_emPixels + 1) / 2);
  if (m_face == nullptr) return;
  const FT_UInt index = FT_Get_Char_Index(m_face, Cp1252ToUnicode(byte));
  if (FT_Load_Glyph(m_face, index, kLoadFlags) != 0) return;
  FT_GlyphSlot slot = m_face->glyph;
  glyph->advance = static_cast<int>((slot->advance.x + 32) >> 6);
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_LIGHT) != 0) return;
  const FT_Bitmap& bitmap = slot->bitmap;
  if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.pitch < 0 || bitmap.width == 0 ||
      bitmap.rows == 0) {
    return;
  }
  glyph->left = slot->bitmap_left;
  glyph->top = slot->bitmap_top;
  glyph->width = static_cast<int>(bitmap.width);
  glyph->height = static_cast<int>(bitmap.rows);
  glyph->alpha.resize(static_cast<std::size_t>(glyph->width) * glyph->height);
  for (int row = 0; row < glyph->height; ++row) {
    const unsigned char* source = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
    std::memcpy(&glyph->alpha[static_cast<std::size_t>(row) * glyph->width], source,
                static_cast<std::size_t>(glyph->width));
  }
}

long long CFontFace::Measure(const char* text, int count) {
  long long width = 0;
  for (int i = 0; i < count; ++i) width += Advance(static_cast<unsigned char>(text[i]));
  return width;
}

void CFontFace::ClearGlyphs() {
  for (SGlyph& glyph : m_glyphs) {
    glyph.loaded = false;
    glyph.alpha.clear();
    glyph.alpha.shrink_to_fit();
  }
}

}  // namespace gdi
