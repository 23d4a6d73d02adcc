// Dialogs from templates: where the dialog units put things, the order the
// items come in, their font, their icons, and the dialogs that cannot be
// made.
#include "platform/win/res/resources.h"
#include "platform/win/wm/resource_loaders.h"
#include "tests/win/dlg/dlg_fixture.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kPopup = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT;

constexpr DialogItemTemplate kItems[] = {
    {"BUTTON", IDOK, "OK", 4, 164, 42, 14, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP},
    {"EDIT", 100, "abc", 19, 106, 64, 13, kChild | WS_BORDER | WS_TABSTOP},
    {"STATIC", -1, "X", 9, 109, 8, 8, kChild | SS_RIGHT},
    {"STATIC", 101, TemplateText::Ordinal(kTestIcon), 7, 7, 21, 20, kChild | SS_ICON},
    {"BUTTON", 102, "Color...", 16, 145, 30, 14, kChild | WS_TABSTOP},
    {"BUTTON", IDCANCEL, "Cancel", 51, 164, 42, 14, kChild | WS_TABSTOP},
};
constexpr DialogTemplate kLayout{
    .style = kPopup, .x = 10, .y = 8, .cx = 98, .cy = 185, .caption = "Layout", .items = kItems};

constexpr DialogItemTemplate kBadItems[] = {
    {"BUTTON", IDOK, "OK", 4, 4, 40, 14, kChild | WS_TABSTOP},
    {"NoSuchClass", 100, "", 4, 20, 40, 14, kChild},
};
constexpr DialogTemplate kBad{.style = kPopup, .cx = 100, .cy = 50, .items = kBadItems};

bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

class Layout : public DialogTest {};

TEST_F(Layout, BaseUnitsAreSixByThirteen) {
  EXPECT_EQ(GetDialogBaseUnits(), static_cast<LONG>(MAKELONG(6, 13)));
  HWND dialog = MakeDialog(kLayout);
  ASSERT_NE(dialog, nullptr);
  RECT r{0, 0, 4, 8};
  ASSERT_TRUE(MapDialogRect(dialog, &r));
  EXPECT_TRUE(Same(r, RECT{0, 0, 6, 13}));
  // Half a pixel rounds away from zero, as MulDiv rounds.
  r = RECT{-3, -5, 1, 3};
  ASSERT_TRUE(MapDialogRect(dialog, &r));
  EXPECT_TRUE(Same(r, RECT{-5, -8, 2, 5}));
  EXPECT_FALSE(MapDialogRect(dialog, nullptr));
  RECT untouched{1, 2, 3, 4};
  EXPECT_FALSE(MapDialogRect(MakeOwner(), &untouched));
  EXPECT_TRUE(Same(untouched, RECT{1, 2, 3, 4}));
}

TEST_F(Layout, TheTemplateSizeIsTheClientSize) {
  HWND dialog = MakeDialog(kLayout);
  ASSERT_NE(dialog, nullptr);
  RECT client{};
  GetClientRect(dialog, &client);
  EXPECT_TRUE(Same(client, RECT{0, 0, 147, 301}));  // 98 * 6 / 4, 185 * 13 / 8
  RECT outer{};
  GetWindowRect(dialog, &outer);
  EXPECT_EQ(outer.right - outer.left, 147 + 2 * kFrameBorder);
  EXPECT_EQ(outer.bottom - outer.top, 301 + kCaptionHeight + 2 * kFrameBorder);
  EXPECT_EQ(m_host.Caption(dialog->hostId), "Layout");
}

TEST_F(Layout, ItemsStandWhereTheirUnitsPutThem) {
  HWND dialog = MakeDialog(kLayout);
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(Same(RectIn(GetDlgItem(dialog, IDOK)), RECT{6, 267, 69, 289}));
  EXPECT_TRUE(Same(RectIn(GetDlgItem(dialog, 100)), RECT{29, 172, 125, 193}));
  EXPECT_TRUE(Same(RectIn(GetDlgItem(dialog, 0xFFFF)), RECT{14, 177, 26, 190}));
  // Each edge is mapped on its own: 145..159 units down is 236..258.
  EXPECT_TRUE(Same(RectIn(GetDlgItem(dialog, 102)), RECT{24, 236, 69, 258}));
  EXPECT_TRUE(Same(RectIn(GetDlgItem(dialog, IDCANCEL)), RECT{77, 267, 140, 289}));
}

TEST_F(Layout, TemplateOrderIsZOrderAndEveryItemHasTheDialogFont) {
  HWND dialog = MakeDialog(kLayout);
  ASSERT_NE(dialog, nullptr);
  const int expected[] = {IDOK, 100, 0xFFFF, 101, 102, IDCANCEL};
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  HWND c = GetWindow(dialog, GW_CHILD);
  for (const int id : expected) {
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(GetDlgCtrlID(c), id);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(c, WM_GETFONT, 0, 0)), font);
    c = GetWindow(c, GW_HWNDNEXT);
  }
  EXPECT_EQ(c, nullptr);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), font);
  char text[16] = {};
  EXPECT_EQ(GetDlgItemTextA(dialog, 100, text, sizeof text), 3U);
  EXPECT_STREQ(text, "abc");
}

TEST_F(Layout, AnIconItemNamedByOrdinalShowsThatIcon) {
  HWND dialog = MakeDialog(kLayout);
  ASSERT_NE(dialog, nullptr);
  HWND icon = GetDlgItem(dialog, 101);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0)),
            LoadIconA(nullptr, MAKEINTRESOURCEA(kTestIcon)));
  EXPECT_NE(SendMessageA(icon, STM_GETICON, 0, 0), 0);
}

