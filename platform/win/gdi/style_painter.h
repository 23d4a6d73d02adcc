// The classic look in one place: bevels, button faces, fields, panes,
// group frames, arrow glyphs and disabled text. Controls draw themselves
// with these recipes and never name a grey; colours come from palette roles,
// which map to the system colours.
//
// A bevel is data: for each side, a string with one letter per line of that
// side, from the outside in (after FLTK's strings of grey levels):
//   F face      (192,192,192)    L light    (223,223,223)
//   H highlight (255,255,255)    S shadow   (128,128,128)
//   D dark shadow (0,0,0)        W window   (255,255,255)
//   K window frame (0,0,0)       .  leave that line as it is
// Line k of a side lies k pixels in from the rectangle's edge. The bottom
// and right lines own the corners they share with the top and left ones
// (so a raised button's top-right and bottom-left corner pixels are dark);
// where a side has no line at some depth its neighbours run on to the edge
// (BF_TOP alone draws both top lines the whole width).
#pragma once

#include "platform/win/wingdi.h"

enum class PaletteRole {
  kFace,
  kLight,
  kHighlight,
  kShadow,
  kDarkShadow,
  kWindow,
  kWindowFrame,
  kWindowText,
  kButtonText,
  kGrayText,
  kSelection,
  kSelectionText,
};

enum class ArrowDirection { kUp, kDown, kLeft, kRight };

struct SBevel {
  const char* top;
  const char* left;
  const char* bottom;
  const char* right;
};

class CStylePainter {
 public:
  // ---- Bevels as data -------------------------------------------------------
  // Raised button: top/left highlight then light; bottom/right dark shadow
  // then shadow. Pressed button: dark shadow then shadow on all four sides
  // (the classic pressed look, flat). Default button: a dark-shadow line
  // all round, then the raised button. Sunken field (EDGE_SUNKEN): top/left
  // shadow then dark shadow; bottom/right highlight then light. Thin sunken
  // pane: top/left shadow, bottom/right highlight. Etched frame
  // (EDGE_ETCHED): top/left shadow then highlight; bottom/right highlight
  // then shadow.
  static constexpr SBevel kRaisedButton{"HL", "HL", "DS", "DS"};
  static constexpr SBevel kPressedButton{"DS", "DS", "DS", "DS"};
  static constexpr SBevel kDefaultButton{"DHL", "DHL", "DDS", "DDS"};
  static constexpr SBevel kSunkenField{"SD", "SD", "HL", "HL"};
  static constexpr SBevel kThinSunkenPane{"S", "S", "H", "H"};
  static constexpr SBevel kEtchedFrame{"SH", "SH", "HS", "HS"};

  static COLORREF Color(PaletteRole role);
  static HBRUSH Brush(PaletteRole role);  // a stock brush, never deleted
  static void Fill(HDC hdc, const RECT& rect, PaletteRole role);

  // Draws `bevel` along the inside of `rect` and returns what lies within
  // it. Unknown letters count as '.'.
  static RECT PaintBevel(HDC hdc, const RECT& rect, const SBevel& bevel);

  // ---- Recipes --------------------------------------------------------------
  // Each draws its bevel and returns the interior. The buttons fill the
  // interior with the face; the field fills it with `fill` (window for
  // edits and list boxes, face when disabled or read-only); the pane and
  // the group frame leave the inside alone.
  static RECT RaisedButton(HDC hdc, const RECT& rect);
  static RECT PressedButton(HDC hdc, const RECT& rect);
  static RECT DefaultButton(HDC hdc, const RECT& rect);
  static RECT SunkenField(HDC hdc, const RECT& rect, PaletteRole fill = PaletteRole::kWindow);
  static RECT ThinSunkenPane(HDC hdc, const RECT& rect);
  // The etched group-box frame with its top lines left out between gapLeft
  // and gapRight (logical x, right exclusive), where the caption goes.
  static RECT GroupBoxFrame(HDC hdc, const RECT& rect, int gapLeft, int gapRight);

  // A solid triangle in `role`, centred in `rect` and as large as fits with
  // a base of odd width: pointing down, its rows are 2n-1, 2n-3, ... 1
  // pixels wide for n rows (n = min((width + 1) / 2, height)); the other
  // directions are the same shape turned.
  static void Arrow(HDC hdc, const RECT& rect, ArrowDirection direction, PaletteRole role);

  // Disabled text, embossed: the text in highlight one pixel right and down,
  // then in shadow at its place, both transparent; `format` is DrawTextA's.
  // The DC's text colour and background mode are left as they were.
  static void EmbossedText(HDC hdc, LPCSTR text, int count, const RECT& rect, UINT format);
};
