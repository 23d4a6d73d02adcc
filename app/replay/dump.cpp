// What `dump` prints: the frame, the simulation, the bodies, the status bar,
// the controls, the menu as its update handlers set it, and the open dialog.
#include <string>
#include <vector>

#include "app/replay/driver.h"
#include "platform/afx/afxwin.h"
#include "ui/sim_frame.h"

namespace replay {

namespace {

std::string TextOf(HWND hwnd) {
  std::vector<char> buffer(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
  GetWindowTextA(hwnd, buffer.data(), static_cast<int>(buffer.size()));
  return buffer.data();
}

void PrintControl(const char* tag, HWND c, std::FILE* out) {
  const std::string cls = ClassOf(c);
  std::fprintf(out, "%s %d %s \"%s\" enabled %d", tag, GetDlgCtrlID(c), cls.c_str(),
               TextOf(c).c_str(), IsWindowEnabled(c) ? 1 : 0);
  if (cls == "msctls_trackbar32") {
    std::fprintf(out, " pos %d range %d %d", static_cast<int>(SendMessageA(c, TBM_GETPOS, 0, 0)),
                 static_cast<int>(SendMessageA(c, TBM_GETRANGEMIN, 0, 0)),
                 static_cast<int>(SendMessageA(c, TBM_GETRANGEMAX, 0, 0)));
  } else if (cls == "msctls_updown32") {
    const auto range = static_cast<DWORD>(SendMessageA(c, UDM_GETRANGE, 0, 0));
    std::fprintf(out, " pos %d range %d %d",
                 static_cast<std::int16_t>(LOWORD(SendMessageA(c, UDM_GETPOS, 0, 0))),
                 static_cast<std::int16_t>(HIWORD(range)),
                 static_cast<std::int16_t>(LOWORD(range)));
  }
  std::fprintf(out, "\n");
}

void PrintMenu(CSimFrame* frame, std::FILE* out) {
  HMENU bar = GetMenu(frame->m_hWnd);
  for (int i = 0; i < GetMenuItemCount(bar); ++i) {
    HMENU popup = GetSubMenu(bar, i);
    if (popup == nullptr) {
      const UINT id = GetMenuItemID(bar, i);
      const UINT state = GetMenuState(bar, static_cast<UINT>(i), MF_BYPOSITION);
      std::fprintf(out, "menu %u enabled %d\n", id, (state & (MF_GRAYED | MF_DISABLED)) ? 0 : 1);
      continue;
    }
    // As the drop-down would show it when opened now.
    frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup),
                       MAKELPARAM(static_cast<UINT>(i), FALSE));
    for (int k = 0; k < GetMenuItemCount(popup); ++k) {
      const UINT id = GetMenuItemID(popup, k);
      if (id == 0 || id == static_cast<UINT>(-1)) continue;
      const UINT state = GetMenuState(popup, static_cast<UINT>(k), MF_BYPOSITION);
      std::fprintf(out, "menu %u enabled %d\n", id, (state & (MF_GRAYED | MF_DISABLED)) ? 0 : 1);
    }
  }
}

// The menu window open now: a context menu of its own, else a drop-down
// of the frame's bar.
HWND OpenMenuWindow(CSimFrame* frame) {
  if (HWND popup = FindWindowA("#32768", nullptr); popup != nullptr && IsWindowVisible(popup)) {
    return popup;
  }
  if (frame == nullptr || !IsWindow(frame->m_hWnd)) return nullptr;
  for (HWND c = GetWindow(frame->m_hWnd, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    if (ClassOf(c) == "#32768" && IsWindowVisible(c)) return c;
  }
  return nullptr;
}

void PrintPopupItems(HWND menuWindow, std::FILE* out) {
  auto* menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
  for (int k = 0; k < GetMenuItemCount(menu); ++k) {
    const UINT state = GetMenuState(menu, static_cast<UINT>(k), MF_BYPOSITION);
    if ((state & MF_SEPARATOR) != 0) continue;
    char text[256] = {};
    GetMenuStringA(menu, static_cast<UINT>(k), text, sizeof text, MF_BYPOSITION);
    std::fprintf(out, "popup-item %d \"%s\" enabled %d\n", k, text,
                 (state & (MF_GRAYED | MF_DISABLED)) != 0 ? 0 : 1);
  }
}

}  // namespace

void Dump(CSimFrame* frame, HWND dialog, std::FILE* out) {
  if (frame != nullptr && IsWindow(frame->m_hWnd)) {
    RECT client;
    frame->GetClientRect(&client);
    RECT scene;
    frame->GetSceneRect(&scene);
    const RECT& p = frame->m_panelRect;
    std::fprintf(out, "frame client %d %d scene %d %d %d %d panel %d %d %d %d\n",
                 static_cast<int>(client.right), static_cast<int>(client.bottom),
                 static_cast<int>(scene.left), static_cast<int>(scene.top),
                 static_cast<int>(scene.right), static_cast<int>(scene.bottom),
                 static_cast<int>(p.left), static_cast<int>(p.top), static_cast<int>(p.right),
                 static_cast<int>(p.bottom));
    const CBodyTable& t = frame->m_table;
    std::fprintf(out, "sim t %.17g dt %.17g G %.17g count %d running %d\n", t.m_t, t.m_dt, t.m_G,
                 t.m_bodyCount, frame->m_running ? 1 : 0);
    for (int i = 0; i < t.LiveCount(); ++i) {
      const CBody& b = t.m_bodies[i];
      const POINT c = b.GetScreenPos();
      const RECT r = b.GetRect();
      std::fprintf(out,
                   "body %d x %.17g y %.17g vx %.17g vy %.17g mass %.17g color %06X center %d %d "
                   "rect %d %d %d %d\n",
                   i, b.GetX(), b.GetY(), b.GetVx(), b.GetVy(), b.GetMass(),
                   static_cast<unsigned>(b.GetColor()), static_cast<int>(c.x),
                   static_cast<int>(c.y), static_cast<int>(r.left), static_cast<int>(r.top),
                   static_cast<int>(r.right), static_cast<int>(r.bottom));
    }
    for (int i = 0; i < 5; ++i) {
      std::fprintf(out, "pane %d \"%s\"\n", i,
                   static_cast<LPCSTR>(frame->m_statusBar.GetPaneText(i)));
    }
    for (HWND c = GetWindow(frame->m_hWnd, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
      if (ClassOf(c) == "#32768") continue;  // an open drop-down is no control of the frame
      PrintControl("control", c, out);
    }
    PrintMenu(frame, out);
  }
  if (dialog != nullptr) {
    std::fprintf(out, "dialog \"%s\"\n", TextOf(dialog).c_str());
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
      PrintControl("dialog-control", c, out);
      if (ClassOf(c) == "LISTBOX") {
        const int n = static_cast<int>(SendMessageA(c, LB_GETCOUNT, 0, 0));
        for (int k = 0; k < n; ++k) {
          std::vector<char> line(
              static_cast<size_t>(std::max<LRESULT>(0, SendMessageA(c, LB_GETTEXTLEN, k, 0))) + 1,
              '\0');
          SendMessageA(c, LB_GETTEXT, static_cast<WPARAM>(k),
                       reinterpret_cast<LPARAM>(line.data()));
          std::fprintf(out, "dialog-line %d %d \"%s\"\n", GetDlgCtrlID(c), k, line.data());
        }
      }
    }
  } else {
    std::fprintf(out, "dialog none\n");
  }
  HWND active = dialog;
  if (active == nullptr && frame != nullptr && IsWindow(frame->m_hWnd)) active = frame->m_hWnd;
  HWND focus = GetFocus();
  if (active != nullptr && focus != nullptr && IsChild(active, focus)) {
    std::fprintf(out, "focus %d\n", GetDlgCtrlID(focus));
  } else {
    std::fprintf(out, "focus none\n");
  }
  if (HWND menuWindow = OpenMenuWindow(frame)) PrintPopupItems(menuWindow, out);
  std::fprintf(out, "end\n");
  std::fflush(out);
}

}  // namespace replay
