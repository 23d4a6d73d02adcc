// A small frame with a menu bar, a status bar, buttons, group boxes and
// sliders, compared pixel for pixel with checked-in snapshots: once at rest
// and once with a drop-down open under the pointer.
//
// To refresh the snapshots after an intended change of the look, run
//   ASTROLATHE_UPDATE_SNAPSHOTS=1 ./win_ctl_tests --gtest_filter='FrameSnapshot.*'
// from the build directory, then look at the files in tests/win/ctl/data/.
// A failing comparison leaves what was drawn as NAME.actual.png in the
// working directory.
#include <cstdlib>
#include <string>

#include "platform/host/headless/png_file.h"
#include "platform/win/menu/menu.h"
#include "platform/win/res/resources.h"
#include "tests/win/ctl/ctl_fixture.h"

namespace {

constexpr MenuItemTemplate kFile[] = {{MF_END, 32778, "E&xit"}};
constexpr MenuItemTemplate kView[] = {{MF_GRAYED | MF_END, 32780, "&Zoom..."}};
constexpr MenuItemTemplate kControl[] = {{MF_GRAYED, 32773, "&Go"},
                                         {MF_GRAYED | MF_END, 32774, "&Stop"}};
constexpr MenuItemTemplate kHelp[] = {
    {0, 32776, "&Instructions..."}, {MF_SEPARATOR, 0, ""}, {MF_END, 32777, "&About Astrolathe..."}};
constexpr MenuItemTemplate kBar[] = {{MF_POPUP, 0, "&File", kFile},
                                     {0, 32771, ""},
                                     {MF_POPUP, 0, "&View", kView},
                                     {MF_POPUP, 0, "&Control", kControl},
                                     {MF_POPUP | MF_END, 0, "&Help", kHelp}};
constexpr MenuTemplate kMenu{kBar};
constexpr ResourceEntry<MenuTemplate> kMenus[] = {{128, &kMenu}};
constexpr ResourceModule kModule{.name = "ctl_snapshot_test.exe", .menus = kMenus};

LRESULT FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

class FrameSnapshot : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    WNDCLASSA wc{};
    wc.lpfnWndProc = FrameProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = "SnapshotFrame";
    ASSERT_TRUE(RegisterClassA(&wc));
    HMENU menu = LoadMenuA(RegisterResourceModule(&kModule), MAKEINTRESOURCEA(128));
    ASSERT_NE(menu, nullptr);
    m_frame = CreateWindowExA(0, "SnapshotFrame", "Astrolathe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                              0, 360, 300, nullptr, menu, nullptr, nullptr);
    ASSERT_NE(m_frame, nullptr);
    BuildPanel();
    Pump();
  }

  HWND Child(const char* cls, const char* text, DWORD style, RECT r, int id) {
    return MakeControl(m_frame, cls, text, WS_CHILD | WS_VISIBLE | style, r, id);
  }

  void BuildPanel() {
    RECT client;
    GetClientRect(m_frame, &client);
    HWND status = Child(STATUSCLASSNAMEA, nullptr, 0,
                        RECT{0, client.bottom - 20, client.right, client.bottom}, 59393);
    const int rights[3] = {150, 270, -1};
    SendMessageA(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(rights));
    SendMessageA(status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("Ready"));
    SendMessageA(status, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>("t: 0.000000e+000 s"));
    SendMessageA(status, SB_SETTEXTA, 2, reinterpret_cast<LPARAM>("6.6726e-011"));

    Child("BUTTON", "", BS_GROUPBOX, RECT{10, 5, 150, 225}, -1);
    Child("BUTTON", "&Go", BS_DEFPUSHBUTTON, RECT{20, 20, 70, 45}, 101);
    Child("BUTTON", "Stop", WS_DISABLED | BS_PUSHBUTTON, RECT{85, 20, 135, 45}, 102);
    Child("BUTTON", "delta t", BS_GROUPBOX, RECT{15, 55, 75, 220}, -1);
    HWND dt = Child(TRACKBAR_CLASSA, nullptr, TBS_VERT | TBS_AUTOTICKS, RECT{18, 72, 45, 212}, 104);
    SendMessageA(dt, TBM_SETRANGE, FALSE, MAKELONG(0, 5));
    SendMessageA(dt, TBM_SETPOS, TRUE, 3);
    Child("BUTTON", "G", BS_GROUPBOX, RECT{80, 55, 145, 220}, -1);
    HWND g = Child(TRACKBAR_CLASSA, nullptr, TBS_VERT | TBS_NOTICKS, RECT{83, 72, 110, 212}, 103);
    SendMessageA(g, TBM_SETRANGE, FALSE, MAKELONG(50, 150));
    SendMessageA(g, TBM_SETPOS, TRUE, 100);
    Child("STATIC", "150%", SS_LEFT, RECT{112, 75, 142, 88}, -1);
    Child("STATIC", "50%", SS_LEFT, RECT{112, 197, 142, 210}, -1);
    HWND zoom =
        Child(TRACKBAR_CLASSA, nullptr, TBS_HORZ | TBS_AUTOTICKS, RECT{165, 20, 280, 50}, 105);
    SendMessageA(zoom, TBM_SETRANGE, FALSE, MAKELONG(0, 10));
    SendMessageA(zoom, TBM_SETPOS, TRUE, 4);
    Child("STATIC", "A label that wraps onto a second line", SS_LEFT, RECT{165, 60, 300, 90}, -1);
    SetFocus(zoom);
  }

