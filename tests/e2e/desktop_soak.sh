#!/usr/bin/env bash
# Random user input for the real program on a real display: its own Xvfb
# under openbox, and EVENTS events drawn from SEED: clicks, drags, right
# presses and wheel turns on the field and the panel, keys, trips through
# the menus, clicks and keys on whatever dialog is open, and the window
# manager's moves, minimizes, restores, raises, maximizes and closes of
# dialogs. Nothing it sends ends the program on purpose: no click reaches
# the menu bar, Alt comes only in sequences that leave File alone and end
# with the menus closed, no function key is pressed and the main window is
# never asked to close. Afterwards the program must still answer (Help >
# About opens its window and Escape closes it), end with status 0 through
# File > Exit, and have written no sanitizer report.
#
#   desktop_soak.sh ASTROLATHE WORK_DIR EVENTS SEED
#
# Exit 0 when it held; 77 (CTest's skip) when a tool is missing and CI is not
# set; 1 otherwise, naming the event or the check. Every event sent is in
# WORK_DIR/events.log; after a failure the work directory stays, with the
# program's output and a screenshot, and the same seed replays the run.
set -u -o pipefail

if [[ $# -ne 4 || ! $3 =~ ^[0-9]+$ || ! $4 =~ ^[0-9]+$ ]]; then
  echo "usage: $0 ASTROLATHE WORK_DIR EVENTS SEED (EVENTS and SEED whole numbers)" >&2
  exit 2
fi
readonly APP=$1 WORK=$2 EVENTS=$3 SEED=$4
readonly PROBE=
HERE=.
[[ $0 == */* ]] && HERE=${0%/*}
HERE=$(cd "$HERE" && pwd) || exit 2
readonly HERE
LOG_NAME=desktop-soak

# shellcheck source=program_layout.sh
source "$HERE/program_layout.sh"
# shellcheck source=xvfb_session.sh
source "$HERE/xvfb_session.sh"

require_tools "xvfb, xdotool, x11-utils, openbox, wmctrl" \
  Xvfb xdotool xwininfo xprop timeout openbox wmctrl
require_built "$APP"
prepare_work

# A sanitizer report ends the program at once, as under ctest's asan preset;
# the caller's own settings win.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:strict_string_checks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

REPLAY_HINT="the same run again: bash $0 $APP $WORK $EVENTS $SEED, or on the sanitizer build tools/desktop-soak --seed $SEED --events $EVENTS"
log "seed $SEED, $EVENTS events"

# ---- The random numbers ---------------------------------------------------------------
# Our own generator rather than $RANDOM, so that a seed replays the same run
# whatever the shell's version. Sets R to a whole number in [0, $1).
STATE=$((SEED % 2147483648))
draw() {
  STATE=$(((STATE * 1103515245 + 12345) % 2147483648))
  R=$(((STATE >> 8) % $1))
}
# Sets R to a whole number in [$1, $2].
draw_between() {
  draw $(($2 - $1 + 1))
  R=$((R + $1))
}
# Sets PICK to one of the arguments.
pick() {
  draw $#
  shift "$R"
  PICK=$1
}

# ---- The program's windows ------------------------------------------------------------
# Sets DIALOG to the dialog on top of the stacking order, nothing when there
# is none: every client of this display other than the main window is one
# of the program's dialogs.
find_top_dialog() {
  DIALOG=$(stacking | grep -vx "$MAIN_ID" | tail -n 1)
}

# Runs an xdotool or wmctrl command of the run; a window that went away
# between looking and acting is part of the game, not a failure.
send() { bounded "$@" >/dev/null 2>&1 || true; }

# A random point of the main window's scene, the panel included, in screen
# pixels: PX, PY. Clicks stay below the menu bar, so that no click can
# reach File.
scene_point() {
  draw "$WW"
  PX=$((WX + R))
  draw $((WH - MENU_BAR))
  PY=$((WY + MENU_BAR + R))
}

PLACED=()  # where drags began, to aim right presses at bodies
WITH_DIALOG=0

event() {
  local what
  geometry "$MAIN_ID" || fail "the main window is gone"
  find_top_dialog
  draw 100
  if ((R < 10)); then
    what="left click on the field"
    scene_point
    send xdotool mousemove "$PX" "$PY" mousedown 1 mouseup 1
  elif ((R < 20)); then
    what="left drag on the field"
    local moves=() i x y
    scene_point
    x=$PX y=$PY
    draw_between 1 6
    for ((i = 0; i < R; i++)); do
      draw 41
      x=$((x + R - 20))
      draw 41
      y=$((y + R - 20))
      moves+=(mousemove "$x" "$y")
    done
    send xdotool mousemove "$PX" "$PY" mousedown 1 "${moves[@]}" mouseup 1
    PLACED+=("$((PX - WX)) $((PY - WY))")
  elif ((R < 25)); then
    what="right press on the field"
    scene_point
    send xdotool mousemove "$PX" "$PY" mousedown 3 mouseup 3
  elif ((R < 30)); then
    what="right press where a drag began"
    if [[ ${#PLACED[@]} -gt 0 ]]; then
      draw ${#PLACED[@]}
      read -r x y <<<"${PLACED[R]}"
      send xdotool mousemove $((WX + x)) $((WY + y)) mousedown 3 mouseup 3
    fi
  elif ((R < 34)); then
    what="wheel"
    scene_point
    pick 4 5
    draw_between 1 3
    local turns=()
    for ((i = 0; i < R; i++)); do turns+=(mousedown "$PICK" mouseup "$PICK"); done
    send xdotool mousemove "$PX" "$PY" "${turns[@]}"
  elif ((R < 40)); then
    what="Go, Stop or a slider"
    local right=$WW bottom=$((WH - MENU_BAR - STATUS_BAR))
    draw 4
    case $R in
      0) send xdotool mousemove "$(sx $((right - 105)))" "$(sy $((bottom - 253)))" mousedown 1 mouseup 1 ;;
      1) send xdotool mousemove "$(sx $((right - 40)))" "$(sy $((bottom - 253)))" mousedown 1 mouseup 1 ;;
      *)
        # Down one of the two sliders' thumbs' columns and along it.
        local column=$((right - (R == 2 ? 119 : 54)))
        draw 190
        local from=$((bottom - 210 + R))
        draw 190
        send xdotool mousemove "$(sx "$column")" "$(sy "$from")" mousedown 1 \
          mousemove "$(sx "$column")" "$(sy $((bottom - 210 + R)))" mouseup 1
        ;;
    esac
  elif ((R < 55)); then
    what="click on the dialog"
    if [[ -n $DIALOG ]] && geometry "$DIALOG"; then
      draw "$WW"
      PX=$((WX + R))
      draw "$WH"
      send xdotool mousemove "$PX" $((WY + R)) mousedown 1 mouseup 1
    fi
  elif ((R < 58)); then
    what="Remove in a body's dialog"
    if [[ -n $DIALOG ]] && geometry "$DIALOG"; then
      send xdotool mousemove $((WX + REMOVE_BUTTON_X)) $((WY + REMOVE_BUTTON_Y)) mousedown 1 mouseup 1
    fi
  elif ((R < 70)); then
    pick Return Escape Tab shift+Tab Up Down Left Right space BackSpace Delete Home End \
      a b c e g h k m q r s x y z 0 1 2 5 9 minus period
    what="key $PICK"
    send xdotool key "$PICK"
  elif ((R < 75)); then
    # What ends a dialog, given more often than the other keys.
    pick Return Escape
    what="key $PICK"
    send xdotool key "$PICK"
  elif ((R < 77)); then
    # Mnemonics of a dialog. None is the letter of one of the main
    # window's menus, should the dialog have closed by the time the keys
    # arrive.
    pick a b d e g l o r s u
    what="Alt+$PICK in a dialog"
    if [[ -n $DIALOG && $(active_window) == "$DIALOG" ]]; then send xdotool key "alt+$PICK"; fi
  elif ((R < 82)); then
    # From the bar on File, one to three steps left reach Help, Control
    # and View, never the blank item or File; two Escapes leave the drop-down
    # and the bar whatever happened between.
    local keys=(Alt_L) lefts
    draw_between 1 3
    lefts=$R
    for ((i = 0; i < lefts; i++)); do keys+=(Left); done
    draw 3
    case $R in
      0) ;;
      1) keys+=(Down) ;;
      2)
        keys+=(Down)
        draw 3
        for ((i = 0; i < R; i++)); do keys+=(Down); done
        keys+=(Return)
        ;;
    esac
    keys+=(Escape Escape)
    what="menu keys ${keys[*]}"
    [[ -z $DIALOG ]] && send xdotool key --delay 30 "${keys[@]}"
  elif ((R < 85)); then
    what="window manager moves the main window"
    draw_between -100 1100
    local x=$R
    draw_between -50 900
    send wmctrl -i -r "$MAIN_ID" -e "0,$x,$R,-1,-1"
  elif ((R < 87)); then
    what="window manager moves the dialog"
    if [[ -n $DIALOG ]]; then
      draw_between 0 1100
      local x=$R
      draw_between 0 900
      send wmctrl -i -r "$DIALOG" -e "0,$x,$R,-1,-1"
    fi
  elif ((R < 89)); then
    # Restored soon after, through the main window or the dialog, so that
    # the events after it reach the program.
    local active back
    active=$(active_window)
    pick "$MAIN_ID" "${DIALOG:-$MAIN_ID}"
    back=$PICK
    draw_between 20 300
    what="minimize the active window, restore $back after $R ms"
    if [[ -n $active ]]; then
      send xdotool windowminimize "$active"
      sleep "$(printf '0.%03d' "$R")"
      send wmctrl -i -a "$back"
    fi
  elif ((R < 91)); then
    what="raise the main window"
    send wmctrl -i -a "$MAIN_ID"
  elif ((R < 92)); then
    what="raise the dialog"
    [[ -n $DIALOG ]] && send wmctrl -i -a "$DIALOG"
  elif ((R < 94)); then
    what="toggle maximize"
    send wmctrl -i -r "$MAIN_ID" -b toggle,maximized_vert,maximized_horz
  elif ((R < 95)); then
    what="double click on the title bar"
    frame_extents "$MAIN_ID" &&
      send xdotool mousemove $((WX + WW / 2)) $((WY - FT / 2)) mousedown 1 mouseup 1 sleep 0.1 \
        mousedown 1 mouseup 1
  elif ((R < 96)); then
    what="window manager closes the dialog"
    [[ -n $DIALOG ]] && send wmctrl -i -c "$DIALOG"
  else
    draw_between 20 300
    what="pause $R ms"
    sleep "$(printf '0.%03d' "$R")"
  fi
  [[ -n $DIALOG ]] && WITH_DIALOG=$((WITH_DIALOG + 1))
  echo "$1: $what${DIALOG:+ (dialog $DIALOG open)}" >>"$WORK/events.log"
}

# ---- The run --------------------------------------------------------------------------
step "starting Xvfb, openbox and the program"
start_xvfb || fail "no Xvfb would start (see $WORK/xvfb.log)"
start_openbox || fail "openbox did not manage the screen within 10 s (see $WORK/openbox.log)"
start_program "$APP"
until_true 40 window_shown "$MAIN_TITLE" || fail "no window titled \"Astrolathe v1.0\" within 40 s"
MAIN_ID=$(window_id "$MAIN_TITLE")

step "sending $EVENTS events"
for ((k = 1; k <= EVENTS; k++)); do
  STEP="event $k of $EVENTS (seed $SEED; see $WORK/events.log)"
  check_app
  kill -0 "$XVFB_PID" 2>/dev/null || fail "Xvfb is gone"
  kill -0 "$OPENBOX_PID" 2>/dev/null || fail "openbox is gone"
  event "$k"
  ((k % 500 == 0)) && log "$k events sent"
done
log "all $EVENTS events sent, $WITH_DIALOG of them with a dialog open"

# ---- Afterwards: the program still answers ------------------------------------------
step "afterwards: every window restored, every dialog closed"
settle() {
  send wmctrl -i -r "$MAIN_ID" -b remove,maximized_vert,maximized_horz
  send wmctrl -i -a "$MAIN_ID"
  find_top_dialog
  if [[ -n $DIALOG ]]; then
    send wmctrl -i -a "$DIALOG"
    sleep 0.2
    [[ $(active_window) == "$DIALOG" ]] && send xdotool key Escape
    sleep 0.2
    return 1
  fi
  geometry "$MAIN_ID" && [[ $MAP_STATE == IsViewable ]]
}
until_true 60 settle ||
  fail "60 s on, the windows $(stacking | tr '\n' ' ')are still open beside the main window $MAIN_ID"

step "afterwards: Help > About opens its window, Escape closes it"
focus_main
# The program may still be working through what it was sent: it has until
# the about box shows to do so.
press_keys "Escape Escape $ABOUT_KEYS"
until_true 30 window_shown "$ABOUT_TITLE" || fail "no window titled \"About Astrolathe v1.0\" within 30 s"
ABOUT_ID=$(window_id "$ABOUT_TITLE")
bounded xdotool windowactivate --sync "$ABOUT_ID" || fail "could not activate the about box"
press_keys Escape
until_true 10 window_gone "$ABOUT_TITLE" || fail "the about box is still open 10 s after Escape"

step "afterwards: File > Exit ends the program with status 0"
focus_main
press_keys "$EXIT_KEYS"
expect_exit_0 30 "File > Exit"

step "afterwards: no sanitizer report"
REPORT=$(grep -E -m 5 'ERROR: (Address|Leak)Sanitizer|WARNING: AddressSanitizer|runtime error:|SUMMARY: [A-Za-z]*Sanitizer' \
  "$WORK/astrolathe.log")
[[ -z $REPORT ]] || fail "the sanitizers reported: $REPORT"

STEP="the end"
PASSED=1
log "passed: seed $SEED, $EVENTS events"
