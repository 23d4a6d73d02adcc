// The colour dialog: picking a colour by typing its numbers (as a script
// drives it), by the grids, the rainbow and the luminance bar; its flags,
// its custom colours, its owner, and the hue-luminance-saturation numbers.
#include "platform/win/dlg/color_grid.h"
#include "platform/win/dlg/color_layout.h"
#include "platform/win/dlg/color_space.h"
#include "platform/win/dlg/commdlg.h"
#include "tests/win/dlg/dlg_fixture.h"

namespace {

using dlg::HlsToRgb;
using dlg::RgbToHls;

TEST(ColorSpace, TheClassicNumbersOfThePrimariesAndGreys) {
  const auto hls = [](COLORREF c) {
    const dlg::SHls h = RgbToHls(c);
    return std::vector<int>{h.hue, h.lum, h.sat};
  };
  EXPECT_EQ(hls(RGB(255, 0, 0)), (std::vector<int>{0, 120, 240}));
  EXPECT_EQ(hls(RGB(0, 255, 0)), (std::vector<int>{80, 120, 240}));
  EXPECT_EQ(hls(RGB(0, 0, 255)), (std::vector<int>{160, 120, 240}));
  EXPECT_EQ(hls(RGB(255, 255, 255)), (std::vector<int>{160, 240, 0}));
  EXPECT_EQ(hls(RGB(0, 0, 0)), (std::vector<int>{160, 0, 0}));
  EXPECT_EQ(hls(RGB(128, 128, 128)), (std::vector<int>{160, 120, 0}));
  EXPECT_EQ(HlsToRgb(0, 120, 240), RGB(255, 0, 0));
  EXPECT_EQ(HlsToRgb(160, 120, 240), RGB(0, 0, 255));
  EXPECT_EQ(HlsToRgb(40, 120, 240), RGB(255, 255, 0));
  EXPECT_EQ(HlsToRgb(0, 240, 0), RGB(255, 255, 255));
  // Out of range is held to the scales, the hue going round.
  EXPECT_EQ(HlsToRgb(240 + 160, 500, 999), RGB(255, 255, 255));
  EXPECT_EQ(HlsToRgb(-80, 120, 240), HlsToRgb(160, 120, 240));
  EXPECT_EQ(HlsToRgb(0x7FFFFFFF, 120, 240), HlsToRgb(0x7FFFFFFF % 240, 120, 240));
}

TEST(ColorSpace, EveryColourComesBackWithinOneStep) {
  for (int r = 0; r < 256; r += 15) {
    for (int g = 0; g < 256; g += 15) {
      for (int b = 0; b < 256; b += 15) {
        const COLORREF c = RGB(static_cast<BYTE>(r), static_cast<BYTE>(g), static_cast<BYTE>(b));
        const dlg::SHls h = RgbToHls(c);
        const COLORREF back = HlsToRgb(h.hue, h.lum, h.sat);
        EXPECT_LE(std::abs(GetRValue(back) - r), 3) << r << "," << g << "," << b;
        EXPECT_LE(std::abs(GetGValue(back) - g), 3) << r << "," << g << "," << b;
        EXPECT_LE(std::abs(GetBValue(back) - b), 3) << r << "," << g << "," << b;
      }
    }
  }
}

class ColorDialog : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    m_owner = MakeOwner();
    Pump();
    m_cc.lStructSize = sizeof m_cc;
    m_cc.hwndOwner = m_owner;
    m_cc.lpCustColors = m_custom;
  }
  static int Number(HWND dialog, int id) {
    BOOL ok = FALSE;
    const UINT v = GetDlgItemInt(dialog, id, &ok, FALSE);
    return ok ? static_cast<int>(v) : -1;
  }
  static int ClientWidth(HWND dialog) {
    RECT r{};
    GetClientRect(dialog, &r);
    return r.right;
  }
  void ClickItem(HWND dialog, int id) { ClickChild(GetDlgItem(dialog, id), 5, 5); }
  static int Selected(HWND dialog, int gridId) {
    return static_cast<int>(SendDlgItemMessageA(dialog, gridId, dlg::CColorGrid::kGetSel, 0, 0));
  }
  static std::vector<int> Rgb(HWND dialog) {
    return {Number(dialog, COLOR_RED), Number(dialog, COLOR_GREEN), Number(dialog, COLOR_BLUE)};
  }

  HWND m_owner = nullptr;
  CHOOSECOLORA m_cc{};
  COLORREF m_custom[16] = {};
};

