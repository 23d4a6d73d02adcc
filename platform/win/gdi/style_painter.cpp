#include "platform/win/gdi/style_painter.h"

#include <algorithm>
#include <cstring>

#include "platform/win/gdi/raster.h"

namespace {

int SysColorIndex(PaletteRole role) {
  switch (role) {
    case PaletteRole::kFace:
      return COLOR_BTNFACE;
    case PaletteRole::kLight:
      return COLOR_3DLIGHT;
    case PaletteRole::kHighlight:
      return COLOR_BTNHIGHLIGHT;
    case PaletteRole::kShadow:
      return COLOR_BTNSHADOW;
    case PaletteRole::kDarkShadow:
      return COLOR_3DDKSHADOW;
    case PaletteRole::kWindow:
      return COLOR_WINDOW;
    case PaletteRole::kWindowFrame:
      return COLOR_WINDOWFRAME;
    case PaletteRole::kWindowText:
      return COLOR_WINDOWTEXT;
    case PaletteRole::kButtonText:
      return COLOR_BTNTEXT;
    case PaletteRole::kGrayText:
      return COLOR_GRAYTEXT;
    case PaletteRole::kSelection:
      return COLOR_HIGHLIGHT;
    case PaletteRole::kSelectionText:
      return COLOR_HIGHLIGHTTEXT;
  }
  return COLOR_BTNFACE;
}

// The role a bevel letter stands for; false for '.' and anything unknown.
bool RoleForLetter(char letter, PaletteRole* role) {
  switch (letter) {
    case 'F':
      *role = PaletteRole::kFace;
      return true;
    case 'L':
      *role = PaletteRole::kLight;
      return true;
    case 'H':
      *role = PaletteRole::kHighlight;
      return true;
    case 'S':
      *role = PaletteRole::kShadow;
      return true;
    case 'D':
      *role = PaletteRole::kDarkShadow;
      return true;
    case 'W':
      *role = PaletteRole::kWindow;
      return true;
    case 'K':
      *role = PaletteRole::kWindowFrame;
      return true;
    default:
      return false;
  }
}

LONG ClampLong(long long value) {
  return static_cast<LONG>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

int Length(const char* side) { return side == nullptr ? 0 : static_cast<int>(std::strlen(side)); }

// One side of a bevel with its length measured once.
struct SSide {
  const char* letters;
  int length;
};

SSide Side(const char* letters) { return SSide{letters, Length(letters)}; }

// Whether `side` has a drawn line at `depth`.
bool HasLine(const SSide& side, int depth) {
  PaletteRole role;
  return depth < side.length && RoleForLetter(side.letters[depth], &role);
}

void Line(gdi::CRaster& raster, const SSide& side, int depth, long long l, long long t, long long r,
          long long b) {
  PaletteRole role;
  if (depth >= side.length || !RoleForLetter(side.letters[depth], &role) || l >= r || t >= b) {
    return;
  }
  raster.Fill(raster.X(ClampLong(l)), raster.Y(ClampLong(t)), raster.X(ClampLong(r)),
              raster.Y(ClampLong(b)), gdi::ToPixel(CStylePainter::Color(role)));
}

// Whether everything `raster` may draw lies inside `rect` (logical).
bool ClipWithin(const gdi::CRaster& raster, const RECT& rect) {
  const pixman_box32_t& clip = raster.Extents();
  return raster.IsEmpty() || (clip.x1 >= raster.X(rect.left) && clip.y1 >= raster.Y(rect.top) &&
                              clip.x2 <= raster.X(rect.right) && clip.y2 <= raster.Y(rect.bottom));
}

}  // namespace

COLORREF CStylePainter::Color(PaletteRole role) { return GetSysColor(SysColorIndex(role)); }

HBRUSH CStylePainter::Brush(PaletteRole role) { return GetSysColorBrush(SysColorIndex(role)); }

void CStylePainter::Fill(HDC hdc, const RECT& rect, PaletteRole role) {
  FillRect(hdc, &rect, Brush(role));
}

RECT CStylePainter::PaintBevel(HDC hdc, const RECT& rect, const SBevel& bevel) {
  // Every line through one raster: what FillRect would do line by line, at
  // a fraction of the cost (a status-bar pane is drawn after every step).
  const SSide top = Side(bevel.top);
  const SSide left = Side(bevel.left);
  const SSide bottom = Side(bevel.bottom);
  const SSide right = Side(bevel.right);
  RECT inside{ClampLong(static_cast<long long>(rect.left) + left.length),
              ClampLong(static_cast<long long>(rect.top) + top.length),
              ClampLong(static_cast<long long>(rect.right) - right.length),
              ClampLong(static_cast<long long>(rect.bottom) - bottom.length)};
  inside.right = std::max(inside.right, inside.left);
  inside.bottom = std::max(inside.bottom, inside.top);
  gdi::CDeviceContext* dc = gdi::CDeviceContext::Find(hdc);
  if (dc == nullptr) return inside;
  gdi::CRaster raster(*dc);
  // Every line lies outside `inside`: a repaint of only what the bevel
  // surrounds (the new digits of a pane) has none of them to draw.
  if (!ClipWithin(raster, inside)) {
    const int depth = std::max({top.length, left.length, bottom.length, right.length});
    for (int k = 0; k < depth; ++k) {
      // A side only moves the ring inwards as far as it has lines.
      const long long l = static_cast<long long>(rect.left) + std::min(k, left.length);
      const long long t = static_cast<long long>(rect.top) + std::min(k, top.length);
      const long long r = static_cast<long long>(rect.right) - std::min(k, right.length);
      const long long b = static_cast<long long>(rect.bottom) - std::min(k, bottom.length);
      if (l >= r || t >= b) break;
      const long long topEnd = HasLine(right, k) ? r - 1 : r;
      const long long leftEnd = HasLine(bottom, k) ? b - 1 : b;
      Line(raster, top, k, l, t, topEnd, t + 1);
      Line(raster, left, k, l, t, l + 1, leftEnd);
      Line(raster, bottom, k, l, b - 1, r, b);
      Line(raster, right, k, r - 1, t, r, b);
    }
  }
  return inside;
}

RECT CStylePainter::RaisedButton(HDC hdc, const RECT& rect) {
  const RECT inside = PaintBevel(hdc, rect, kRaisedButton);
  Fill(hdc, inside, PaletteRole::kFace);
  return inside;
}

RECT CStylePainter::PressedButton(HDC hdc, const RECT& rect) {
  const RECT inside = PaintBevel(hdc, rect, kPressedButton);
  Fill(hdc, inside, PaletteRole::kFace);
  return inside;
}

RECT CStylePainter::DefaultButton(HDC hdc, const RECT& rect) {
  const RECT inside = PaintBevel(hdc, rect, kDefaultButton);
  Fill(hdc, inside, PaletteRole::kFace);
  return inside;
}

RECT CStylePainter::SunkenField(HDC hdc, const RECT& rect, PaletteRole fill) {
  const RECT inside = PaintBevel(hdc, rect, kSunkenField);
  Fill(hdc, inside, fill);
  return inside;
}

RECT CStylePainter::ThinSunkenPane(HDC hdc, const RECT& rect) {
  return PaintBevel(hdc, rect, kThinSunkenPane);
}

RECT CStylePainter::GroupBoxFrame(HDC hdc, const RECT& rect, int gapLeft, int gapRight) {
  const int saved = SaveDC(hdc);
  if (gapLeft < gapRight) {
    ExcludeClipRect(hdc, gapLeft, rect.top, gapRight, ClampLong(rect.top + 2LL));
  }
  const RECT inside = PaintBevel(hdc, rect, kEtchedFrame);
  if (saved != 0) RestoreDC(hdc, saved);
  return inside;
}

void CStylePainter::Arrow(HDC hdc, const RECT& rect, ArrowDirection direction, PaletteRole role) {
  const bool vertical = direction == ArrowDirection::kUp || direction == ArrowDirection::kDown;
  // Along is the direction the base runs in, across the one the tip points.
  const long long along = vertical ? static_cast<long long>(rect.right) - rect.left
                                   : static_cast<long long>(rect.bottom) - rect.top;
  const long long across = vertical ? static_cast<long long>(rect.bottom) - rect.top
                                    : static_cast<long long>(rect.right) - rect.left;
  const long long rows = std::min((along + 1) / 2, across);
  if (rows <= 0) return;
  const long long base = 2 * rows - 1;
  const long long alongStart = (vertical ? rect.left : rect.top) + (along - base) / 2;
  const long long acrossStart = (vertical ? rect.top : rect.left) + (across - rows) / 2;
  const HBRUSH brush = Brush(role);
  for (long long i = 0; i < rows; ++i) {
    // Row i counts from the base towards the tip.
    const bool tipFirst = direction == ArrowDirection::kUp || direction == ArrowDirection::kLeft;
    const long long position = tipFirst ? acrossStart + rows - 1 - i : acrossStart + i;
    const long long from = alongStart + i;
    const long long to = alongStart + base - i;
    const RECT line =
        vertical
            ? RECT{ClampLong(from), ClampLong(position), ClampLong(to), ClampLong(position + 1)}
            : RECT{ClampLong(position), ClampLong(from), ClampLong(position + 1), ClampLong(to)};
    FillRect(hdc, &line, brush);
  }
}

void CStylePainter::EmbossedText(HDC hdc, LPCSTR text, int count, const RECT& rect, UINT format) {
  const COLORREF oldColor = GetTextColor(hdc);
  const int oldMode = SetBkMode(hdc, TRANSPARENT);
  if (oldMode == 0) return;
  RECT shifted{ClampLong(rect.left + 1LL), ClampLong(rect.top + 1LL), ClampLong(rect.right + 1LL),
               ClampLong(rect.bottom + 1LL)};
  SetTextColor(hdc, Color(PaletteRole::kHighlight));
  DrawTextA(hdc, text, count, &shifted, format & ~DT_CALCRECT);
  RECT place = rect;
  SetTextColor(hdc, Color(PaletteRole::kShadow));
  DrawTextA(hdc, text, count, &place, format & ~DT_CALCRECT);
  SetTextColor(hdc, oldColor);
  SetBkMode(hdc, oldMode);
}
