#!/usr/bin/env bash
# End-to-end checks of the real binary on a private X server.
#   e2e.sh strip|tray|latetray|sni|exitkey|help|options|notes|notesfont NOOKERY TRAYOWNER
# strip:    no tray host; the strip window is mapped at the top-left, the store is seeded,
#           SIGTERM ends the suite at once with exit code 0.
# tray:     a real XEmbed tray host; the icon is embedded, no window is mapped, a right and a
#           left click on the icon each open the menu, "Conversion Tables" chosen from the
#           right-click menu opens its window, SIGTERM ends the suite with exit code 0.
# latetray: the tray host starts after the suite; the strip stands in until then, then
#           the icon is embedded, the strip unmapped, and the icon opens the menu.
# sni:      a StatusNotifierItem host on a private session bus; one item is registered, a
#           left click opens the suite's menu, a right click the host's rendering of the same
#           menu (the visibility options applied: Calendar hidden), in which "Conversion
#           Tables" opens its window.
# exitkey:  F12 in the strip window ends the suite with exit code 0.
# help:     F1 in the strip window maps the help viewer on the contents; F1 on a highlighted
#           menu entry shows that entry's topic; "About" maps the about box, and its icon the
#           upgrade dialog.
# options:  F11 in the strip window maps "Nookery Options"; Ctrl+Tab, Alt+R, Alt+S store
#           Calendar Menu=checked, close the dialog and take Calendar's button off the strip
#           (less of the icons' ink is left in the window); SIGTERM ends the suite with exit code 0.
# notes:    F9 maps "Sticky Notes - 1"; typed text is in Sticky1.rtf after SIGTERM, which ends
#           the suite with exit code 0 within a second.
# notesfont: the same with the notes window's font dialog open.
# A program the check needs that is not installed skips it (exit code 77; see common.sh).
set -uo pipefail
case_name=$1
nookery=$(realpath "$2")
trayowner=$(realpath "$3")
colourcount=$(dirname "$trayowner")/colourcount
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
needs Xvfb xdotool xwininfo
case $case_name in
tray | latetray) needs trayer ;;
sni) needs dbus-run-session dbus-send status-notifier-watcher gtk-sni-tray-standalone xprop ;;
esac
# The StatusNotifierItem host and the suite meet on a session bus of their own.
if [ "$case_name" = sni ] && [ -z "${NOOKERY_E2E_BUS:-}" ]; then
  NOOKERY_E2E_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi

e2e_begin "$case_name" xvfb trayer host watcher
# The StatusNotifierItem check keeps the private bus it runs on.
if [ "$case_name" = sni ]; then private_home --keep-bus; else private_home; fi
start_xvfb

start_trayer() {
  trayer --edge top --align right --widthtype pixel --width 200 --height 32 >"$work/trayer.log" 2>&1 &
  pids+=($!)
  wait_for 200 "$trayowner" || fail "trayer never owned the tray selection: $(cat "$work/trayer.log")"
}
[ "$case_name" = tray ] && start_trayer

watcher() {
  dbus-send --session --print-reply --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
    org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher "string:$1"
}
host_registered() { [[ $(watcher IsStatusNotifierHostRegistered) == *'boolean true'* ]]; }
if [ "$case_name" = sni ]; then
  status-notifier-watcher >"$work/watcher.log" 2>&1 &
  pids+=($!)
  gtk-sni-tray-standalone --bottom >"$work/host.log" 2>&1 &
  pids+=($!)
  wait_for 150 host_registered || fail "no StatusNotifierItem host registered"
fi

case $case_name in
strip | tray | latetray) ;;
# Calendar hidden: the host's menu must leave it out too.
sni) printf '[Calendar]\nMenu=checked\n' >"$settings" ;;
# The rest work in the strip window.
*) strip_settings ;;
esac

start_suite

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

