// Where things are in the program's windows, as the script fuzzer needs to
// know them: the main window's client area, its panel and controls (the
// frame lays them out from the scene's bottom-right corner, and the window
// never changes size), and the control ids of each dialog. The runner
// compares the first dump's frame line with these numbers, so a change of
// layout shows as one clear failure rather than as odd rejections.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win/windef.h"
#include "res/resource.h"

namespace layout {

inline constexpr int kClientWidth = 594;
inline constexpr int kClientHeight = 406;
inline constexpr RECT kScene{0, 0, 594, 386};
// The panel's backdrop, where a press starts no drag.
inline constexpr RECT kPanel{453, 113, 588, 380};

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kStatusBarId = 59393;  // the framework's status bar id
inline constexpr int kNoId = -1;            // group boxes and labels of the frame
inline constexpr int kDialogNoId = 65535;   // the same in dialog templates, 16 bits

// The main window's controls that take the mouse, in client pixels. Group
// boxes and labels let it through to the frame; a disabled button does too.
inline constexpr RECT kStatusBar{0, 386, 594, 406};
inline constexpr RECT kGo{464, 121, 514, 146};
inline constexpr RECT kStop{529, 121, 579, 146};
inline constexpr RECT kDtSlider{462, 176, 489, 366};
inline constexpr RECT kGSlider{527, 176, 554, 366};
// The first group box, which `click -1` finds.
inline constexpr RECT kPanelBox{454, 106, 589, 381};

// The colour dialog's controls.
inline constexpr int kColorHue = 703;
inline constexpr int kColorSat = 704;
inline constexpr int kColorLum = 705;
inline constexpr int kColorRed = 706;
inline constexpr int kColorGreen = 707;
inline constexpr int kColorBlue = 708;
inline constexpr int kColorAdd = 712;
inline constexpr int kColorMix = 719;
inline constexpr int kColorBasicGrid = 720;
inline constexpr int kColorCustomGrid = 721;

// Menu commands, grayed ones and the blank bar item included.
inline constexpr int kMenuIds[] = {ID_FILE_EXIT,  ID_MENU_BLANK,   ID_VIEW_ZOOM,
                                   ID_CONTROL_GO, ID_CONTROL_STOP, ID_HELP_INSTRUCTIONS,
                                   ID_HELP_ABOUT};

// ---- Geometry -------------------------------------------------------------------
// Inside as PtInRect has it (right and bottom outside); the centre as the
// driver clicks a control, the middle of its client area; the 16 bits of
// a coordinate that a mouse message carries, read back as signed.
constexpr bool Inside(const RECT& r, std::int64_t x, std::int64_t y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}
constexpr POINT Centre(const RECT& r) {
  return POINT{r.left + (r.right - r.left) / 2, r.top + (r.bottom - r.top) / 2};
}
constexpr LONG Wrap16(std::int64_t v) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<std::uint64_t>(v)));
}

// The rectangle of a main-window control by id (the panel box for kNoId),
// or null for an id the main window does not have.
inline const RECT* MainControlRect(int id) {
  switch (id) {
    case IDC_GO:
      return &kGo;
    case IDC_STOP:
      return &kStop;
    case IDC_DT_SLIDER:
      return &kDtSlider;
    case IDC_G_SLIDER:
      return &kGSlider;
    case kStatusBarId:
      return &kStatusBar;
    case kNoId:
      return &kPanelBox;
    default:
      return nullptr;
  }
}

}  // namespace layout