TEST_F(Layout, APopupStandsAtItsUnitsInTheOwnersClientArea) {
  HWND owner = MakeOwner();
  HWND dialog = MakeDialog(kLayout, owner);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(GetParent(dialog), owner);
  POINT origin{0, 0};
  ClientToScreen(owner, &origin);
  RECT outer{};
  GetWindowRect(dialog, &outer);
  EXPECT_EQ(outer.left, origin.x + 15);   // 10 units across
  EXPECT_EQ(outer.top, origin.y + 13);    // 8 units down
  EXPECT_FALSE(IsWindowVisible(dialog));  // no WS_VISIBLE in the template
}

TEST_F(Layout, DsCenterCentresItOverTheOwner) {
  constexpr DialogTemplate kCentred{
      .style = kPopup | DS_CENTER, .x = 10, .y = 8, .cx = 98, .cy = 185, .items = kItems};
  HWND owner = MakeOwner();
  HWND dialog = MakeDialog(kCentred, owner);
  ASSERT_NE(dialog, nullptr);
  RECT o{};
  RECT d{};
  GetWindowRect(owner, &o);
  GetWindowRect(dialog, &d);
  EXPECT_EQ(d.left, (o.left + o.right - (d.right - d.left)) / 2);
  EXPECT_EQ(d.top, (o.top + o.bottom - (d.bottom - d.top)) / 2);
}

TEST_F(Layout, TheDefaultIdIsTheTemplatesDefaultButton) {
  HWND dialog = MakeDialog(kLayout);
  EXPECT_EQ(SendMessageA(dialog, DM_GETDEFID, 0, 0),
            static_cast<LRESULT>(MAKELONG(IDOK, DC_HASDEFID)));
  EXPECT_TRUE(SendMessageA(dialog, DM_SETDEFID, 102, 0));
  EXPECT_EQ(SendMessageA(dialog, DM_GETDEFID, 0, 0),
            static_cast<LRESULT>(MAKELONG(102, DC_HASDEFID)));
}

TEST_F(Layout, InitDialogGetsTheFirstTabStopAndTheParameter) {
  static WPARAM s_first = 0;
  static LPARAM s_param = 0;
  static bool s_visible = true;
  const auto proc = [](HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) -> INT_PTR {
    if (message != WM_INITDIALOG) return FALSE;
    s_first = wParam;
    s_param = lParam;
    s_visible = IsWindowVisible(dialog) != FALSE;
    return TRUE;
  };
  HWND dialog = CreateDialogIndirectParamA(nullptr, &kLayout, nullptr, proc, 1234);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(reinterpret_cast<HWND>(s_first), GetDlgItem(dialog, IDOK));
  EXPECT_EQ(s_param, 1234);
  EXPECT_FALSE(s_visible);
}

TEST_F(Layout, AnItemThatCannotBeMadeFailsTheWholeDialog) {
  HWND owner = MakeOwner();
  const size_t before = WM().topLevels.size();
  EXPECT_EQ(CreateDialogIndirectParamA(nullptr, &kBad, owner, &RecordingProc, 0), nullptr);
  EXPECT_EQ(WM().topLevels.size(), before);
  EXPECT_EQ(CreateDialogIndirectParamA(nullptr, nullptr, owner, &RecordingProc, 0), nullptr);
  EXPECT_EQ(DialogBoxIndirectParamA(nullptr, &kBad, owner, &RecordingProc, 0), -1);
  EXPECT_EQ(DialogBoxIndirectParamA(nullptr, nullptr, owner, &RecordingProc, 0), -1);
  EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(999), owner, &RecordingProc, 0), -1);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(WM().topLevels.size(), before);
}

TEST_F(Layout, AbsurdUnitsGiveADialogThatStillFitsAScreen) {
  static constexpr DialogItemTemplate kHuge[] = {
      {"BUTTON", IDOK, "OK", INT32_MIN, INT32_MAX, INT32_MAX, INT32_MAX, kChild | WS_TABSTOP},
  };
  constexpr DialogTemplate kAbsurd{
      .style = kPopup, .x = INT32_MAX, .y = INT32_MIN, .cx = INT32_MAX, .cy = -5, .items = kHuge};
  HWND dialog = MakeDialog(kAbsurd);
  ASSERT_NE(dialog, nullptr);
  RECT client{};
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, 8192);
  EXPECT_LE(client.bottom, 1);  // a surface is at least a pixel
  const RECT ok = RectIn(GetDlgItem(dialog, IDOK));
  EXPECT_EQ(ok.left, -32768);
  EXPECT_GE(ok.right, ok.left);
}

TEST_F(Layout, NonDialogsGetTheFailureResults) {
  HWND owner = MakeOwner();
  EXPECT_FALSE(EndDialog(owner, IDOK));
  EXPECT_FALSE(EndDialog(nullptr, IDOK));
  MSG msg{};
  msg.hwnd = owner;
  msg.message = WM_KEYDOWN;
  EXPECT_FALSE(IsDialogMessageA(nullptr, &msg));
  HWND dialog = MakeDialog(kLayout);
  EXPECT_FALSE(IsDialogMessageA(dialog, &msg));  // the owner is no part of it
  EXPECT_FALSE(IsDialogMessageA(dialog, nullptr));
  EXPECT_EQ(GetNextDlgTabItem(nullptr, nullptr, FALSE), nullptr);
  EXPECT_FALSE(SetDlgItemTextA(dialog, 4242, "x"));
  EXPECT_EQ(SendDlgItemMessageA(dialog, 4242, WM_GETTEXTLENGTH, 0, 0), 0);
}

}  // namespace
