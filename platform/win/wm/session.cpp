#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/win/text_compare.h"
#include "platform/win/wm/wnd.h"

HWND__::HWND__() { pixman_region32_init(&update); }
HWND__::~HWND__() { pixman_region32_fini(&update); }

namespace {

bool SameName(const std::string& a, LPCSTR b) {
  return b != nullptr && !IS_INTRESOURCE(b) && SameIgnoringCase(a, b);
}

}  // namespace

Session* g_wmSession = nullptr;

Session& IdleSession() {
  static Session idle;
  return idle;
}

void InitWindowManager(host::IHost* host) {
  if (g_wmSession != nullptr) ShutdownWindowManager();
  g_wmSession = new Session;
  g_wmSession->host = host;
}

void ShutdownWindowManager() {
  if (g_wmSession == nullptr) return;
  // Top-level windows take their children and owned windows with them.
  while (!g_wmSession->topLevels.empty()) {
    HWND top = g_wmSession->topLevels.back();
    if (!DestroyWindow(top)) break;
  }
  delete g_wmSession;
  g_wmSession = nullptr;
}

host::IHost* GetWindowSystemHost() { return WM().host; }

const WindowClass* FindWindowClass(LPCSTR name) {
  for (const auto& c : WM().classes) {
    if (SameName(c->name, name)) return c.get();
  }
  return nullptr;
}

BOOL RegisterClassA(const WNDCLASSA* wc) {
  if (wc == nullptr || wc->lpfnWndProc == nullptr || wc->lpszClassName == nullptr ||
      IS_INTRESOURCE(wc->lpszClassName) || FindWindowClass(wc->lpszClassName) != nullptr ||
      g_wmSession == nullptr) {
    return FALSE;
  }
  auto c = std::make_unique<WindowClass>();
  c->wc = *wc;
  c->name = wc->lpszClassName;
  if (wc->lpszMenuName != nullptr && !IS_INTRESOURCE(wc->lpszMenuName)) {
    c->menuName = wc->lpszMenuName;
  }
  c->wc.lpszClassName = c->name.c_str();
  c->wc.cbWndExtra = std::clamp(wc->cbWndExtra, 0, 256);
  WM().classes.push_back(std::move(c));
  return TRUE;
}

BOOL GetClassInfoA(HINSTANCE /*instance*/, LPCSTR className, WNDCLASSA* wc) {
  const WindowClass* c = FindWindowClass(className);
  if (c == nullptr || wc == nullptr) return FALSE;
  *wc = c->wc;
  return TRUE;
}

int GetClassNameA(HWND hwnd, LPSTR buffer, int size) {
  if (!IsLive(hwnd) || buffer == nullptr || size <= 0) return 0;
  const std::string& name = hwnd->cls->name;
  const int n = std::min(static_cast<int>(name.size()), size - 1);
  std::memcpy(buffer, name.data(), static_cast<size_t>(n));
  buffer[n] = '\0';
  return n;
}

BOOL SetClassTransparency(LPCSTR className, bool (*isTransparent)(DWORD style)) {
  for (const auto& c : WM().classes) {
    if (SameName(c->name, className)) {
      c->isTransparent = isTransparent;
      return TRUE;
    }
  }
  return FALSE;
}

void SetMenuHooks(const MenuHooks& hooks) { WM().menuHooks = hooks; }

void SetWindowCreateHook(WindowCreateHook hook, void* context) {
  WM().createHook = hook;
  WM().createHookContext = context;
}
