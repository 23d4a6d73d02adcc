// Basic types of the window system: the integer widths, points, rectangles
// and colours that every tier above speaks in. Nothing here knows about
// windows, so the simulation core can include it on its own.
#pragma once

#include <cstdint>

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;  // 32 bits on every target, as the program expects
using UINT = unsigned int;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using WPARAM = UINT_PTR;
using LPARAM = LONG_PTR;
using LRESULT = LONG_PTR;
using COLORREF = DWORD;  // 0x00BBGGRR
using LPSTR = char*;
using LPCSTR = const char*;

// Opaque handles of the window system; each tier defines what stands behind
// its own.
using HWND = struct HWND__*;
using HMENU = struct HMENU__*;
using HINSTANCE = struct HINSTANCE__*;
using HCURSOR = struct HCURSOR__*;
using HRSRC = struct HRSRC__*;
using HRGN = struct HRGN__*;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

struct POINT {
  LONG x;
  LONG y;
};

struct SIZE {
  LONG cx;
  LONG cy;
};

// Left and top are inside, right and bottom are just outside.
struct RECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
  return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8U) |
         (static_cast<COLORREF>(b) << 16U);
}
constexpr BYTE GetRValue(COLORREF c) { return static_cast<BYTE>(c & 0xFFU); }
constexpr BYTE GetGValue(COLORREF c) { return static_cast<BYTE>((c >> 8U) & 0xFFU); }
constexpr BYTE GetBValue(COLORREF c) { return static_cast<BYTE>((c >> 16U) & 0xFFU); }

// Halves of a packed message parameter (WM_SIZE packs the client size so).
constexpr WORD LOWORD(UINT_PTR v) { return static_cast<WORD>(v & 0xFFFFU); }
constexpr WORD HIWORD(UINT_PTR v) { return static_cast<WORD>((v >> 16U) & 0xFFFFU); }
