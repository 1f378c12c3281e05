#!/usr/bin/env bash
# The real program in a real tray under a virtual X server, driven as a user does. In an XEmbed
# tray (trayer): a double-click on the tray icon brings back the hidden dialog, quick timer 1
# from the popup starts a countdown with its LED-Timer, and "Exit" from the popup ends the
# program, which writes its profile. With "sni", a StatusNotifierItem host (gtk-sni-tray) on a
# session bus of its own asks for the popup by the item's ContextMenu(x, y), as hosts that draw
# no exported menu do: the popup shows there every time, closes on Escape and on a click
# elsewhere, and its commands work as in the XEmbed tray.
# Usage: tray_smoke_test.sh <program> [xembed|sni]
set -euo pipefail
host=${2:-xembed}
test_name="tray ($host)"
[ "$host" = xembed ] || time_limit=180 # the host starts slowly on a busy machine
if [ "$host" = sni ] && [ -z "${BREWDIAL_OWN_BUS:-}" ]; then
  export BREWDIAL_OWN_BUS=1
  exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/real_program.sh"
begin_under_xvfb "$@"
program=$1
new_profile config Start=1 LED-timer=1

# The popup menu of the program: a top-level window of its own that the window manager does not
# place (the dialogs and the LED-Timer are placed; the icon is not top-level).
popup_window() {
  local w
  for w in $(xwininfo -root -children | awk '/\("brewdial" "Brewdial"\)/ {print $1}'); do
    xwininfo -id "$w" | grep -q "Map State: IsViewable" &&
      xwininfo -id "$w" | grep -q "Override Redirect State: yes" && echo "$w" && return 0
  done
  return 1
}
menu_shows() { popup_window >/dev/null; }
menu_gone() { # <what closed it>
  for _ in $(seq 100); do menu_shows || return 0; sleep 0.1; done
  fail "$1 did not close the popup"
}

if [ "$host" = sni ]; then
  watcher() { # <method> [arguments...]
    gdbus call --session --dest org.kde.StatusNotifierWatcher --object-path /StatusNotifierWatcher "$@" 2>/dev/null
  }
  host_shows() {
    watcher --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher \
      IsStatusNotifierHostRegistered | grep -q true
  }
  # The program looks for a host once, at its start: a busy machine gets a minute to show one.
  # The host itself sometimes dies at its start, asking its own watcher too early (a pattern
  # match failure on the bus's answer): it is started again, as a session would.
  for _ in 1 2 3; do
    gtk-sni-tray-standalone --watcher --top 2>>"$home/host-stderr" >/dev/null &
    host_pid=$!
    for _ in $(seq 600); do
      host_shows && break
      kill -0 "$host_pid" 2>/dev/null || break
      sleep 0.1
    done
    host_shows && break
  done
  host_shows || fail "gtk-sni-tray registered no host: $(tail -n 3 "$home/host-stderr")"
  "$program" 2>>"$home/stderr" &
  pid=$!
  item=""
  for _ in $(seq 200); do
    # The first item registered, as its bus name, which a watcher may give with the item's path.
    item=$(watcher --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher \
      RegisteredStatusNotifierItems | grep -oE "'[^'/]+" | head -1 | tr -d "'") || true
    [ -n "$item" ] && break
    sleep 0.1
  done
  [ -n "$item" ] || fail "the program registered no item with the host"
  sni() { # <method or property> [arguments...]
    gdbus call --session --dest "$item" --object-path /StatusNotifierItem "$@"
  }
  title=$(sni --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierItem Title)
  [ "$title" = "(<'Brewdial'>,)" ] || fail "the item's title is $title"
  # The host asks for the menu at a place of its choosing: the popup's corner is there each time.
  context_menu() { # <x> <y>
    menu_gone "the last menu's end"
    sni --method org.kde.StatusNotifierItem.ContextMenu "$1" "$2" >/dev/null
    for _ in $(seq 100); do menu_shows && break; sleep 0.1; done
    local w
    w=$(popup_window) || fail "no popup menu for ContextMenu($1, $2)"
    local at
    at=$(xwininfo -id "$w" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}')
    [ "$at" = "$1 $2" ] || fail "ContextMenu($1, $2) showed the popup at $at"
  }
  for try in 1 2 3 4; do
    context_menu $((300 + 40 * try)) $((100 + 30 * try))
    xdotool key Escape
    menu_gone "Escape"
  done
  echo "tray ($host): ContextMenu showed the popup at its place 4 times of 4, Escape closed it"
  context_menu 500 300
  xdotool mousemove 50 700 click 1
  menu_gone "a click elsewhere"
  echo "tray ($host): a click elsewhere closed it"
  sni --method org.kde.StatusNotifierItem.Activate 10 10 >/dev/null
  wait_for_window "^Brewdial$"
  echo "tray ($host): Activate showed the dialog"
  context_menu 400 200
  xdotool key Down Return
  wait_for_window "^Timer set to: 1 minute"
  echo "tray ($host): quick timer 1 from the popup opened the LED-Timer"
  # Paused with the dialog's button: a host that shows the exported menu without asking for it
  # again first finds "Resume" there.
  menu_path=$(sni --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierItem Menu |
    grep -oE "'/[^']*'" | tr -d "'")
  click_at "$(xdotool search --onlyvisible --name "^Brewdial$" | head -1)" 0.195 0.855
  exported() { gdbus call --session --dest "$item" --object-path "$menu_path" \
    --method com.canonical.dbusmenu.GetLayout 0 "int32 -1" "@as []"; }
  for _ in $(seq 50); do exported | grep -q "'Resume'" && break; sleep 0.1; done
  exported | grep -q "'Resume'" || fail "after Pause the exported menu ($menu_path) says: $(exported 2>&1 | head -c 600)"
  echo "tray ($host): after Pause the exported menu offers Resume"
  context_menu 400 200
  xdotool key Up Return
  expect_exit 0 "Exit from the popup"
  has_value "Timermode=1" "Exit"
  echo "tray ($host): Exit from the popup ended the program, which wrote $profile"
  exit 0
