#!/usr/bin/env bash
# Astrolathe among other windows: the real program on its own Xvfb under
# openbox, a window manager that decorates, stacks, moves, minimizes and
# maximizes it. Checked from outside: what the program tells the window
# manager of each window (xprop), what openbox makes of it, and what the
# program shows afterwards (screenshots read by e2e-probe), driven with
# xdotool and wmctrl. The machinery is in xvfb_session.sh.
#
#   openbox_e2e.sh ASTROLATHE E2E_PROBE WORK_DIR
#
# Exit 0 when every step held; 77 (CTest's skip) when a tool is missing and CI
# is not set; 1, naming the step, otherwise. The screenshots and the logs of
# the program and openbox stay in WORK_DIR after a failure.
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

# shellcheck source=program_layout.sh
source "$HERE/program_layout.sh"
# shellcheck source=xvfb_session.sh
source "$HERE/xvfb_session.sh"

# The first body's drag, low on the left of the field: well away from where
# its dialog opens over the middle of the window and from the click on the
# field beside the dialog (CLICK_X, CLICK_Y).
readonly PRESS_X=80 PRESS_Y=320 DRAG_DX=2 DRAG_DY=1 CLICK_X=30 CLICK_Y=40
# Where the window is moved to, its frame's top-left in screen pixels.
readonly MOVE_X=160 MOVE_Y=120
# How far a dialog's centre may lie from its owner's: halving odd sizes.
readonly CENTRE_SLACK=3
# The _MOTIF_WM_HINTS bits: which fields are given; the functions.
readonly MWM_FLAG_FUNCTIONS=1 MWM_FUNC_ALL=1 MWM_FUNC_MINIMIZE=8 MWM_FUNC_MAXIMIZE=16 MWM_FUNC_CLOSE=32

require_tools "xvfb, xdotool, x11-utils, imagemagick, openbox, wmctrl" \
  Xvfb xdotool import xwininfo xprop timeout openbox wmctrl
require_built "$APP" "$PROBE"
prepare_work

step "starting Xvfb and openbox"
start_xvfb || fail "no Xvfb would start (see $WORK/xvfb.log)"
start_openbox || fail "openbox did not manage the screen within 10 s (see $WORK/openbox.log)"
work_area || fail "openbox publishes no _NET_WORKAREA"
log "openbox manages the screen; work area ${WA_W}x${WA_H} at ($WA_X, $WA_Y)"

# ---- Helpers ---------------------------------------------------------------------------
# Sets MAIN_ID and reads its geometry and frame afresh.
main_window() {
  MAIN_ID=$(window_id "$MAIN_TITLE") || fail "the main window is gone"
  geometry "$MAIN_ID" || fail "could not read the main window's geometry"
  frame_extents "$MAIN_ID" || fail "openbox publishes no _NET_FRAME_EXTENTS for the main window"
}

# Waits for the dialog titled $2 and sets $1 to its id.
await_dialog() {
  local var=$1 title=$2 id
  until_true 10 window_shown "$title" || fail "no window titled \"$title\" within 10 s"
  id=$(window_id "$title")
  [[ $id != "$MAIN_ID" ]] || fail "\"$title\" is not a window of its own"
  printf -v "$var" %s "$id"
}

# Activates window $1 through openbox, presses $2 and waits for the window
# titled $3 to go.
close_with_key() {
  bounded xdotool windowactivate --sync "$1" || fail "could not activate \"$3\""
  bounded xdotool key "$2" || fail "xdotool key $2 failed"
  until_true 10 window_gone "$3" || fail "\"$3\" is still open 10 s after $2"
}

