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

# e2e_begin NAME [LOG...]: a private folder in `work`, removed on exit together with every
# process whose pid the check adds to `pids`. `fail` names the check NAME and shows the suite's
# log and the last lines of each $work/LOG.log.
e2e_begin() {
  check=$1
  shift
  logs=("$@")
  work=$(mktemp -d)
  pids=()
  trap e2e_cleanup EXIT
}

# Waiting for each killed process keeps bash from reporting it as killed.
e2e_cleanup() {
  local p
  for p in "${pids[@]}"; do kill -KILL "$p" 2>/dev/null && wait "$p" 2>/dev/null; done
  rm -rf "$work"
}

# fail MESSAGE: ends the check with exit code 1, showing the logs that may explain why.
fail() {
  echo "FAIL ($check): $*"
  [ -s "$work/nookery.log" ] && grep -v 'QString::arg' "$work/nookery.log" | sed 's/^/  nookery: /'
  local log
  for log in "${logs[@]}"; do
    [ -s "$work/$log.log" ] && grep -v 'Gtk-CRITICAL\|^$' "$work/$log.log" | tail -n 5 | sed "s/^/  $log: /"
  done
  exit 1
}

# private_home [--keep-bus]: a fresh home, settings, start and runtime folder below $work, in
# en_US at UTC on X, with no session manager and (unless --keep-bus) no session bus. The
# suite's settings file is `settings`.
private_home() {
  mkdir -p "$work/config/Quillane Software" "$work/start" "$work/runtime" "$work/home"
  chmod 700 "$work/runtime"
  export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
  export XDG_DATA_HOME="$work/home/.local/share" QT_QPA_PLATFORM=xcb NO_AT_BRIDGE=1
  export LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 LANGUAGE=en_US TZ=UTC
  unset SESSION_MANAGER
  [ "${1:-}" = --keep-bus ] || unset DBUS_SESSION_BUS_ADDRESS
  settings="$work/config/Quillane Software/Nookery.ini"
}

# strip_settings [LINE...]: settings in which the suite runs in its strip window, not the
# tray, followed by these lines.
strip_settings() {
  printf '%s\n' '[Other%20Programs]' 'Run%20From%20Tray=unchecked' "$@" >"$settings"
}

# start_openbox: a window manager on $DISPLAY, logged to $work/openbox.log; it announces itself
# on the root window once it manages the screen.
start_openbox() {
  openbox --sm-disable --config-file /dev/null >"$work/openbox.log" 2>&1 &
  pids+=($!)
  wait_for 100 wm_running || fail "openbox did not start"
}
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }

# start_suite ARG...: the suite, started in $work/start, its output added to
# $work/nookery.log; its pid is `suite`.
start_suite() {
  (cd "$work/start" && exec "$nookery" "$@") >>"$work/nookery.log" 2>&1 &
  suite=$!
  pids+=($suite)
}

# window_named TITLE: the first mapped window whose whole title matches TITLE (a regular
# expression).
window_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
has_window() { [ -n "$(window_named "$1")" ]; }
