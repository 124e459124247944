#!/usr/bin/env bash
# Idle cost of the real binary on a private X server with every tool window open:
#   run-idlex11.sh NOOKERY [SECONDS]
# The suite starts in its strip window; its keys and File menu open CountDown, CountUp, Date
# CountDown, Calendar, Conversion Tables, Reminders, Startup List, Sticky Notes and the
# full-screen countdown. Ten seconds after the last key, the suite's context switches (every
# thread's voluntary and involuntary, from /proc) and CPU ticks (user + system) are read over
# SECONDS (default 30).
set -uo pipefail
nookery=$(realpath "$1")
seconds=${2:-30}
source "$(dirname "${BASH_SOURCE[0]}")/../../tests/e2e/common.sh"
needs Xvfb xdotool

e2e_begin idle
private_home
start_xvfb
strip_settings
start_suite
wait_for 150 has_window Nookery || fail "the strip window was never mapped"
strip=$(window_named Nookery)
focus_strip() { xdotool windowfocus --sync "$strip" >/dev/null 2>&1; }
# open KEYS TITLE: presses the keys in the strip and waits for the window.
open() {
  focus_strip
  for k in $1; do
    xdotool key "$k"
    sleep 0.3
  done
  wait_for 100 has_window "$2" || fail "$1 did not map $2"
}
open F2 CountDown
open F3 CountUp
open F4 'Date CountDown'
open F6 'Conversion Tables'
open F7 Reminders
open F8 'Startup List'
# File menu: the CountDown Timers sub-menu, then Calendar.
open 'alt+f Down Return' Calendar
open F9 'Sticky Notes.*'
# The full-screen countdown covers the screen; it comes last.
open F5 'Full Screen CountDown'

# switches: each thread's voluntary and involuntary context switches, "tid count" a line.
switches() {
  for t in /proc/"$suite"/task/*; do
    awk -v tid="${t##*/}" '/ctxt_switches/ { n += $2 } END { print tid, n }' "$t/status" 2>/dev/null
  done
}
ticks() { awk '{ print $14 + $15 }' /proc/"$suite"/stat; }
sleep 10
switches >"$work/s0"
t0=$(ticks)
sleep "$seconds"
switches >"$work/s1"
t1=$(ticks)
# The main thread, and every thread alive at the end (a thread that ended meanwhile, such as
# an idle worker of Qt's thread pool, is not counted).
main=$(awk -v tid="$suite" '$1 == tid { print $2 }' "$work/s0")
main1=$(awk -v tid="$suite" '$1 == tid { print $2 }' "$work/s1")
all=$(awk 'NR == FNR { before[$1] = $2; next } { n += $2 - before[$1] } END { print n }' \
  "$work/s0" "$work/s1")
kill -0 "$suite" 2>/dev/null || fail "the suite ended"
printf 'every window open, idle %s s: %d context switches (main thread), %d (all %d threads), %d CPU ticks\n' \
  "$seconds" $((main1 - main)) "$all" "$(wc -l <"$work/s1")" $((t1 - t0))
