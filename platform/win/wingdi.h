// The GDI: device contexts, pens, brushes, fonts, bitmaps and icons, and the
// drawing that the classic system does with them, pixel for pixel.
//
// Index
//   Handles            HGDIOBJ and its kinds, HDC, HICON
//   Constants          stock objects, pen and brush styles, modes, raster ops
//   Records            LOGPEN, LOGBRUSH, LOGFONTA, TEXTMETRICA, BITMAP
//   Objects            create, select, delete, inspect
//   Device contexts    memory DCs, saved states, colours, modes, clipping
//   Drawing            lines, rectangles, ellipses, fills, pixels
//   Text               TextOutA, ExtTextOutA, DrawTextA, extents, metrics
//   Bitmaps and icons  BitBlt, PatBlt, pixel-built bitmaps and icons
//   System colours     GetSysColor, GetSysColorBrush, DrawEdge
//
// Coordinates are logical pixels of the device context (its origin is the
// window's client origin or the bitmap's corner); right and bottom edges of
// a rectangle are outside it. Every handle argument may be null, of the wrong
// kind or already deleted: such calls fail with the documented result and
// touch nothing. Window device contexts come from the window manager
// (GetDC, BeginPaint); the GDI makes only memory device contexts itself.
#pragma once

#include <cstdint>

#include "platform/win/windef.h"
#include "platform/win/winuser.h"

// ---- Handles ------------------------------------------------------------------
// The structs are empty tags: the layer's objects derive from them, so that a
// pen or brush converts to HGDIOBJ as the classic code expects.
struct HGDIOBJ__ {
 protected:
  HGDIOBJ__() = default;
  ~HGDIOBJ__() = default;
};
struct HPEN__ : HGDIOBJ__ {};
struct HBRUSH__ : HGDIOBJ__ {};
struct HBITMAP__ : HGDIOBJ__ {};
struct HFONT__ : HGDIOBJ__ {};
struct HDC__ {
 protected:
  HDC__() = default;
  ~HDC__() = default;
};
struct HICON__ {
 protected:
  HICON__() = default;
  ~HICON__() = default;
};
using HGDIOBJ = HGDIOBJ__*;
using HPEN = HPEN__*;
using HBRUSH = HBRUSH__*;
using HBITMAP = HBITMAP__*;
using HFONT = HFONT__*;
using HDC = HDC__*;
using HICON = HICON__*;

// ---- Constants ----------------------------------------------------------------
inline constexpr int WHITE_BRUSH = 0;
inline constexpr int LTGRAY_BRUSH = 1;
inline constexpr int GRAY_BRUSH = 2;
inline constexpr int DKGRAY_BRUSH = 3;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int NULL_BRUSH = 5;
inline constexpr int HOLLOW_BRUSH = NULL_BRUSH;
inline constexpr int WHITE_PEN = 6;
inline constexpr int BLACK_PEN = 7;
inline constexpr int NULL_PEN = 8;
inline constexpr int OEM_FIXED_FONT = 10;
inline constexpr int ANSI_FIXED_FONT = 11;
inline constexpr int ANSI_VAR_FONT = 12;
inline constexpr int SYSTEM_FONT = 13;
inline constexpr int DEVICE_DEFAULT_FONT = 14;
inline constexpr int SYSTEM_FIXED_FONT = 16;
inline constexpr int DEFAULT_GUI_FONT = 17;

inline constexpr UINT PS_SOLID = 0;
inline constexpr UINT PS_DASH = 1;
inline constexpr UINT PS_DOT = 2;
inline constexpr UINT PS_DASHDOT = 3;
inline constexpr UINT PS_DASHDOTDOT = 4;
inline constexpr UINT PS_NULL = 5;
inline constexpr UINT PS_INSIDEFRAME = 6;
inline constexpr UINT PS_STYLE_MASK = 0x0000000F;

inline constexpr UINT BS_SOLID = 0;
inline constexpr UINT BS_NULL = 1;
inline constexpr UINT BS_HOLLOW = BS_NULL;

