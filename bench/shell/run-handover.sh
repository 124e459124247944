#!/usr/bin/env bash
# How long a later start takes to hand over to the running suite and end, on a private X
# server: the median of RUNS starts.
#   run-handover.sh NOOKERY [RUNS]
set -euo pipefail
nookery=$1
runs=${2:-25}
work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; rm -rf "$work"; true' EXIT
mkdir -p "$work/start" "$work/runtime" "$work/config/Quillane Software" && chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb
unset SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS
printf '[Other%%20Programs]\nRun%%20From%%20Tray=unchecked\n' >"$work/config/Quillane Software/Nookery.ini"
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
until [ -s "$work/display" ]; do sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")"
(cd "$work/start" && exec "$nookery") >/dev/null 2>&1 &
pids+=($!)
until [ -S "$work/runtime/nookery.socket" ]; do sleep 0.05; done
times=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  (cd "$work/start" && "$nookery")
  times+=($((($(date +%s%N) - start) / 1000)))
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$((runs / 2 + 1))p")
printf 'hand-over of a later start, median of %d runs: %d.%03d ms\n' "$runs" \
  $((median / 1000)) $((median % 1000))