TEST_F(ColorDialog, APickedColourIsTypedIntoRedGreenAndBlueAndTakenWithOk) {
  HWND dialog = nullptr;
  Script({[&] {
            dialog = GetActiveWindow();
            EXPECT_EQ(m_host.Caption(dialog->hostId), "Color");
            EXPECT_FALSE(IsWindowEnabled(m_owner));
            EXPECT_EQ(ClientWidth(dialog), 228);
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, COLOR_RED)));
            ClickItem(dialog, COLOR_MIX);
          },
          [&] {
            EXPECT_EQ(ClientWidth(dialog), 450);
            EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, COLOR_RED)));
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, COLOR_MIX)));
            EXPECT_EQ(GetFocus(), GetDlgItem(dialog, COLOR_RED));
            Type(dialog, "12");  // over the selected "0"
            ClickItem(dialog, COLOR_GREEN);
            Tap(dialog, 'A', host::kModCtrl);
            Type(dialog, "200");
            Tap(dialog, VK_TAB);  // to blue, its text selected
            Type(dialog, "34");
          },
          [&] {
            EXPECT_EQ(Number(dialog, COLOR_RED), 12);
            EXPECT_EQ(Number(dialog, COLOR_GREEN), 200);
            EXPECT_EQ(Number(dialog, COLOR_BLUE), 34);
            const dlg::SHls h = RgbToHls(RGB(12, 200, 34));
            EXPECT_EQ(Number(dialog, COLOR_HUE), h.hue);
            EXPECT_EQ(Number(dialog, COLOR_SAT), h.sat);
            EXPECT_EQ(Number(dialog, COLOR_LUM), h.lum);
            ClickItem(dialog, IDOK);
          }});
  EXPECT_TRUE(ChooseColorA(&m_cc));
  EXPECT_EQ(m_cc.rgbResult, RGB(12, 200, 34));
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_TRUE(IsWindowEnabled(m_owner));
  EXPECT_EQ(GetActiveWindow(), m_owner);
}

TEST_F(ColorDialog, TypedHueSaturationAndLuminanceSetTheColour) {
  m_cc.Flags = CC_FULLOPEN;
  Script({[&] {
            HWND dialog = GetActiveWindow();
            SendMessageA(dialog, WM_NEXTDLGCTL,
                         reinterpret_cast<WPARAM>(GetDlgItem(dialog, COLOR_HUE)), TRUE);
            Type(dialog, "40");
            Tap(dialog, VK_TAB);
            Type(dialog, "240");
            Tap(dialog, VK_TAB);
            Type(dialog, "120");
          },
          [&] {
            HWND dialog = GetActiveWindow();
            EXPECT_EQ(Number(dialog, COLOR_RED), 255);
            EXPECT_EQ(Number(dialog, COLOR_GREEN), 255);
            EXPECT_EQ(Number(dialog, COLOR_BLUE), 0);
            EXPECT_EQ(Number(dialog, COLOR_HUE), 40);  // left as typed
            Tap(dialog, VK_RETURN);
          }});
  EXPECT_TRUE(ChooseColorA(&m_cc));
  EXPECT_EQ(m_cc.rgbResult, RGB(255, 255, 0));
}

TEST_F(ColorDialog, ANumberPastItsScaleIsHeldToIt) {
  m_cc.Flags = CC_FULLOPEN;
  Script({[&] {
            HWND dialog = GetActiveWindow();
            SendMessageA(dialog, WM_NEXTDLGCTL,
                         reinterpret_cast<WPARAM>(GetDlgItem(dialog, COLOR_RED)), TRUE);
            Type(dialog, "300");
          },
          [&] {
            HWND dialog = GetActiveWindow();
            EXPECT_EQ(Number(dialog, COLOR_RED), 255);
            Tap(dialog, VK_RETURN);
          }});
  EXPECT_TRUE(ChooseColorA(&m_cc));
  EXPECT_EQ(m_cc.rgbResult, RGB(255, 0, 0));
}

