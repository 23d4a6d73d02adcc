#!/usr/bin/env bash
# Without Liberation Sans the program goes on, and says once on standard
# error what it asked for, what it got and which package provides it: with
# no fonts at all, and with only another face (DejaVu) to be had.
# Usage: missing_font.sh REPLAY WORK
set -uo pipefail
readonly REPLAY=$1 WORK=$2
rm -rf "$WORK" && mkdir -p "$WORK/cache" || exit 2

fail() {
  echo "missing-font: $*" >&2
  exit 1
}

# A fontconfig configuration that knows only the directories given.
config() {
  local file=$WORK/$1.conf dir
  shift
  {
    echo '<?xml version="1.0"?>'
    echo '<!DOCTYPE fontconfig SYSTEM "fonts.dtd">'
    echo '<fontconfig>'
    for dir in "$@"; do echo "  <dir>$dir</dir>"; done
    echo "  <cachedir>$WORK/cache</cachedir>"
    echo '</fontconfig>'
  } >"$file"
  echo "$file"
}

printf 'dump\nlpress 100 100\nlrelease 110 100\nclick 1\ndump\n' >"$WORK/script"

# Runs the driver under configuration $1; sets OUT and ERR.
run() {
  FONTCONFIG_FILE=$1 "$REPLAY" "$WORK/script" >"$WORK/out" 2>"$WORK/err" ||
    fail "the driver failed under $1: $(cat "$WORK/err")"
  OUT=$(cat "$WORK/out")
  ERR=$(cat "$WORK/err")
}

# Exactly one line, naming the face and its package, and the program went
# on to place the body.
check() {
  local what=$1 want=$2
  [[ $(grep -c . <<<"$ERR") -eq 1 ]] || fail "$what: not one line on standard error: $ERR"
  [[ $ERR == *"Liberation Sans"* && $ERR == *"fonts-liberation2"* ]] ||
    fail "$what: the message names neither the face nor its package: $ERR"
  [[ $ERR == *"$want"* ]] || fail "$what: the message does not say \"$want\": $ERR"
  [[ $(grep -c '^end$' <<<"$OUT") -eq 2 && $OUT == *"count 1"* ]] ||
    fail "$what: the program did not go on to place a body"
}

run "$(config none)"
check "no fonts" "no other font"

readonly DEJAVU=/usr/share/fonts/truetype/dejavu
[[ -d $DEJAVU ]] || fail "$DEJAVU is missing (fonts-dejavu-core)"
run "$(config dejavu "$DEJAVU")"
check "DejaVu only" "using DejaVu"
