#!/usr/bin/env bash
# The suite under Wayland (QT_QPA_PLATFORM=wayland) in weston.
#   wayland.sh headless|keys NOOKERY
# headless: weston's headless backend. The suite starts in its strip window with the start-up
#           windows (CountDown, Conversion Tables, Reminders, Sticky Notes) set in the store,
#           and, where the suite has `--open`, opens every other tool that way; SIGTERM ends it
#           with exit code 0, and nothing at all is written to standard error.
# keys:     keys need a seat with a keyboard, which the headless backend lacks, so weston runs
#           on its X11 backend inside Xvfb and xdotool types into weston's window. For each
#           tool with a key, a fresh start of the suite takes that key in the strip window
#           (which weston focuses when it maps) and shows the tool's window; text typed into
#           the notes is saved on SIGTERM; F12 ends the suite with exit code 0. Standard error
#           stays empty.
# Windows are found in weston's scene graph (weston-debug), by title.
# Weston places the windows itself: the strip is not at the top-left there.
set -uo pipefail
case_name=$1
nookery=$(realpath "$2")
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
needs weston weston-debug
[ "$case_name" = keys ] && needs Xvfb xdotool

e2e_begin "wayland $case_name" weston
private_home
unset DISPLAY WAYLAND_DISPLAY

backend=headless-backend.so
if [ "$case_name" = keys ]; then
  start_xvfb
  backend=x11-backend.so
fi
# --idle-time=0: weston's desktop shell locks the screen after five idle minutes otherwise.
weston --backend=$backend --socket=nookery-wl --use-pixman --idle-time=0 --debug \
  --width=1024 --height=768 >"$work/weston.log" 2>&1 &
pids+=($!)
wait_for 150 test -S "$work/runtime/nookery-wl" || fail "weston did not start"
export WAYLAND_DISPLAY=nookery-wl QT_QPA_PLATFORM=wayland

scene() { weston-debug scene-graph 2>/dev/null; }
# has_window TITLE: a top-level window of the suite with this title (a regular expression), in
# weston's scene graph rather than on an X server.
has_window() { scene | grep -q "top-level window '$1' of nookery"; }

# start_strip: the suite, started and showing its strip window.
start_strip() {
  start_suite
  wait_for 150 has_window Nookery || fail "the strip window was never mapped"
}
# ends_cleanly: the suite is gone with exit code 0 (within five seconds) and said nothing.
ends_cleanly() {
  ( sleep 5; kill -KILL "$suite" 2>/dev/null ) &
  local watchdog=$!
  wait "$suite"
  local rc=$?
  kill "$watchdog" 2>/dev/null
  wait "$watchdog" 2>/dev/null
  [ $rc -eq 0 ] || fail "exit code $rc (137 means it did not end within five seconds)"
  [ -s "$work/nookery.log" ] && fail "the suite wrote to standard error"
  return 0
}

case $case_name in
headless)
  strip_settings '[CountDown]' 'Startup=checked' '[Conversion%20Tables]' 'Startup=checked' \
    '[Reminders]' 'Startup=checked' '[Sticky%20Note]' 'Startup=checked'
  start_strip
  for title in CountDown 'Conversion Tables' 'Reminders.*' 'Sticky Notes - 1'; do
    wait_for 100 has_window "$title" || fail "no window '$title' at start: $(scene | grep top-level)"
  done
  # A build without options would start a second suite here: it gets five seconds, offscreen.
  mkdir -p "$work/probe"
  if (cd "$work/probe" && XDG_CONFIG_HOME="$work/probe" QT_QPA_PLATFORM=offscreen \
    timeout 5 "$nookery" --help 2>&1) | grep -q -- '--open'; then
    while read -r tool title; do
      "$nookery" --open "$tool" || fail "nookery --open $tool failed"
      wait_for 100 has_window "$title" || fail "--open $tool showed no window '$title'"
    done <<'TOOLS'
countup CountUp
datecountdown Date CountDown
fullscreen Full Screen CountDown
calendar Calendar
startuplist Startup List
help Nookery Help.*
options Nookery Options
TOOLS
  else
    echo "NOTE: this build has no --open; only the start-up windows were opened"
  fi
  scene | sed -n "s/.*top-level window '\(.*\)' of nookery.*/window: \1/p"
  kill -TERM "$suite"
  ends_cleanly
  ;;
keys)
  strip_settings
  weston_window() { xdotool search --classname '^weston' | head -n1 | grep .; }
  wait_for 100 weston_window || fail "weston's window is not on the X server"
  xdotool windowfocus --sync "$(weston_window)" || fail "weston's window cannot take the focus"
  # Calendar has no key of its own, and its menu does not open with Alt+F in weston's X11
  # backend typed with xdotool, so it is left out.
  while IFS='|' read -r keys title; do
    start_strip
    # The strip takes the keyboard a moment after weston shows it: a key before that is lost,
    # so press again until the window is there.
    for attempt in 1 2 3 4 5; do
      # shellcheck disable=SC2086 # the keys are separate words
      xdotool key --delay 100 $keys
      wait_for 30 has_window "$title" && break
      [ $attempt -lt 5 ] || fail "$keys in the strip showed no window '$title'"
    done
    echo "$keys: $title (pressed $attempt times)"
    if [ "$title" = 'Sticky Notes - 1' ]; then
      sleep 0.3
      xdotool type --delay 20 "typed in weston"
    fi
    kill -TERM "$suite"
    ends_cleanly
  done <<'KEYS'
F1|Nookery Help.*
F2|CountDown
F3|CountUp
F4|Date CountDown
F5|Full Screen CountDown
F6|Conversion Tables
F7|Reminders.*
F8|Startup List
F9|Sticky Notes - 1
F11|Nookery Options
KEYS
  grep -q 'typed in weston' "$work/start/Sticky1.rtf" || fail "the typed note was not saved"
  start_strip
  xdotool key F12
  ends_cleanly
  ;;
*)
  fail "unknown case"
  ;;
esac
echo "PASS (wayland $case_name)"
