#!/usr/bin/env bash
# Shared steps of the manual window checks: a virtual display of our own, a program folder in a
# temporary place, windows found by title, clicks and screenshots. Source it from a driver script.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${BUILD_DIR:-$root/build}
display_number=${DISPLAY_NUMBER:-94}
shots=${SHOTS:-/tmp/manual-shots}
export DISPLAY=":$display_number"
mkdir -p "$shots"

# The tools of these checks (not needed by the build or the tests).
need_tools() {
  command -v xdotool >/dev/null && command -v import >/dev/null && return
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends xdotool imagemagick
}

started_display=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$started_display" ] && kill "$started_display" 2>/dev/null || true
}
trap cleanup EXIT

# Starts Xvfb on our display unless one runs there already.
start_display() {
  if ! xdotool getmouselocation >/dev/null 2>&1; then
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    started_display=$!
    for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
  fi
}

# A program folder with the configurator and the programs it ships; a configuration "demo" is
# open and the device address is the loopback address.
make_program_folder() {
  program=$(mktemp -d /tmp/manual-program.XXXXXX)
  cp "$build/bin/configurator" "$build/bin/Ethernet_Update" "$program/"
  [ -d "$build/bin/LANGUAGE" ] && cp -r "$build/bin/LANGUAGE" "$program/"
  mkdir -p "$program/PROJECTS/demo/bin" "$program/MASTER" "$program/LANGUAGE"
  cat >"$program/Brevandor.xml" <<XML
<Conf_Settings><lastproj><projectname>demo</projectname></lastproj><lastipadd><ipaddress>127.0.0.1</ipaddress></lastipadd><lastlang><language>English</language></lastlang></Conf_Settings>
XML
}

start_program() {
  (cd "$program" && exec ./configurator) &
  app_pid=$!
}

# Waits for a window whose title contains the text; prints "id x y".
wait_window() {
  local id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1 || true)
    [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || { echo "no window: $1" >&2; return 1; }
  eval "$(xdotool getwindowgeometry --shell "$id")"
  echo "$id $X $Y"
}

click_at() {
  xdotool mousemove "$1" "$2"
  sleep 0.2
  xdotool click 1
  sleep 0.4
}

# Waits up to 5 s for the file to have content (a test program's report).
wait_report() {
  for _ in $(seq 50); do [ -s "$1" ] && break; sleep 0.1; done
}

# Presses the left button at (x1, y1) and moves to (x2, y2) in ten steps, still holding it, as a
# hand would drag; the caller releases it (xdotool mouseup 1).
press_and_move() {
  xdotool mousemove "$1" "$2"
  sleep 0.3
  xdotool mousedown 1
  for step in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove $(($1 + ($3 - $1) * step / 10)) $(($2 + ($4 - $2) * step / 10))
    sleep 0.1
  done
}

shot() {
  sleep 0.3
  import -window root "$shots/$1.png"
  echo "screenshot: $shots/$1.png"
}
