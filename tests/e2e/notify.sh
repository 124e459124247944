#!/usr/bin/env bash
# End-to-end check of the desktop notifications with the real binary, a private session bus
# and a stand-in notification service:
#   notify.sh NOOKERY FAKENOTIFIER
# A reminder due today and the reminders window set to open at start, minimised (under
# openbox): the service
# gets one notification (summary, the reminder's text escaped for its markup, the suite's
# icon and desktop entry, a default action), and its click brings the window forward.
# Without the service the window opens as before and the suite carries on.
set -uo pipefail
nookery=$(realpath "$1")
notifier=$(realpath "$2")
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
needs Xvfb openbox xprop xdotool dbus-daemon dbus-send

e2e_begin notify notified
private_home
start_xvfb
# A window manager, so the window really starts minimised.
start_openbox
dbus-daemon --session --nofork --print-address=4 4>"$work/bus" &
pids+=($!)
wait_for 100 test -s "$work/bus" || fail "the session bus did not start"
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")

"$notifier" "$work/notified.log" invoke &
service=$!
pids+=($service)
service_up() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications | grep -q 'boolean true'
}
wait_for 100 service_up || fail "the stand-in service never took its name"

write_settings() { strip_settings '[Reminders]' 'Startup=checked' "Minimize=$1"; }
write_settings checked
printf '%-55s   XO%-10s' 'Call Tom & Jerry' "$(date +%m/%d/%Y)" >"$work/start/reminder.dat"

start_suite
wait_for 150 test -s "$work/notified.log" || fail "no notification arrived"
line=$(head -n1 "$work/notified.log")
expected="Nookery|0|nookery|1 reminder due|$(date +%m/%d/%y)  Call Tom &amp; Jerry|default,Show|nookery"
[ "$line" = "$expected" ] || fail "the service got '$line', not '$expected'"
# Minimised at start; the notification's click is what shows it.
wait_for 150 has_window Reminders || fail "the notification's default action did not show the reminders window"
kill -TERM "$suite"
wait "$suite" || fail "the suite ended with $?"

kill -KILL "$service"
wait_for 100 eval '! service_up' || fail "the stand-in service did not go"
write_settings unchecked
start_suite
wait_for 300 has_window Reminders || fail "without a notification service the reminders window did not open"
kill -TERM "$suite"
wait "$suite" || fail "the suite ended with $?"
[ "$(wc -l <"$work/notified.log")" -eq 1 ] || fail "a notification went nowhere"
echo "PASS (notify)"
