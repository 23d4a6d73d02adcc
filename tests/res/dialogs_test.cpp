// Dialog templates 131 to 133 against the numbers they must compile to: the
// style values as whole words, and every item in template order.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/win/res/resources.h"
#include "res/resource.h"
#include "res/resources.h"

namespace {

const DialogTemplate* Dialog(UINT id) {
  return FindDialogTemplate(RegisterResourceModule(AstrolatheResources()), MAKEINTRESOURCEA(id));
}

struct Item {
  int id;
  const char* className;
  const char* text;
  int x, y, cx, cy;
  DWORD style;
};

void ExpectItems(const DialogTemplate& dialog, const std::vector<Item>& expected) {
  ASSERT_EQ(dialog.items.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const DialogItemTemplate& got = dialog.items[i];
    const Item& want = expected[i];
    SCOPED_TRACE("item " + std::to_string(i + 1));
    EXPECT_EQ(got.id, want.id);
    EXPECT_STREQ(got.className, want.className);
    if (want.text != nullptr) {
      EXPECT_FALSE(got.text.IsOrdinal());
      EXPECT_STREQ(got.text.text, want.text);
    }
    EXPECT_EQ(got.x, want.x);
    EXPECT_EQ(got.y, want.y);
    EXPECT_EQ(got.cx, want.cx);
    EXPECT_EQ(got.cy, want.cy);
    EXPECT_EQ(got.style, want.style) << std::hex << got.style << " wanted " << want.style;
    EXPECT_EQ(got.exStyle, 0U);
  }
}

void ExpectFrame(const DialogTemplate& dialog, DWORD style, const char* caption, int cx, int cy) {
  EXPECT_EQ(dialog.style, style) << std::hex << dialog.style;
  EXPECT_EQ(dialog.exStyle, 0U);
  EXPECT_EQ(dialog.x, 0);
  EXPECT_EQ(dialog.y, 0);
  EXPECT_EQ(dialog.cx, cx);
  EXPECT_EQ(dialog.cy, cy);
  EXPECT_STREQ(dialog.caption, caption);
  EXPECT_EQ(dialog.pointSize, 8);
  EXPECT_STREQ(dialog.faceName, "MS Sans Serif");
  EXPECT_TRUE(dialog.menu.IsNone());
  EXPECT_TRUE(dialog.windowClass.IsNone());
}

// ---- 131 ------------------------------------------------------------------------------------
TEST(PropertiesTemplate, FrameHasNoSystemMenu) {
  const DialogTemplate* dialog = Dialog(IDD_PROPERTIES);
  ASSERT_NE(dialog, nullptr);
  ExpectFrame(*dialog, 0x80C000C0, "Properties", 98, 185);
}

TEST(PropertiesTemplate, ItemsInTemplateOrder) {
  const DialogTemplate* dialog = Dialog(IDD_PROPERTIES);
  ASSERT_NE(dialog, nullptr);
  ExpectItems(*dialog, {
                           {1, "BUTTON", "OK", 4, 164, 42, 14, 0x50010001},
                           {-1, "BUTTON", "Mass (kg)", 4, 49, 89, 46, 0x50000007},
                           {1002, "msctls_trackbar32", "Slider1", 12, 60, 77, 14, 0x50010010},
                           {1005, "EDIT", "", 19, 77, 64, 13, 0x50810882},
                           {-1, "BUTTON", "Velocity (m/s)", 4, 96, 89, 44, 0x50000007},
                           {-1, "STATIC", "X", 9, 109, 8, 8, 0x50020002},
                           {-1, "STATIC", "Y", 9, 125, 8, 8, 0x50020002},
                           {1000, "EDIT", "", 19, 106, 64, 13, 0x50810082},
                           {1003, "msctls_updown32", "Spin1", 73, 106, 11, 15, 0x50000034},
                           {1001, "EDIT", "", 19, 122, 64, 13, 0x50810082},
                           {1004, "msctls_updown32", "Spin2", 73, 122, 11, 15, 0x50000034},
                           {1007, "BUTTON", "Color...", 16, 145, 30, 14, 0x50010000},
                           {1006, "BUTTON", "Remove", 51, 145, 42, 14, 0x58010000},
                           {1008, "EDIT", "", 22, 14, 60, 14, 0x50810882},
                           {1009, "EDIT", "", 22, 30, 60, 14, 0x50810882},
                           {-1, "STATIC", "X", 11, 17, 8, 8, 0x50020002},
                           {-1, "STATIC", "Y", 11, 33, 8, 8, 0x50020002},
                           {-1, "BUTTON", "Position (m)", 4, 3, 89, 46, 0x50000007},
                           {2, "BUTTON", "Cancel", 51, 164, 42, 14, 0x50010000},
                       });
}

TEST(PropertiesTemplate, EachUpDownFollowsTheEditItSpinsOnly) {
  // UDS_AUTOBUDDY pairs an up-down with the control before it.
  const DialogTemplate* dialog = Dialog(IDD_PROPERTIES);
  ASSERT_NE(dialog, nullptr);
  int pairs = 0;
  for (std::size_t i = 0; i < dialog->items.size(); ++i) {
    if (std::string(dialog->items[i].className) == "msctls_updown32") {
      ASSERT_GT(i, 0U);
      const DialogItemTemplate& buddy = dialog->items[i - 1];
      EXPECT_STREQ(buddy.className, "EDIT");
      EXPECT_EQ(buddy.id, dialog->items[i].id == IDC_VX_SPIN ? IDC_VX_EDIT : IDC_VY_EDIT);
      EXPECT_EQ(buddy.style & ES_READONLY, 0U);
      ++pairs;
    }
  }
  EXPECT_EQ(pairs, 2);
}

TEST(PropertiesTemplate, ControlIdsAreUniqueApartFromMinusOne) {
  const DialogTemplate* dialog = Dialog(IDD_PROPERTIES);
  ASSERT_NE(dialog, nullptr);
  std::set<int> ids;
  for (const DialogItemTemplate& item : dialog->items) {
    if (item.id != -1) {
      EXPECT_TRUE(ids.insert(item.id).second) << item.id;
    }
  }
  EXPECT_EQ(ids.size(), 12U);
}

// ---- 132 and 133 ------------------------------------------------------------------------------
TEST(InstructionsTemplate, IsAListAndOk) {
  const DialogTemplate* dialog = Dialog(IDD_INSTRUCTIONS);
  ASSERT_NE(dialog, nullptr);
  ExpectFrame(*dialog, 0x80C800C0, "How to use Astrolathe v1.0", 186, 95);
  ExpectItems(*dialog, {
                           {1, "BUTTON", "OK", 67, 74, 50, 14, 0x50010001},
                           {1010, "LISTBOX", "", 7, 7, 172, 62, 0x50A14101},
                       });
}

TEST(AboutTemplate, IsAListOkAndTheIcon) {
  const DialogTemplate* dialog = Dialog(IDD_ABOUTBOX);
  ASSERT_NE(dialog, nullptr);
  ExpectFrame(*dialog, 0x80C800C0, "About Astrolathe v1.0", 186, 82);
  ExpectItems(*dialog, {
                           {1, "BUTTON", "OK", 68, 61, 50, 14, 0x50010001},
                           {1011, "LISTBOX", "", 32, 7, 147, 49, 0x50A14101},
                           {1012, "STATIC", nullptr, 7, 7, 21, 20, 0x50000003},
                       });
}

TEST(AboutTemplate, TheIconItemNamesTheApplicationIconByOrdinal) {
  const DialogTemplate* dialog = Dialog(IDD_ABOUTBOX);
  ASSERT_NE(dialog, nullptr);
  ASSERT_EQ(dialog->items.size(), 3U);
  const TemplateText& text = dialog->items[2].text;
  ASSERT_TRUE(text.IsOrdinal());
  EXPECT_EQ(text.ordinal, IDR_MAINFRAME);
  EXPECT_NE(
      FindIconGroup(RegisterResourceModule(AstrolatheResources()), MAKEINTRESOURCEA(text.ordinal)),
      nullptr);
}

}  // namespace
