// The stock objects: made once, registered as stock so that DeleteObject
// leaves them alone, and never freed.
#include <array>
#include <cstring>

#include "platform/win/gdi/device_context.h"
#include "platform/win/gdi/font_library.h"
#include "platform/win/gdi/handle_table.h"

namespace gdi {

namespace {

constexpr int kStockCount = DEFAULT_GUI_FONT + 1;

CGdiPen* MakePen(UINT style, COLORREF color) {
  auto* pen = new CGdiPen;
  pen->m_style = pen->m_requestedStyle = style;
  pen->m_color = color;
  pen->m_width = 1;
  pen->m_requestedWidth = 0;
  return pen;
}

CGdiBrush* MakeBrush(bool null, COLORREF color) {
  auto* brush = new CGdiBrush;
  brush->m_null = null;
  brush->m_color = color;
  return brush;
}

CGdiFont* MakeDialogFont() {
  auto* font = new CGdiFont;
  LOGFONTA& logfont = font->m_logfont;
  logfont.lfHeight = -CFontLibrary::kDialogEmPixels;
  logfont.lfWeight = FW_NORMAL;
  logfont.lfCharSet = ANSI_CHARSET;
  logfont.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  std::strncpy(logfont.lfFaceName, "MS Sans Serif", LF_FACESIZE - 1);
  font->m_face = CFontLibrary::Instance().FaceFor(logfont);
  return font;
}

struct SStock {
  std::array<HGDIOBJ, kStockCount> objects{};
  CGdiPen* blackPen = nullptr;
  CGdiBrush* whiteBrush = nullptr;
  CGdiFont* dialogFont = nullptr;
  CGdiBitmap* bitmap = nullptr;
};

SStock* MakeStock() {
  auto* stock = new SStock;
  CHandleTable& table = CHandleTable::Instance();
  const auto put = [&](int index, HGDIOBJ object, ObjectKind kind) {
    stock->objects[static_cast<std::size_t>(index)] = object;
    table.Add(object, kind, true);
  };
  stock->whiteBrush = MakeBrush(false, RGB(255, 255, 255));
  stock->blackPen = MakePen(PS_SOLID, RGB(0, 0, 0));
  stock->dialogFont = MakeDialogFont();
  put(WHITE_BRUSH, stock->whiteBrush, ObjectKind::kBrush);
  put(LTGRAY_BRUSH, MakeBrush(false, RGB(192, 192, 192)), ObjectKind::kBrush);
  put(GRAY_BRUSH, MakeBrush(false, RGB(128, 128, 128)), ObjectKind::kBrush);
  put(DKGRAY_BRUSH, MakeBrush(false, RGB(64, 64, 64)), ObjectKind::kBrush);
  put(BLACK_BRUSH, MakeBrush(false, RGB(0, 0, 0)), ObjectKind::kBrush);
  put(NULL_BRUSH, MakeBrush(true, 0), ObjectKind::kBrush);
  put(WHITE_PEN, MakePen(PS_SOLID, RGB(255, 255, 255)), ObjectKind::kPen);
  put(BLACK_PEN, stock->blackPen, ObjectKind::kPen);
  put(NULL_PEN, MakePen(PS_NULL, 0), ObjectKind::kPen);
  // One font behind every stock font index: the program's text is all in
  // the dialog font, and the fixed-pitch indices are never asked for.
  for (int font : {OEM_FIXED_FONT, ANSI_FIXED_FONT, ANSI_VAR_FONT, SYSTEM_FONT, DEVICE_DEFAULT_FONT,
                   SYSTEM_FIXED_FONT, DEFAULT_GUI_FONT}) {
    put(font, stock->dialogFont, ObjectKind::kFont);
  }
  stock->bitmap = new CGdiBitmap;
  stock->bitmap->m_surface = CreateSurface(1, 1);
  table.Add(static_cast<HGDIOBJ>(stock->bitmap), ObjectKind::kBitmap, true);
  return stock;
}

SStock& Stock() {
  static SStock* stock = MakeStock();
  return *stock;
}

}  // namespace

CGdiPen* StockBlackPen() { return Stock().blackPen; }
CGdiBrush* StockWhiteBrush() { return Stock().whiteBrush; }
CGdiFont* StockDialogFont() { return Stock().dialogFont; }
CGdiBitmap* StockBitmap() { return Stock().bitmap; }

}  // namespace gdi

HGDIOBJ GetStockObject(int index) {
  if (index < 0 || index >= gdi::kStockCount) return nullptr;
  return gdi::Stock().objects[static_cast<std::size_t>(index)];
}
