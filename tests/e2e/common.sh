# Sourced by the end-to-end scripts.

# needs CMD...: skips the test (CTest's code 77) when a program is missing, as on a
# developer's machine without the X tools. scripts/test installs them and sets
# NOOKERY_E2E_REQUIRED=1, so there a missing program fails instead.
needs() {
  local missing=()
  local c
  for c in "$@"; do
    command -v "$c" >/dev/null 2>&1 || missing+=("$c")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "${NOOKERY_E2E_REQUIRED:-0}" = 1 ]; then
    echo "FAIL: missing ${missing[*]}"
    exit 1
  fi
  echo "SKIP: missing ${missing[*]}"
  exit 77
}

# tenths: the clock in tenths of a second.
tenths() {
  local now=${EPOCHREALTIME/[.,]/}
  echo $((now / 100000))
}

# wait_for TENTHS COMMAND...: polls until the command succeeds, for at most TENTHS tenths of
# a second; the command is tried once more at the limit.
wait_for() {
  local end=$(($(tenths) + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    [ "$(tenths)" -lt $end ] || { "$@" >/dev/null 2>&1; return; }
    sleep 0.05
  done
}

# focus WINDOW: makes the window the one that takes keys, and waits until it is.
focus() {
  focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
  xdotool windowactivate "$1" >/dev/null 2>&1 || xdotool windowfocus "$1" >/dev/null 2>&1
  wait_for 50 focused "$1" || xdotool windowfocus --sync "$1" >/dev/null 2>&1
  wait_for 50 focused "$1"
}

# suite_windows: how many windows of the suite are mapped (its menus count as windows).
suite_windows() { xdotool search --onlyvisible --classname nookery 2>/dev/null | wc -l; }

# opens_menu_by_key KEYS...: the keys, sent to the focused window, map one more window of the
# suite: the menu they open.
opens_menu_by_key() {
  local before
  before=$(suite_windows)
  xdotool key "$@"
  more_windows() { [ "$(suite_windows)" -gt "$1" ]; }
  wait_for 50 more_windows "$before"
}

# start_xvfb: a private X server on a free display, logged to $work/xvfb.log, its pid added
# to the caller's `pids`; DISPLAY is exported. Uses the caller's `fail`.
start_xvfb() {
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  wait_for 100 test -s "$work/display" || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$work/display")"
}
