// A dialog with every kind of control, driven by the host's input and
// compared pixel for pixel with the checked-in picture of it. To refresh
// the picture after a deliberate change of the look, run the test with
// ASTROLATHE_UPDATE_SNAPSHOTS=1 and look at the new file before checking
// it in.
#include <cstdlib>
#include <string>

#include "platform/host/headless/png_file.h"
#include "platform/win/commctrl.h"
#include "tests/win/dlg/dlg_fixture.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kField = kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;

constexpr DialogItemTemplate kItems[] = {
    {"BUTTON", -1, "Fields", 4, 3, 120, 78, kChild | BS_GROUPBOX},
    {"STATIC", -1, "Name:", 9, 16, 30, 8, kChild | SS_RIGHT},
    {"EDIT", 100, "", 42, 14, 76, 13, kField},
    {"STATIC", -1, "Fixed:", 9, 32, 30, 8, kChild | SS_RIGHT},
    {"EDIT", 101, "read only", 42, 30, 76, 13, kField | ES_READONLY},
    {"STATIC", -1, "Speed:", 9, 48, 30, 8, kChild | SS_RIGHT},
    {"EDIT", 102, "-1000.0", 42, 46, 76, 13, kField | ES_RIGHT},
    {"msctls_updown32", 103, "", 108, 46, 11, 15,
     kChild | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS},
    {"EDIT", 104, "disabled", 42, 62, 76, 13, kField | WS_DISABLED},
    {"msctls_trackbar32", 105, "", 130, 10, 80, 14, kChild | TBS_HORZ | TBS_NOTICKS | WS_TABSTOP},
    {"STATIC", 106, TemplateText::Ordinal(kTestIcon), 214, 10, 21, 20, kChild | SS_ICON},
    {"LISTBOX", 107, "", 130, 32, 105, 49,
     kChild | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
    {"BUTTON", IDOK, "OK", 4, 88, 50, 14, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP},
    {"BUTTON", IDCANCEL, "Cancel", 60, 88, 50, 14, kChild | WS_TABSTOP},
    {"BUTTON", 108, "Off", 116, 88, 50, 14, kChild | WS_TABSTOP | WS_DISABLED},
};
constexpr DialogTemplate kEverything{.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                                     .cx = 240,
                                     .cy = 108,
                                     .caption = "Every control",
                                     .items = kItems};

std::string SnapshotPath() { return std::string(ASTROLATHE_DLG_TEST_DATA) + "/every_control.png"; }

class Snapshot : public DialogTest {};

TEST_F(Snapshot, EveryControlLooksAsCheckedIn) {
  HWND dialog = MakeDialog(kEverything);
  ASSERT_NE(dialog, nullptr);
  s_endOnCommand = false;
  HWND list = GetDlgItem(dialog, 107);
  for (int i = 0; i < 12; ++i) {
    const std::string line = i == 3 ? "" : "Line " + std::to_string(i + 1);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  }
  SendMessageA(list, LB_SETCURSEL, 2, 0);
  SendDlgItemMessageA(dialog, 105, TBM_SETRANGE, FALSE, MAKELPARAM(0, 10));
  SendDlgItemMessageA(dialog, 105, TBM_SETPOS, TRUE, 7);
  Pump();
  // The name has the focus first; the user types it, selects the end of
  // it, then holds the up-down's down arrow.
  Type(dialog, "Astrolathe");
  for (int i = 0; i < 4; ++i) Tap(dialog, VK_LEFT, host::kModShift);
  HWND spin = GetDlgItem(dialog, 103);
  const POINT o = ClientOriginInSurface(spin);
  Mouse(dialog, host::EventType::kMouseDown, o.x + 7, o.y + 15);
  Pump();
  ASSERT_EQ(GetFocus(), GetDlgItem(dialog, 100));
  PresentSurfaces(true);

  int width = 0;
  int height = 0;
  m_host.GetSize(dialog->hostId, &width, &height);
  const std::vector<std::uint32_t>& actual = m_host.Pixels(dialog->hostId);
  ASSERT_EQ(actual.size(), static_cast<size_t>(width) * static_cast<size_t>(height));
  if (std::getenv("ASTROLATHE_UPDATE_SNAPSHOTS") != nullptr) {
    ASSERT_TRUE(host::WritePngFile(SnapshotPath(), actual.data(), width, height, width * 4));
    GTEST_SKIP() << "wrote " << SnapshotPath();
  }
  std::vector<std::uint32_t> expected;
  int ew = 0;
  int eh = 0;
  ASSERT_TRUE(host::ReadPngFile(SnapshotPath(), &expected, &ew, &eh))
      << "no snapshot at " << SnapshotPath()
      << "; run with ASTROLATHE_UPDATE_SNAPSHOTS=1 to make it";
  ASSERT_EQ(ew, width);
  ASSERT_EQ(eh, height);
  int differing = 0;
  int firstX = -1;
  int firstY = -1;
  for (size_t i = 0; i < actual.size(); ++i) {
    if ((actual[i] & 0xFFFFFFU) == (expected[i] & 0xFFFFFFU)) continue;
    if (differing++ == 0) {
      firstX = static_cast<int>(i % static_cast<size_t>(width));
      firstY = static_cast<int>(i / static_cast<size_t>(width));
    }
  }
  if (differing != 0) {
    const std::string out = ::testing::TempDir() + "every_control_actual.png";
    host::WritePngFile(out, actual.data(), width, height, width * 4);
    ADD_FAILURE() << differing << " pixels differ from " << SnapshotPath() << ", the first at ("
                  << firstX << ", " << firstY << "); this run's picture is " << out
                  << ". If the change is meant, refresh with ASTROLATHE_UPDATE_SNAPSHOTS=1.";
  }
}

}  // namespace
