// The form a program's resources take: plain constant tables that a person
// can read and edit, standing where a compiled resource script would. The
// program fills them (menus, strings, dialog templates, bitmaps and icons
// as pixel art, version), gathers them in one ResourceModule and registers
// that at start-up; resources.h finds them again by id and type.
//
//   Menus ............ MenuItemTemplate, MenuTemplate
//   Strings .......... StringEntry
//   Dialogs .......... TemplateText, DialogItemTemplate, DialogTemplate
//   Pixel art ........ StdColor, PaletteColor, LegendEntry, PixelArt, IconGroup
//   Version .......... VersionString, VersionInfo
//   The module ....... ResourceEntry, ResourceModule
//
// Every table is constant data with static storage: the lookups hand out
// pointers into it and never copy it.
#pragma once

#include <span>

#include "platform/win/windef.h"
#include "platform/win/winuser.h"

// ---- Menus ----------------------------------------------------------------------
// One level of a menu is a span of items in display order. The flags are the
// template flags of the real API: MF_POPUP for an item that opens `popup`,
// MF_SEPARATOR for a separator line, MF_GRAYED / MF_DISABLED / MF_CHECKED for
// the state at load, and MF_END on the last item of every level, as compiled
// templates carry it. A command item may stand directly on the bar and its
// text may be empty. Popups carry no command id.
struct MenuItemTemplate {
  UINT flags;
  WORD id;
  const char* text;
  std::span<const MenuItemTemplate> popup = {};
};

struct MenuTemplate {
  std::span<const MenuItemTemplate> items;  // the bar
};

// Deeper nesting than this is refused by the validator and should be by
// anything that walks a menu, so that a table that refers to itself cannot
// recurse for ever.
inline constexpr int kMaxMenuDepth = 8;

// ---- String table -------------------------------------------------------------------
// Texts are 8-bit Windows-1252; write anything beyond ASCII as an escape
// ("\xA9").
struct StringEntry {
  WORD id;
  const char* text;
};

// ---- Dialog templates -----------------------------------------------------------------
// A template's text field holds either a string or a resource ordinal (a
// static icon control names its icon by number), or nothing at all (a
// dialog's menu and class, usually).
struct TemplateText {
  constexpr TemplateText() = default;
  // Implicit, so that an item reads {"BUTTON", IDOK, "OK", ...}.
  constexpr TemplateText(const char* string) : text(string) {}
  static constexpr TemplateText Ordinal(WORD id) {
    TemplateText t;
    t.ordinal = id;
    return t;
  }

  constexpr bool IsOrdinal() const { return text == nullptr && ordinal != 0; }
  constexpr bool IsNone() const { return text == nullptr && ordinal == 0; }

  const char* text = nullptr;
  WORD ordinal = 0;
};

// Item order is template order, which is also tab order and z-order. The id
// -1 is the classic "no id" (stored as 0xFFFF in compiled templates). Dialog
// units: x and cx in quarters of the font's average character width, y and
// cy in eighths of its height.
struct DialogItemTemplate {
  const char* className;  // "BUTTON", "EDIT", "STATIC", "LISTBOX", "msctls_trackbar32", ...
  int id;
  TemplateText text;
  int x;
  int y;
  int cx;
  int cy;
  DWORD style;
  DWORD exStyle = 0;
};

struct DialogTemplate {
  DWORD style;
  DWORD exStyle = 0;
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
  const char* caption = "";
  WORD pointSize = 0;  // with DS_SETFONT
  const char* faceName = "";
  TemplateText menu = {};
  TemplateText windowClass = {};
  std::span<const DialogItemTemplate> items = {};
};

// ---- Pixel art --------------------------------------------------------------------------
// Bitmaps and icon images are drawn as text: one string per row, top row
// first, one character per pixel. The legend says which palette index each
// character stands for; the palette says which colour each index is.

// The standard 16-colour palette, by index.
enum class StdColor : BYTE {
  Black,
  Maroon,
  Green,
  Olive,
  Navy,
  Purple,
  Teal,
  Silver,
  Grey,
  Red,
  Lime,
  Yellow,
  Blue,
  Fuchsia,
  Aqua,
  White,
};

struct PaletteColor {
  BYTE r;
  BYTE g;
  BYTE b;
};

inline constexpr PaletteColor kStandardPalette16[16] = {
    {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128}, {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
};

struct LegendEntry {
  constexpr LegendEntry(char c, BYTE paletteIndex) : symbol(c), index(paletteIndex) {}
  constexpr LegendEntry(char c, StdColor color) : symbol(c), index(static_cast<BYTE>(color)) {}

  char symbol;
  BYTE index;
};

// Sides beyond this are refused by the validator and decode to nothing.
inline constexpr int kMaxPixelArtSide = 1024;

struct PixelArt {
  int width;
  int height;
  int bitsPerPixel;  // 1, 4 or 8; the palette has at most 2^bitsPerPixel entries
  std::span<const PaletteColor> palette;
  std::span<const LegendEntry> legend;
  std::span<const char* const> rows;
  // Icon images only: the character for "no pixel" (the AND mask set).
  // Bitmaps leave it '\0', which can never occur inside a row.
  char transparent = '\0';
};

// An icon resource: the same picture at several sizes (32 by 32, 16 by 16).
struct IconGroup {
  std::span<const PixelArt> images;
};

// ---- Version --------------------------------------------------------------------------
// The fixed part (four numbers each, most significant first) and the string
// table of the block for `language` and `codePage`: CompanyName,
// FileDescription, FileVersion, InternalName, LegalCopyright,
// OriginalFilename, ProductName, ProductVersion.
struct VersionString {
  const char* key;
  const char* value;
};

struct VersionInfo {
  WORD fileVersion[4];
  WORD productVersion[4];
  WORD language;
  WORD codePage;
  std::span<const VersionString> strings;
};

inline constexpr WORD VS_VERSION_INFO = 1;

// ---- The module ---------------------------------------------------------------------------
// One program's resources with their ids. Every resource of a module is in
// its one language (1033, US English, for ours).
template <typename T>
struct ResourceEntry {
  WORD id;
  const T* resource;
};

inline constexpr WORD LANG_EN_US = 0x0409;

struct ResourceModule {
  const char* name;  // what GetModuleHandleA finds it by, "astrolathe.exe"
  WORD language = LANG_EN_US;
  std::span<const ResourceEntry<MenuTemplate>> menus = {};
  std::span<const StringEntry> strings = {};
  std::span<const ResourceEntry<DialogTemplate>> dialogs = {};
  std::span<const ResourceEntry<PixelArt>> bitmaps = {};
  std::span<const ResourceEntry<IconGroup>> iconGroups = {};
  const VersionInfo* version = nullptr;  // resource VS_VERSION_INFO
};