# What window $2, named $1, tells the window manager as a dialog: its owner
# is one of $3 (ids), its type is a dialog's, and its Motif hints offer no
# minimize or maximize and a close exactly when $4 is "close". What openbox
# then offers must not include maximizing it; what else openbox offers is
# logged, since openbox offers close and minimize on every window it
# decorates whatever the window asks.
check_dialog_hints() {
  local name=$1 id=$2 owners=$3 close=$4 owner allowed flags functions offered
  owner=$(transient_for "$id")
  [[ -n $owner ]] || fail "$name has no WM_TRANSIENT_FOR (the main window is $(hex_id "$MAIN_ID"))"
  [[ " $owners " == *" $owner "* ]] ||
    fail "$name is transient for $(hex_id "$owner"), not for the window that opened it"
  has_atom "$id" _NET_WM_WINDOW_TYPE _NET_WM_WINDOW_TYPE_DIALOG ||
    fail "$name's _NET_WM_WINDOW_TYPE is \"$(property "$id" _NET_WM_WINDOW_TYPE)\", not _NET_WM_WINDOW_TYPE_DIALOG"
  allowed=$(atoms "$id" _NET_WM_ALLOWED_ACTIONS)
  [[ -n $allowed ]] || fail "openbox publishes no _NET_WM_ALLOWED_ACTIONS for $name"
  if grep -q '^_NET_WM_ACTION_MAXIMIZE' <<<"$allowed"; then
    fail "openbox lets the user maximize $name: $(tr '\n' ' ' <<<"$allowed")"
  fi
  IFS=', ' read -r flags functions _ <<<"$(property "$id" _MOTIF_WM_HINTS)"
  [[ -n $flags && -n $functions ]] ||
    fail "$name has no _MOTIF_WM_HINTS: nothing tells the window manager which boxes it lacks"
  ((flags & MWM_FLAG_FUNCTIONS)) ||
    fail "$name's _MOTIF_WM_HINTS ($flags, $functions) do not say which functions it offers"
  # With the "all" bit set the bits listed are the functions taken away.
  offered=$functions
  ((functions & MWM_FUNC_ALL)) && offered=$((~functions))
  ((offered & MWM_FUNC_MINIMIZE)) && fail "$name offers to be minimized (_MOTIF_WM_HINTS functions $functions)"
  ((offered & MWM_FUNC_MAXIMIZE)) && fail "$name offers to be maximized (_MOTIF_WM_HINTS functions $functions)"
  if [[ $close == close ]]; then
    ((offered & MWM_FUNC_CLOSE)) || fail "$name offers no close (_MOTIF_WM_HINTS functions $functions)"
  else
    ((offered & MWM_FUNC_CLOSE)) && fail "$name offers a close (_MOTIF_WM_HINTS functions $functions)"
  fi
  log "$name: transient for $(hex_id "$owner"), a dialog, _MOTIF_WM_HINTS functions $functions;" \
    "openbox offers $(sed -n 's/^_NET_WM_ACTION_//p' <<<"$allowed" | tr '\n' ' ')"
}

# Whether a screenshot shows the control panel in the bottom-right corner of
# the main window's scene at its present size: its backdrop between Go and
# Stop and in its own bottom-right corner, the field just past that.
panel_in_corner() {
  geometry "$MAIN_ID" || return 1
  local right=$WW bottom=$((WH - MENU_BAR - STATUS_BAR))
  shot
  pixel_is "$SHOT" "$(sx $((right - PANEL_GAP_DX)))" "$(sy $((bottom - PANEL_GAP_DY)))" "$FACE" &&
    pixel_is "$SHOT" "$(sx $((right - PANEL_CORNER_D)))" "$(sy $((bottom - PANEL_CORNER_D)))" "$FACE" &&
    pixel_is "$SHOT" "$(sx $((right - FIELD_CORNER_D)))" "$(sy $((bottom - FIELD_CORNER_D)))" "$BLACK"
}

# Whether the main window's frame fills the work area.
fills_work_area() {
  main_window
  ((WX - FL == WA_X && WY - FT == WA_Y && WW + FL + FR == WA_W && WH + FT + FB == WA_H))
}
main_at_normal_size() {
  main_window
  ((WW == WIN_W && WH == WIN_H))
}
where_main_is() { echo "${WW}x${WH} at ($WX, $WY) in a frame of $FL, $FR, $FT, $FB"; }

# ---- 1. The main window ---------------------------------------------------------------
step "step 1: the window \"Astrolathe v1.0\" appears at ${WIN_W}x${WIN_H} in openbox's frame"
start_program "$APP"
until_true 40 window_shown "$MAIN_TITLE" || fail "no window titled \"Astrolathe v1.0\" within 40 s"
until_true 10 frame_extents "$(window_id "$MAIN_TITLE")" ||
  fail "openbox did not frame the main window within 10 s"
main_window
[[ $WW -eq $WIN_W && $WH -eq $WIN_H ]] ||
  fail "the window is ${WW}x${WH}, expected ${WIN_W}x${WIN_H} (600x450 less caption and borders)"
log "openbox's frame round the main window: left $FL, right $FR, top $FT, bottom $FB"
until_true 20 main_painted "$MAIN_ID" || fail "the menu bar, status bar and field were not drawn (see $SHOT)"

