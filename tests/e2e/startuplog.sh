#!/usr/bin/env bash
# End-to-end check of the start-up log with the real binary on a private X server:
#   startuplog.sh NOOKERY
# A log of three hand-made records and "Conversion Tables" set to open at start: one start
# appends exactly one record (today, a twelve-hour time) and maps the conversion window; a
# second start appends one more.
set -uo pipefail
nookery=$(realpath "$1")
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
needs Xvfb xdotool xwininfo

e2e_begin startuplog
private_home
start_xvfb
strip_settings '[Conversion%20Tables]' 'Startup=checked'
log="$work/start/startup.dat"
printf '%-10s%-12s' 01/02/2020 '8:00:00 AM' 01/03/2020 '17:30:00' 01/04/2020 '9:15:00 PM' >"$log"
cp "$log" "$work/before"

# start_once EXPECTED_BYTES: one start of the suite, ended by SIGTERM once the conversion
# window is mapped.
start_once() {
  start_suite
  wait_for 150 has_window 'Conversion Tables' || fail "the conversion window was never mapped"
  kill -TERM "$suite"
  wait "$suite" || fail "the suite ended with $?"
  [ "$(stat -c %s "$log")" -eq "$1" ] || fail "startup.dat is $(stat -c %s "$log") bytes, not $1"
  cmp -s -n 66 "$log" "$work/before" || fail "the first three records changed"
}

# The start may cross midnight: the record's day is the one before it or the one after.
before=$(date +%m/%d/%Y)
start_once 88
after=$(date +%m/%d/%Y)
record=$(dd if="$log" bs=22 skip=3 count=1 2>/dev/null)
[ "${record:0:10}" = "$before" ] || [ "${record:0:10}" = "$after" ] ||
  fail "record 4 has date '${record:0:10}', not $before or $after"
[[ ${record:10} =~ ^[0-9]{1,2}:[0-9]{2}:[0-9]{2}\ [AP]M\ +$ ]] || fail "record 4 has time '${record:10}'"
start_once 110
echo "PASS (startuplog)"
