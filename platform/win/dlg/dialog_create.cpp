// Dialogs from templates: the dialog window, its items in template order,
// the dialog font and WM_INITDIALOG.
#include <algorithm>
#include <cstdint>

#include "platform/win/dlg/dialog_focus.h"
#include "platform/win/dlg/dialog_state.h"
#include "platform/win/dlg/modal_loop.h"
#include "platform/win/res/resources.h"
#include "platform/win/wm/resource_loaders.h"
#include "platform/win/wm/wnd.h"

namespace {

constexpr int kBaseX = 6;
constexpr int kBaseY = 13;
// No screen is larger than this; a template that asks for more is broken,
// and gets a dialog that fits rather than a surface of gigabytes.
constexpr LONG kMaxDialogSide = 8192;

// v * mul / div rounded half away from zero, as MulDiv rounds, held to
// the int range.
LONG Scale(std::int64_t v, int mul, int div) {
  const std::int64_t p = v * mul;
  const std::int64_t q = (p >= 0 ? p + div / 2 : p - div / 2) / div;
  return static_cast<LONG>(std::clamp<std::int64_t>(q, INT32_MIN, INT32_MAX));
}

// Each edge is mapped on its own, so neighbours that share an edge in
// dialog units share it in pixels too; held to the window manager's
// coordinates.
RECT ToPixels(int x, int y, int cx, int cy) {
  const auto edge = [](std::int64_t v, int mul, int div) {
    return std::clamp<LONG>(Scale(v, mul, div), -32768, 32767);
  };
  return RECT{edge(x, kBaseX, 4), edge(y, kBaseY, 8),
              edge(static_cast<std::int64_t>(x) + cx, kBaseX, 4),
              edge(static_cast<std::int64_t>(y) + cy, kBaseY, 8)};
}

bool SameClass(const char* name, const char* other) {
  const WindowClass* c = FindWindowClass(name);
  return c != nullptr && c == FindWindowClass(other);
}

LPCSTR TextOf(const TemplateText& text) {
  if (text.IsOrdinal()) return MAKEINTRESOURCEA(text.ordinal);
  return text.text != nullptr ? text.text : "";
}

LPCSTR ClassOf(const DialogTemplate& t) {
  const char* name = t.windowClass.text;
  WNDCLASSA wc{};
  // Our state lives in the window data, so only a class with room for it
  // can stand for the dialog class.
  if (name != nullptr && GetClassInfoA(nullptr, name, &wc) && wc.cbWndExtra >= DLGWINDOWEXTRA) {
    return name;
  }
  return WC_DIALOG;
}

RECT WorkArea() {
  host::IHost* h = GetWindowSystemHost();
  const host::Rect a = h != nullptr ? h->GetWorkArea() : host::Rect{0, 0, 1024, 768};
  return RECT{a.x, a.y, a.x + a.width, a.y + a.height};
}

// Where a popup dialog's outer rectangle starts on the screen.
POINT PopupOrigin(const DialogTemplate& t, HWND owner, int width, int height) {
  RECT around = WorkArea();
  if ((t.style & DS_CENTER) != 0) {
    if (IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &around);
    return POINT{(around.left + around.right - width) / 2,
                 (around.top + around.bottom - height) / 2};
  }
  const RECT at = ToPixels(t.x, t.y, 0, 0);
  POINT p{at.left, at.top};
  if (owner != nullptr) ClientToScreen(owner, &p);
  return p;
}

// The first default push button of the template names the default id.
int DefaultId(const DialogTemplate& t) {
  for (const DialogItemTemplate& item : t.items) {
    if (SameClass(item.className, "BUTTON") && (item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
      return item.id & 0xFFFF;
    }
  }
  return IDOK;
}

bool MakeItem(HWND dialog, HINSTANCE instance, const DialogItemTemplate& item, HFONT font) {
  if (item.className == nullptr) return false;
  const RECT r = ToPixels(item.x, item.y, item.cx, item.cy);
  const auto id = static_cast<UINT_PTR>(item.id & 0xFFFF);
  HWND c = CreateWindowExA(item.exStyle, item.className, TextOf(item.text), item.style | WS_CHILD,
                           r.left, r.top, r.right - r.left, r.bottom - r.top, dialog,
                           reinterpret_cast<HMENU>(id), instance, nullptr);
  if (c == nullptr || !IsLive(dialog)) return false;
  SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  const bool icon = SameClass(item.className, "STATIC") && (item.style & SS_TYPEMASK) == SS_ICON &&
                    item.text.IsOrdinal();
  if (icon && IsLive(c) && SendMessageA(c, STM_GETICON, 0, 0) == 0) {
    HICON h = LoadIconA(instance, MAKEINTRESOURCEA(item.text.ordinal));
    if (h != nullptr) SendMessageA(c, STM_SETICON, reinterpret_cast<WPARAM>(h), 0);
  }
  return IsLive(dialog);
}

}  // namespace

BOOL MapDialogRect(HWND dialog, RECT* rect) {
  if (rect == nullptr || dlg::DialogStateOf(dialog) == nullptr) return FALSE;
  *rect = RECT{Scale(rect->left, kBaseX, 4), Scale(rect->top, kBaseY, 8),
               Scale(rect->right, kBaseX, 4), Scale(rect->bottom, kBaseY, 8)};
  return TRUE;
}

LONG GetDialogBaseUnits() { return static_cast<LONG>(MAKELONG(kBaseX, kBaseY)); }

namespace dlg {

HWND CreateDialogWindow(HINSTANCE instance, const DialogTemplate* dialogTemplate, HWND parent,
                        DLGPROC proc, LPARAM param, bool modal) {
  if (dialogTemplate == nullptr) return nullptr;
  const DialogTemplate& t = *dialogTemplate;
  DWORD style = t.style & ~WS_VISIBLE;
  if (modal) style = (style & ~WS_CHILD) | WS_POPUP;
  const bool child = (style & WS_CHILD) != 0;
  HWND owner = child ? parent : GetAncestorTopLevel(parent);
  if (child && !IsLive(owner)) return nullptr;

  const RECT client = ToPixels(0, 0, t.cx, t.cy);
  const int width = std::clamp<LONG>(client.right, 0, kMaxDialogSide) + 2 * NonClientBorder(style);
  const int height = std::clamp<LONG>(client.bottom, 0, kMaxDialogSide) + NonClientTop(style) +
                     NonClientBorder(style);
  POINT at{0, 0};
  if (child) {
    const RECT r = ToPixels(t.x, t.y, 0, 0);
    at = POINT{r.left, r.top};
  } else {
    at = PopupOrigin(t, owner, width, height);
  }
  const DWORD exStyle = t.exStyle | ((t.style & DS_MODALFRAME) != 0 ? WS_EX_DLGMODALFRAME : 0U);
  HWND dialog = CreateWindowExA(exStyle, ClassOf(t), t.caption != nullptr ? t.caption : "", style,
                                at.x, at.y, width, height, owner, nullptr, instance, nullptr);
  SDialogState* state = DialogStateOf(dialog);
  if (state == nullptr) {
    if (dialog != nullptr) DestroyWindow(dialog);
    return nullptr;
  }
  SetWindowLongPtrA(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
  state->defId = DefaultId(t);
  HFONT font = state->font;
  SendMessageA(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  for (const DialogItemTemplate& item : t.items) {
    if (!MakeItem(dialog, instance, item, font)) {
      // A dialog with an item missing is no dialog at all.
      if (IsLive(dialog)) DestroyWindow(dialog);
      return nullptr;
    }
  }

  HWND first = FirstTabItem(dialog);
  const LRESULT giveFocus =
      SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param);
  if (!IsLive(dialog)) return nullptr;
  if (giveFocus != 0) {
    if (!IsLive(first) || first->parent != dialog || (first->style & WS_DISABLED) != 0) {
      first = FirstTabItem(dialog);
    }
    if (first != nullptr) MoveDialogFocus(dialog, first, true);
  } else {
    UpdateDefaultButton(dialog, GetFocus());
  }
  if (!IsLive(dialog)) return nullptr;
  if (!modal && (t.style & WS_VISIBLE) != 0) ShowWindow(dialog, SW_SHOW);
  return IsLive(dialog) ? dialog : nullptr;
}

}  // namespace dlg

HWND CreateDialogIndirectParamA(HINSTANCE instance, const DialogTemplate* dialogTemplate,
                                HWND parent, DLGPROC proc, LPARAM param) {
  return dlg::CreateDialogWindow(instance, dialogTemplate, parent, proc, param, false);
}

HWND CreateDialogParamA(HINSTANCE instance, LPCSTR name, HWND parent, DLGPROC proc, LPARAM param) {
  return CreateDialogIndirectParamA(instance, FindDialogTemplate(instance, name), parent, proc,
                                    param);
}
