#!/usr/bin/env bash
# End-to-end check of the one running copy with the real binary on a private X server:
#   handover.sh NOOKERY
# A second start hands over and ends with 0, leaving one suite and one start record;
# `--open TOOL` maps each tool's window in the running copy; after SIGKILL a new start takes
# over the leftover socket (started with `--open`, which opens its tool), and hands-over work
# again.
set -uo pipefail
nookery=$(realpath "$1")
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
needs Xvfb xdotool

e2e_begin handover
private_home
start_xvfb
strip_settings
log="$work/start/startup.dat"

# hand_over ARGS...: a later start, which must end with 0 and leave the suite running.
hand_over() {
  local started=$(date +%s%N)
  (cd "$work/start" && exec timeout 10 "$nookery" "$@") >>"$work/nookery.log" 2>&1
  local code=$?
  handover_ms=$((($(date +%s%N) - started) / 1000000))
  [ $code -eq 0 ] || fail "'nookery $*' ended with $code"
  kill -0 "$suite" 2>/dev/null || fail "the running copy ended after 'nookery $*'"
}

start_suite
wait_for 150 has_window Nookery || fail "the strip was never mapped"
hand_over
echo "second start handed over and ended in $handover_ms ms"
[ "$(stat -c %s "$log")" -eq 22 ] || fail "startup.dat is $(stat -c %s "$log") bytes after two starts"

while read -r tool title; do
  hand_over --open "$tool"
  wait_for 150 has_window "$title" || fail "--open $tool did not map '$title'"
done <<'TOOLS'
notes Sticky Notes.*
reminders Reminders.*
countdown CountDown
countup CountUp
datecountdown Date CountDown
fullscreen Full Screen CountDown
calendar Calendar
convert Conversion Tables
startuplist Startup List
options Nookery Options
help Nookery Help.*
TOOLS

kill -KILL "$suite"
wait "$suite" 2>/dev/null
[ -S "$work/runtime/nookery.socket" ] || fail "the killed copy left no socket to take over"
start_suite --open convert
wait_for 150 has_window 'Conversion Tables' || fail "a start with --open convert did not open it"
hand_over
[ "$(stat -c %s "$log")" -eq 44 ] || fail "startup.dat is $(stat -c %s "$log") bytes after the new start"
kill -TERM "$suite"
wait "$suite" || fail "the suite ended with $?"
echo "PASS (handover)"
