# Shared by scripts/run and scripts/test: Debian packages, installed only when missing.

# The build needs these; scripts/test adds the tools its checks use.
NOOKERY_BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools
  qt6-multimedia-dev qt6-svg-dev libgl-dev libx11-dev ccache)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# ensure_packages PKG...: installs those that dpkg does not report as installed.
ensure_packages() {
  local missing=()
  local p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
}

# configure_and_build DIR CMAKE-ARGS...: configures once, then builds incrementally.
configure_and_build() {
  local dir=$1
  shift
  if [ ! -f "$dir/build.ninja" ] || [ "$dir/.nookery-args" -ot "$NOOKERY_ROOT/CMakeLists.txt" ] ||
    [ "$(cat "$dir/.nookery-args" 2>/dev/null)" != "$*" ]; then
    cmake -S "$NOOKERY_ROOT" -B "$dir" -G Ninja "$@"
    echo "$*" >"$dir/.nookery-args"
  fi
  cmake --build "$dir" -j "$(nproc)"
}

# ensure_locales NAME...: generates UTF-8 locales such as en_US.UTF-8 that are missing (the
# tests pin LANG to them, and some X tools complain without them). Needs the locales package.
ensure_locales() {
  local l
  for l in "$@"; do
    if ! locale -a 2>/dev/null | grep -qix "${l%%.*}.utf8"; then
      echo "Generating locale $l"
      as_root localedef -i "${l%%.*}" -f UTF-8 "$l"
    fi
  done
}
