# The machinery the scripts here share, sourced by each of them: logging and
# failing, the tools they need, their work directory, their own Xvfb and
# window manager, the program's process, windows looked up by title, the
# window manager's properties, screenshots and the probe's answers about
# them. It reads what the caller set before sourcing it: WORK, PROBE (for
# the screenshot questions), LOG_NAME (the prefix of every line, "e2e"
# unless set), REPLAY_HINT (said after a failure, if set), and the layout
# constants of program_layout.sh.
# The globals it sets (BODIES, TIME_PANE, SHOT, WX...) are for the caller.
# shellcheck shell=bash disable=SC2154,SC2034

XVFB_PID=
OPENBOX_PID=
APP_PID=
STEP="setting up"
PASSED=0
LOG_NAME=${LOG_NAME:-e2e}
START_MS=$(($(date +%s%N) / 1000000))

now_ms() { echo $(($(date +%s%N) / 1000000)); }
log() { echo "$LOG_NAME: [$(($(now_ms) - START_MS)) ms] $*"; }
fail() {
  echo "$LOG_NAME: FAILED at $STEP: $*" >&2
  exit 1
}
step() {
  STEP=$1
  log "$STEP"
}

# Skips (77, CTest's skip) when one of the tools is missing, unless CI is
# set, where a missing tool fails. $1 names the Debian packages that bring
# them all.
require_tools() {
  local packages=$1 tool missing=()
  shift
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
  done
  [[ ${#missing[@]} -eq 0 ]] && return 0
  echo "$LOG_NAME: missing ${missing[*]} (Debian packages $packages)" >&2
  if [[ -n ${CI:-} ]]; then
    echo "$LOG_NAME: CI is set, so a missing tool is a failure" >&2
    exit 1
  fi
  echo "$LOG_NAME: skipped" >&2
  exit 77
}

require_built() {
  local program
  for program in "$@"; do
    if [[ ! -x $program ]]; then
      echo "$LOG_NAME: $program is not built" >&2
      exit 1
    fi
  done
}

# Empties WORK for this run and from here on cleans up on every way out.
# The directory is emptied first: refuse anything that could be someone's.
prepare_work() {
  case $WORK in
    "" | / | "$HOME" | /tmp | .)
      echo "$LOG_NAME: refusing to use $WORK as the work directory" >&2
      exit 2
      ;;
  esac
  rm -rf "$WORK"
  mkdir -p "$WORK" || exit 1
  trap cleanup EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
  trap 'exit 129' HUP
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
  # What the screen showed when it went wrong.
  if [[ $PASSED -ne 1 && -n $XVFB_PID && -d $WORK ]]; then
    timeout -k 2 10 import -window root "png24:$WORK/at-the-end.png" 2>>"$WORK/import.log"
  fi
  stop_process "$APP_PID"
  stop_process "$OPENBOX_PID"
  stop_process "$XVFB_PID"
  if [[ $PASSED -eq 1 ]]; then
    rm -rf "$WORK"
  elif [[ -d $WORK ]]; then
    if [[ -s $WORK/astrolathe.log ]]; then
      echo "$LOG_NAME: the program's output:" >&2
      tail -n 40 "$WORK/astrolathe.log" >&2
    fi
    echo "$LOG_NAME: screenshots and logs are in $WORK" >&2
    [[ -n ${REPLAY_HINT:-} ]] && echo "$LOG_NAME: $REPLAY_HINT" >&2
  fi
  exit "$status"
}

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

# ---- The X server and the window manager ---------------------------------------------
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

# Openbox on our display with the configuration beside these scripts, and
# nothing of the user's: no session manager, its configuration and cache
# directories in WORK. True once it manages the screen: it has named its
# check window on the root window and answers as a window manager.
start_openbox() {
  XDG_CONFIG_HOME=$WORK/openbox-config XDG_CACHE_HOME=$WORK/openbox-cache \
    openbox --sm-disable --config-file "$HERE/openbox_rc.xml" >"$WORK/openbox.log" 2>&1 &
  OPENBOX_PID=$!
  until_true 10 openbox_managing && kill -0 "$OPENBOX_PID" 2>/dev/null
}
# openbox names itself (_NET_SUPPORTING_WM_CHECK) before it has measured the
# screen; the work area comes last, so only then is it ready for a window.
openbox_managing() {
  kill -0 "$OPENBOX_PID" 2>/dev/null || return 0
  [[ $(bounded xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *"window id #"* ]] &&
    bounded wmctrl -m >/dev/null 2>&1 && work_area
}

# ---- The program -------------------------------------------------------------------------
# Starts "$@" as the program, its output in WORK/astrolathe.log, with nothing
# of the caller's display: X11 on our server only. Leak reports stay on for
# the program itself (a sanitizer build); only libdbus's own is set aside.
start_program() {
  unset WAYLAND_DISPLAY
  # The desktop's own scale would change every size the tests expect; a
  # test that wants one sets it on the program's command line.
  unset GDK_SCALE
  export SDL_VIDEODRIVER=x11
  export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$HERE/lsan.supp"
  "$@" >"$WORK/astrolathe.log" 2>&1 &
  APP_PID=$!
}

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

# Waits up to $1 seconds for the program to end by itself after what $2
# names; fails the step if it does not, or if it ends with another status
# than 0.
expect_exit_0() {
  local seconds=$1 cause=$2 chosen status
  chosen=$(now_ms)
  until_true "$seconds" app_ended || fail "the program still runs $seconds s after $cause"
  wait "$APP_PID"
  status=$?
  APP_PID=
  log "the program ended $(($(now_ms) - chosen)) ms after $cause, status $status"
  [[ $status -eq 0 ]] || fail "the program ended with status $status"
}
app_ended() { ! kill -0 "$APP_PID" 2>/dev/null; }

# ---- Windows and pixels -----------------------------------------------------------------
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

# Sets WX, WY, WW, WH to the window's absolute position and size, and
# MAP_STATE to IsViewable, IsUnMapped or IsUnviewable.
# Parsed in the shell itself: the random run asks this before every event.
geometry() {
  local info line
  info=$(bounded xwininfo -id "$1") || return 1
  WX='' WY='' WW='' WH='' MAP_STATE=''
  while IFS= read -r line; do
    case $line in
      *"Absolute upper-left X:"*) WX=${line##*: } ;;
      *"Absolute upper-left Y:"*) WY=${line##*: } ;;
      *"Width:"*) WW=${line##*: } ;;
      *"Height:"*) WH=${line##*: } ;;
      *"Map State:"*) MAP_STATE=${line##*: } ;;
    esac
  done <<<"$info"
  WX=${WX// /} WY=${WY// /} WW=${WW// /} WH=${WH// /}
  [[ $WX =~ ^-?[0-9]+$ && $WY =~ ^-?[0-9]+$ && $WW =~ ^[0-9]+$ && $WH =~ ^[0-9]+$ ]]
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

# The main window, focused, with WX and WY where it is now. Under a window
# manager the focus is asked of it, as a user's click on the window would.
focus_main() {
  local id
  id=$(window_id "$MAIN_TITLE") || fail "the main window is gone"
  if [[ -n $OPENBOX_PID ]]; then
    bounded xdotool windowactivate --sync "$id" || fail "could not activate the main window"
  else
    bounded xdotool windowfocus --sync "$id" || fail "could not focus the main window"
  fi
  geometry "$id" || fail "could not read the main window's geometry"
}

# Presses the keys named in $1 (blank-separated), one by one.
press_keys() {
  local key
  for key in $1; do
    bounded xdotool key "$key" || fail "xdotool key $key failed"
  done
}

# Whether a screenshot shows main window $1 drawn: the menu bar, the status
# bar and the field, wherever the window is now and whatever its size.
main_painted() {
  geometry "$1" || return 1
  shot
  pixel_is "$SHOT" $((WX + WW - 5)) $((WY + FILE_Y)) "$FACE" &&
    pixel_is "$SHOT" $((WX + 150)) $((WY + WH - 10)) "$FACE" &&
    pixel_is "$SHOT" "$(sx 10)" "$(sy 200)" "$BLACK"
}

# File > Exit with the mouse, as a user ends the program; it must end with
# status 0 within 5 s.
exit_through_file_menu() {
  focus_main
  bounded xdotool mousemove $((WX + FILE_X)) $((WY + FILE_Y)) click 1 || fail "xdotool click failed"
  until_true 10 file_menu_open || fail "the File menu did not open (see $SHOT)"
  bounded xdotool mousemove "$(sx $EXIT_X)" "$(sy $EXIT_Y)" click 1 || fail "xdotool click failed"
  expect_exit_0 5 "File > Exit"
}
file_menu_open() {
  shot
  pixel_is "$SHOT" "$(sx 5)" "$(sy $EXIT_Y)" "$FACE"
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

# ---- What the window manager was told and publishes ---------------------------------
# The value of property $2 of window $1 as xprop prints it after "= ",
# nothing when the window has none.
property() {
  bounded xprop -id "$1" "$2" 2>/dev/null | sed -n '1s/^[^=]*= *//p'
}
# The atoms of an atom-list property, one a line.
atoms() { property "$1" "$2" | tr ',' '\n' | tr -d ' '; }
has_atom() { atoms "$1" "$2" | grep -qx "$3"; }
# A window id as xprop spells it.
hex_id() { printf '0x%x' "$1"; }
# The window WM_TRANSIENT_FOR names, in decimal; nothing when there is none.
transient_for() {
  local value
  value=$(bounded xprop -id "$1" WM_TRANSIENT_FOR 2>/dev/null | sed -n 's/.*window id # *\(0x[0-9a-fA-F]*\).*/\1/p')
  [[ -n $value ]] && echo $((value))
}
# Sets FL, FR, FT, FB to the window manager's frame round window $1.
frame_extents() {
  local value
  value=$(property "$1" _NET_FRAME_EXTENTS)
  IFS=', ' read -r FL FR FT FB <<<"$value"
  [[ -n $FL && -n $FR && -n $FT && -n $FB ]]
}
# Sets WA_X, WA_Y, WA_W, WA_H to the first desktop's work area.
work_area() {
  local value
  value=$(bounded xprop -root _NET_WORKAREA 2>/dev/null | sed -n 's/^[^=]*= *//p')
  IFS=', ' read -r WA_X WA_Y WA_W WA_H _ <<<"$value"
  [[ -n $WA_X && -n $WA_Y && -n $WA_W && -n $WA_H ]]
}
# The client windows bottom to top, decimal, one a line.
stacking() {
  local value id
  value=$(bounded xprop -root _NET_CLIENT_LIST_STACKING 2>/dev/null) || return 0
  [[ $value == *"#"* ]] || return 0
  for id in ${value#*#}; do
    id=${id%,}
    [[ $id == 0x* ]] && echo $((id))
  done
}
active_window() { bounded xdotool getactivewindow 2>/dev/null; }