fi

trayer --edge top --align right --SetDockType false --widthtype pixel --width 120 2>"$home/trayer-stderr" >/dev/null &
panel_shows() { xwininfo -root -tree | grep -q '("panel" "trayer")'; }
for _ in $(seq 200); do panel_shows && break; sleep 0.1; done
panel_shows || fail "trayer showed no panel"
sleep 0.5 # the panel shows a moment before the tray takes its selection
"$program" 2>>"$home/stderr" &
pid=$!
# The icon: the program's window inside trayer's panel, by its place on the screen. A tray that
# takes its selection late still gets the icon, when it comes.
icon=""
for _ in $(seq 200); do
  icon=$(xwininfo -root -tree | awk '/"panel": \("panel" "trayer"\)/ {inpanel=1; depth=match($0, /[^ ]/); next}
    inpanel && match($0, /[^ ]/) <= depth {inpanel=0}
    inpanel && /\("brewdial" "Brewdial"\)/ {split($NF, a, "+"); split($(NF-1), s, "[x+]");
      print a[2] + int(s[1] / 2), a[3] + int(s[2] / 2); exit}')
  [ -n "$icon" ] && break
  sleep 0.1
done
[ -n "$icon" ] || fail "no tray icon in the panel; windows: $(xwininfo -root -tree | grep -E 'trayer|brewdial' | tr -s ' ')"
read -r x y <<< "$icon"
# A right-click on the icon, once the last menu has gone; returns when the popup shows.
popup() {
  for _ in $(seq 100); do menu_shows || break; sleep 0.1; done
  sleep 0.5 # a second press within the double-click time would be a double-click
  xdotool mousemove "$x" "$y" click 3
  for _ in $(seq 100); do menu_shows && return 0; sleep 0.1; done
  fail "no popup menu"
}
# A busy machine may stretch the two clicks beyond the double-click time: then once more.
for _ in 1 2 3; do
  xdotool mousemove "$x" "$y" click --repeat 2 --delay 80 1
  timeout 3 xdotool search --sync --onlyvisible --name "^Brewdial$" >/dev/null && break
done
xdotool search --onlyvisible --name "^Brewdial$" >/dev/null || fail "the double-click showed no dialog"
echo "tray: the double-click showed the dialog"
popup
xdotool key Down Return
wait_for_window "^Timer set to: 1 minute"
echo "tray: quick timer 1 from the popup opened the LED-Timer"
popup
xdotool key Up Return
expect_exit 0 "Exit from the popup"
has_value "Timermode=1" "Exit"
has_value "Minuten=1" "Exit"
echo "tray: Exit from the popup ended the program, which wrote $profile"
