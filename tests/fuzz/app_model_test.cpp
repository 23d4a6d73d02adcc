#include "tests/fuzz/app_model.h"

#include <gtest/gtest.h>

namespace {

// A body placed with a drag from (x, y) and OK.
void Place(CAppModel& m, int x, int y) {
  m.LeftPress(x, y);
  m.LeftRelease(x + 3, y);
  ASSERT_NE(m.Top(), nullptr);
  m.Click(layout::kIdOk);
}

TEST(ModelMouse, ADragOnTheFieldOpensTheNextBodysDialog) {
  CAppModel m;
  m.LeftPress(100, 120);
  EXPECT_TRUE(m.InMain());
  m.LeftRelease(130, 150);
  ASSERT_NE(m.Top(), nullptr);
  EXPECT_EQ(m.Top()->kind, EDialog::kProperties);
  EXPECT_TRUE(m.Top()->isNew);
  EXPECT_EQ(*m.Caption(), "Properties: body 1");
  EXPECT_EQ(m.Top()->position->x, 100);
  m.Click(layout::kIdOk);
  EXPECT_EQ(m.Count(), 1);
  EXPECT_TRUE(m.GoEnabled());
  EXPECT_EQ(m.Bodies()[0].centre.y, 120);
}

TEST(ModelMouse, APressOnThePanelStartsNoDrag) {
  CAppModel m;
  m.LeftPress(500, 300);
  m.LeftRelease(100, 100);
  EXPECT_TRUE(m.InMain());
  // The strip above the panel's backdrop is field.
  m.LeftPress(500, 108);
  m.LeftRelease(500, 108);
  EXPECT_FALSE(m.InMain());
}

TEST(ModelMouse, TheFrameSeesSixteenBitsOfACoordinate) {
  CAppModel m;
  m.LeftPress(65536 + 40, 50);  // far right of the window, read as x 40
  m.LeftRelease(40, 50);
  ASSERT_NE(m.Top(), nullptr);
  EXPECT_EQ(m.Top()->position->x, 40);
}

TEST(ModelMouse, ADisabledButtonLetsThePressThroughToThePanel) {
  CAppModel m;
  m.Click(IDC_GO);  // grayed: the frame gets a press on its panel
  m.LeftRelease(100, 100);
  EXPECT_TRUE(m.InMain());
  EXPECT_FALSE(m.Running());
}

TEST(ModelMouse, AButtonClicksOnlyWhenReleasedOverIt) {
  CAppModel m;
  Place(m, 100, 100);
  m.LeftPress(480, 130);  // Go takes the mouse
  EXPECT_EQ(m.Capture(), IDC_GO);
  m.LeftRelease(100, 100);
  EXPECT_FALSE(m.Running());
  m.LeftPress(480, 130);
  m.LeftRelease(480 + 65536, 130);  // the same button pixel in 16 bits
  EXPECT_TRUE(m.Running());
  EXPECT_FALSE(m.GoEnabled());
}

TEST(ModelMouse, APressOnTheMenuBarLeavesTheStateUnknownUntilResync) {
  CAppModel m;
  m.LeftPress(10, -5);
  EXPECT_EQ(m.Certainty(), ECertainty::kMenuMaybe);
  m.Resync();
  EXPECT_EQ(m.Certainty(), ECertainty::kCertain);
  EXPECT_TRUE(m.InMain());
  EXPECT_FALSE(m.Dragging());
  EXPECT_EQ(m.Capture(), 0);
  EXPECT_EQ(CAppModel::ResyncLines().back(), "click 102");
}

TEST(ModelMouse, NoMoreThanTenBodies) {
  CAppModel m;
  for (int i = 0; i < 10; ++i) Place(m, 20 + 30 * i, 50);
  m.LeftPress(100, 300);
  m.LeftRelease(100, 300);
  EXPECT_TRUE(m.InMain());
  EXPECT_EQ(m.Count(), 10);
}

TEST(ModelBodies, ARightPressOnABodyOpensItsDialog) {
  CAppModel m;
  Place(m, 100, 100);
  Place(m, 300, 100);
  m.RightPress(305, 100);  // inside the smallest square of body 2
  ASSERT_NE(m.Top(), nullptr);
  EXPECT_EQ(*m.Caption(), "Properties: body 2");
  EXPECT_FALSE(m.Top()->isNew);
  m.Click(IDC_REMOVE);
  EXPECT_EQ(m.Count(), 1);
  EXPECT_EQ(m.Bodies()[0].centre.x, 100);
}

TEST(ModelBodies, AKnownMassGivesAKnownSquare) {
  CAppModel m;
  Place(m, 100, 100);  // the slider untouched: 1e25 kg, 6 pixels
  m.RightPress(106, 100);
  EXPECT_TRUE(m.InMain());
  EXPECT_EQ(m.Certainty(), ECertainty::kCertain);
  m.LeftPress(300, 300);
  m.LeftRelease(300, 300);
  m.Slider(IDC_MASS_SLIDER, 1000);  // held to 90: 1e35 kg, 14 pixels
  m.Click(layout::kIdOk);
  m.RightPress(313, 300);
  ASSERT_NE(m.Top(), nullptr);
  EXPECT_EQ(*m.Caption(), "Properties: body 2");
}

TEST(ModelBodies, AnUnknownMassOrAMovedBodyMakesAPressUncertain) {
  CAppModel m;
  m.LeftPress(100, 100);
  m.LeftRelease(100, 100);
  m.Focus(IDC_MASS_SLIDER);
  m.Key("Right");  // by one position, or more: not followed
  m.Click(layout::kIdOk);
  m.RightPress(110, 100);  // within the largest square, not the smallest
  EXPECT_EQ(m.Certainty(), ECertainty::kMaybeEdit);
  m.ProbeSucceeded();
  ASSERT_NE(m.Top(), nullptr);
  EXPECT_FALSE(m.Caption().has_value());  // which body is not known
  m.Click(layout::kIdCancel);
  m.Click(IDC_GO);
  m.Click(IDC_STOP);
  m.RightPress(100, 100);  // the run may have moved it
  EXPECT_EQ(m.Certainty(), ECertainty::kMaybeEdit);
}

TEST(ModelBodies, ARemovalDuringADragLeavesTheNewBodysPlaceUnknown) {
  CAppModel m;
  Place(m, 100, 100);
  Place(m, 200, 200);
  m.LeftPress(300, 300);
  m.RightPress(100, 100);
  m.Click(IDC_REMOVE);
  m.LeftRelease(300, 300);
  ASSERT_NE(m.Top(), nullptr);
  m.Click(layout::kIdOk);
  ASSERT_EQ(m.Count(), 2);
  EXPECT_TRUE(m.Bodies()[1].stale);
}

TEST(ModelKeys, SpaceClicksTheFocusedButtonAndDisablingDropsTheFocus) {
  CAppModel m;
  Place(m, 100, 100);
  m.Focus(IDC_GO);
  m.Key("Space");
  EXPECT_TRUE(m.Running());
  EXPECT_EQ(m.MainFocus(), kFocusNone);
  m.Focus(IDC_GO);  // disabled now: refused
  EXPECT_EQ(m.MainFocus(), kFocusNone);
  m.Focus(IDC_STOP);
  m.Key("Space");
  EXPECT_FALSE(m.Running());
}

TEST(ModelKeys, SpaceOnAnUnknownFocusIsSafeOnlyWithNoButtonEnabled) {
  CAppModel m;
  EXPECT_TRUE(m.KeyIsSafe("Space"));
  Place(m, 100, 100);
  EXPECT_FALSE(m.KeyIsSafe("Space"));
  EXPECT_TRUE(m.KeyIsSafe("Return"));
  EXPECT_TRUE(m.KeyIsSafe("Tab"));
}

TEST(ModelKeys, ReturnInPropertiesPressesTheFocusedButtonElseOk) {
  CAppModel m;
  m.LeftPress(100, 100);
  m.LeftRelease(100, 100);
  m.Focus(IDC_COLOR);
  m.Key("Return");
  ASSERT_EQ(m.Top()->kind, EDialog::kColor);
  m.Key("Escape");
  ASSERT_EQ(m.Top()->kind, EDialog::kProperties);
  EXPECT_FALSE(m.KeyIsSafe("Return"));  // the focus came back somewhere
  m.Focus(IDC_VX_EDIT);
  m.Key("Return");
  EXPECT_TRUE(m.InMain());
  EXPECT_EQ(m.Count(), 1);
}

TEST(ModelKeys, TheColourDialogsMnemonicOpensTheCustomPart) {
  CAppModel m;
  m.LeftPress(100, 100);
  m.LeftRelease(100, 100);
  m.Click(IDC_COLOR);
  ASSERT_EQ(m.Top()->focus, layout::kColorBasicGrid);  // the grid takes no letters
  m.Key("d");
  EXPECT_EQ(m.Top()->full, true);
  EXPECT_EQ(m.Top()->focus, layout::kColorRed);
  m.Key("Return");  // an edit has the focus: OK
  EXPECT_EQ(m.Top()->kind, EDialog::kProperties);
}

TEST(ModelKeys, TypingOverAButtonOfTheColourDialogMovesTheFocus) {
  CAppModel m;
  m.LeftPress(100, 100);
  m.LeftRelease(100, 100);
  m.Click(IDC_COLOR);
  m.Click(layout::kColorMix);
  m.Focus(layout::kIdCancel);
  m.Type("xg");  // Alt-less mnemonic of "&Green:"
  EXPECT_EQ(m.Top()->focus, layout::kColorGreen);
}

TEST(ModelMenus, HelpOpensItsDialogsAndExitEnds) {
  CAppModel m;
  m.Menu(ID_HELP_ABOUT);
  EXPECT_EQ(*m.Caption(), "About Astrolathe v1.0");
  m.Close();  // the main window is disabled: nothing
  EXPECT_FALSE(m.Ended());
  m.Key("Return");
  EXPECT_TRUE(m.InMain());
  m.Menu(ID_CONTROL_GO);  // grayed
  EXPECT_FALSE(m.Running());
  m.Menu(ID_FILE_EXIT);
  EXPECT_TRUE(m.Ended());
}

TEST(ModelRuns, ARunMovesTheBodiesItHolds) {
  CAppModel m;
  Place(m, 100, 100);
  m.Menu(ID_CONTROL_GO);
  EXPECT_TRUE(m.Running());
  EXPECT_TRUE(m.Bodies()[0].stale);
  m.LeftPress(200, 200);
  m.LeftRelease(200, 200);
  m.Click(layout::kIdOk);
  EXPECT_FALSE(m.Bodies()[1].stale);  // placed, not yet stepped
  m.BeforeLine();
  EXPECT_TRUE(m.Bodies()[1].stale);
}

}  // namespace