TEST_F(ColorDialog, AClickedCellIsPickedAndItsGridTakesTheFocus) {
  // The basic grid is 216 by 120 pixels from (6, 23): red is row 1,
  // column 0. The custom grid is 216 by 40 from (6, 166).
  m_custom[1] = RGB(10, 20, 30);
  Script({[&] {
            HWND dialog = GetActiveWindow();
            Click(dialog, 46, 176);  // custom row 0, column 1
          },
          [&] {
            HWND dialog = GetActiveWindow();
            EXPECT_EQ(GetFocus(), GetDlgItem(dialog, dlg::kCustomGridId));
            EXPECT_EQ(Selected(dialog, dlg::kCustomGridId), 1);
            EXPECT_EQ(Rgb(dialog), (std::vector<int>{10, 20, 30}));
            Click(dialog, 19, 53);
          },
          [&] {
            HWND dialog = GetActiveWindow();
            EXPECT_EQ(GetFocus(), GetDlgItem(dialog, dlg::kBasicGridId));
            EXPECT_EQ(Number(dialog, COLOR_RED), 255);
            EXPECT_EQ(At(dialog, 19, 53), RGB(255, 0, 0));
            EXPECT_EQ(At(dialog, 7, 44), kBlack);  // the frame of the chosen box
            ClickItem(dialog, IDOK);
          }});
  EXPECT_TRUE(ChooseColorA(&m_cc));
  EXPECT_EQ(m_cc.rgbResult, RGB(255, 0, 0));
}

TEST_F(ColorDialog, TheRainbowAndTheLuminanceBarSetHueSaturationAndLuminance) {
  m_cc.Flags = CC_FULLOPEN | CC_RGBINIT;
  m_cc.rgbResult = RGB(128, 128, 128);
  Script({[&] {
            HWND dialog = GetActiveWindow();
            Click(dialog, 236, 9);  // the rainbow's top-left pixel: hue 0, full saturation
          },
          [&] {
            HWND dialog = GetActiveWindow();
            EXPECT_EQ(Number(dialog, COLOR_HUE), 0);
            EXPECT_EQ(Number(dialog, COLOR_SAT), 240);
            EXPECT_EQ(Number(dialog, COLOR_LUM), 120);
            EXPECT_EQ(Number(dialog, COLOR_RED), 255);
            // The luminance bar: dragged from the middle to its top row.
            Mouse(dialog, host::EventType::kMouseDown, 417, 85);
            Mouse(dialog, host::EventType::kMouseMove, 417, 0);
            Mouse(dialog, host::EventType::kMouseUp, 417, 0);
          },
          [&] {
            HWND dialog = GetActiveWindow();
            EXPECT_EQ(Number(dialog, COLOR_LUM), 240);
            EXPECT_EQ(Number(dialog, COLOR_BLUE), 255);
            EXPECT_EQ(GetCapture(), nullptr);
            ClickItem(dialog, IDOK);
          }});
  EXPECT_TRUE(ChooseColorA(&m_cc));
  EXPECT_EQ(m_cc.rgbResult, RGB(255, 255, 255));
}

TEST_F(ColorDialog, TheFlagsOpenItFullOnTheGivenColourOrKeepItNarrow) {
  m_cc.Flags = CC_FULLOPEN | CC_RGBINIT;
  m_cc.rgbResult = RGB(1, 2, 3);
  Script({[&] {
    HWND dialog = GetActiveWindow();
    EXPECT_EQ(ClientWidth(dialog), 450);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, COLOR_MIX)));
    EXPECT_EQ(Number(dialog, COLOR_BLUE), 3);
    ClickItem(dialog, IDOK);
  }});
  EXPECT_TRUE(ChooseColorA(&m_cc));
  EXPECT_EQ(m_cc.rgbResult, RGB(1, 2, 3));

  m_cc.Flags = CC_PREVENTFULLOPEN;
  m_cc.rgbResult = RGB(9, 9, 9);  // without CC_RGBINIT it opens on black
  Script({[&] {
    HWND dialog = GetActiveWindow();
    EXPECT_EQ(ClientWidth(dialog), 228);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, COLOR_MIX)));
    ClickItem(dialog, IDOK);
  }});
  EXPECT_TRUE(ChooseColorA(&m_cc));
  EXPECT_EQ(m_cc.rgbResult, RGB(0, 0, 0));
}