inline constexpr DWORD OBJ_PEN = 1;
inline constexpr DWORD OBJ_BRUSH = 2;
inline constexpr DWORD OBJ_DC = 3;
inline constexpr DWORD OBJ_FONT = 6;
inline constexpr DWORD OBJ_BITMAP = 7;
inline constexpr DWORD OBJ_MEMDC = 10;

inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

inline constexpr UINT TA_NOUPDATECP = 0;
inline constexpr UINT TA_UPDATECP = 1;
inline constexpr UINT TA_LEFT = 0;
inline constexpr UINT TA_RIGHT = 2;
inline constexpr UINT TA_CENTER = 6;
inline constexpr UINT TA_TOP = 0;
inline constexpr UINT TA_BOTTOM = 8;
inline constexpr UINT TA_BASELINE = 24;
inline constexpr UINT GDI_ERROR = 0xFFFFFFFF;

inline constexpr UINT ETO_OPAQUE = 0x0002;
inline constexpr UINT ETO_CLIPPED = 0x0004;

inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// Clip and region results.
inline constexpr int ERROR = 0;
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;
inline constexpr int COMPLEXREGION = 3;

// Raster operations understood by BitBlt and PatBlt.
inline constexpr DWORD SRCCOPY = 0x00CC0020;
inline constexpr DWORD SRCPAINT = 0x00EE0086;
inline constexpr DWORD SRCAND = 0x008800C6;
inline constexpr DWORD SRCINVERT = 0x00660046;
inline constexpr DWORD NOTSRCCOPY = 0x00330008;
inline constexpr DWORD PATCOPY = 0x00F00021;
inline constexpr DWORD PATINVERT = 0x005A0049;
inline constexpr DWORD DSTINVERT = 0x00550009;
inline constexpr DWORD BLACKNESS = 0x00000042;
inline constexpr DWORD WHITENESS = 0x00FF0062;

inline constexpr LONG FW_DONTCARE = 0;
inline constexpr LONG FW_THIN = 100;
inline constexpr LONG FW_LIGHT = 300;
inline constexpr LONG FW_NORMAL = 400;
inline constexpr LONG FW_MEDIUM = 500;
inline constexpr LONG FW_SEMIBOLD = 600;
inline constexpr LONG FW_BOLD = 700;
inline constexpr LONG FW_HEAVY = 900;

inline constexpr BYTE ANSI_CHARSET = 0;
inline constexpr BYTE DEFAULT_CHARSET = 1;
inline constexpr BYTE OUT_DEFAULT_PRECIS = 0;
inline constexpr BYTE CLIP_DEFAULT_PRECIS = 0;
inline constexpr BYTE DEFAULT_QUALITY = 0;
inline constexpr BYTE ANTIALIASED_QUALITY = 4;
inline constexpr BYTE DEFAULT_PITCH = 0;
inline constexpr BYTE FIXED_PITCH = 1;
inline constexpr BYTE VARIABLE_PITCH = 2;
inline constexpr BYTE FF_DONTCARE = 0x00;
inline constexpr BYTE FF_SWISS = 0x20;
// In tmPitchAndFamily this bit means variable pitch, as it always has.
inline constexpr BYTE TMPF_FIXED_PITCH = 0x01;
inline constexpr BYTE TMPF_VECTOR = 0x02;
inline constexpr BYTE TMPF_TRUETYPE = 0x04;
inline constexpr int LF_FACESIZE = 32;

inline constexpr UINT DI_MASK = 0x0001;
inline constexpr UINT DI_IMAGE = 0x0002;
inline constexpr UINT DI_NORMAL = 0x0003;
inline constexpr UINT DI_DEFAULTSIZE = 0x0008;

inline constexpr int HORZRES = 8;
inline constexpr int VERTRES = 10;
inline constexpr int BITSPIXEL = 12;
inline constexpr int PLANES = 14;
inline constexpr int NUMCOLORS = 24;
inline constexpr int LOGPIXELSX = 88;
inline constexpr int LOGPIXELSY = 90;

