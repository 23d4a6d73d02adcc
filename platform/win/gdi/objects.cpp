// Creating, selecting, deleting and inspecting pens, brushes and fonts.
#include <algorithm>
#include <cstring>

#include "platform/win/gdi/device_context.h"
#include "platform/win/gdi/font_library.h"
#include "platform/win/gdi/handle_table.h"

using gdi::CHandleTable;
using gdi::ObjectKind;

namespace {

// Wider than anything on screen; keeps a wild width from stamping forever.
constexpr int kMaxPenWidth = 1024;

template <class T>
int CopyRecord(const T& record, int size, void* buffer) {
  if (buffer == nullptr) return static_cast<int>(sizeof(T));
  if (size < static_cast<int>(sizeof(T))) return 0;
  std::memcpy(buffer, &record, sizeof(T));
  return static_cast<int>(sizeof(T));
}

}  // namespace

HPEN CreatePen(int style, int width, COLORREF color) {
  const auto requested = static_cast<UINT>(style);
  if (style < 0 || requested > PS_INSIDEFRAME) return nullptr;
  auto* pen = new gdi::CGdiPen;
  pen->m_requestedStyle = requested;
  pen->m_requestedWidth = width;
  pen->m_color = color & 0x00FFFFFFU;
  pen->m_width = std::clamp(width, 1, kMaxPenWidth);
  // The classic system draws styled pens only one pixel wide; wider ones
  // come out solid. Inside-frame pens are what every pen is here.
  pen->m_style = requested == PS_INSIDEFRAME ? PS_SOLID : requested;
  if (pen->m_width > 1 && pen->m_style != PS_NULL) pen->m_style = PS_SOLID;
  CHandleTable::Instance().Add(static_cast<HGDIOBJ>(pen), ObjectKind::kPen);
  return pen;
}

HPEN CreatePenIndirect(const LOGPEN* logpen) {
  if (logpen == nullptr) return nullptr;
  return CreatePen(static_cast<int>(logpen->lopnStyle), logpen->lopnWidth.x, logpen->lopnColor);
}

HBRUSH CreateSolidBrush(COLORREF color) {
  auto* brush = new gdi::CGdiBrush;
  brush->m_color = color & 0x00FFFFFFU;
  CHandleTable::Instance().Add(static_cast<HGDIOBJ>(brush), ObjectKind::kBrush);
  return brush;
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* logbrush) {
  if (logbrush == nullptr) return nullptr;
  if (logbrush->lbStyle == BS_NULL) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  if (logbrush->lbStyle != BS_SOLID) return nullptr;
  return CreateSolidBrush(logbrush->lbColor);
}

HFONT CreateFontIndirectA(const LOGFONTA* logfont) {
  if (logfont == nullptr) return nullptr;
  auto* font = new gdi::CGdiFont;
  font->m_logfont = *logfont;
  font->m_logfont.lfFaceName[LF_FACESIZE - 1] = '\0';
  font->m_face = gdi::CFontLibrary::Instance().FaceFor(font->m_logfont);
  CHandleTable::Instance().Add(static_cast<HGDIOBJ>(font), ObjectKind::kFont);
  return font;
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                  DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCSTR faceName) {
  LOGFONTA logfont{};
  logfont.lfHeight = height;
  logfont.lfWidth = width;
  logfont.lfEscapement = escapement;
  logfont.lfOrientation = orientation;
  logfont.lfWeight = weight;
  logfont.lfItalic = italic != 0 ? 1 : 0;
  logfont.lfUnderline = underline != 0 ? 1 : 0;
  logfont.lfStrikeOut = strikeOut != 0 ? 1 : 0;
  logfont.lfCharSet = static_cast<BYTE>(charSet);
  logfont.lfOutPrecision = static_cast<BYTE>(outPrecision);
  logfont.lfClipPrecision = static_cast<BYTE>(clipPrecision);
  logfont.lfQuality = static_cast<BYTE>(quality);
  logfont.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
  if (faceName != nullptr) std::strncpy(logfont.lfFaceName, faceName, LF_FACESIZE - 1);
  return CreateFontIndirectA(&logfont);
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
  gdi::CDeviceContext* dc = gdi::CDeviceContext::Find(hdc);
  if (dc == nullptr) return nullptr;
  return dc->Select(object);
}

BOOL DeleteObject(HGDIOBJ object) {
  return CHandleTable::Instance().DeleteObject(object) ? TRUE : FALSE;
}

int GetObjectA(HGDIOBJ object, int size, void* buffer) {
  if (const gdi::CGdiBitmap* bitmap = gdi::FindBitmap(object)) {
    BITMAP record{};
    record.bmWidth = bitmap->m_surface->width;
    record.bmHeight = bitmap->m_surface->height;
    record.bmWidthBytes = bitmap->m_surface->Stride();
    record.bmPlanes = 1;
    record.bmBitsPixel = 32;
    return CopyRecord(record, size, buffer);
  }
  if (const gdi::CGdiPen* pen = gdi::FindPen(object)) {
    const LOGPEN record{pen->m_requestedStyle, POINT{pen->m_requestedWidth, 0}, pen->m_color};
    return CopyRecord(record, size, buffer);
  }
  if (const gdi::CGdiBrush* brush = gdi::FindBrush(object)) {
    const LOGBRUSH record{brush->m_null ? BS_NULL : BS_SOLID, brush->m_color, 0};
    return CopyRecord(record, size, buffer);
  }
  if (const gdi::CGdiFont* font = gdi::FindFont(object)) {
    return CopyRecord(font->m_logfont, size, buffer);
  }
  return 0;
}

DWORD GetObjectType(HGDIOBJ object) {
  ObjectKind kind;
  if (!CHandleTable::Instance().KindOf(object, &kind)) return 0;
  switch (kind) {
    case ObjectKind::kPen:
      return OBJ_PEN;
    case ObjectKind::kBrush:
      return OBJ_BRUSH;
    case ObjectKind::kBitmap:
      return OBJ_BITMAP;
    case ObjectKind::kFont:
      return OBJ_FONT;
    case ObjectKind::kDC:
    case ObjectKind::kIcon:
      break;
  }
  return 0;
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
  const gdi::CDeviceContext* dc = gdi::CDeviceContext::Find(hdc);
  if (dc == nullptr) return nullptr;
  switch (type) {
    case OBJ_PEN:
      return dc->Current(ObjectKind::kPen);
    case OBJ_BRUSH:
      return dc->Current(ObjectKind::kBrush);
    case OBJ_FONT:
      return dc->Current(ObjectKind::kFont);
    case OBJ_BITMAP:
      return dc->Current(ObjectKind::kBitmap);
    default:
      return nullptr;
  }
}
