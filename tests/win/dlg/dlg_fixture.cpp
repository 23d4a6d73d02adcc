#include "tests/win/dlg/dlg_fixture.h"

#include <algorithm>

#include "platform/win/res/resources.h"

std::vector<SNote> DialogTest::s_notes;
INT_PTR DialogTest::s_initAnswer = TRUE;
bool DialogTest::s_endOnCommand = true;

namespace {

constexpr PaletteColor kIconPalette[] = {{0, 0, 0}, {255, 0, 0}};
constexpr LegendEntry kIconLegend[] = {{'#', 1}, {'.', 0}};
constexpr const char* kIconRows[] = {
    "################", "#..............#", "#..............#", "#..############.",
    "#..#........#..#", "#..#........#..#", "#..#........#..#", "#..#........#..#",
    "#..#........#..#", "#..#........#..#", "#..#........#..#", "#..#........#..#",
    "#..############.", "#..............#", "#..............#", "################",
};
constexpr PixelArt kIconImage{16, 16, 1, kIconPalette, kIconLegend, kIconRows, ' '};
constexpr PixelArt kIconImages[] = {kIconImage};
constexpr IconGroup kIconGroup{kIconImages};
constexpr ResourceEntry<IconGroup> kIcons[] = {{kTestIcon, &kIconGroup}};
const ResourceModule kModule{"dialog-tests", LANG_EN_US, {}, {}, {}, {}, kIcons};

LRESULT OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) DialogTest::s_notes.push_back(SNote{hwnd, message, wParam, lParam});
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

void DialogTest::SetUp() {
  s_notes.clear();
  s_initAnswer = TRUE;
  s_endOnCommand = true;
  InitWindowSystem(&m_host);
  RegisterDialogClasses();
  RegisterResourceModule(&kModule);
  WNDCLASSA wc{};
  wc.lpfnWndProc = OwnerProc;
  wc.lpszClassName = "Owner";
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(COLOR_WINDOW + 1));
  ASSERT_TRUE(RegisterClassA(&wc));
  m_host.SetEventSource([this](host::Event* e, bool blocking) {
    if (!blocking || m_steps.empty()) return false;
    const std::function<void()> step = std::move(m_steps.front());
    m_steps.pop_front();
    step();
    if (m_host.QueuedEventCount() > 0) return false;
    // A step that only looked, or sent messages, still wakes the loop.
    *e = host::Event{};
    e->type = host::EventType::kFocusLost;
    return true;
  });
}

void DialogTest::TearDown() {
  m_host.SetEventSource(nullptr);
  ShutdownWindowSystem();
}

INT_PTR DialogTest::RecordingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return s_initAnswer;
    case WM_COMMAND:
      s_notes.push_back(SNote{dialog, message, wParam, lParam});
      if (s_endOnCommand && HIWORD(wParam) == BN_CLICKED &&
          (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
      }
      return TRUE;
    case WM_VSCROLL:
    case WM_HSCROLL:
      s_notes.push_back(SNote{dialog, message, wParam, lParam});
      return TRUE;
    default:
      return FALSE;
  }
}

HWND DialogTest::MakeDialog(const DialogTemplate& t, HWND parent) {
  return CreateDialogIndirectParamA(nullptr, &t, parent, &RecordingProc, 0);
}

HWND DialogTest::MakeOwner() {
  return CreateWindowExA(0, "Owner", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 80, 500, 400,
                         nullptr, nullptr, nullptr, nullptr);
}

void DialogTest::Script(std::vector<std::function<void()>> steps) {
  m_steps.assign(steps.begin(), steps.end());
}

void DialogTest::Pump() {
  MSG msg;
  for (int guard = 0; guard < 10000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++guard) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    // Modeless dialogs get their keyboard as the program's loop would give it.
    HWND top = GetAncestorTopLevel(msg.hwnd);
    char name[16] = {};
    GetClassNameA(top, name, sizeof name);
    if (std::string(name) == WC_DIALOG && IsDialogMessageA(top, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void DialogTest::Mouse(HWND top, host::EventType type, int x, int y, unsigned modifiers) {
  host::Event e;
  e.type = type;
  e.surface = top->hostId;
  e.x = x;
  e.y = y;
  e.modifiers = modifiers;
  e.button = host::MouseButton::kLeft;
  m_host.PushEvent(e);
}

void DialogTest::Click(HWND top, int x, int y) {
  Mouse(top, host::EventType::kMouseDown, x, y);
  Mouse(top, host::EventType::kMouseUp, x, y);
}

void DialogTest::ClickChild(HWND child, int x, int y) {
  const POINT o = ClientOriginInSurface(child);
  Click(TopLevelOf(child), o.x + x, o.y + y);
}

void DialogTest::Key(HWND top, int vkey, bool down, unsigned modifiers) {
  host::Event e;
  e.type = down ? host::EventType::kKeyDown : host::EventType::kKeyUp;
  e.surface = top->hostId;
  e.vkey = vkey;
  e.modifiers = modifiers;
  m_host.PushEvent(e);
}

void DialogTest::Tap(HWND top, int vkey, unsigned modifiers) {
  Key(top, vkey, true, modifiers);
  Key(top, vkey, false, modifiers);
}

void DialogTest::Type(HWND top, const std::string& text) {
  host::Event e;
  e.type = host::EventType::kText;
  e.surface = top->hostId;
  const size_t n = std::min(text.size(), sizeof e.text - 1);
  text.copy(e.text, n);
  m_host.PushEvent(e);
}

COLORREF DialogTest::At(HWND hwnd, int x, int y) {
  const POINT origin = ClientOriginInSurface(hwnd);
  const ::Surface* s = TopLevelOf(hwnd)->surface;
  const int sx = origin.x + x;
  const int sy = origin.y + y;
  if (sx < 0 || sy < 0 || sx >= s->width || sy >= s->height) return CLR_INVALID;
  const std::uint32_t p =
      s->pixels[static_cast<size_t>(sy) * static_cast<size_t>(s->width) + static_cast<size_t>(sx)];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

RECT DialogTest::RectIn(HWND child) { return child->rect; }

std::vector<SNote> DialogTest::Notes(UINT message) const {
  std::vector<SNote> out;
  for (const SNote& n : s_notes) {
    if (n.message == message) out.push_back(n);
  }
  return out;
}

std::vector<WORD> DialogTest::Codes(UINT message) const {
  std::vector<WORD> out;
  for (const SNote& n : Notes(message)) out.push_back(HIWORD(n.wParam));
  return out;
}
