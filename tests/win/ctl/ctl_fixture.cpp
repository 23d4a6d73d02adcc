#include "tests/win/ctl/ctl_fixture.h"

std::vector<SNote> ControlTest::s_notes;
HBRUSH ControlTest::s_ctlBrush = nullptr;
bool ControlTest::s_destroySender = false;

namespace {

LRESULT ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC hdc = BeginPaint(hwnd, &ps);
      RECT r;
      GetClientRect(hwnd, &r);
      HBRUSH b = CreateSolidBrush(ControlTest::kParentColor);
      FillRect(hdc, &r, b);
      DeleteObject(b);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      ControlTest::s_notes.push_back(SNote{hwnd, message, wParam, lParam});
      return reinterpret_cast<LRESULT>(ControlTest::s_ctlBrush);
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
      ControlTest::s_notes.push_back(SNote{hwnd, message, wParam, lParam});
      if (ControlTest::s_destroySender) DestroyWindow(reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP:
    case WM_INITMENU:
    case WM_INITMENUPOPUP:
    case WM_MENUSELECT:
      ControlTest::s_notes.push_back(SNote{hwnd, message, wParam, lParam});
      return 0;
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

}  // namespace

void ControlTest::SetUp() {
  s_notes.clear();
  s_ctlBrush = nullptr;
  s_destroySender = false;
  InitWindowSystem(&m_host);
  WNDCLASSA wc{};
  wc.lpfnWndProc = ParentProc;
  wc.lpszClassName = "Parent";
  ASSERT_TRUE(RegisterClassA(&wc));
}

void ControlTest::TearDown() { ShutdownWindowSystem(); }

HWND ControlTest::MakeParent(int width, int height, DWORD style, HMENU menu) {
  return CreateWindowExA(0, "Parent", "Parent", style, 100, 100, width, height, nullptr, menu,
                         nullptr, nullptr);
}

HWND ControlTest::MakeControl(HWND parent, const char* cls, const char* text, DWORD style, RECT r,
                              int id) {
  return CreateWindowExA(0, cls, text, style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                         parent, reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)), nullptr,
                         nullptr);
}

void ControlTest::Pump() {
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

void ControlTest::Mouse(HWND top, host::EventType type, int x, int y) {
  host::Event e;
  e.type = type;
  e.surface = top->hostId;
  e.x = x;
  e.y = y;
  e.button = host::MouseButton::kLeft;
  m_host.PushEvent(e);
}

void ControlTest::Click(HWND top, int x, int y) {
  Press(top, x, y);
  Release(top, x, y);
}

void ControlTest::Key(HWND top, int vkey, bool down, unsigned modifiers) {
  host::Event e;
  e.type = down ? host::EventType::kKeyDown : host::EventType::kKeyUp;
  e.surface = top->hostId;
  e.vkey = vkey;
  e.modifiers = modifiers;
  m_host.PushEvent(e);
}

COLORREF ControlTest::Surface(HWND top, int x, int y) {
  const ::Surface* s = top->surface;
  if (x < 0 || y < 0 || x >= s->width || y >= s->height) return CLR_INVALID;
  const std::uint32_t p =
      s->pixels[static_cast<size_t>(y) * static_cast<size_t>(s->width) + static_cast<size_t>(x)];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

COLORREF ControlTest::At(HWND hwnd, int x, int y) const {
  const POINT origin = ClientOriginInSurface(hwnd);
  return Surface(TopLevelOf(hwnd), origin.x + x, origin.y + y);
}

std::vector<SNote> ControlTest::Notes(UINT message) const {
  std::vector<SNote> out;
  for (const SNote& n : s_notes) {
    if (n.message == message) out.push_back(n);
  }
  return out;
}
