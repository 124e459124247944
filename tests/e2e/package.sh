#!/usr/bin/env bash
# The Debian package, made by CPack from this build: unpacked into a fresh folder, it holds
# every file the suite installs; its desktop entry and AppStream data validate; lintian
# reports no errors (its warnings are listed); its chime decodes; and the unpacked binary
# passes the strip check.
#   package.sh BUILD-DIR TRAYOWNER WAVCHECK
set -uo pipefail
build=$(realpath "$1")
trayowner=$(realpath "$2")
wavcheck=$(realpath "$3")
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/common.sh"
needs cpack dpkg-deb dpkg-shlibdeps file desktop-file-validate appstreamcli lintian

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL (package): $*"
  exit 1
}

cpack -G DEB -B "$work/out" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 ||
  fail "cpack: $(tail -n 20 "$work/cpack.log")"
deb="$work/out/nookery_7.0-1_amd64.deb"
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$work/out")"
root="$work/root"
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb cannot unpack it"

files=(usr/bin/nookery usr/bin/nookery-launch usr/lib/nookery/libnookery_audio.so
  usr/lib/nookery/Timer.wav usr/share/applications/nookery.desktop
  usr/share/metainfo/com.quillanesoftware.nookery.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/nookery.svg usr/share/man/man1/nookery.1.gz
  usr/share/doc/nookery/copyright usr/share/doc/nookery/changelog.Debian.gz)
for size in 16 22 24 32 48 64 128 256; do
  files+=("usr/share/icons/hicolor/${size}x$size/apps/nookery.png")
  file "$root/usr/share/icons/hicolor/${size}x$size/apps/nookery.png" | grep -q "$size x $size" ||
    fail "the ${size}x$size icon is not $size pixels square"
done
for f in "${files[@]}"; do
  [ -f "$root/$f" ] || fail "the package lacks /$f"
done
zcat "$root/usr/share/man/man1/nookery.1.gz" | grep -q 'open.*TOOL' || fail "the man page lacks --open"
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6widgets6* && $depends == *libqt6multimedia6* ]] ||
  fail "Depends lacks the Qt libraries: $depends"

desktop-file-validate "$root/usr/share/applications/nookery.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/com.quillanesoftware.nookery.metainfo.xml" ||
  fail "appstreamcli validate"
lintian --allow-root --no-tag-display-limit "$deb" >"$work/lintian.log" 2>&1
grep '^E:' "$work/lintian.log" && fail "lintian reports errors"
echo "lintian: $(grep -c '^W:' "$work/lintian.log") warnings"
grep '^W:' "$work/lintian.log"

QT_QPA_PLATFORM=offscreen "$wavcheck" "$root/usr/lib/nookery/Timer.wav" || fail "the packaged chime does not decode"

bash "$here/e2e.sh" strip "$root/usr/bin/nookery" "$trayowner"
rc=$?
[ $rc -eq 0 ] || exit $rc
echo "PASS (package)"
