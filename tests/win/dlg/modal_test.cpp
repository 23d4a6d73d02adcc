// The modal loop: the codes it returns, its owner disabled and given back
// before the dialog goes, dialogs over dialogs, and the ways a loop ends
// other than EndDialog.
#include "tests/win/dlg/dlg_fixture.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr int kNestId = 300;

constexpr DialogItemTemplate kItems[] = {
    {"BUTTON", IDOK, "OK", 4, 40, 40, 14, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP},
    {"BUTTON", IDCANCEL, "Cancel", 50, 40, 40, 14, kChild | WS_TABSTOP},
    {"BUTTON", kNestId, "More...", 96, 40, 40, 14, kChild | WS_TABSTOP},
};
constexpr DialogTemplate kModal{.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME,
                                .cx = 140,
                                .cy = 60,
                                .caption = "Modal",
                                .items = kItems};
constexpr DialogTemplate kClosable{.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                                   .cx = 140,
                                   .cy = 60,
                                   .caption = "Closable",
                                   .items = kItems};

class Modal : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    m_owner = MakeOwner();
    Pump();
  }
  INT_PTR Run(const DialogTemplate& t, DLGPROC proc = &RecordingProc) {
    return DialogBoxIndirectParamA(nullptr, &t, m_owner, proc, 0);
  }
  HWND m_owner = nullptr;
};

// What the owner looked like as the dialog went.
struct SAtDestroy {
  bool ownerEnabled = false;
  HWND active = nullptr;
  int destroyed = 0;
};
SAtDestroy g_atDestroy;
HWND g_owner = nullptr;

INT_PTR WatchingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    g_atDestroy.ownerEnabled = IsWindowEnabled(g_owner) != FALSE;
    g_atDestroy.active = GetActiveWindow();
    ++g_atDestroy.destroyed;
  }
  return DialogTest::RecordingProc(dialog, message, wParam, lParam);
}

TEST_F(Modal, OkAndCancelAreTheCodesReturned) {
  Script({[this] { ClickChild(GetDlgItem(GetActiveWindow(), IDOK), 5, 5); }});
  EXPECT_EQ(Run(kModal), IDOK);
  Script({[this] { ClickChild(GetDlgItem(GetActiveWindow(), IDCANCEL), 5, 5); }});
  EXPECT_EQ(Run(kModal), IDCANCEL);
  Script({[this] { Tap(GetActiveWindow(), VK_ESCAPE); }});
  EXPECT_EQ(Run(kModal), IDCANCEL);
  Script({[this] { Tap(GetActiveWindow(), VK_RETURN); }});
  EXPECT_EQ(Run(kModal), IDOK);
}

TEST_F(Modal, TheOwnerIsDisabledWhileTheDialogRunsAndActiveAgainBeforeItGoes) {
  g_owner = m_owner;
  g_atDestroy = SAtDestroy{};
  HWND seen = nullptr;
  Script({[&] {
            seen = GetActiveWindow();
            EXPECT_NE(seen, m_owner);
            EXPECT_EQ(GetParent(seen), m_owner);
            EXPECT_TRUE(IsWindowVisible(seen));
            EXPECT_FALSE(IsWindowEnabled(m_owner));
            EXPECT_EQ(GetFocus(), GetDlgItem(seen, IDOK));
            // Centred over the owner.
            RECT o{};
            RECT d{};
            GetWindowRect(m_owner, &o);
            GetWindowRect(seen, &d);
            EXPECT_EQ(d.left, (o.left + o.right - (d.right - d.left)) / 2);
            EXPECT_EQ(d.top, (o.top + o.bottom - (d.bottom - d.top)) / 2);
            // The disabled owner takes no clicks; one on it brings the dialog forward.
            Click(m_owner, 20, 20);
          },
          [&] {
            EXPECT_TRUE(Notes(WM_COMMAND).empty());
            EXPECT_EQ(GetActiveWindow(), seen);
            Tap(seen, VK_RETURN);
          }});
  EXPECT_EQ(Run(kModal, &WatchingProc), IDOK);
  EXPECT_EQ(g_atDestroy.destroyed, 1);
  EXPECT_TRUE(g_atDestroy.ownerEnabled);
  EXPECT_EQ(g_atDestroy.active, m_owner);
  EXPECT_FALSE(IsWindow(seen));
  EXPECT_TRUE(IsWindowEnabled(m_owner));
  EXPECT_EQ(GetActiveWindow(), m_owner);
}

INT_PTR NestingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && LOWORD(wParam) == kNestId) {
    const INT_PTR inner =
        DialogBoxIndirectParamA(nullptr, &kModal, dialog, &DialogTest::RecordingProc, 0);
    SetWindowLongPtrA(dialog, DWLP_USER, inner);
    return TRUE;
  }
  return DialogTest::RecordingProc(dialog, message, wParam, lParam);
}

