#!/usr/bin/env bash
# Astrolathe itself on a real X server, used from outside as a user would:
# xdotool moves the mouse and presses the keys, ImageMagick's import reads the
# screen, and e2e-probe answers the questions about its pixels. Its own Xvfb,
# with no window manager, so that nothing moves, resizes or decorates the
# program's windows. The steps are here; the machinery they use is in
# xvfb_session.sh.
#
#   xvfb_e2e.sh ASTROLATHE E2E_PROBE WORK_DIR
#
# Exit 0 when every step held; 77 (CTest's skip) when a tool is missing and CI
# is not set; 1, naming the step, otherwise. The screenshots and the
# program's output stay in WORK_DIR after a failure.
set -u -o pipefail

if [[ $# -ne 3 ]]; then
  echo "usage: $0 ASTROLATHE E2E_PROBE WORK_DIR" >&2
  exit 2
fi
readonly APP=$1 PROBE=$2 WORK=$3
HERE=.
[[ $0 == */* ]] && HERE=${0%/*}
HERE=$(cd "$HERE" && pwd) || exit 2
readonly HERE

# ---- What the program should look like ------------------------------------------------
# The frame asks for an outer rectangle of 600 by 450 with a caption. The
# layer leaves the caption (19) and the border (3 a side) to the host, and the
# SDL host's window is the surface alone, so with no window manager to add
# decorations the X window is 594 by 425. Inside it the layer draws the menu
# bar (19) above the client area, and the status bar (20) takes the bottom
# of the client area; the rest is the scene.
readonly OUTER_W=600 OUTER_H=450 CAPTION=19 BORDER=3 MENU_BAR=19 STATUS_BAR=20
readonly WIN_W=$((OUTER_W - 2 * BORDER)) WIN_H=$((OUTER_H - CAPTION - 2 * BORDER))
readonly SCENE_W=$WIN_W SCENE_H=$((WIN_H - MENU_BAR - STATUS_BAR))
# Go and Stop, 50 by 25, at (right - 130, bottom - 265) and (right - 65, ...)
# of the scene: their centres in client pixels.
readonly GO_X=$((SCENE_W - 130 + 25)) STOP_X=$((SCENE_W - 65 + 25)) BUTTON_Y=$((SCENE_H - 265 + 12))
# The drag: pressed well left of the panel, released 2 right and 1 down, so
# the body gets 2000 m/s right and 1000 m/s down, slow enough at the default
# time step to stay on the field for seconds after Go.
readonly PRESS_X=80 PRESS_Y=120 DRAG_DX=2 DRAG_DY=1
# A body of the default mass (1e25 kg) is drawn in a square of radius 6, in
# white unless the dialog picks another colour.
readonly BODY_RADIUS=6 BODY_COLOUR=FFFFFF
# The menu bar's items start at its left edge with 6 pixels of padding, so
# (8, 9) of the bar is on File whatever the font. Its drop-down opens at the
# client area's top-left: a 3-pixel frame, then Exit, 18 pixels high.
readonly FILE_X=8 FILE_Y=9 EXIT_X=20 EXIT_Y=12
readonly FACE=C0C0C0 BLACK=000000

readonly MAIN_TITLE='^Astrolathe v1\.0$'
readonly PROPERTIES_TITLE='^Properties: body 1$'
readonly ABOUT_TITLE='^About Astrolathe v1\.0$'

# ---- The tools --------------------------------------------------------------------------
missing=()
for tool in Xvfb xdotool import xwininfo timeout; do
  command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "e2e: missing ${missing[*]} (Debian packages xvfb, xdotool, x11-utils, imagemagick)" >&2
  if [[ -n ${CI:-} ]]; then
    echo "e2e: CI is set, so a missing tool is a failure" >&2
    exit 1
  fi
  echo "e2e: skipped" >&2
  exit 77
fi
for program in "$APP" "$PROBE"; do
  if [[ ! -x $program ]]; then
    echo "e2e: $program is not built" >&2
    exit 1
  fi
done

# The directory is emptied first: refuse anything that could be someone's.
case $WORK in
  "" | / | "$HOME" | /tmp | .) echo "e2e: refusing to use $WORK as the work directory" >&2; exit 2 ;;
esac
rm -rf "$WORK"
mkdir -p "$WORK" || exit 1

# shellcheck source=xvfb_session.sh
source "$HERE/xvfb_session.sh"

# ---- 1. The main window -----------------------------------------------------------------
step "starting Xvfb"
start_xvfb || fail "no Xvfb would start (see $WORK/xvfb.log)"

step "step 1: the window \"Astrolathe v1.0\" appears at ${WIN_W}x${WIN_H}"
# Nothing of the caller's display may reach the program.
unset WAYLAND_DISPLAY
export SDL_VIDEODRIVER=x11
# Leak reports stay on for the program itself (a sanitizer build); only
# libdbus's own is set aside.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$HERE/lsan.supp"
"$APP" >"$WORK/astrolathe.log" 2>&1 &
APP_PID=$!
until_true 40 window_shown "$MAIN_TITLE" || fail "no window titled \"Astrolathe v1.0\" within 40 s"
MAIN_ID=$(window_id "$MAIN_TITLE")
geometry "$MAIN_ID" || fail "could not read the window's geometry"
[[ $WW -eq $WIN_W && $WH -eq $WIN_H ]] ||
  fail "the window is ${WW}x${WH}, expected ${WIN_W}x${WIN_H} (600x450 less caption and borders)"
# Where the window is may still change once it is mapped, so it is read
# again with every screenshot.
painted() {
  geometry "$MAIN_ID" || return 1
  shot
  pixel_is "$SHOT" $((WX + WIN_W - 5)) $((WY + FILE_Y)) "$FACE" &&
    pixel_is "$SHOT" $((WX + 150)) $((WY + WIN_H - 10)) "$FACE" &&
    pixel_is "$SHOT" "$(sx 10)" "$(sy 200)" "$BLACK"
}
until_true 20 painted || fail "the menu bar, status bar and field were not drawn (see $SHOT)"
BEFORE=$SHOT

# ---- 2. A drag opens the Properties dialog ---------------------------------------------
step "step 2: a left drag on the field opens \"Properties: body 1\""
probe body "$BEFORE" "$(sx $PRESS_X)" "$(sy $PRESS_Y)" "$BODY_RADIUS" "$BODY_COLOUR" >/dev/null &&
  fail "a body is seen at the press point before anything was placed (see $BEFORE)"
focus_main
bounded xdotool mousemove "$(sx $PRESS_X)" "$(sy $PRESS_Y)" || fail "xdotool mousemove failed"
bounded xdotool mousedown 1 || fail "xdotool mousedown failed"
bounded xdotool mousemove "$(sx $((PRESS_X + 1)))" "$(sy $PRESS_Y)" || fail "xdotool mousemove failed"
bounded xdotool mousemove "$(sx $((PRESS_X + DRAG_DX)))" "$(sy $((PRESS_Y + DRAG_DY)))" ||
  fail "xdotool mousemove failed"
bounded xdotool mouseup 1 || fail "xdotool mouseup failed"
until_true 15 window_shown "$PROPERTIES_TITLE" ||
  fail "no window titled \"Properties: body 1\" within 15 s of the release"
DIALOG_ID=$(window_id "$PROPERTIES_TITLE")
[[ $DIALOG_ID != "$MAIN_ID" ]] || fail "the dialog is not a window of its own"

# ---- 3. Return confirms it --------------------------------------------------------------
step "step 3: Return confirms the dialog"
bounded xdotool windowfocus --sync "$DIALOG_ID" || fail "could not focus the dialog"
bounded xdotool key Return || fail "xdotool key failed"
until_true 10 window_gone "$PROPERTIES_TITLE" || fail "the dialog is still open 10 s after Return"

# ---- 4. The body is drawn where the drag began -----------------------------------------
step "step 4: a white ring with its white centre at the pressed point"
body_drawn() {
  shot
  WHY=$(probe body "$SHOT" "$(sx $PRESS_X)" "$(sy $PRESS_Y)" "$BODY_RADIUS" "$BODY_COLOUR")
}
focus_main
until_true 10 body_drawn || fail "no body at the press point: $WHY (see $SHOT)"
bodies_in "$SHOT"
[[ $BODIES == "$(sx $PRESS_X) $(sy $PRESS_Y)" ]] ||
  fail "expected one body, at the press point; found: ${BODIES:-none} (see $SHOT)"

# ---- 5. Go: the body moves and the time counts ------------------------------------------
step "step 5: Go moves the body and the time pane counts"
bounded xdotool mousemove "$(sx $GO_X)" "$(sy $BUTTON_Y)" click 1 || fail "xdotool click failed"
# A screenshot may fall between two of the rectangles of one presentation
# and catch the body half drawn: such a shot is passed over, not failed.
one_body() {
  shot
  bodies_in "$SHOT"
  [[ $(wc -w <<<"$BODIES") -eq 2 ]]
}
until_true 10 one_body || fail "no single body on the field after Go: ${BODIES:-none} (see $SHOT)"
FIRST=$SHOT
read -r X1 Y1 <<<"$BODIES"
time_pane_in "$FIRST"
moved() {
  one_body || return 1
  read -r X2 Y2 <<<"$BODIES"
  [[ $X2 -ne $X1 || $Y2 -ne $Y1 ]]
}
until_true 20 moved ||
  fail "the body was at ($X1, $Y1) after Go and 20 s later at ${BODIES:-no single place} (see $SHOT)"
SECOND=$SHOT
((X2 > X1 && Y2 >= Y1)) ||
  fail "the body went from ($X1, $Y1) to ($X2, $Y2); the drag sent it right and down"
# shellcheck disable=SC2086 # the pane is four numbers
CHANGED=$(probe diff "$FIRST" "$SECOND" $TIME_PANE) || fail "e2e-probe failed"
((CHANGED > 0)) || fail "the time pane ($TIME_PANE) is the same in $FIRST and $SECOND"
log "the body went from ($X1, $Y1) to ($X2, $Y2); $CHANGED pixels of the time pane changed"

# ---- 6. Stop: the time stands ------------------------------------------------------------
step "step 6: Stop holds the time pane"
bounded xdotool mousemove "$(sx $STOP_X)" "$(sy $BUTTON_Y)" click 1 || fail "xdotool click failed"
# Stop takes effect at the next pump of the run loop; two screenshots half a
# second apart that agree show it has.
standing() {
  shot
  STILL=$SHOT
  sleep 0.5
  shot
  # shellcheck disable=SC2086
  [[ $(probe diff "$STILL" "$SHOT" $TIME_PANE) == 0 ]]
}
until_true 10 standing || fail "the time pane still changes 10 s after Stop (see $STILL and $SHOT)"
bodies_in "$STILL"
STOPPED_AT=$BODIES
sleep 1
shot
# shellcheck disable=SC2086
SINCE=$(probe diff "$STILL" "$SHOT" $TIME_PANE) || fail "e2e-probe failed"
[[ $SINCE == 0 ]] || fail "$SINCE pixels of the time pane changed in the second after Stop"
bodies_in "$SHOT"
[[ -n $STOPPED_AT && $BODIES == "$STOPPED_AT" ]] ||
  fail "the body moved after Stop: from ${STOPPED_AT:-nowhere} to ${BODIES:-nowhere}"

# ---- 7. Help, About ---------------------------------------------------------------------
step "step 7: Help > About opens \"About Astrolathe v1.0\", Escape closes it"
focus_main
# Alt alone enters the menu bar on File; Left wraps round to Help; Down opens
# it on Instructions and Down again passes the separator to About.
for key in Alt_L Left Down Down Return; do
  bounded xdotool key "$key" || fail "xdotool key $key failed"
done
until_true 10 window_shown "$ABOUT_TITLE" || fail "no window titled \"About Astrolathe v1.0\" within 10 s"
ABOUT_ID=$(window_id "$ABOUT_TITLE")
bounded xdotool windowfocus --sync "$ABOUT_ID" || fail "could not focus the about box"
bounded xdotool key Escape || fail "xdotool key failed"
until_true 10 window_gone "$ABOUT_TITLE" || fail "the about box is still open 10 s after Escape"

# ---- 8. File, Exit ----------------------------------------------------------------------
step "step 8: File > Exit ends the program with status 0 within 5 s"
focus_main
bounded xdotool mousemove $((WX + FILE_X)) $((WY + FILE_Y)) click 1 || fail "xdotool click failed"
drop_down_open() {
  shot
  pixel_is "$SHOT" "$(sx 5)" "$(sy $EXIT_Y)" "$FACE"
}
until_true 10 drop_down_open || fail "the File menu did not open (see $SHOT)"
bounded xdotool mousemove "$(sx $EXIT_X)" "$(sy $EXIT_Y)" click 1 || fail "xdotool click failed"
CHOSEN_MS=$(now_ms)
app_ended() { ! kill -0 "$APP_PID" 2>/dev/null; }
until_true 5 app_ended || fail "the program still runs 5 s after File > Exit"
wait "$APP_PID"
APP_STATUS=$?
APP_PID=
log "the program ended $(($(now_ms) - CHOSEN_MS)) ms after Exit, status $APP_STATUS"
[[ $APP_STATUS -eq 0 ]] || fail "the program ended with status $APP_STATUS"

STEP="the end"
PASSED=1
log "all steps passed"
