# What the program should look like from outside, sourced by every script
# here that drives it: the sizes of its window and bars, where its controls
# and menus are, its colours and its windows' titles.
# shellcheck shell=bash disable=SC2034

# The frame asks for an outer rectangle of 600 by 450 with a caption. The
# layer leaves the caption (19) and the border (3 a side) to the host, and the
# SDL host's window is the surface alone, so the X window is 594 by 425
# whatever decorations a window manager puts round it. Inside it the layer
# draws the menu bar (19) above the client area, and the status bar (20)
# takes the bottom of the client area; the rest is the scene.
readonly OUTER_W=600 OUTER_H=450 CAPTION=19 BORDER=3 MENU_BAR=19 STATUS_BAR=20
readonly WIN_W=$((OUTER_W - 2 * BORDER)) WIN_H=$((OUTER_H - CAPTION - 2 * BORDER))
readonly SCENE_W=$WIN_W SCENE_H=$((WIN_H - MENU_BAR - STATUS_BAR))
# Go and Stop, 50 by 25, at (right - 130, bottom - 265) and (right - 65, ...)
# of the scene: their centres in client pixels.
readonly GO_X=$((SCENE_W - 130 + 25)) STOP_X=$((SCENE_W - 65 + 25)) BUTTON_Y=$((SCENE_H - 265 + 12))
# The control panel's light-grey backdrop runs from (right - 141, bottom -
# 273) to (right - 6, bottom - 6) of the scene, outlined in black. Two of its
# pixels that no control covers, as offsets back from the scene's
# bottom-right corner: between Go and Stop, and inside its bottom-right
# corner; and one of the field just past that corner.
readonly PANEL_GAP_DX=72 PANEL_GAP_DY=253 PANEL_CORNER_D=8 FIELD_CORNER_D=3
# A body of the default mass (1e25 kg) is drawn in a square of radius 6, in
# white unless the dialog picks another colour.
readonly BODY_RADIUS=6 BODY_COLOUR=FFFFFF
# The menu bar's items start at its left edge with 6 pixels of padding, so
# (8, 9) of the bar is on File whatever the font. Its drop-down opens at the
# client area's top-left: a 3-pixel frame, then Exit, 18 pixels high.
readonly FILE_X=8 FILE_Y=9 EXIT_X=20 EXIT_Y=12
readonly FACE=C0C0C0 BLACK=000000 WHITE=FFFFFF

# Dialog templates are laid out in dialog units of 6 by 13 pixels, a unit
# being a quarter of the width and an eighth of the height: the Properties
# dialog's "Color..." button at (16, 145), 30 by 14 units, has its centre
# here in the dialog's client pixels.
readonly COLOR_BUTTON_X=$(((16 + 15) * 6 / 4)) COLOR_BUTTON_Y=$(((145 + 7) * 13 / 8))
# A point in its X velocity edit, at (19, 106), 64 by 13 units, left of the
# up-down arrows that share its right end.
readonly VX_EDIT_X=$(((19 + 20) * 6 / 4)) VX_EDIT_Y=$(((106 + 6) * 13 / 8))
# Its Remove button, at (51, 145), 42 by 14 units.
readonly REMOVE_BUTTON_X=$(((51 + 21) * 6 / 4)) REMOVE_BUTTON_Y=$COLOR_BUTTON_Y

readonly MAIN_TITLE='^Astrolathe v1\.0$'
readonly PROPERTIES_TITLE='^Properties: body 1$'
readonly ANY_PROPERTIES_TITLE='^Properties: body [0-9]+$'
readonly COLOR_TITLE='^Color$'
readonly INSTRUCTIONS_TITLE='^How to use Astrolathe v1\.0$'
readonly ABOUT_TITLE='^About Astrolathe v1\.0$'

# The keys that open Help's two items from the main window: Alt alone
# enters the menu bar on File, Left wraps round to Help, Down opens it on
# Instructions and Down again passes the separator to About.
readonly INSTRUCTIONS_KEYS='Alt_L Left Down Return'
readonly ABOUT_KEYS='Alt_L Left Down Down Return'
# And File > Exit: Down opens File on its only item.
readonly EXIT_KEYS='Alt_L Down Return'