// ---- Records ------------------------------------------------------------------
struct LOGPEN {
  UINT lopnStyle;
  POINT lopnWidth;  // x is the width; y is unused
  COLORREF lopnColor;
};

struct LOGBRUSH {
  UINT lbStyle;
  COLORREF lbColor;
  UINT_PTR lbHatch;
};

struct LOGFONTA {
  LONG lfHeight;
  LONG lfWidth;
  LONG lfEscapement;
  LONG lfOrientation;
  LONG lfWeight;
  BYTE lfItalic;
  BYTE lfUnderline;
  BYTE lfStrikeOut;
  BYTE lfCharSet;
  BYTE lfOutPrecision;
  BYTE lfClipPrecision;
  BYTE lfQuality;
  BYTE lfPitchAndFamily;
  char lfFaceName[LF_FACESIZE];
};

struct TEXTMETRICA {
  LONG tmHeight;
  LONG tmAscent;
  LONG tmDescent;
  LONG tmInternalLeading;
  LONG tmExternalLeading;
  LONG tmAveCharWidth;
  LONG tmMaxCharWidth;
  LONG tmWeight;
  LONG tmOverhang;
  LONG tmDigitizedAspectX;
  LONG tmDigitizedAspectY;
  BYTE tmFirstChar;
  BYTE tmLastChar;
  BYTE tmDefaultChar;
  BYTE tmBreakChar;
  BYTE tmItalic;
  BYTE tmUnderlined;
  BYTE tmStruckOut;
  BYTE tmPitchAndFamily;
  BYTE tmCharSet;
};

struct BITMAP {
  LONG bmType;
  LONG bmWidth;
  LONG bmHeight;
  LONG bmWidthBytes;
  WORD bmPlanes;
  WORD bmBitsPixel;
  void* bmBits;  // always null: the pixels stay inside the layer
};

using LOGFONT = LOGFONTA;
using TEXTMETRIC = TEXTMETRICA;

// ---- Objects ------------------------------------------------------------------
// Creation returns null when the arguments cannot make an object. Pens of
// width 0 and 1 are one pixel wide; wider pens exist only solid (a wider
// styled pen is made solid, as the classic system does). Brushes are solid.
// Every font face is Liberation Sans, bold from FW_BOLD up; lfHeight < 0 is
// the em size in pixels, > 0 the cell height (13 gives the 11-pixel em), 0
// the dialog font's size. Widths, escapement and orientation are ignored:
// text is always upright at the face's own widths.
HPEN CreatePen(int style, int width, COLORREF color);
HPEN CreatePenIndirect(const LOGPEN* logpen);
HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH CreateBrushIndirect(const LOGBRUSH* logbrush);
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                  DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCSTR faceName);
HFONT CreateFontIndirectA(const LOGFONTA* logfont);

// Stock objects live for the whole run; DeleteObject on one returns TRUE and
// does nothing. Unknown indices give null.
HGDIOBJ GetStockObject(int index);

// SelectObject returns the object of the same kind that was selected before,
// or null when the DC or the object is bad (or the bitmap cannot go into this
// DC: bitmaps only go into memory DCs, one DC at a time). DeleteObject
// returns FALSE for a bad handle; an object still selected into a DC (or
// kept in one of its saved states) is deleted when the last DC lets it go.
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);
BOOL DeleteObject(HGDIOBJ object);
// Fills `buffer` with the object's record (BITMAP, LOGPEN, LOGBRUSH,
// LOGFONTA) and returns the bytes written; with a null buffer returns the
// size needed; 0 on failure or when `size` is too small.
int GetObjectA(HGDIOBJ object, int size, void* buffer);
DWORD GetObjectType(HGDIOBJ object);  // OBJ_*, 0 for a bad handle
HGDIOBJ GetCurrentObject(HDC hdc, UINT type);

