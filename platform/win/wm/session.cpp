#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/win/wm/wnd.h"

HWND__::HWND__() { pixman_region32_init(&update); }
HWND__::~HWND__() { pixman_region32_fini(&update); }

namespace {

Session* g_session = nullptr;

bool SameName(const std::string& a, LPCSTR b) {
  if (b == nullptr || IS_INTRESOURCE(b)) return false;
  const size_t n = std::strlen(b);
  if (a.size() != n) return false;
  for (size_t i = 0; i < n; ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

Session& WM() {
  // Functions called before start-up (or after shut-down) get an empty
  // session rather than a null one; without a host nothing can be shown.
  static Session idle;
  return g_session != nullptr ? *g_session : idle;
}

bool IsLive(HWND hwnd) { return hwnd != nullptr && WM().live.Contains(hwnd) && !hwnd->destroying; }

void InitWindowManager(host::IHost* host) {
  if (g_session != nullptr) ShutdownWindowManager();
  g_session = new Session;
  g_session->host = host;
}

void ShutdownWindowManager() {
  if (g_session == nullptr) return;
  // Top-level windows take their children and owned windows with them.
  while (!g_session->topLevels.empty()) {
    HWND top = g_session->topLevels.back();
    if (!DestroyWindow(top)) break;
  }
  delete g_session;
  g_session = nullptr;
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
      g_session == nullptr) {
    return FALSE;
  }
  auto c = std::make_unique<WindowClass>();
  c->wc = *wc;
  c->name = wc->lpszClassName;
  if (wc->lpszMenuName != nullptr && !IS_INTRESOURCE(wc->lpszMenuName)) {
    c->menuName = wc->lpszMenuName;
  }
  c->wc.lpszClassName = c->name.c_str();
  c->isButton = SameName(c->name, "BUTTON");
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

void SetMenuHooks(const MenuHooks& hooks) { WM().menuHooks = hooks; }

void SetWindowCreateHook(WindowCreateHook hook, void* context) {
  WM().createHook = hook;
  WM().createHookContext = context;
}
