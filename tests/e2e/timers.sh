#!/usr/bin/env bash
# End-to-end check of CountDown with the real binary on a private X server under openbox
# (a window manager is needed to minimise a window):
#   timers.sh NOOKERY
# 0 minutes 5 seconds are saved for CountDown 1 and the suite runs in the strip window. F2
# there maps "CountDown"; the File menu's Retrieve and F3, both from the keyboard, start
# the countdown; the window is minimised. While minimised its title carries the digits,
# "0:00:0N - CountDown 1", counting down; within 8 s of F3 the alarm maps the window again,
# titled "CountDown".
# A program the check needs that is not installed skips it (exit code 77; see common.sh).
set -uo pipefail
nookery=$(realpath "$1")
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
needs Xvfb openbox xdotool xwininfo xprop

e2e_begin timers xvfb openbox
private_home
start_xvfb
start_openbox
strip_settings '[CountDown]' 'CountDown%201%20Minutes=0' 'CountDown%201%20Seconds=5'
start_suite

viewable() { xwininfo -id "$1" | grep -q 'Map State: IsViewable'; }

wait_for 150 has_window Nookery || fail "the strip window was never mapped"
strip=$(window_named Nookery)
focus "$strip" || fail "the strip window never took the focus"
xdotool key --window "$strip" F2
wait_for 100 has_window CountDown || fail "F2 in the strip did not map CountDown"
w=$(window_named CountDown)
focus "$w" || fail "CountDown never took the focus"
# File menu: Start, Clear, Save, Retrieve (Acknowledge is hidden outside an alarm). Retrieve
# has neither accelerator nor key: it is the fourth entry.
opens_menu_by_key alt+f || fail "Alt+F did not open CountDown's menu"
with_menu=$(suite_windows)
xdotool key Down Down Down Return
closed() { [ "$(suite_windows)" -lt "$with_menu" ]; }
wait_for 50 closed || fail "the menu stayed open"
xdotool key F3
ms() { echo $((${EPOCHREALTIME/./} / 1000)); }
started=$(ms)
# Under load the window manager may still be busy with the window when the request comes;
# ask again until it is really iconic.
not_viewable() { ! viewable "$w"; }
minimised=no
for attempt in 1 2 3; do
  xdotool windowminimize "$w" >/dev/null 2>&1
  if wait_for 10 not_viewable; then minimised=yes; break; fi
done
[ $minimised = yes ] || fail "openbox did not minimise CountDown"

# Titles while the window is minimised, until the alarm maps it again.
titles=()
while ! viewable "$w"; do
  [ $(($(ms) - started)) -le 8000 ] || fail "no alarm within 8 s; titles: ${titles[*]:-none}"
  t=$(xdotool getwindowname "$w" 2>/dev/null) || fail "CountDown went away"
  [ ${#titles[@]} -gt 0 ] && [ "${titles[-1]}" = "$t" ] || titles+=("$t")
  sleep 0.05
done
minimised_titles=()
for t in "${titles[@]}"; do
  case $t in
  CountDown) ;; # before the first tick after minimising, or as the alarm restores it
  "0:00:0"[0-5]" - CountDown 1") minimised_titles+=("$t") ;;
  *) fail "unexpected title \"$t\" (all: ${titles[*]})" ;;
  esac
done
[ ${#minimised_titles[@]} -ge 2 ] || fail "the title did not count down: ${titles[*]:-none}"
sorted=$(printf '%s\n' "${minimised_titles[@]}" | sort -r)
[ "$sorted" = "$(printf '%s\n' "${minimised_titles[@]}")" ] ||
  fail "the title did not count down: ${minimised_titles[*]}"
title_is_plain() { [ "$(xdotool getwindowname "$w")" = CountDown ]; }
wait_for 20 title_is_plain || fail "the restored window is titled \"$(xdotool getwindowname "$w")\""

echo "titles: ${minimised_titles[*]}; alarm after $(($(ms) - started)) ms"
kill -TERM "$suite"
wait "$suite" || fail "the suite ended with $?"
echo "PASS (timers)"
