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

# wait_for SECONDS COMMAND...: polls until the command succeeds.
wait_for() {
  local limit=$1
  shift
  local end=$((SECONDS + limit))
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $end ] || return 1
    sleep 0.05
  done
}

# start_xvfb: a private X server on a free display, logged to $work/xvfb.log, its pid added
# to the caller's `pids`; DISPLAY is exported. Uses the caller's `fail`.
start_xvfb() {
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$work/display")"
}
