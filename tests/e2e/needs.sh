# Sourced by the end-to-end scripts: `needs CMD...` skips the test (CTest's code 77) when a
# program is missing, as on a developer's machine without the X tools. scripts/test installs
# them and sets NOOKERY_E2E_REQUIRED=1, so there a missing program fails instead.
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
