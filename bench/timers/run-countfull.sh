#!/usr/bin/env bash
# CountFull's repaint benchmark on a private 1920x1080 X server.
#   run-countfull.sh BENCH_TIMERS
set -euo pipefail
bench=$(realpath "$1")
work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; rm -rf "$work"; true' EXIT
mkdir -p "$work/runtime" && chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb NO_AT_BRIDGE=1
export TZ=UTC
unset SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
until [ -s "$work/display" ]; do sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")"
"$bench" countfull