# ---- 2. The main window to the window manager -----------------------------------------
step "step 2: the main window is a normal window with 16- and 32-pixel icons, that may be minimized and maximized"
TYPE=$(property "$MAIN_ID" _NET_WM_WINDOW_TYPE)
[[ $TYPE == _NET_WM_WINDOW_TYPE_NORMAL ]] ||
  fail "the main window's _NET_WM_WINDOW_TYPE is \"$TYPE\", not _NET_WM_WINDOW_TYPE_NORMAL"
[[ -z $(transient_for "$MAIN_ID") ]] || fail "the main window is transient for another window"
ALLOWED=$(atoms "$MAIN_ID" _NET_WM_ALLOWED_ACTIONS)
for action in MINIMIZE MAXIMIZE_HORZ MAXIMIZE_VERT; do
  grep -qx "_NET_WM_ACTION_$action" <<<"$ALLOWED" ||
    fail "openbox offers no _NET_WM_ACTION_$action for the main window, only: $(tr '\n' ' ' <<<"$ALLOWED")"
done
ICONS=$(bounded xprop -id "$MAIN_ID" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
for size in 16 32; do
  [[ $ICONS == *"Icon ($size x $size)"* ]] ||
    fail "the main window's _NET_WM_ICON has no ${size}x$size image; it has: ${ICONS:-none}"
done
log "the main window's icons: $ICONS"

# ---- 3. Properties ------------------------------------------------------------------------
step "step 3: a left drag opens \"Properties: body 1\", a dialog of the main window that asks for no close, minimize or maximize"
focus_main
bounded xdotool mousemove "$(sx $PRESS_X)" "$(sy $PRESS_Y)" mousedown 1 || fail "xdotool failed"
bounded xdotool mousemove "$(sx $((PRESS_X + 1)))" "$(sy $PRESS_Y)" || fail "xdotool mousemove failed"
bounded xdotool mousemove "$(sx $((PRESS_X + DRAG_DX)))" "$(sy $((PRESS_Y + DRAG_DY)))" mouseup 1 ||
  fail "xdotool failed"
await_dialog PROPERTIES_ID "$PROPERTIES_TITLE"
check_dialog_hints "Properties" "$PROPERTIES_ID" "$MAIN_ID" no-close
if has_atom "$PROPERTIES_ID" _NET_WM_ALLOWED_ACTIONS _NET_WM_ACTION_CLOSE; then
  log "openbox still draws a close box on Properties and offers _NET_WM_ACTION_CLOSE"
fi

# ---- 4. A click on the main window leaves Properties in front ----------------------------
step "step 4: a click on the main window leaves Properties on top and active, and Return then confirms it"
main_window
bounded xdotool mousemove "$(sx $CLICK_X)" "$(sy $CLICK_Y)" click 1 || fail "xdotool click failed"
properties_in_front() {
  [[ $(active_window) == "$PROPERTIES_ID" ]] || return 1
  stacking | awk -v dialog="$PROPERTIES_ID" -v main="$MAIN_ID" '
    $0 == dialog { d = NR }
    $0 == main { m = NR }
    END { exit !(m > 0 && d > m) }'
}
# Give openbox and the program their say before looking.
sleep 0.5
until_true 3 properties_in_front ||
  fail "after the click the active window is $(active_window) and the stacking bottom to top is" \
    "$(stacking | tr '\n' ' '); Properties is $PROPERTIES_ID, the main window $MAIN_ID"
# No focusing of ours: the key goes wherever the click left the keyboard.
bounded xdotool key Return || fail "xdotool key failed"
until_true 10 window_gone "$PROPERTIES_TITLE" || fail "Properties is still open 10 s after Return"
body_drawn() {
  geometry "$MAIN_ID" || return 1
  shot
  WHY=$(probe body "$SHOT" "$(sx $PRESS_X)" "$(sy $PRESS_Y)" "$BODY_RADIUS" "$BODY_COLOUR")
}
until_true 10 body_drawn || fail "no body at the press point after Return: $WHY (see $SHOT)"

# ---- 5. The colour dialog --------------------------------------------------------------
step "step 5: a right press on the body opens its Properties; its edits have a context menu; \"Color...\" there opens \"Color\", a dialog of the window that opened it"
focus_main
bounded xdotool mousemove "$(sx $PRESS_X)" "$(sy $PRESS_Y)" click 3 || fail "xdotool click failed"
await_dialog PROPERTIES_ID "$PROPERTIES_TITLE"
geometry "$PROPERTIES_ID" || fail "could not read the dialog's geometry"
readonly DIALOG_X=$WX DIALOG_Y=$WY

# The edit's context menu is a window of its own that openbox leaves alone
# (override-redirect, so no frame and no place among the clients), at the
# pointer, with the keyboard left to Properties.
context_menu_shown() {
  local id
  for id in $(bounded xdotool search --onlyvisible --classname astrolathe 2>/dev/null); do
    if bounded xwininfo -id "$id" | grep -q 'Override Redirect State: yes'; then
      POPUP_ID=$id
      return 0
    fi
  done
  return 1
}
log "a right click in the X velocity opens the edit's menu there; Escape closes it"
bounded xdotool mousemove $((DIALOG_X + VX_EDIT_X)) $((DIALOG_Y + VX_EDIT_Y)) click 3 ||
  fail "xdotool click failed"
until_true 5 context_menu_shown || fail "no pop-up menu of the program within 5 s of the right click"
geometry "$POPUP_ID" || fail "could not read the pop-up menu's geometry"
((WX == DIALOG_X + VX_EDIT_X && WY == DIALOG_Y + VX_EDIT_Y)) ||
  fail "the pop-up menu is at ($WX, $WY), not at the pointer ($((DIALOG_X + VX_EDIT_X)), $((DIALOG_Y + VX_EDIT_Y)))"
stacking | grep -qx "$POPUP_ID" && fail "openbox manages the pop-up menu as a client window"
[[ $(active_window) == "$PROPERTIES_ID" ]] ||
  fail "with the menu open the active window is $(active_window), not Properties ($PROPERTIES_ID)"
shot
bounded xdotool key Escape || fail "xdotool key failed"
popup_gone() { ! context_menu_shown; }
until_true 5 popup_gone || fail "the pop-up menu is still open 5 s after Escape (see $SHOT)"
window_shown "$PROPERTIES_TITLE" || fail "Escape in the pop-up menu closed Properties too"

bounded xdotool mousemove $((DIALOG_X + COLOR_BUTTON_X)) $((DIALOG_Y + COLOR_BUTTON_Y)) click 1 ||
  fail "xdotool click failed"
await_dialog COLOR_ID "$COLOR_TITLE"
check_dialog_hints "Color" "$COLOR_ID" "$PROPERTIES_ID $MAIN_ID" close
close_with_key "$COLOR_ID" Escape "$COLOR_TITLE"
window_shown "$PROPERTIES_TITLE" || fail "Escape in the colour dialog closed Properties too"
close_with_key "$PROPERTIES_ID" Escape "$PROPERTIES_TITLE"

# ---- 6, 7. Instructions and About ---------------------------------------------------------
step "step 6: Help > Instructions opens a dialog of the main window that asks for a close box only"
focus_main
press_keys "$INSTRUCTIONS_KEYS"
await_dialog INSTRUCTIONS_ID "$INSTRUCTIONS_TITLE"
check_dialog_hints "Instructions" "$INSTRUCTIONS_ID" "$MAIN_ID" close
close_with_key "$INSTRUCTIONS_ID" Escape "$INSTRUCTIONS_TITLE"

step "step 7: Help > About opens a dialog of the main window that asks for a close box only"
focus_main
press_keys "$ABOUT_KEYS"
await_dialog ABOUT_ID "$ABOUT_TITLE"
check_dialog_hints "About" "$ABOUT_ID" "$MAIN_ID" close
close_with_key "$ABOUT_ID" Escape "$ABOUT_TITLE"

# ---- 8. Moved, minimized, restored -----------------------------------------------------
step "step 8: moved, minimized and restored, the window comes back where it was moved to"
main_window
FROM_X=$WX FROM_Y=$WY
bounded wmctrl -i -r "$MAIN_ID" -e "0,$MOVE_X,$MOVE_Y,-1,-1" || fail "wmctrl could not move the window"
# Where the move puts the frame's corner or the window's own, whichever
# the window's gravity says.
moved_there() {
  main_window
  ((WX - FL == MOVE_X && WY - FT == MOVE_Y)) || ((WX == MOVE_X && WY == MOVE_Y))
}
until_true 5 moved_there ||
  fail "asked to move it to ($MOVE_X, $MOVE_Y), the window is $(where_main_is)"
MOVED_X=$WX MOVED_Y=$WY
# The program must leave it there, not put it back where it thinks it is.
sleep 0.5
main_window
((WX == MOVED_X && WY == MOVED_Y)) ||
  fail "the window went from ($MOVED_X, $MOVED_Y), where it was moved to, to ($WX, $WY)"
log "moved from ($FROM_X, $FROM_Y) to ($MOVED_X, $MOVED_Y)"
bounded xdotool windowminimize --sync "$MAIN_ID" || fail "xdotool could not minimize the window"
minimized() {
  geometry "$MAIN_ID" && [[ $MAP_STATE == IsUnMapped ]] &&
    has_atom "$MAIN_ID" _NET_WM_STATE _NET_WM_STATE_HIDDEN
}
until_true 5 minimized || fail "the window is not minimized: $MAP_STATE, state $(property "$MAIN_ID" _NET_WM_STATE)"
bounded wmctrl -i -a "$MAIN_ID" || fail "wmctrl could not restore the window"
restored_in_place() {
  geometry "$MAIN_ID" && [[ $MAP_STATE == IsViewable ]] && ((WX == MOVED_X && WY == MOVED_Y))
}
until_true 5 restored_in_place ||
  fail "restored, the window is $MAP_STATE at ($WX, $WY); it was moved to ($MOVED_X, $MOVED_Y)"
sleep 0.5
restored_in_place || fail "after the restore the window went to ($WX, $WY) from ($MOVED_X, $MOVED_Y)"
until_true 10 main_painted "$MAIN_ID" || fail "the restored window was not drawn again (see $SHOT)"

step "step 8: About, opened after the move, is centred over the window"
focus_main
MAIN_CX=$((2 * WX + WW)) MAIN_CY=$((2 * WY + WH)) # doubled, to stay whole
press_keys "$ABOUT_KEYS"
await_dialog ABOUT_ID "$ABOUT_TITLE"
geometry "$ABOUT_ID" || fail "could not read About's geometry"
DX=$(((2 * WX + WW - MAIN_CX) / 2)) DY=$(((2 * WY + WH - MAIN_CY) / 2))
((DX >= -CENTRE_SLACK && DX <= CENTRE_SLACK && DY >= -CENTRE_SLACK && DY <= CENTRE_SLACK)) ||
  fail "About (${WW}x${WH} at ($WX, $WY)) has its centre ($DX, $DY) away from the main window's"
close_with_key "$ABOUT_ID" Escape "$ABOUT_TITLE"

# ---- 9. Maximized and restored --------------------------------------------------------
step "step 9: maximized, the window fills the work area with the control panel in its new bottom-right corner"
main_window
NORMAL_X=$WX NORMAL_Y=$WY
until_true 10 panel_in_corner || fail "the control panel is not in the window's bottom-right corner (see $SHOT)"
maximize_and_back() {
  local how=$1
  until_true 5 fills_work_area ||
    fail "after $how the window is $(where_main_is); the work area is ${WA_W}x${WA_H} at ($WA_X, $WA_Y)"
  if ! has_atom "$MAIN_ID" _NET_WM_STATE _NET_WM_STATE_MAXIMIZED_VERT ||
    ! has_atom "$MAIN_ID" _NET_WM_STATE _NET_WM_STATE_MAXIMIZED_HORZ; then
    fail "after $how the window's state is \"$(property "$MAIN_ID" _NET_WM_STATE)\""
  fi
  until_true 10 panel_in_corner ||
    fail "after $how the control panel is not in the bottom-right corner of the ${WW}x${WH} window (see $SHOT)"
  log "after $how: $(where_main_is)"
}
bounded wmctrl -i -r "$MAIN_ID" -b add,maximized_vert,maximized_horz || fail "wmctrl could not maximize"
maximize_and_back "wmctrl's maximize"
bounded wmctrl -i -r "$MAIN_ID" -b remove,maximized_vert,maximized_horz || fail "wmctrl could not restore"
until_true 5 main_at_normal_size || fail "restored, the window is $(where_main_is), not ${WIN_W}x${WIN_H}"
until_true 10 panel_in_corner || fail "restored, the control panel is not in the bottom-right corner (see $SHOT)"
log "restored: $(where_main_is); before the maximize it was at ($NORMAL_X, $NORMAL_Y)"

step "step 9: a double click on the title bar maximizes the window, another restores it"
double_click_title() {
  main_window
  bounded xdotool mousemove $((WX + WW / 2)) $((WY - FT / 2)) click --repeat 2 --delay 120 1 ||
    fail "xdotool click failed"
}
double_click_title
maximize_and_back "a double click on the title bar"
double_click_title
until_true 5 main_at_normal_size ||
  fail "after a second double click the window is $(where_main_is), not ${WIN_W}x${WIN_H}"
until_true 10 panel_in_corner || fail "restored, the control panel is not in the bottom-right corner (see $SHOT)"

# ---- 10. Cancel erases the drag line under the dialog ------------------------------------
step "step 10: after Cancel, the drag line is gone where the dialog covered it"
focus_main
# A long line through the middle of the window, where the dialog opens.
LINE_Y=$((WH / 2 - MENU_BAR)) LINE_FROM=40 LINE_TO=440
# In steps a mouse makes. Each move repaints only the box round the line
# before it, 10 pixels wider on every side, so where moves come faster than
# the program paints, the line's far end waits for a move that follows a
# paint: the pointer is nudged by a pixel before each look.
MOVES=()
for ((x = LINE_FROM + 8; x <= LINE_TO; x += 8)); do
  MOVES+=(mousemove "$(sx $x)" "$(sy $LINE_Y)")
done
bounded xdotool mousemove "$(sx $LINE_FROM)" "$(sy $LINE_Y)" mousedown 1 "${MOVES[@]}" ||
  fail "xdotool failed"
line_drawn() {
  bounded xdotool mousemove "$(sx $((LINE_TO - 1)))" "$(sy $LINE_Y)" sleep 0.1 \
    mousemove "$(sx $LINE_TO)" "$(sy $LINE_Y)" sleep 0.1 || fail "xdotool mousemove failed"
  shot
  [[ $(probe count "$SHOT" "$(sx $((LINE_FROM + 1)))" "$(sy $LINE_Y)" "$(sx $LINE_TO)" \
    "$(sy $((LINE_Y + 1)))" "$WHITE") -eq $((LINE_TO - LINE_FROM - 1)) ]]
}
until_true 10 line_drawn || fail "the drag line is not drawn white from $LINE_FROM to $LINE_TO (see $SHOT)"
MAIN_WX=$WX MAIN_WY=$WY
bounded xdotool mouseup 1 || fail "xdotool mouseup failed"
await_dialog PROPERTIES_ID '^Properties: body 2$'
geometry "$PROPERTIES_ID" || fail "could not read the dialog's geometry"
# The part of the line under the dialog's own pixels, in screen pixels.
UNDER_LEFT=$((WX > MAIN_WX + LINE_FROM + 1 ? WX : MAIN_WX + LINE_FROM + 1))
UNDER_RIGHT=$((WX + WW < MAIN_WX + LINE_TO ? WX + WW : MAIN_WX + LINE_TO))
LINE_SCREEN_Y=$((MAIN_WY + MENU_BAR + LINE_Y))
((UNDER_RIGHT - UNDER_LEFT >= 20 && LINE_SCREEN_Y >= WY && LINE_SCREEN_Y < WY + WH)) ||
  fail "the dialog (${WW}x${WH} at ($WX, $WY)) does not cover the line at y $LINE_SCREEN_Y"
close_with_key "$PROPERTIES_ID" Escape '^Properties: body 2$'
line_gone_under_dialog() {
  shot
  STILL_WHITE=$(probe count "$SHOT" "$UNDER_LEFT" "$LINE_SCREEN_Y" "$UNDER_RIGHT" $((LINE_SCREEN_Y + 1)) "$WHITE")
  [[ $STILL_WHITE == 0 ]]
}
until_true 5 line_gone_under_dialog ||
  fail "$STILL_WHITE pixels of the line from x $UNDER_LEFT to $UNDER_RIGHT at y $LINE_SCREEN_Y are still white" \
    "where the dialog was (see $SHOT)"
geometry "$MAIN_ID" || fail "could not read the main window's geometry"
bodies_in "$SHOT"
[[ $BODIES == "$(sx $PRESS_X) $(sy $PRESS_Y)" ]] ||
  fail "Cancel placed a body: the bodies are at ${BODIES:-nowhere} (see $SHOT)"
log "outside where the dialog was, $(probe count "$SHOT" "$(sx $((LINE_FROM + 1)))" "$LINE_SCREEN_Y" \
  "$(sx $LINE_TO)" $((LINE_SCREEN_Y + 1)) "$WHITE") pixels of the line are still white"

# ---- 11. File, Exit ----------------------------------------------------------------------
step "step 11: File > Exit ends the program with status 0 within 5 s"
exit_through_file_menu

STEP="the end"
PASSED=1
log "all steps passed"
