#!/usr/bin/env bash
# The real program in a real XEmbed tray (trayer) under a virtual X server, driven as a user does:
# a double-click on the tray icon brings back the hidden dialog, quick timer 1 from the popup
# starts a countdown with its LED-Timer, and "Exit" from the popup ends the program, which writes
# its profile.
set -euo pipefail
test_name=tray
source "$(dirname "$0")/real_program.sh"
begin_under_xvfb "$@"
program=$1
new_profile config Start=1 LED-timer=1

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
    inpanel && /\("brewdial" "brewdial"\)/ {split($NF, a, "+"); split($(NF-1), s, "[x+]");
      print a[2] + int(s[1] / 2), a[3] + int(s[2] / 2); exit}')
  [ -n "$icon" ] && break
  sleep 0.1
done
[ -n "$icon" ] || fail "no tray icon in the panel; windows: $(xwininfo -root -tree | grep -E 'trayer|brewdial' | tr -s ' ')"
read -r x y <<< "$icon"
# Whether a popup menu of the program shows: a top-level window of its own that the window
# manager does not place (the dialogs and the LED-Timer are placed; the icon is not top-level).
menu_shows() {
  local w
  for w in $(xwininfo -root -children | awk '/\("brewdial" "brewdial"\)/ {print $1}'); do
    xwininfo -id "$w" | grep -q "Map State: IsViewable" &&
      xwininfo -id "$w" | grep -q "Override Redirect State: yes" && return 0
  done
  return 1
}
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
