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

# focus WINDOW: makes the window the one that takes keys, asking again until it is (a window
# the suite has just shown may take the focus back once).
focus() {
  takes_focus() {
    xdotool windowactivate "$1" >/dev/null 2>&1 || xdotool windowfocus "$1" >/dev/null 2>&1
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]
  }
  wait_for 50 takes_focus "$1" || { echo "focus on $(xdotool getwindowfocus 2>&1), not $1"; return 1; }
}

# suite_windows: how many windows of the suite are mapped (its menus count as windows).
suite_windows() { xdotool search --onlyvisible --classname nookery 2>/dev/null | wc -l; }

# menu_open: a menu of the suite is mapped (a window of its own, above the others).
menu_open() {
  local w
  for w in $(xdotool search --onlyvisible --classname nookery 2>/dev/null); do
    xwininfo -id "$w" | grep -q 'Override Redirect State: yes' && return 0
  done
  return 1
}

# opens_menu_by_key [--window WINDOW] KEYS...: the keys, sent to the focused window (or to
# that one, focused first), open a menu of the suite. A window the suite has just shown may
# take the focus back, so the keys are sent again if no menu came.
opens_menu_by_key() {
  local window=
  if [ "$1" = --window ]; then
    window=$2
    shift 2
  fi
  local attempt
  no_menu() { ! menu_open; }
  wait_for 30 no_menu || return 1
  for attempt in 1 2 3; do
    if [ -n "$window" ]; then
      focus "$window" >/dev/null
      xdotool key --window "$window" "$@"
    else
      xdotool key "$@"
    fi
    wait_for 30 menu_open && return 0
  done
  return 1
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
