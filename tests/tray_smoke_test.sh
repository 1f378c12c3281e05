#!/usr/bin/env bash
# The real program in a real XEmbed tray (trayer) under a virtual X server, driven as a user does:
# a double-click on the tray icon brings back the hidden dialog, quick timer 1 from the popup
# starts a countdown with its LED-Timer, and "Exit" from the popup ends the program, which writes
# its profile.
set -euo pipefail
program=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/Quorvane" && chmod 700 "$XDG_RUNTIME_DIR"
printf '[Daten]\nStart=1\nLED-timer=1\n' > "$XDG_CONFIG_HOME/Quorvane/brewdial.conf"
unset QT_QPA_PLATFORM
timeout 90 xvfb-run -a -s "-screen 0 800x600x24" bash -euo pipefail -c '
  trayer --edge top --align right --SetDockType false --widthtype pixel --width 120 >/dev/null 2>&1 &
  "$0" & pid=$!
  # The icon: the program'"'"'s window inside trayer'"'"'s panel, by its place on the screen.
  icon=""
  for _ in $(seq 100); do
    icon=$(xwininfo -root -tree | awk '"'"'/"panel": \("panel" "trayer"\)/ {inpanel=1; next}
      inpanel && /\("brewdial" "brewdial"\)/ {split($NF, a, "+"); split($(NF-1), s, "[x+]");
        print a[2] + int(s[1] / 2), a[3] + int(s[2] / 2); exit}'"'"')
    [ -n "$icon" ] && break
    sleep 0.1
  done
  [ -n "$icon" ] || { echo "no tray icon in the panel" >&2; exit 1; }
  read -r x y <<< "$icon"
  xdotool mousemove "$x" "$y" click --repeat 2 --delay 80 1
  timeout 10 xdotool search --sync --onlyvisible --name "^Brewdial$" >/dev/null
  echo "tray: the double-click showed the dialog"
  xdotool mousemove "$x" "$y" click 3
  sleep 0.5
  xdotool key Down Return
  timeout 10 xdotool search --sync --onlyvisible --name "^Timer set to: 1 minute" >/dev/null
  echo "tray: quick timer 1 from the popup opened the LED-Timer"
  xdotool mousemove "$x" "$y" click 3
  sleep 0.5
  xdotool key Up Return
  wait $pid' "$program"
profile=$XDG_CONFIG_HOME/Quorvane/brewdial.conf
grep -q '^Timermode=1$' "$profile"
grep -q '^Minuten=1$' "$profile"
echo "tray: Exit from the popup ended the program, which wrote $profile"
