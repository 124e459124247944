#!/usr/bin/env bash
# Start-up benchmark on a private X server with a real tray host.
#   run-startbench.sh STARTBENCH SUITESTART FLOORSTART TRAYOWNER [RUNS]
set -euo pipefail
work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; rm -rf "$work"; true' EXIT
mkdir -p "$work/start" "$work/runtime" && chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
unset SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
until [ -s "$work/display" ]; do sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")"
trayer --edge top --align right --widthtype pixel --width 200 --height 32 >/dev/null 2>&1 &
pids+=($!)
until "$4" >/dev/null; do sleep 0.05; done
"$1" "$2" "$work/start" "$work/Nookery.ini" "$3" "${5:-15}"
