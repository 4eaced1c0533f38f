#!/usr/bin/env bash
# Builds the suite and starts FrameWright.exe under Wine on the user's
# display. Where there is none (DISPLAY unset, or a display that does not
# answer) it says so and runs the program on a virtual display (Xvfb): once
# the main window is shown and drawn, a screenshot of it goes to
# build/screenshots/main-window.png, so that what started can still be seen.
# Either way it runs until the program ends; stopping the script ends the
# program, and the display and the wineserver that the script started.
# Where this machine starts no 32-bit programs, the 64-bit build of the same
# sources runs instead.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/setup.sh"
source "$here/wine-env.sh" win32
if ! vrc_can_run_32bit; then
  echo "start: this machine starts no 32-bit programs; starting the 64-bit build"
  source "$here/wine-env.sh" win64
fi
vrc_build -DVRC_BUILD_TESTS=OFF

# How long the program may take to show its main window on a virtual display.
shot_timeout="${VRC_START_TIMEOUT:-60}"
shots="$(dirname "$VRC_BUILD")/screenshots"

virtual=""
if [ -z "${DISPLAY:-}" ]; then
  echo "start: there is no display here (DISPLAY is not set); FrameWright.exe runs on a virtual display"
  virtual=1
elif ! xdpyinfo >/dev/null 2>&1; then
  echo "start: the display $DISPLAY does not answer; FrameWright.exe runs on a virtual display"
  unset DISPLAY
  virtual=1
fi

program=""
finish() {
  if [ -n "$program" ] && kill -0 "$program" 2>/dev/null; then
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
  fi
  vrc_env_stop
}
# Set first: the program, the display and the server go also when the
# script is stopped.
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP
vrc_env_start
cd "$VRC_BUILD/bin"

if [ -z "$virtual" ]; then
  status=0
  "$WINELOADER" FrameWright.exe "$@" || status=$?
  echo "start: FrameWright.exe ended with exit code $status"
  exit "$status"
fi

# The main window of a process: its largest visible top-level window, found
# by the process id that Wine gives each window it makes (the caption is
# translated, and tool tips and menus are small and mostly hidden).
main_window() {
  local id best="" area=0 w h
  for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null || true); do
    WIDTH=0 HEIGHT=0
    eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null | grep -E '^(WIDTH|HEIGHT)=[0-9]+$')"
    w="$WIDTH" h="$HEIGHT"
    if [ $((w * h)) -gt "$area" ]; then
      best="$id" area=$((w * h))
    fi
  done
  echo "$best"
}

# Drawn: two looks a moment apart see the same picture, and more than one
# colour (a window just mapped is one flat colour until it paints).
window_drawn() {
  local first second colours
  first="$(import -window "$1" rgb:- 2>/dev/null | md5sum)" || return 1
  sleep 0.5
  second="$(import -window "$1" rgb:- 2>/dev/null | md5sum)" || return 1
  [ "$first" = "$second" ] || return 1
  colours="$(import -window "$1" png:- 2>/dev/null | convert png:- -format '%k' info: 2>/dev/null)" ||
    return 1
  [ "${colours:-0}" -gt 1 ]
}

"$WINELOADER" FrameWright.exe "$@" &
program=$!
mkdir -p "$shots"
rm -f "$shots/main-window.png" "$shots/screen.png"
window=""
started=$SECONDS
while :; do
  if ! kill -0 "$program" 2>/dev/null; then
    status=0
    wait "$program" || status=$?
    program=""
    echo "start: FrameWright.exe ended with exit code $status before its main window was shown"
    exit "$status"
  fi
  [ -n "$window" ] || window="$(main_window "$program")"
  if [ -n "$window" ] && window_drawn "$window"; then
    if import -window "$window" "$shots/main-window.png"; then
      echo "start: the main window is up; its screenshot is $shots/main-window.png"
    else
      echo "start: the main window is up, but its screenshot could not be saved" >&2
    fi
    break
  fi
  if [ $((SECONDS - started)) -ge "$shot_timeout" ]; then
    import -window root "$shots/screen.png" 2>/dev/null || true
    echo "start: no main window after ${shot_timeout} s; giving up (the whole virtual screen" \
      "is in $shots/screen.png)" >&2
    exit 1
  fi
  sleep 0.5
done

echo "start: FrameWright.exe runs on the virtual display $DISPLAY; stop it with Ctrl-C"
status=0
wait "$program" || status=$?
program=""
echo "start: FrameWright.exe ended with exit code $status"
exit "$status"
