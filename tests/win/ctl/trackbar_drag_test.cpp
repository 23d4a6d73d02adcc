// A scripted driver drags a thumb as a user would: it presses at the centre
// of TBM_GETTHUMBRECT and moves to the pixel of the wanted position, found
// from TBM_GETCHANNELRECT and the range as the geometry documents it. That
// must land on the position exactly, whatever the start.
#include "tests/win/ctl/ctl_fixture.h"

namespace {

struct SCase {
  DWORD style;
  int width;
  int height;
  int min;
  int max;
};

class ThumbDrags : public ControlTest, public ::testing::WithParamInterface<SCase> {};

// The documented centre pixel, along the channel, of position p.
int PixelOf(const RECT& channel, bool vertical, int min, int max, int p) {
  const long long from = vertical ? channel.top : channel.left;
  const long long length = vertical ? channel.bottom - channel.top : channel.right - channel.left;
  const long long range = max - min;
  return static_cast<int>(from + (2LL * (p - min) * (length - 1) + range) / (2 * range));
}

TEST_P(ThumbDrags, LandOnEveryPosition) {
  const SCase c = GetParam();
  const bool vertical = (c.style & TBS_VERT) != 0;
  HWND parent = MakeParent(400, 300);
  const RECT place{30, 20, 30 + c.width, 20 + c.height};
  HWND slider =
      MakeControl(parent, TRACKBAR_CLASSA, nullptr, WS_CHILD | WS_VISIBLE | c.style, place);
  SendMessageA(slider, TBM_SETRANGEMIN, FALSE, c.min);
  SendMessageA(slider, TBM_SETRANGEMAX, TRUE, c.max);
  RECT channel{};
  SendMessageA(slider, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  for (const int start : {c.min, (c.min + c.max) / 2, c.max}) {
    for (int p = c.min; p <= c.max; ++p) {
      SendMessageA(slider, TBM_SETPOS, TRUE, start);
      Pump();
      Forget();
      RECT thumb{};
      SendMessageA(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
      const int cx = (thumb.left + thumb.right) / 2;
      const int cy = (thumb.top + thumb.bottom) / 2;
      const int target = PixelOf(channel, vertical, c.min, c.max, p);
      Press(parent, place.left + cx, place.top + cy);
      if (vertical) {
        Move(parent, place.left + cx, place.top + target);
        Release(parent, place.left + cx, place.top + target);
      } else {
        Move(parent, place.left + target, place.top + cy);
        Release(parent, place.left + target, place.top + cy);
      }
      Pump();
      ASSERT_EQ(SendMessageA(slider, TBM_GETPOS, 0, 0), p) << "from " << start;
      const std::vector<SNote> notes = Notes(vertical ? WM_VSCROLL : WM_HSCROLL);
      ASSERT_GE(notes.size(), 2U);
      EXPECT_EQ(notes[notes.size() - 2].wParam, MAKEWPARAM(TB_THUMBPOSITION, static_cast<UINT>(p)));
      EXPECT_EQ(notes.back().wParam, MAKEWPARAM(TB_ENDTRACK, static_cast<UINT>(p)));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(TheProgramsSliders, ThumbDrags,
                         ::testing::Values(SCase{TBS_VERT | TBS_AUTOTICKS, 27, 190, 0, 5},
                                           SCase{TBS_VERT | TBS_NOTICKS, 27, 190, 50, 150},
                                           SCase{TBS_HORZ | TBS_AUTOTICKS, 115, 30, 0, 90},
                                           SCase{TBS_VERT | TBS_BOTH, 40, 190, -20, 20},
                                           SCase{TBS_HORZ | TBS_NOTICKS, 200, 24, 1000, 1100}));

}  // namespace