  POINT ToSurface(POINT screen) const {
    POINT origin{0, 0};
    ClientToScreen(m_frame, &origin);
    return POINT{screen.x - origin.x, screen.y - origin.y + kMenuBarHeight};
  }

  std::vector<std::uint32_t> Pixels() const { return m_frame->surface->pixels; }

  void Compare(const std::vector<std::uint32_t>& pixels, const std::string& name) {
    const int width = m_frame->surface->width;
    const int height = m_frame->surface->height;
    const std::string path = std::string(ASTROLATHE_CTL_TEST_DATA) + "/" + name;
    if (std::getenv("ASTROLATHE_UPDATE_SNAPSHOTS") != nullptr) {
      ASSERT_TRUE(host::WritePngFile(path, pixels.data(), width, height, width * 4));
      return;
    }
    std::vector<std::uint32_t> expected;
    int w = 0;
    int h = 0;
    const bool read = host::ReadPngFile(path, &expected, &w, &h);
    if (read && w == width && h == height && expected == pixels) return;
    const std::string actual = name.substr(0, name.size() - 4) + ".actual.png";
    host::WritePngFile(actual, pixels.data(), width, height, width * 4);
    std::string how = "cannot be read";
    if (read && (w != width || h != height)) {
      how = "is " + std::to_string(w) + " by " + std::to_string(h) + ", the frame " +
            std::to_string(width) + " by " + std::to_string(height);
    } else if (read) {
      size_t differing = 0;
      for (size_t i = 0; i < expected.size(); ++i) differing += expected[i] != pixels[i] ? 1 : 0;
      how = "differs in " + std::to_string(differing) + " pixels";
    }
    ADD_FAILURE() << "The snapshot " << path << " " << how << "; what was drawn is written to "
                  << actual
                  << " in the working directory. If the new look is intended, refresh the "
                     "snapshot with ASTROLATHE_UPDATE_SNAPSHOTS=1 and check it by eye.";
  }

  HWND m_frame = nullptr;
};

TEST_F(FrameSnapshot, AtRest) { Compare(Pixels(), "frame_at_rest.png"); }

TEST_F(FrameSnapshot, WithTheHelpMenuOpen) {
  const std::vector<std::uint32_t> before = Pixels();
  HMENU bar = GetMenu(m_frame);
  RECT item{};
  ASSERT_TRUE(GetMenuItemRect(m_frame, bar, 4, &item));
  const POINT help = ToSurface(POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2});
  Click(m_frame, help.x, help.y);
  // Once the loop waits with the drop-down open, point at its first item,
  // then take the picture, then leave with Escape twice.
  std::vector<std::uint32_t> open;
  int step = 0;
  m_host.SetEventSource([&](host::Event* e, bool blocking) {
    if (!blocking) return false;
    ++step;
    e->surface = m_frame->hostId;
    if (step == 1) {
      RECT first{};
      if (!GetMenuItemRect(m_frame, GetSubMenu(bar, 4), 0, &first)) return false;
      const POINT p = ToSurface(POINT{first.left + 20, (first.top + first.bottom) / 2});
      e->type = host::EventType::kMouseMove;
      e->x = p.x;
      e->y = p.y;
      return true;
    }
    if (step == 2) open = Pixels();
    if (step > 5) return false;
    e->type = step % 2 == 0 ? host::EventType::kKeyDown : host::EventType::kKeyUp;
    e->vkey = VK_ESCAPE;
    return true;
  });
  Pump();
  m_host.SetEventSource(nullptr);
  ASSERT_FALSE(open.empty());
  Compare(open, "frame_help_menu.png");
  // Closed again, the frame is as it was: what the drop-down covered is
  // painted again and the bar has no highlight.
  Pump();
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_TRUE(Pixels() == before);
}

}  // namespace
