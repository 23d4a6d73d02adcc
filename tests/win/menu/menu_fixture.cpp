#include "tests/win/menu/menu_fixture.h"

#include <cstring>

#include "platform/win/menu/menu_system.h"
#include "platform/win/res/resources.h"

std::vector<SHeard> MenuTest::s_heard;
std::function<void(HMENU, int)> MenuTest::s_onInitPopup;
std::function<void(UINT, WPARAM)> MenuTest::s_onMessage;

namespace {

constexpr MenuItemTemplate kFileItems[] = {{MF_END, kExit, "E&xit"}};
constexpr MenuItemTemplate kViewItems[] = {{MF_GRAYED | MF_END, kZoom, "&Zoom..."}};
constexpr MenuItemTemplate kControlItems[] = {{MF_GRAYED, kGo, "&Go"},
                                              {MF_GRAYED | MF_END, kStop, "&Stop"}};
constexpr MenuItemTemplate kHelpItems[] = {{0, kInstructions, "&Instructions..."},
                                           {MF_SEPARATOR, 0, ""},
                                           {MF_END, kAbout, "&About Astrolathe..."}};
constexpr MenuItemTemplate kBarItems[] = {{MF_POPUP, 0, "&File", kFileItems},
                                          {0, kBlankCommand, ""},
                                          {MF_POPUP, 0, "&View", kViewItems},
                                          {MF_POPUP, 0, "&Control", kControlItems},
                                          {MF_POPUP | MF_END, 0, "&Help", kHelpItems}};
constexpr MenuTemplate kMenu{kBarItems};
constexpr ResourceEntry<MenuTemplate> kMenus[] = {{128, &kMenu}};
constexpr ResourceModule kModule{.name = "menu_test.exe", .menus = kMenus};

LRESULT FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP:
    case WM_INITMENU:
    case WM_MENUSELECT:
    case WM_COMMAND:
    case WM_TIMER:
      MenuTest::s_heard.push_back(SHeard{message, wParam, lParam});
      if (MenuTest::s_onMessage) MenuTest::s_onMessage(message, wParam);
      return 0;
    case WM_INITMENUPOPUP:
      MenuTest::s_heard.push_back(SHeard{message, wParam, lParam});
      if (MenuTest::s_onInitPopup) {
        MenuTest::s_onInitPopup(reinterpret_cast<HMENU>(wParam), LOWORD(lParam));
      }
      return 0;
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

}  // namespace

void MenuTest::SetUp() {
  s_heard.clear();
  s_onInitPopup = nullptr;
  s_onMessage = nullptr;
  InitWindowManager(&m_host);
  ASSERT_TRUE(InstallMenuSystem());
  WNDCLASSA wc{};
  wc.lpfnWndProc = FrameProc;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(COLOR_BTNFACE + 1));
  wc.lpszClassName = "Frame";
  ASSERT_TRUE(RegisterClassA(&wc));
  HMENU menu = LoadMenuA(RegisterResourceModule(&kModule), MAKEINTRESOURCEA(128));
  ASSERT_NE(menu, nullptr);
  m_frame = CreateWindowExA(0, "Frame", "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 40, 400, 300,
                            nullptr, menu, nullptr, nullptr);
  ASSERT_NE(m_frame, nullptr);
  Pump();
  Forget();
}

void MenuTest::TearDown() {
  m_host.SetEventSource(nullptr);
  s_onInitPopup = nullptr;
  s_onMessage = nullptr;
  ShutdownWindowManager();
  DestroyAllMenus();
}

void MenuTest::Mouse(host::EventType type, POINT screen) {
  POINT origin{0, 0};
  ClientToScreen(m_frame, &origin);
  host::Event e;
  e.type = type;
  e.surface = m_frame->hostId;
  e.x = screen.x - origin.x;
  e.y = screen.y - origin.y + MenuBarHeight(m_frame);
  m_host.PushEvent(e);
}

void MenuTest::Key(int vkey, bool down, unsigned modifiers) {
  host::Event e;
  e.type = down ? host::EventType::kKeyDown : host::EventType::kKeyUp;
  e.surface = m_frame->hostId;
  e.vkey = vkey;
  e.modifiers = modifiers;
  m_host.PushEvent(e);
}

void MenuTest::Type(const char* text) {
  for (const char* c = text; *c != '\0'; ++c) {
    const int vkey = *c >= 'a' && *c <= 'z' ? *c - 'a' + 'A' : *c;
    Key(vkey, true);
    host::Event e;
    e.type = host::EventType::kText;
    e.surface = m_frame->hostId;
    e.text[0] = *c;
    m_host.PushEvent(e);
    Key(vkey, false);
  }
}

void MenuTest::AltKey(int letter) {
  Key(VK_MENU, true, host::kModAlt);
  Key(letter, true, host::kModAlt);
  Key(letter, false, host::kModAlt);
  Key(VK_MENU, false);
}

POINT MenuTest::BarCentre(int index) const {
  RECT r{};
  EXPECT_TRUE(GetMenuItemRect(m_frame, Bar(), static_cast<UINT>(index), &r));
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

POINT MenuTest::ItemCentre(HMENU popup, int index) const {
  RECT r{};
  EXPECT_TRUE(GetMenuItemRect(m_frame, popup, static_cast<UINT>(index), &r));
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

POINT MenuTest::Outside() const {
  POINT p{300, 200};
  ClientToScreen(m_frame, &p);
  return p;
}

void MenuTest::Script(std::vector<std::function<void()>> steps) {
  m_steps = std::move(steps);
  m_next = 0;
  m_host.SetEventSource([this](host::Event* e, bool blocking) {
    if (!blocking || m_next >= m_steps.size()) return false;
    m_steps[m_next++]();
    if (m_host.QueuedEventCount() > 0) return false;
    // A step that only looks still lets the loop wait again for the next.
    e->type = host::EventType::kFocusLost;
    e->surface = m_frame->hostId;
    return true;
  });
}

bool MenuTest::Pump() {
  MSG msg;
  for (int guard = 0; guard < 10000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++guard) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return true;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return false;
}

std::vector<SHeard> MenuTest::Heard(UINT message) const {
  std::vector<SHeard> out;
  for (const SHeard& h : s_heard) {
    if (h.message == message) out.push_back(h);
  }
  return out;
}

std::vector<UINT> MenuTest::Sequence() const {
  std::vector<UINT> out;
  for (const SHeard& h : s_heard) out.push_back(h.message);
  return out;
}

HWND MenuTest::OpenDropDown() const {
  for (HWND c = GetWindow(m_frame, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    char name[16];
    GetClassNameA(c, name, sizeof name);
    if (std::strcmp(name, "#32768") == 0) return c;
  }
  return nullptr;
}
