#include <deque>
#include <functional>

#include "platform/win/wm/wnd.h"
#include "res/resource.h"
#include "tests/ui/frame_fixture.h"

namespace {

// Drives a modal dialog from the test: each action runs the first time the
// program waits for input with nothing else to do.
class Editing : public FrameTest {
 protected:
  void Then(std::function<void()> action) { m_actions.push_back(std::move(action)); }
  void Go() {
    m_host.SetEventSource([this](host::Event*, bool blocking) {
      if (blocking && !m_actions.empty()) {
        auto action = std::move(m_actions.front());
        m_actions.pop_front();
        action();
        return false;
      }
      return false;
    });
  }
  // The open dialog, if any: the enabled window over the frame.
  HWND Dialog() const {
    for (HWND t : WM().topLevels) {
      if (t != m_frame->m_hWnd && IsWindowVisible(t) && IsWindowEnabled(t)) return t;
    }
    return nullptr;
  }
  void RightPress(int x, int y) {
    m_frame->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON,
                         MAKELPARAM(static_cast<UINT>(x), static_cast<UINT>(y)));
  }
  CString TextOf(int id) const {
    char text[64] = {};
    GetDlgItemTextA(Dialog(), id, text, sizeof text);
    return text;
  }

  std::deque<std::function<void()>> m_actions;
};

TEST_F(Editing, AVeryFastBodyKeepsItsDirectionThroughOkWithNoChanges) {
  Place(100, 100, 1e25, 6442450944.0, -1e12);  // 1.5 * 2^32 m/s right, far too fast up
  CString shownX;
  CString shownY;
  Then([&] {
    shownX = TextOf(IDC_VX_EDIT);
    shownY = TextOf(IDC_VY_EDIT);
    SendMessageA(Dialog(), WM_COMMAND, IDOK, 0);
  });
  Go();
  RightPress(100, 100);
  EXPECT_EQ(shownX, "2147483647");
  EXPECT_EQ(shownY, "-2147483648");
  const CBody& b = m_frame->m_table.m_bodies[0];
  EXPECT_EQ(b.GetVx(), 2147483647.0);
  EXPECT_EQ(b.GetVy(), -2147483648.0);
}

TEST_F(Editing, ATypedVelocityBeyondTheRangeIsHeldToIt) {
  Place(100, 100, 1e25);
  Then([&] {
    SetDlgItemTextA(Dialog(), IDC_VX_EDIT, "99999999999");
    SetDlgItemTextA(Dialog(), IDC_VY_EDIT, "-99999999999");
    SendMessageA(Dialog(), WM_COMMAND, IDOK, 0);
  });
  Go();
  RightPress(100, 100);
  EXPECT_EQ(m_frame->m_table.m_bodies[0].GetVx(), 2147483647.0);
  EXPECT_EQ(m_frame->m_table.m_bodies[0].GetVy(), -2147483648.0);
}

TEST_F(Editing, OkWithNoChangesTruncatesTheVelocitiesAndKeepsTheRest) {
  Place(100, 100, 1e30, 1234.9, -0.7);
  m_frame->m_table.m_bodies[0].SetColor(RGB(1, 2, 3));
  Then([&] { SendMessageA(Dialog(), WM_COMMAND, IDOK, 0); });
  Go();
  RightPress(105, 95);
  const CBody& b = m_frame->m_table.m_bodies[0];
  EXPECT_EQ(b.GetVx(), 1234.0);
  EXPECT_EQ(b.GetVy(), 0.0);
  EXPECT_EQ(b.GetMass(), 1e30);
  EXPECT_EQ(b.GetColor(), RGB(1, 2, 3));
  EXPECT_EQ(b.GetX(), 1e11);
}

TEST_F(Editing, CancelWritesNothingBack) {
  Place(100, 100, 1e25, 7.0, 8.0);
  Then([&] {
    SetDlgItemTextA(Dialog(), IDC_VX_EDIT, "500");
    SendMessageA(Dialog(), WM_COMMAND, IDCANCEL, 0);
  });
  Go();
  RightPress(100, 100);
  EXPECT_EQ(m_frame->m_table.m_bodies[0].GetVx(), 7.0);
}

TEST_F(Editing, ASecondReleaseWithoutAPressOpensNoDialog) {
  bool opened = false;
  Then([&] {
    opened = true;
    SendMessageA(Dialog(), WM_COMMAND, IDCANCEL, 0);
  });
  Go();
  m_frame->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50U, 50U));
  m_frame->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(60U, 50U));
  EXPECT_TRUE(opened);
  opened = false;
  Then([&] {
    opened = true;
    SendMessageA(Dialog(), WM_COMMAND, IDOK, 0);
  });
  m_frame->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(70U, 50U));
  EXPECT_FALSE(opened);
  EXPECT_EQ(m_frame->m_table.m_bodyCount, 0);
}

}  // namespace
