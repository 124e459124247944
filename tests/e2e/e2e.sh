#!/usr/bin/env bash
# End-to-end checks of the real binary on a private X server.
#   e2e.sh strip|tray|exitkey NOOKERY TRAYOWNER
# strip:   no tray host; the strip window is mapped at the top-left, the store is seeded,
#          SIGTERM ends the suite at once with exit code 0.
# tray:    a real tray host; the icon is embedded, no window is mapped, a click on the icon
#          opens the menu, SIGTERM ends the suite with exit code 0.
# exitkey: F12 in the strip window ends the suite with exit code 0.
# notes:   F9 maps "Sticky Notes - 1"; typed text is in Sticky1.rtf after SIGTERM, which ends
#          the suite with exit code 0 within a second.
# notesfont: the same with the notes window's font dialog open.
set -uo pipefail
case_name=$1
nookery=$(realpath "$2")
trayowner=$(realpath "$3")

work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill -KILL "$p" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL ($case_name): $*"
  [ -f "$work/nookery.log" ] && sed 's/^/  nookery: /' "$work/nookery.log"
  exit 1
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

mkdir -p "$work/config" "$work/start" "$work/runtime" "$work/home"
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
export XDG_DATA_HOME="$work/home/.local/share" QT_QPA_PLATFORM=xcb
unset SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"

if [ "$case_name" = tray ]; then
  trayer --edge top --align right --widthtype pixel --width 200 --height 32 >"$work/trayer.log" 2>&1 &
  pids+=($!)
  wait_for 10 "$trayowner" || fail "trayer never owned the tray selection"
fi

settings="$work/config/Quillane Software/Nookery.ini"
if [ "$case_name" != strip ] && [ "$case_name" != tray ]; then
  mkdir -p "$(dirname "$settings")"
  printf '[Other%%20Programs]\nRun%%20From%%20Tray=unchecked\n' >"$settings"
fi

(cd "$work/start" && exec "$nookery") >"$work/nookery.log" 2>&1 &
suite=$!
pids+=($suite)

# Top-level windows of the suite that are mapped: children of the root window only.
top_level_strips() {
  local w
  for w in $(xdotool search --onlyvisible --name '^Nookery$' 2>/dev/null); do
    if [[ $(xwininfo -id "$w" -children) == *'(the root window)'* ]]; then
      echo "$w"
    fi
  done
}
has_strip() { [ -n "$(top_level_strips)" ]; }

# ends_cleanly SIGNAL|KEY: the suite must be gone within one second with exit code 0.
ends_cleanly() {
  ( sleep 1; kill -KILL "$suite" 2>/dev/null ) &
  local watchdog=$!
  wait "$suite"
  local rc=$?
  kill "$watchdog" 2>/dev/null
  wait "$watchdog" 2>/dev/null
  [ $rc -eq 0 ] || fail "exit code $rc (137 means it did not end within one second)"
}

case $case_name in
strip)
  wait_for 15 has_strip || fail "the strip window was never mapped"
  w=$(top_level_strips | head -n1)
  info=$(xwininfo -id "$w")
  grep -q 'Absolute upper-left X:  0$' <<<"$info" || fail "strip not at the left edge: $info"
  grep -q 'Absolute upper-left Y:  0$' <<<"$info" || fail "strip not at the top: $info"
  for line in "Path=$work/start" 'Version=7.0' 'Run%20From%20Tray=checked' 'Startup%20Menu=unchecked'; do
    grep -qxF "$line" "$settings" || fail "settings file lacks $line"
  done
  [ "$(grep -c '^Menu=unchecked$' "$settings")" -eq 5 ] || fail "the five Menu keys are not seeded"
  kill -TERM "$suite"
  ends_cleanly
  ;;
tray)
  # grep -q leaves early; with pipefail that would fail the pipe, so match on a variable.
  panel=$(xwininfo -root -tree | awk '/\("panel" "trayer"\)/{print $1; exit}')
  [ -n "$panel" ] || fail "trayer has no panel window"
  icon_window() { xwininfo -id "$panel" -tree | awk '/\("nookery" "Nookery"\)/{print $1; exit}'; }
  embedded() { [ -n "$(icon_window)" ]; }
  wait_for 15 embedded || fail "the tray icon was not embedded: $(xwininfo -id "$panel" -tree)"
  has_strip && fail "a window is mapped in tray mode"
  icon=$(icon_window)
  read -r x y < <(xwininfo -id "$icon" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width/{w=$2} /Height/{h=$2} END{print x+int(w/2), y+int(h/2)}')
  before=$(xdotool search --onlyvisible --classname nookery | wc -l)
  xdotool mousemove "$x" "$y" click 1
  menu_open() { [ "$(xdotool search --onlyvisible --classname nookery | wc -l)" -gt "$before" ]; }
  wait_for 5 menu_open || fail "a click on the icon did not open the menu"
  has_strip && fail "the click mapped the strip window"
  kill -TERM "$suite"
  ends_cleanly
  ;;
exitkey)
  wait_for 15 has_strip || fail "the strip window was never mapped"
  w=$(top_level_strips | head -n1)
  xdotool windowactivate --sync "$w" >/dev/null 2>&1 || xdotool windowfocus --sync "$w"
  xdotool key --window "$w" F12
  ends_cleanly
  ;;
notes | notesfont)
  wait_for 15 has_strip || fail "the strip window was never mapped"
  w=$(top_level_strips | head -n1)
  xdotool windowactivate --sync "$w" >/dev/null 2>&1 || xdotool windowfocus --sync "$w"
  xdotool key --window "$w" F9
  notes_window() { xdotool search --onlyvisible --name '^Sticky Notes - 1$' 2>/dev/null | head -n1; }
  has_notes() { [ -n "$(notes_window)" ]; }
  wait_for 10 has_notes || fail "F9 did not map the sticky notes window"
  n=$(notes_window)
  xdotool windowactivate --sync "$n" >/dev/null 2>&1 || xdotool windowfocus --sync "$n"
  sleep 0.3
  xdotool type --delay 20 "typed by xdotool"
  if [ "$case_name" = notesfont ]; then
    xdotool key ctrl+t
    font_dialog() { xdotool search --onlyvisible --name '^Select Font$' 2>/dev/null | head -n1; }
    has_font_dialog() { [ -n "$(font_dialog)" ]; }
    wait_for 10 has_font_dialog || fail "Ctrl+T did not open the font dialog"
  fi
  kill -TERM "$suite"
  ends_cleanly
  note="$work/start/Sticky1.rtf"
  [ -f "$note" ] || fail "no Sticky1.rtf after SIGTERM"
  grep -q 'typed by xdotool' "$note" || fail "Sticky1.rtf lacks the typed text: $(cat "$note")"
  [ "$(stat -c %a "$note")" = 600 ] || fail "Sticky1.rtf has mode $(stat -c %a "$note")"
  ;;
*)
  fail "unknown case"
  ;;
esac
echo "PASS ($case_name)"