# Mapped windows of a class: the icon, the strip and the menus of the suite ("nookery").
mapped() { xdotool search --onlyvisible --classname "$1" 2>/dev/null | wc -l; }
# opens_menu CLASS BUTTON X Y [TENTHS]: a click there maps one more window of that class
# (the menu) within the time (10 s); Escape unmaps it again.
opens_menu() {
  local before
  before=$(mapped "$1")
  xdotool mousemove "$3" "$4" click "$2"
  more() { [ "$(mapped "$1")" -gt "$before" ]; }
  wait_for "${5:-100}" more "$1" || return 1
  xdotool key Escape
  back() { [ "$(mapped "$1")" -eq "$before" ]; }
  wait_for 50 back "$1"
}
# center WINDOW: the middle of a window, in screen coordinates.
center() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width/{w=$2} /Height/{h=$2} END{print x+int(w/2), y+int(h/2)}'
}
converts() { has_window 'Conversion Tables'; }
# The icon's window inside trayer's panel.
tray_icon() {
  local panel
  panel=$(xwininfo -root -tree | awk '/\("panel" "trayer"\)/{print $1; exit}')
  [ -n "$panel" ] && xwininfo -id "$panel" -tree | awk '/\("nookery" "Nookery"\)/{print $1; exit}'
}
embedded() { [ -n "$(tray_icon)" ]; }

# ends_cleanly: after a signal or a key, the suite must be gone within one second with exit
# code 0. An ended child stays a zombie until it is waited for.
ends_cleanly() {
  ended() { [ ! -e "/proc/$suite" ] || [ "$(awk '{print $3}' "/proc/$suite/stat")" = Z ]; }
  wait_for 10 ended || kill -KILL "$suite" 2>/dev/null
  wait "$suite"
  local rc=$?
  [ $rc -eq 0 ] || fail "exit code $rc (137 means it did not end within one second)"
}

case $case_name in
strip)
  wait_for 150 has_strip || fail "the strip window was never mapped"
  w=$(top_level_strips | head -n1)
  info=$(xwininfo -id "$w")
  grep -q 'Absolute upper-left X:  0$' <<<"$info" || fail "strip not at the left edge: $info"
  grep -q 'Absolute upper-left Y:  0$' <<<"$info" || fail "strip not at the top: $info"
  # The strip is mapped before the menu keys are written.
  has_line() { grep -qxF "$1" "$settings"; }
  for line in "Path=$work/start" 'Version=7.0' 'Run%20From%20Tray=checked' 'Startup%20Menu=unchecked'; do
    wait_for 50 has_line "$line" || fail "settings file lacks $line"
  done
  [ "$(grep -c '^Menu=unchecked$' "$settings")" -eq 5 ] || fail "the five Menu keys are not seeded"
  kill -TERM "$suite"
  ends_cleanly
  ;;
tray)
  wait_for 150 embedded || fail "the tray icon was not embedded: $(xwininfo -root -tree)"
  has_strip && fail "a window is mapped in tray mode"
  read -r x y < <(center "$(tray_icon)")
  opens_menu nookery 3 "$x" "$y" || fail "a right click on the icon did not open the menu"
  opens_menu nookery 1 "$x" "$y" || fail "a left click on the icon did not open the menu"
  has_strip && fail "a click mapped the strip window"
  before=$(suite_windows)
  xdotool mousemove "$x" "$y" click 3
  more_windows() { [ "$(suite_windows)" -gt "$before" ]; }
  wait_for 50 more_windows || fail "a right click on the icon did not open the menu"
  # The entry has no accelerator, and its key F6 belongs to the hidden strip window: it is
  # the third entry, after "CountDown Timers" and "Calendar".
  xdotool key Down Down Down Return
  wait_for 50 converts || fail "Conversion Tables from the right-click menu did not open its window"
  kill -TERM "$suite"
  ends_cleanly
  ;;
latetray)
  wait_for 150 has_strip || fail "the strip window was never mapped without a tray"
  start_trayer
  wait_for 100 embedded || fail "the icon did not move into the tray that started late"
  gone() { ! has_strip; }
  wait_for 100 gone || fail "the strip window stayed mapped with the icon in the tray"
  read -r x y < <(center "$(tray_icon)")
  opens_menu nookery 1 "$x" "$y" || fail "a click on the late icon did not open the menu"
  kill -TERM "$suite"
  ends_cleanly
  ;;