// ---- Device contexts ----------------------------------------------------------
// A memory DC starts with a 1x1 bitmap of its own and the default state (the
// black pen, the white brush, the dialog font, black text on an opaque white
// background, position (0, 0)). Selecting a bitmap makes the clip its whole
// area. DeleteDC deletes only memory DCs (window DCs go back through the
// window manager) and leaves the selected objects alive.
HDC CreateCompatibleDC(HDC hdc);
BOOL DeleteDC(HDC hdc);
// SaveDC pushes the state (objects, colours, modes, alignment, clip,
// position) and returns the new depth, 0 on failure. RestoreDC(n) with n > 0
// returns to the state saved at depth n, with n < 0 to the n-th most recent;
// FALSE when there is no such state.
int SaveDC(HDC hdc);
BOOL RestoreDC(HDC hdc, int saved);

// Set* return the previous value; on a bad DC CLR_INVALID, 0 or GDI_ERROR.
COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF GetTextColor(HDC hdc);
COLORREF SetBkColor(HDC hdc, COLORREF color);
COLORREF GetBkColor(HDC hdc);
int SetBkMode(HDC hdc, int mode);  // 0 for a mode other than TRANSPARENT, OPAQUE
int GetBkMode(HDC hdc);
UINT SetTextAlign(HDC hdc, UINT align);
UINT GetTextAlign(HDC hdc);
BOOL MoveToEx(HDC hdc, int x, int y, POINT* previous);
BOOL GetCurrentPositionEx(HDC hdc, POINT* position);
int GetDeviceCaps(HDC hdc, int index);  // 96 dots per inch, 32 bits a pixel

// Clipping narrows the region the window manager gave (or the bitmap's
// area); the results are ERROR, NULLREGION, SIMPLEREGION, COMPLEXREGION.
// GetClipBox reports the bounds in logical coordinates.
int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom);
int GetClipBox(HDC hdc, RECT* rect);

// ---- Drawing ------------------------------------------------------------------
// Classic pixel rules: LineTo draws up to but not including the end point and
// moves there. Rectangle and Ellipse outline inside the box with the pen and
// fill the interior with the brush; with the null pen the filled box is one
// pixel smaller on the right and bottom. Wide pens outline inside the box.
// Dashed and dotted pens style lines and rectangles; ellipse outlines are
// drawn solid. The gaps of styled lines take the background colour in OPAQUE
// mode. Results are FALSE for a bad DC, not for drawing outside the clip.
BOOL LineTo(HDC hdc, int x, int y);
BOOL Polyline(HDC hdc, const POINT* points, int count);
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);
BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom);
// FillRect, FrameRect: nonzero on success; the null brush draws nothing.
// The classic shorthand (HBRUSH)(COLOR_* + 1) stands for that system
// colour's brush here as in window classes.
int FillRect(HDC hdc, const RECT* rect, HBRUSH brush);
int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush);
BOOL InvertRect(HDC hdc, const RECT* rect);
// The dotted focus rectangle, drawn by inverting, so a second call with the
// same rectangle takes it away.
BOOL DrawFocusRect(HDC hdc, const RECT* rect);
// SetPixel returns the colour set, CLR_INVALID outside the clip; GetPixel
// returns CLR_INVALID outside the clip.
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color);
COLORREF GetPixel(HDC hdc, int x, int y);

// ---- Text ---------------------------------------------------------------------
// Strings are Windows-1252 bytes with an explicit count (DrawTextA also
// takes -1 for a NUL-terminated string). Glyphs are antialiased and blend
// the text colour over what is beneath; in OPAQUE mode the text's cell is
// first filled with the background colour. Extents are the sum of the
// glyphs' integer advances by the cell height; no kerning, so drawing a text
// in two pieces at the measured offset gives the same pixels.
BOOL TextOutA(HDC hdc, int x, int y, LPCSTR text, int count);
BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT count,
                 const int* dx);
BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR text, int count, SIZE* size);
// Also the extent of each prefix: dx[i] is the width of the first i + 1
// characters. With `fit` given, *fit is how many characters fit in
// maxExtent and only those get a dx entry; without it maxExtent is ignored.
BOOL GetTextExtentExPointA(HDC hdc, LPCSTR text, int count, int maxExtent, int* fit, int* dx,
                           SIZE* size);
BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* metrics);
// Lays out and draws (or with DT_CALCRECT only measures, setting the right
// and bottom of `rect`) text in a rectangle. Returns the height of the text,
// or with DT_VCENTER/DT_BOTTOM the offset from rect->top to the bottom of the
// text, as the classic call does; 0 on failure.
int DrawTextA(HDC hdc, LPCSTR text, int count, RECT* rect, UINT format);

inline BOOL TextOut(HDC hdc, int x, int y, LPCSTR text, int count) {
  return TextOutA(hdc, x, y, text, count);
}
inline BOOL ExtTextOut(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCSTR text,
                       UINT count, const int* dx) {
  return ExtTextOutA(hdc, x, y, options, rect, text, count, dx);
}
inline BOOL GetTextExtentPoint32(HDC hdc, LPCSTR text, int count, SIZE* size) {
  return GetTextExtentPoint32A(hdc, text, count, size);
}
inline BOOL GetTextMetrics(HDC hdc, TEXTMETRICA* metrics) { return GetTextMetricsA(hdc, metrics); }
inline int DrawText(HDC hdc, LPCSTR text, int count, RECT* rect, UINT format) {
  return DrawTextA(hdc, text, count, rect, format);
}
inline HFONT CreateFontIndirect(const LOGFONTA* logfont) { return CreateFontIndirectA(logfont); }
inline int GetObject(HGDIOBJ object, int size, void* buffer) {
  return GetObjectA(object, size, buffer);
}

// ---- Bitmaps and icons --------------------------------------------------------
// Bitmaps are 32-bit colour whatever the DC; new ones are black. Sides run
// up to 16384; larger or negative sizes give null, and
// CreateCompatibleBitmap makes a 0 side 1 pixel, as classically. Pixels for
// CreateBitmapFromPixels are width * height 0x00RRGGBB values, rows top
// first (the top byte is ignored); it is how the resources make bitmaps.
HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height);
HBITMAP CreateBitmapFromPixels(int width, int height, const std::uint32_t* pixels);
// BitBlt copies from `src` (PATCOPY, PATINVERT, DSTINVERT, BLACKNESS and
// WHITENESS need none) with the raster operations above; FALSE for an
// unknown operation or a bad DC. Source pixels outside the source bitmap or
// window leave the destination alone.
BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop);
BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop);

// Icons are 0xAARRGGBB pixels where alpha 0 is transparent and anything else
// opaque. DrawIconEx scales to cx by cy (nearest pixel; 0 means the icon's
// own size) and fills the area with `background` first when it is given.
HICON CreateIconFromPixels(int width, int height, const std::uint32_t* argb);
BOOL DrawIcon(HDC hdc, int x, int y, HICON icon);
BOOL DrawIconEx(HDC hdc, int x, int y, HICON icon, int cx, int cy, UINT step, HBRUSH background,
                UINT flags);
BOOL DestroyIcon(HICON icon);
BOOL GetIconSize(HICON icon, SIZE* size);  // the layer's own; FALSE for a bad icon

// ---- System colours -----------------------------------------------------------
// The classic scheme, fixed. GetSysColor returns 0 and GetSysColorBrush null
// for an unknown index; the brushes are stock objects.
DWORD GetSysColor(int index);
HBRUSH GetSysColorBrush(int index);
// The classic bevels (BDR_*, EDGE_*, BF_* from winuser.h); see
// platform/win/gdi/style_painter.h for the colours. FALSE for a bad DC or rect.
BOOL DrawEdge(HDC hdc, RECT* rect, UINT edge, UINT flags);