TEST_F(Modal, DialogsNestEachDisablingTheOneBelow) {
  HWND outer = nullptr;
  HWND inner = nullptr;
  INT_PTR innerResult = 0;
  Script({[&] {
            outer = GetActiveWindow();
            ClickChild(GetDlgItem(outer, kNestId), 5, 5);
          },
          [&] {
            inner = GetActiveWindow();
            EXPECT_NE(inner, outer);
            EXPECT_EQ(GetParent(inner), outer);
            EXPECT_FALSE(IsWindowEnabled(m_owner));
            EXPECT_FALSE(IsWindowEnabled(outer));
            EXPECT_TRUE(IsWindowEnabled(inner));
            Tap(inner, VK_ESCAPE);
          },
          [&] {
            EXPECT_FALSE(IsWindow(inner));
            EXPECT_EQ(GetActiveWindow(), outer);
            EXPECT_TRUE(IsWindowEnabled(outer));
            EXPECT_FALSE(IsWindowEnabled(m_owner));
            // The focus came back to "More...", so Enter would open it again.
            EXPECT_EQ(GetFocus(), GetDlgItem(outer, kNestId));
            innerResult = GetWindowLongPtrA(outer, DWLP_USER);
            ClickChild(GetDlgItem(outer, IDOK), 5, 5);
          }});
  EXPECT_EQ(Run(kModal, &NestingProc), IDOK);
  EXPECT_EQ(innerResult, IDCANCEL);
  EXPECT_TRUE(IsWindowEnabled(m_owner));
  EXPECT_EQ(GetActiveWindow(), m_owner);
}

TEST_F(Modal, AQuitMessageEndsTheLoopAsCancelAndIsPostedAgain) {
  HWND seen = nullptr;
  Script({[&] {
    seen = GetActiveWindow();
    PostQuitMessage(7);
  }});
  EXPECT_EQ(Run(kModal), IDCANCEL);
  EXPECT_FALSE(IsWindow(seen));
  EXPECT_TRUE(IsWindowEnabled(m_owner));
  MSG msg{};
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7U);
}

TEST_F(Modal, EndDialogDuringInitEndsItUnshown) {
  static int s_activations = 0;
  s_activations = 0;
  const auto proc = [](HWND dialog, UINT message, WPARAM, LPARAM) -> INT_PTR {
    if (message == WM_INITDIALOG) {
      EndDialog(dialog, 42);
      return TRUE;
    }
    if (message == WM_ACTIVATE) ++s_activations;
    return FALSE;
  };
  EXPECT_EQ(Run(kModal, proc), 42);
  EXPECT_EQ(s_activations, 0);
  EXPECT_TRUE(IsWindowEnabled(m_owner));
}

TEST_F(Modal, ADialogDestroyedWithoutEndDialogGivesCancel) {
  Script({[] { DestroyWindow(GetActiveWindow()); }});
  EXPECT_EQ(Run(kModal), IDCANCEL);
  EXPECT_TRUE(IsWindowEnabled(m_owner));
}

TEST_F(Modal, TheCloseBoxCancelsOnlyWithASystemMenu) {
  const auto close = [this] {
    host::Event e;
    e.type = host::EventType::kCloseRequest;
    e.surface = GetActiveWindow()->hostId;
    m_host.PushEvent(e);
  };
  Script({close});
  EXPECT_EQ(Run(kClosable), IDCANCEL);
  Forget();
  HWND seen = nullptr;
  Script({close, [&] {
            seen = GetActiveWindow();
            EXPECT_TRUE(Notes(WM_COMMAND).empty());
            ClickChild(GetDlgItem(seen, IDOK), 5, 5);
          }});
  EXPECT_EQ(Run(kModal), IDOK);
  EXPECT_NE(seen, nullptr);
}

TEST_F(Modal, ALoopBelowWaitsWhileTheDialogRuns) {
  // The program's own loop: one step of work, then whatever is waiting.
  int steps = 0;
  int seenInDialog = -1;
  INT_PTR result = 0;
  PostMessageA(m_owner, WM_USER, 0, 0);
  Script({[&] { seenInDialog = steps; },
          [&] {
            EXPECT_EQ(steps, seenInDialog);
            Tap(GetActiveWindow(), VK_RETURN);
          }});
  for (int i = 0; i < 3; ++i) {
    ++steps;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_USER && msg.hwnd == m_owner) {
        result = Run(kModal);
      } else {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
    }
  }
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(seenInDialog, 1);
  EXPECT_EQ(steps, 3);
}

}  // namespace
