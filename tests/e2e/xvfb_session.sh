# The end-to-end test's machinery, sourced by xvfb_e2e.sh: logging and
# failing, its own Xvfb, the program's process, windows looked up by title,
# screenshots and the probe's answers about them. It reads what the caller
# set before sourcing it: APP, PROBE, WORK, and the layout constants
# MENU_BAR, STATUS_BAR, WIN_W, WIN_H, SCENE_W, SCENE_H, BODY_RADIUS and
# BODY_COLOUR.
# The globals it sets (BODIES, TIME_PANE, SHOT, WX...) are for the caller.
# shellcheck shell=bash disable=SC2154,SC2034

XVFB_PID=
APP_PID=
STEP="setting up"
PASSED=0
START_MS=$(($(date +%s%N) / 1000000))

now_ms() { echo $(($(date +%s%N) / 1000000)); }
log() { echo "e2e: [$(($(now_ms) - START_MS)) ms] $*"; }
fail() {
  echo "e2e: FAILED at $STEP: $*" >&2
  exit 1
}
step() {
  STEP=$1
  log "$STEP"
}

# Ends a process of ours: asked first, then told.
stop_process() {
  local pid=$1 i
  [[ -n $pid ]] || return 0
  if kill -0 "$pid" 2>/dev/null; then
    kill -TERM "$pid" 2>/dev/null
    for ((i = 0; i < 30; i++)); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null
  fi
  wait "$pid" 2>/dev/null
  return 0
}

cleanup() {
  local status=$?
  trap - EXIT
  stop_process "$APP_PID"
  stop_process "$XVFB_PID"
  if [[ $PASSED -eq 1 ]]; then
    rm -rf "$WORK"
  elif [[ -d $WORK ]]; then
    if [[ -s $WORK/astrolathe.log ]]; then
      echo "e2e: the program's output:" >&2
      tail -n 40 "$WORK/astrolathe.log" >&2
    fi
    echo "e2e: screenshots and logs are in $WORK" >&2
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# Every command that talks to the X server is bounded, so that a server that
# stops answering fails a step instead of hanging the test.
bounded() { timeout -k 2 15 "$@"; }

# Runs "$@" every 100 ms until it succeeds; false once $1 seconds have passed.
until_true() {
  local seconds=$1 deadline
  shift
  deadline=$(($(now_ms) + seconds * 1000))
  while true; do
    "$@" && return 0
    (($(now_ms) >= deadline)) && return 1
    sleep 0.1
  done
}

# ---- The X server -----------------------------------------------------------------------
# A display nobody holds: neither a socket nor a lock file. Another server
# may take the same number between our look and our start; then ours exits
# and the next number is tried.
start_xvfb() {
  local n tries=0
  for ((n = 100 + $$ % 300; tries < 40; n++, tries++)); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    if until_true 10 xvfb_ready && kill -0 "$XVFB_PID" 2>/dev/null; then
      log "Xvfb on :$n"
      return 0
    fi
    stop_process "$XVFB_PID"
    XVFB_PID=
  done
  return 1
}
xvfb_ready() {
  kill -0 "$XVFB_PID" 2>/dev/null || return 0 # gone: no use waiting longer
  timeout 5 xdotool getdisplaygeometry >/dev/null 2>&1
}

# ---- Windows and pixels -----------------------------------------------------------------
# Every wait for the program looks here first, so that a program that
# crashed fails the step at once, with its status, instead of at a timeout.
check_app() {
  local status
  [[ -z $APP_PID ]] && return 0
  kill -0 "$APP_PID" 2>/dev/null && return 0
  wait "$APP_PID"
  status=$?
  APP_PID=
  fail "the program ended unexpectedly, status $status"
}

# The id of the one mapped window whose title matches; nothing when there is
# none. Looked up afresh every time, since the program makes new ones.
window_id() {
  local ids
  ids=$(bounded xdotool search --onlyvisible --name "$1" 2>/dev/null)
  [[ $(wc -w <<<"$ids") -eq 1 ]] && echo "$ids"
}
window_shown() {
  check_app
  [[ -n $(window_id "$1") ]]
}
window_gone() {
  check_app
  [[ -z $(bounded xdotool search --onlyvisible --name "$1" 2>/dev/null) ]]
}

# Sets WX, WY, WW, WH to the window's absolute position and size.
geometry() {
  local info
  info=$(bounded xwininfo -id "$1") || return 1
  WX=$(sed -n 's/^ *Absolute upper-left X: *\(-\{0,1\}[0-9]*\)$/\1/p' <<<"$info")
  WY=$(sed -n 's/^ *Absolute upper-left Y: *\(-\{0,1\}[0-9]*\)$/\1/p' <<<"$info")
  WW=$(sed -n 's/^ *Width: *\([0-9]*\)$/\1/p' <<<"$info")
  WH=$(sed -n 's/^ *Height: *\([0-9]*\)$/\1/p' <<<"$info")
  [[ -n $WX && -n $WY && -n $WW && -n $WH ]]
}

SHOTS=0
# Takes a screenshot and sets SHOT to its file.
shot() {
  check_app
  SHOTS=$((SHOTS + 1))
  SHOT=$WORK/shot-$(printf %03d $SHOTS).png
  bounded import -window root "png24:$SHOT" 2>>"$WORK/import.log" || fail "import could not read the screen"
}

probe() { "$PROBE" "$@"; }
# Screen coordinates of client pixel ($1, $2) of the main window.
sx() { echo $((WX + $1)); }
sy() { echo $((WY + MENU_BAR + $1)); }

# The main window, focused, with WX and WY where it is now.
focus_main() {
  local id
  id=$(window_id "$MAIN_TITLE") || fail "the main window is gone"
  bounded xdotool windowfocus --sync "$id" || fail "could not focus the main window"
  geometry "$id" || fail "could not read the main window's geometry"
}

# Sets BODIES to the centres found in the scene of screenshot $1, one a line.
bodies_in() {
  BODIES=$(probe find-bodies "$1" "$WX" "$((WY + MENU_BAR))" "$((WX + SCENE_W))" \
    "$((WY + MENU_BAR + SCENE_H))" "$BODY_RADIUS" "$BODY_COLOUR") || fail "e2e-probe failed"
}

# Sets TIME_PANE to "L T R B" of the status bar's time pane in screenshot $1:
# the second bordered pane, since the message pane has no border.
time_pane_in() {
  local boxes
  boxes=$(probe sunken-boxes "$1" "$WX" "$((WY + WIN_H - STATUS_BAR))" "$((WX + WIN_W))" \
    "$((WY + WIN_H))") || fail "e2e-probe failed"
  [[ $(wc -l <<<"$boxes") -eq 4 ]] || fail "expected 4 bordered status-bar panes, found: $boxes"
  TIME_PANE=$(sed -n 2p <<<"$boxes")
}

pixel_is() { [[ $(probe pixel "$1" "$2" "$3") == "$4" ]]; }

