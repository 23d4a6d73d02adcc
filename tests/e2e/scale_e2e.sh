#!/usr/bin/env bash
# Astrolathe on a screen of twice the usual density: the real program on its
# own Xvfb with GDK_SCALE=2, used from outside. Its main window must be
# twice its size, every pixel of the picture the program draws a 2 by 2 block
# of the screen, the very picture the scripted driver draws of the same
# moments, and the pointer must land where the user sees it: a drag in
# screen pixels places a body at the halved point, and the status bar
# counts in the program's own pixels. Then the other ways the desktop
# says the scale (Xft.dpi in the X resources) and a scale too large for the
# screen. No window manager: only the host's drawing and its pointer are
# in question, and a bare X server leaves every window exactly where the
# program puts it, so that screen pixels map to client pixels exactly. The
# machinery is in xvfb_session.sh.
#
#   scale_e2e.sh ASTROLATHE ASTROLATHE_REPLAY E2E_PROBE WORK_DIR
#
# Exit 0 when every step held; 77 (CTest's skip) when a tool is missing and CI
# is not set; 1, naming the step, otherwise. The screenshots, the driver's
# pictures and the program's output stay in WORK_DIR after a failure.
set -u -o pipefail

if [[ $# -ne 4 ]]; then
  echo "usage: $0 ASTROLATHE ASTROLATHE_REPLAY E2E_PROBE WORK_DIR" >&2
  exit 2
fi
# The driver runs in WORK, where its pictures go.
REPLAY=$(readlink -f -- "$2") || REPLAY=$2
readonly APP=$1 REPLAY PROBE=$3 WORK=$4
HERE=.
[[ $0 == */* ]] && HERE=${0%/*}
HERE=$(cd "$HERE" && pwd) || exit 2
readonly HERE
LOG_NAME=e2e-scale

# shellcheck source=program_layout.sh
source "$HERE/program_layout.sh"
# shellcheck source=xvfb_session.sh
source "$HERE/xvfb_session.sh"

readonly SCALE=2
# Where the pointer rests on the field before the first look, and the drag
# that places a body, all in client pixels: pressed well left of the panel,
# released 2 right and 1 down.
readonly REST_X=200 REST_Y=150 PRESS_X=80 PRESS_Y=120 DRAG_DX=2 DRAG_DY=1
# How far a dialog's centre may lie from its owner's, in screen pixels:
# halving odd sizes, twice.
readonly CENTRE_SLACK=4

require_tools "xvfb, xdotool, x11-utils, imagemagick" \
  Xvfb xdotool import xwininfo xprop convert identify timeout
require_built "$APP" "$REPLAY" "$PROBE"
prepare_work

# ---- Helpers ---------------------------------------------------------------------------
# The screen pixel in the middle of the block that shows client pixel ($1,
# $2) of the main window: the odd one of the block, so that a mapping back
# that rounded instead of dropping the remainder would miss.
zx() { echo $((WX + SCALE * $1 + 1)); }
zy() { echo $((WY + SCALE * (MENU_BAR + $1) + 1)); }

# The desktop's X resources, as a desktop's settings daemon publishes them;
# the program reads them when it connects.
set_resources() {
  bounded xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$1" ||
    fail "xprop could not set the root window's RESOURCE_MANAGER"
}

# Whether the screenshot shows the main window drawn at the scale: the menu
# bar's face at its right end, the status bar's, and the field's black.
painted_at_scale() {
  geometry "$MAIN_ID" || return 1
  shot
  pixel_is "$SHOT" $((WX + WW - 10)) $((WY + SCALE * FILE_Y)) "$FACE" &&
    pixel_is "$SHOT" $((WX + SCALE * 150)) $((WY + WH - SCALE * 10)) "$FACE" &&
    pixel_is "$SHOT" "$(zx 10)" "$(zy 200)" "$BLACK"
}

# Cuts main window $2 out of screenshot $1 and proves each pixel of it is
# one of a 2 by 2 block; sets HALF to the picture at the program's own size.
halve_window() {
  local shot=$1 name=$2 crop doubled differ
  crop=$WORK/$name-window.png
  HALF=$WORK/$name-half.png
  doubled=$WORK/$name-doubled.png
  if ! convert "$shot" -crop "${WW}x${WH}+${WX}+${WY}" +repage "png24:$crop" 2>>"$WORK/convert.log" ||
    ! convert "$crop" -sample 50% "png24:$HALF" 2>>"$WORK/convert.log" ||
    ! convert "$HALF" -sample 200% "png24:$doubled" 2>>"$WORK/convert.log"; then
    fail "ImageMagick's convert could not cut out and sample the window (see $WORK/convert.log)"
  fi
  differ=$(probe diff "$crop" "$doubled" 0 0 "$WW" "$WH") || fail "e2e-probe failed"
  [[ $differ == 0 ]] ||
    fail "$differ pixels of the window are not of the 2x2 block they lie in (compare $crop with $doubled)"
}

# The halved picture $1 against the driver's picture $2 of the same moment.
same_as_driver() {
  local differ
  differ=$(probe diff "$1" "$2" 0 0 "$WIN_W" "$WIN_H") || fail "e2e-probe failed on $1 and $2"
  [[ $differ == 0 ]] || fail "$differ pixels of the window at half size ($1) differ from the driver's $2"
}

# Starts the program with GDK_SCALE $1 (unset when empty) and waits for its
# main window; sets MAIN_ID and its geometry.
start_main() {
  if [[ -n $1 ]]; then
    start_program env GDK_SCALE="$1" "$APP"
  else
    start_program env -u GDK_SCALE "$APP"
  fi
  until_true 40 window_shown "$MAIN_TITLE" || fail "no window titled \"Astrolathe v1.0\" within 40 s"
  MAIN_ID=$(window_id "$MAIN_TITLE")
  geometry "$MAIN_ID" || fail "could not read the main window's geometry"
}

# The main window is $1 times its size (594x425).
expect_scaled_by() {
  [[ $WW -eq $(($1 * WIN_W)) && $WH -eq $(($1 * WIN_H)) ]] ||
    fail "the window is ${WW}x${WH}, expected $(($1 * WIN_W))x$(($1 * WIN_H)) ($1 times ${WIN_W}x${WIN_H})"
}

# ---- 0. What the driver draws of the same moments ----------------------------------------
step "step 0: the scripted driver draws the same moments at the program's own size"
# The same input in client pixels as the steps below give in screen pixels:
# the pointer at rest, then the drag and Return; and the dialog between.
cat >"$WORK/scale.script" <<EOF
move $REST_X $REST_Y
snapshot driver-rest.png
move $PRESS_X $PRESS_Y
lpress $PRESS_X $PRESS_Y
move $((PRESS_X + 1)) $PRESS_Y
move $((PRESS_X + DRAG_DX)) $((PRESS_Y + DRAG_DY))
lrelease $((PRESS_X + DRAG_DX)) $((PRESS_Y + DRAG_DY))
snapshot-dialog driver-dialog.png
key Return
snapshot driver-body.png
EOF
(cd "$WORK" && bounded "$REPLAY" scale.script >replay.log 2>&1) ||
  fail "astrolathe-replay failed on $WORK/scale.script (see $WORK/replay.log)"
read -r DIALOG_W DIALOG_H < <(identify -format '%w %h\n' "$WORK/driver-dialog.png" 2>/dev/null) ||
  fail "identify cannot read $WORK/driver-dialog.png"

step "starting Xvfb"
start_xvfb || fail "no Xvfb would start (see $WORK/xvfb.log)"

# ---- 1. GDK_SCALE=2 ---------------------------------------------------------------------
step "step 1: with GDK_SCALE=2 (and the resources saying 96 dpi) the main window is twice ${WIN_W}x${WIN_H}"
set_resources "$(printf 'Xft.dpi:\t96\n')"
start_main $SCALE
expect_scaled_by $SCALE
until_true 20 painted_at_scale || fail "the menu bar, status bar and field were not drawn at twice the size (see $SHOT)"

# ---- 2. The picture -------------------------------------------------------------------
step "step 2: every pixel a 2x2 block, the picture the driver draws, the pointer's place in the status bar halved"
focus_main
bounded xdotool mousemove "$(zx $REST_X)" "$(zy $REST_Y)" || fail "xdotool mousemove failed"
# The status bar follows the pointer at the next paint; the first shot may
# come before it.
rest_drawn() {
  shot
  halve_window "$SHOT" rest
  [[ $(probe diff "$HALF" "$WORK/driver-rest.png" 0 0 "$WIN_W" "$WIN_H") == 0 ]]
}
until_true 10 rest_drawn || same_as_driver "$HALF" "$WORK/driver-rest.png"

# ---- 3. A drag in screen pixels -----------------------------------------------------------
step "step 3: a drag opens \"Properties: body 1\", twice the driver's dialog, over the middle of the main window"
bounded xdotool mousemove "$(zx $PRESS_X)" "$(zy $PRESS_Y)" || fail "xdotool mousemove failed"
bounded xdotool mousedown 1 || fail "xdotool mousedown failed"
bounded xdotool mousemove "$(zx $((PRESS_X + 1)))" "$(zy $PRESS_Y)" || fail "xdotool mousemove failed"
bounded xdotool mousemove "$(zx $((PRESS_X + DRAG_DX)))" "$(zy $((PRESS_Y + DRAG_DY)))" ||
  fail "xdotool mousemove failed"
bounded xdotool mouseup 1 || fail "xdotool mouseup failed"
until_true 15 window_shown "$PROPERTIES_TITLE" ||
  fail "no window titled \"Properties: body 1\" within 15 s of the release"
DIALOG_ID=$(window_id "$PROPERTIES_TITLE")
MAIN_X=$WX MAIN_Y=$WY MAIN_W=$WW MAIN_H=$WH
geometry "$DIALOG_ID" || fail "could not read the dialog's geometry"
[[ $WW -eq $((SCALE * DIALOG_W)) && $WH -eq $((SCALE * DIALOG_H)) ]] ||
  fail "the dialog is ${WW}x${WH}, expected twice the driver's ${DIALOG_W}x${DIALOG_H}"
DX=$(((WX + WW / 2) - (MAIN_X + MAIN_W / 2)))
DY=$(((WY + WH / 2) - (MAIN_Y + MAIN_H / 2)))
((DX * DX <= CENTRE_SLACK * CENTRE_SLACK && DY * DY <= CENTRE_SLACK * CENTRE_SLACK)) ||
  fail "the dialog's centre is ($DX, $DY) from the main window's: it was placed in the wrong pixels"

# ---- 4. The body at the halved point --------------------------------------------------------
step "step 4: Return confirms it; the body is drawn at the halved point, as the driver draws it"
bounded xdotool windowfocus --sync "$DIALOG_ID" || fail "could not focus the dialog"
bounded xdotool key Return || fail "xdotool key failed"
until_true 10 window_gone "$PROPERTIES_TITLE" || fail "the dialog is still open 10 s after Return"
focus_main
body_drawn() {
  shot
  halve_window "$SHOT" body
  WHY=$(probe body "$HALF" "$PRESS_X" $((MENU_BAR + PRESS_Y)) "$BODY_RADIUS" "$BODY_COLOUR")
}
until_true 10 body_drawn || fail "no body at client ($PRESS_X, $PRESS_Y) of the halved picture: $WHY (see $HALF)"
same_as_driver "$HALF" "$WORK/driver-body.png"

# ---- 5. Pop-up menus, and the end -------------------------------------------------------
step "step 5: File opens its menu at twice the size below File, on the main window's blocks; Exit ends the program with status 0"
bounded xdotool mousemove $((WX + SCALE * FILE_X + 1)) $((WY + SCALE * FILE_Y + 1)) click 1 ||
  fail "xdotool click failed"
file_menu_at_scale() {
  shot
  pixel_is "$SHOT" "$(zx 5)" "$(zy $EXIT_Y)" "$FACE"
}
until_true 10 file_menu_at_scale || fail "the File menu did not open below File (see $SHOT)"
# The menu is a window of its own, placed in the program's pixels: its
# blocks must line up with the main window's, wherever that lies.
halve_window "$SHOT" menu
bounded xdotool mousemove "$(zx $EXIT_X)" "$(zy $EXIT_Y)" click 1 || fail "xdotool click failed"
expect_exit_0 5 "File > Exit"

# ---- 6. Xft.dpi -------------------------------------------------------------------------
step "step 6: without GDK_SCALE, Xft.dpi 144 (one and a half, rounded up) makes it twice the size too"
set_resources "$(printf 'Xft.antialias:\t1\nXft.dpi:\t144\n')"
start_main ""
expect_scaled_by 2
stop_process "$APP_PID"
APP_PID=

# ---- 7. Too large for the screen ----------------------------------------------------------
step "step 7: GDK_SCALE=3 would not fit the 1280x1024 screen: the largest that fits, 2, instead"
set_resources "$(printf 'Xft.dpi:\t96\n')"
start_main 3
expect_scaled_by 2
stop_process "$APP_PID"
APP_PID=

STEP="the end"
PASSED=1
log "all steps passed"
