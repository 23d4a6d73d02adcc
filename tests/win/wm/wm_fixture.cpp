#include "tests/win/wm/wm_fixture.h"

std::vector<SLogged> WindowManagerTest::s_log;
LRESULT WindowManagerTest::s_createResult = 0;
COLORREF WindowManagerTest::s_paintColor = CLR_INVALID;

namespace {

LRESULT RecorderProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowManagerTest::s_log.push_back(SLogged{hwnd, message, wParam, lParam});
  if (message == WM_CREATE) return WindowManagerTest::s_createResult;
  if (message == WM_PAINT && WindowManagerTest::s_paintColor != CLR_INVALID) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    HBRUSH b = CreateSolidBrush(WindowManagerTest::s_paintColor);
    FillRect(hdc, &r, b);
    DeleteObject(b);
    EndPaint(hwnd, &ps);
    return 0;
  }
  if (message == WM_NCHITTEST && (GetWindowLongA(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX) {
    char name[16];
    GetClassNameA(hwnd, name, sizeof name);
    if (std::string(name) == "BUTTON") return HTTRANSPARENT;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

void WindowManagerTest::SetUp() {
  s_log.clear();
  s_createResult = 0;
  s_paintColor = CLR_INVALID;
  InitWindowManager(&m_host);
  for (const char* name : {"Recorder", "BUTTON"}) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = RecorderProc;
    wc.lpszClassName = name;
    ASSERT_TRUE(RegisterClassA(&wc));
  }
  // What the control classes tell the window manager of their group boxes.
  ASSERT_TRUE(SetClassTransparency(
      "BUTTON", [](DWORD style) { return (style & BS_TYPEMASK) == BS_GROUPBOX; }));
}

void WindowManagerTest::TearDown() { ShutdownWindowManager(); }

HWND WindowManagerTest::MakeTop(int w, int h, DWORD style, HMENU menu) {
  return CreateWindowExA(0, "Recorder", "Top", style, 100, 100, w, h, nullptr, menu, nullptr,
                         nullptr);
}

HWND WindowManagerTest::MakeChild(HWND parent, int id, RECT r, DWORD style, const char* cls) {
  return CreateWindowExA(0, cls, "", style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                         parent, reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)), nullptr,
                         nullptr);
}

std::vector<SLogged> WindowManagerTest::Take(UINT message) {
  std::vector<SLogged> out;
  for (const SLogged& l : s_log) {
    if (l.message == message) out.push_back(l);
  }
  s_log.clear();
  return out;
}

int WindowManagerTest::Count(HWND hwnd, UINT message) const {
  int n = 0;
  for (const SLogged& l : s_log) n += (l.hwnd == hwnd && l.message == message) ? 1 : 0;
  return n;
}

void WindowManagerTest::Pump() {
  MSG msg;
  for (int guard = 0; guard < 10000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++guard) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

host::Event WindowManagerTest::MouseEvent(HWND top, host::EventType type, int x, int y,
                                          host::MouseButton b) {
  host::Event e;
  e.type = type;
  e.surface = top->hostId;
  e.x = x;
  e.y = y;
  e.button = b;
  return e;
}

void WindowManagerTest::Click(HWND top, int x, int y, host::MouseButton b) {
  m_host.PushEvent(MouseEvent(top, host::EventType::kMouseDown, x, y, b));
  m_host.PushEvent(MouseEvent(top, host::EventType::kMouseUp, x, y, b));
}