sni)
  items() { watcher RegisteredStatusNotifierItems | grep -c '^ *string '; }
  one_item() { [ "$(items)" -eq 1 ]; }
  wait_for 150 one_item || fail "the watcher holds $(items) items, not one"
  has_strip && fail "a window is mapped in tray mode"
  # The host's bar, with the one icon at its left end.
  bar=$(xdotool search --onlyvisible --classname gtk-sni-tray-standalone | while read -r w; do
    [ "$(xwininfo -id "$w" | awk '/Width/{print $2}')" -gt 100 ] && echo "$w"; done | head -n1)
  [ -n "$bar" ] || fail "the host shows no bar"
  read -r x y h < <(xwininfo -id "$bar" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Height/{h=$2} END{print x, y, h}')
  x=$((x + h / 2))
  y=$((y + h / 2))
  # The host draws the icon a moment after the item registers: click until it answers.
  no_menu() { ! menu_open; }
  for attempt in $(seq 10); do
    opens_menu nookery 1 "$x" "$y" 30 && break
    [ "$attempt" -lt 10 ] || fail "a left click on the icon did not open the suite's menu"
    wait_for 50 no_menu || xdotool key Escape
  done
  wait_for 50 no_menu || fail "the suite's menu stayed open"
  # The host's own menu (not its tool tip). A click the suite answered late may have left
  # one open, so it is closed first.
  host_menu() {
    local w
    for w in $(xdotool search --onlyvisible --classname gtk-sni-tray-standalone 2>/dev/null); do
      xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q 'MENU' && return 0
    done
    return 1
  }
  no_host_menu() { ! host_menu; }
  no_host_menu || xdotool key Escape
  wait_for 50 no_host_menu || fail "the host's menu stayed open"
  xdotool mousemove "$x" "$y" click 3
  wait_for 100 host_menu || fail "a right click on the icon showed no menu"
  xdotool key Escape
  wait_for 50 no_host_menu || fail "the host's menu stayed open"
  service=$(watcher RegisteredStatusNotifierItems | awk -F'"' '/^ *string /{print $2; exit}')
  layout=$(dbus-send --session --print-reply --dest="${service%%/*}" /MenuBar \
    com.canonical.dbusmenu.GetLayout int32:0 int32:-1 array:string:label,visible)
  [[ $layout == *'"Conversion Tables"'* ]] || fail "the exported menu lacks the suite's entries: $layout"
  has_strip && fail "a click mapped the strip window"
  # The host's menu is the exported one: Calendar is there, hidden; Conversion Tables,
  # chosen there by its id, opens its window.
  id_of() { awk -v label="\"$1\"" '/int32 /{id=$2} index($0, label){print id; exit}' <<<"$layout"; }
  calendar=$(id_of Calendar)
  [ -n "$calendar" ] || fail "the exported menu lacks Calendar: $layout"
  awk -v id="$calendar" '/int32 /{on=($2==id)} on && /boolean false/{f=1} END{exit !f}' <<<"$layout" ||
    fail "Calendar is not hidden in the exported menu: $layout"
  dbus-send --session --print-reply=literal --dest="${service%%/*}" /MenuBar com.canonical.dbusmenu.Event \
    int32:"$(id_of 'Conversion Tables')" string:clicked variant:int32:0 uint32:0 >/dev/null
  wait_for 50 converts || fail "Conversion Tables from the right-click menu did not open its window"
  kill -TERM "$suite"
  ends_cleanly
  ;;
exitkey)
  wait_for 150 has_strip || fail "the strip window was never mapped"
  w=$(top_level_strips | head -n1)
  focus "$w" || fail "the strip window never took the focus"
  xdotool key --window "$w" F12
  ends_cleanly
  ;;