TEST_F(ColorDialog, AddToCustomColorsFillsTheSlotsInTurn) {
  m_cc.Flags = CC_FULLOPEN | CC_RGBINIT;
  m_cc.rgbResult = RGB(10, 20, 30);
  Script({[&] {
            HWND dialog = GetActiveWindow();
            ClickItem(dialog, COLOR_ADD);
            ClickItem(dialog, COLOR_ADD);
          },
          [&] { Tap(GetActiveWindow(), VK_ESCAPE); }});
  EXPECT_FALSE(ChooseColorA(&m_cc));
  EXPECT_EQ(m_cc.rgbResult, RGB(10, 20, 30));  // cancelled: untouched
  EXPECT_EQ(m_custom[0], RGB(10, 20, 30));
  EXPECT_EQ(m_custom[1], RGB(10, 20, 30));
  EXPECT_EQ(m_custom[2], RGB(0, 0, 0));
}

TEST_F(ColorDialog, ItOpensOnTheBasicGridWhoseArrowsPickColoursAndEnterTakesThem) {
  m_cc.Flags = CC_FULLOPEN | CC_RGBINIT;
  m_cc.rgbResult = RGB(255, 0, 0);  // basic row 1, column 0
  HWND dialog = nullptr;
  Script({[&] {
            dialog = GetActiveWindow();
            EXPECT_EQ(GetFocus(), GetDlgItem(dialog, dlg::kBasicGridId));
            EXPECT_EQ(Selected(dialog, dlg::kBasicGridId), 8);
            EXPECT_NE(SendDlgItemMessageA(dialog, IDOK, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON,
                      0);
            Tap(dialog, VK_RIGHT);
          },
          [&] {
            EXPECT_EQ(Selected(dialog, dlg::kBasicGridId), 9);
            EXPECT_EQ(Rgb(dialog), (std::vector<int>{255, 255, 0}));
            EXPECT_EQ(Number(dialog, COLOR_HUE), 40);
            EXPECT_EQ(Number(dialog, COLOR_SAT), 240);
            EXPECT_EQ(Number(dialog, COLOR_LUM), 120);
            Tap(dialog, VK_DOWN);
            Tap(dialog, VK_LEFT);
            Tap(dialog, VK_LEFT);  // stops at the left edge
          },
          [&] {
            EXPECT_EQ(Selected(dialog, dlg::kBasicGridId), 16);
            EXPECT_EQ(Rgb(dialog), (std::vector<int>{128, 64, 64}));
            for (int i = 0; i < 6; ++i) Tap(dialog, VK_DOWN);  // stops at the bottom
          },
          [&] {
            EXPECT_EQ(Selected(dialog, dlg::kBasicGridId), 40);
            EXPECT_EQ(Rgb(dialog), (std::vector<int>{0, 0, 0}));
            Tap(dialog, VK_UP);
            Tap(dialog, VK_RIGHT);
            Tap(dialog, VK_RETURN);
          }});
  EXPECT_TRUE(ChooseColorA(&m_cc));
  EXPECT_EQ(m_cc.rgbResult, RGB(128, 64, 0));  // row 4, column 1
}

TEST_F(ColorDialog, TabGoesFromGridToGridToTheButtonsAndEditsAndShiftTabComesBack) {
  m_cc.Flags = CC_FULLOPEN;
  m_custom[1] = RGB(10, 20, 30);
  HWND dialog = nullptr;
  const auto focusId = [] { return GetDlgCtrlID(GetFocus()); };
  Script({[&] {
            dialog = GetActiveWindow();
            Tap(dialog, VK_TAB);
          },
          [&] {
            EXPECT_EQ(focusId(), dlg::kCustomGridId);
            Tap(dialog, VK_RIGHT);  // the arrows work the custom grid too
          },
          [&] {
            EXPECT_EQ(Selected(dialog, dlg::kCustomGridId), 1);
            EXPECT_EQ(Rgb(dialog), (std::vector<int>{10, 20, 30}));
            // "Define Custom Colors >>" is disabled when open full.
            Tap(dialog, VK_TAB);
          },
          [&] {
            EXPECT_EQ(focusId(), IDOK);
            Tap(dialog, VK_TAB);
            Tap(dialog, VK_TAB);
          },
          [&] {
            EXPECT_EQ(focusId(), COLOR_HUE);
            Tap(dialog, VK_TAB, host::kModShift);
            Tap(dialog, VK_TAB, host::kModShift);
            Tap(dialog, VK_TAB, host::kModShift);
          },
          [&] {
            EXPECT_EQ(focusId(), dlg::kCustomGridId);
            Tap(dialog, VK_TAB, host::kModShift);
          },
          [&] {
            EXPECT_EQ(focusId(), dlg::kBasicGridId);
            Tap(dialog, VK_ESCAPE);
          }});
  EXPECT_FALSE(ChooseColorA(&m_cc));
}

TEST_F(ColorDialog, OnlyTheFocusedGridDrawsAFocusRectangleRoundItsCurrentCell) {
  // Not a basic colour: the focus rectangle stands on the first cell. Its
  // dots invert the face grey, starting at the cell's top-left pixel.
  m_cc.Flags = CC_RGBINIT;
  m_cc.rgbResult = RGB(1, 2, 3);
  constexpr COLORREF kDot = RGB(63, 63, 63);
  HWND dialog = nullptr;
  Script({[&] {
            dialog = GetActiveWindow();
            EXPECT_EQ(Selected(dialog, dlg::kBasicGridId), -1);
            EXPECT_EQ(At(dialog, 6, 23), kDot);
            EXPECT_EQ(At(dialog, 7, 23), kFace);
            EXPECT_EQ(At(dialog, 6, 166), kFace);  // the custom grid's first cell
            Tap(dialog, VK_TAB);
          },
          [&] {
            EXPECT_EQ(At(dialog, 6, 23), kFace);
            EXPECT_EQ(At(dialog, 6, 166), kDot);
            Tap(dialog, VK_TAB, host::kModShift);
            Tap(dialog, VK_RIGHT);
          },
          [&] {
            EXPECT_EQ(Selected(dialog, dlg::kBasicGridId), 1);
            EXPECT_EQ(At(dialog, 6, 23), kFace);
            EXPECT_EQ(At(dialog, 33, 23), kDot);  // cell 1 begins at x 33
            EXPECT_EQ(At(dialog, 6, 166), kFace);
            Tap(dialog, VK_RETURN);
          }});
  EXPECT_TRUE(ChooseColorA(&m_cc));
  EXPECT_EQ(m_cc.rgbResult, RGB(255, 255, 128));
}

TEST_F(ColorDialog, WithNoOwnerTheActiveWindowOwnsIt) {
  m_cc.hwndOwner = nullptr;
  HWND seen = nullptr;
  Script({[&] {
    seen = GetActiveWindow();
    EXPECT_EQ(GetParent(seen), m_owner);
    EXPECT_FALSE(IsWindowEnabled(m_owner));
    Tap(seen, VK_ESCAPE);
  }});
  EXPECT_FALSE(ChooseColorA(&m_cc));
  EXPECT_NE(seen, nullptr);
  EXPECT_TRUE(IsWindowEnabled(m_owner));
}

TEST_F(ColorDialog, AnUnusableRecordShowsNothing) {
  EXPECT_FALSE(ChooseColorA(nullptr));
  CHOOSECOLORA bad = m_cc;
  bad.lStructSize = 4;
  EXPECT_FALSE(ChooseColorA(&bad));
  bad = m_cc;
  bad.hwndOwner = reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x1234));
  EXPECT_FALSE(ChooseColorA(&bad));
  EXPECT_TRUE(IsWindowEnabled(m_owner));
}

TEST_F(ColorDialog, AQuitMessageEndsItAsCancel) {
  Script({[] { PostQuitMessage(3); }});
  EXPECT_FALSE(ChooseColorA(&m_cc));
  MSG msg{};
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
