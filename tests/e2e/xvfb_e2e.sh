#!/usr/bin/env bash
# Astrolathe itself on a real X server, used from outside as a user would:
# started the way the README says, with tools/run from the source tree;
# xdotool moves the mouse and presses the keys, ImageMagick's import reads the
# screen, and e2e-probe answers the questions about its pixels. Its own Xvfb,
# with no window manager, so that nothing moves, resizes or decorates the
# program's windows. The steps are here; the machinery they use is in
# xvfb_session.sh.
#
#   xvfb_e2e.sh SOURCE_DIR E2E_PROBE WORK_DIR
#
# Exit 0 when every step held; 77 (CTest's skip) when a tool is missing and CI
# is not set; 1, naming the step, otherwise. The screenshots and the
# program's output stay in WORK_DIR after a failure.
set -u -o pipefail

if [[ $# -ne 3 ]]; then
  echo "usage: $0 SOURCE_DIR E2E_PROBE WORK_DIR" >&2
  exit 2
fi
readonly SOURCE=$1 PROBE=$2 WORK=$3
HERE=.
[[ $0 == */* ]] && HERE=${0%/*}
HERE=$(cd "$HERE" && pwd) || exit 2
readonly HERE

# shellcheck source=program_layout.sh
source "$HERE/program_layout.sh"
# shellcheck source=xvfb_session.sh
source "$HERE/xvfb_session.sh"

# The drag: pressed well left of the panel, released 2 right and 1 down, so
# the body gets 2000 m/s right and 1000 m/s down, slow enough at the default
# time step to stay on the field for seconds after Go.
readonly PRESS_X=80 PRESS_Y=120 DRAG_DX=2 DRAG_DY=1
# tools/run sets the machine up, configures and builds the release build
# before it becomes the program: no time at all when all is current, minutes
# on a fresh checkout.
readonly RUN_BUILDS_WITHIN=900
readonly RUN=$SOURCE/tools/run PROGRAM=$SOURCE/build/app/astrolathe

require_tools "xvfb, xdotool, x11-utils, imagemagick" Xvfb xdotool import xwininfo timeout
require_built "$RUN" "$PROBE"
prepare_work

# ---- 1. The main window -----------------------------------------------------------------
step "starting Xvfb"
start_xvfb || fail "no Xvfb would start (see $WORK/xvfb.log)"

step "step 0: tools/run builds the program and becomes it"
start_program "$RUN"
# tools/run ends in exec, so the process started is the program itself once
# the build is done: the same process id, running the release build's
# binary. A window of the program's while the process is still something
# else means tools/run started it some other way.
became_program() {
  [[ $(readlink "/proc/$APP_PID/exe" 2>/dev/null) == "$(readlink -f "$PROGRAM")" ]] && return 0
  if kill -0 "$APP_PID" 2>/dev/null; then
    [[ -z $(window_id "$MAIN_TITLE") ]] ||
      fail "the program's window is up, but process $APP_PID that tools/run was started as is" \
        "$(readlink "/proc/$APP_PID/exe"), not $PROGRAM: tools/run does not exec the program"
    return 1
  fi
  wait "$APP_PID"
  local status=$?
  APP_PID=
  fail "tools/run ended with status $status before it started the program"
}
until_true $RUN_BUILDS_WITHIN became_program ||
  fail "tools/run has not become $PROGRAM within $RUN_BUILDS_WITHIN s"
log "tools/run became the program"

step "step 1: the window \"Astrolathe v1.0\" appears at ${WIN_W}x${WIN_H}"
until_true 40 window_shown "$MAIN_TITLE" || fail "no window titled \"Astrolathe v1.0\" within 40 s"
MAIN_ID=$(window_id "$MAIN_TITLE")
geometry "$MAIN_ID" || fail "could not read the window's geometry"
[[ $WW -eq $WIN_W && $WH -eq $WIN_H ]] ||
  fail "the window is ${WW}x${WH}, expected ${WIN_W}x${WIN_H} (600x450 less caption and borders)"
# Where the window is may still change once it is mapped, so it is read
# again with every screenshot.
until_true 20 main_painted "$MAIN_ID" || fail "the menu bar, status bar and field were not drawn (see $SHOT)"
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
press_keys "$ABOUT_KEYS"
until_true 10 window_shown "$ABOUT_TITLE" || fail "no window titled \"About Astrolathe v1.0\" within 10 s"
ABOUT_ID=$(window_id "$ABOUT_TITLE")
bounded xdotool windowfocus --sync "$ABOUT_ID" || fail "could not focus the about box"
bounded xdotool key Escape || fail "xdotool key failed"
until_true 10 window_gone "$ABOUT_TITLE" || fail "the about box is still open 10 s after Escape"

# ---- 8. File, Exit ----------------------------------------------------------------------
step "step 8: File > Exit ends the program with status 0 within 5 s"
exit_through_file_menu

STEP="the end"
PASSED=1
log "all steps passed"