help)
  wait_for 150 has_strip || fail "the strip window was never mapped"
  w=$(top_level_strips | head -n1)
  focus "$w" || fail "the strip window never took the focus"
  # The menu opened from the keyboard highlights its first entry, "CountDown Timers": F1
  # shows that entry's topic, not the one of the menu's own F1 entry, "Help".
  opens_menu_by_key --window "$w" alt+f || fail "Alt+F did not open the menu for F1"
  xdotool key F1
  wait_for 100 has_window 'Nookery Help - Using CountDown' || fail "F1 in the menu did not show the entry's topic: $(xdotool search --onlyvisible --name 'Nookery Help' getwindowname %@ 2>&1)"
  focus "$w" || fail "the strip window never took the focus"
  xdotool key --window "$w" F1
  wait_for 100 has_window 'Nookery Help - Nookery contents' || fail "F1 did not show the contents"
  # The viewer takes the focus once it is drawn; out of the way, it cannot take the keys.
  xdotool search --onlyvisible --name '^Nookery Help' windowunmap --sync %@
  focus "$w" || fail "the strip window never took the focus"
  opens_menu_by_key --window "$w" alt+f || fail "Alt+F did not open the menu"
  # "About" has neither accelerator nor key: Up from the first entry wraps to the last,
  # "Exit", and once more reaches it.
  xdotool key --delay 100 Up Up Return
  wait_for 100 has_window 'About Nookery' || fail "About did not map the about box"
  about=$(window_named 'About Nookery')
  read -r x y < <(xwininfo -id "$about" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} END{print x+30, y+30}')
  xdotool mousemove "$x" "$y" click 1
  wait_for 100 has_window 'Update Nookery' || fail "the about box's icon did not map the upgrade dialog"
  kill -TERM "$suite"
  ends_cleanly
  ;;
options)
  wait_for 150 has_strip || fail "the strip window was never mapped"
  w=$(top_level_strips | head -n1)
  # The tool bar's icons are drawn in the theme's one ink: hiding Calendar's button leaves less
  # of it in the strip, but not none, as the other buttons stay.
  ink() { "$colourcount" "$w" 232629; }
  inked() { [ "$(ink)" -gt 200 ]; }
  wait_for 50 inked || fail "the strip shows no tool bar icons"
  before=$(ink)
  fewer() { local n; n=$(ink); [ "$n" -gt 0 ] && [ "$n" -lt "$before" ]; }
  focus "$w" || fail "the strip window never took the focus"
  xdotool key --window "$w" F11
  wait_for 100 has_window 'Nookery Options' || fail "F11 did not map the options dialog"
  o=$(window_named 'Nookery Options')
  focus "$o" || fail "the options dialog never took the focus"
  xdotool key --window "$o" ctrl+Tab alt+r alt+s
  calendar_hidden() {
    awk '/^\[/{s=$0} s=="[Calendar]" && $0=="Menu=checked"{f=1} END{exit !f}' "$settings"
  }
  wait_for 100 calendar_hidden || fail "the settings file lacks Calendar Menu=checked: $(cat "$settings")"
  no_options() { ! has_window 'Nookery Options'; }
  wait_for 50 no_options || fail "the options dialog stayed open after saving"
  wait_for 50 fewer || fail "the strip still shows the Calendar button ($before, then $(ink))"
  [ $((before - $(ink))) -lt $((before / 4)) ] || fail "the strip lost more than one button"
  kill -TERM "$suite"
  ends_cleanly
  ;;
notes | notesfont)
  wait_for 150 has_strip || fail "the strip window was never mapped"
  w=$(top_level_strips | head -n1)
  focus "$w" || fail "the strip window never took the focus"
  xdotool key --window "$w" F9
  wait_for 100 has_window 'Sticky Notes - 1' || fail "F9 did not map the sticky notes window"
  n=$(window_named 'Sticky Notes - 1')
  focus "$n" || fail "the notes window never took the focus"
  xdotool type --delay 20 "typed by xdotool"
  if [ "$case_name" = notesfont ]; then
    xdotool key ctrl+t
    wait_for 100 has_window 'Select Font' || fail "Ctrl+T did not open the font dialog"
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
