// How large the program's pixels are on the screen. A screen of twice the
// usual density would show the 600 by 450 main window at a quarter of the
// size its user expects, so the host shows every pixel of a surface as an N
// by N block of screen pixels, N a whole number so that the classic look
// stays sharp. The desktop says what N should be the way X desktops tell
// their programs: GDK_SCALE, else the Xft.dpi resource.
#pragma once

namespace host {

// The scale for a session: GDK_SCALE when it is a whole number of 1 or
// more, else Xft.dpi (a number of dots per inch, fraction allowed) rounded
// to the nearest multiple of 96, else 1. Either text may be null or empty
// and blanks round a value are allowed; text that is not such a number is
// taken as not set. The result is then lowered to the largest scale at which
// a window_width by window_height window still fits on a screen_width by
// screen_height screen. Always at least 1, and 1 when the screen or the
// window has no size: a window too big to see is worse than a small one.
int ChooseScale(const char* gdk_scale, const char* xft_dpi, int screen_width, int screen_height,
                int window_width, int window_height);

}  // namespace host
