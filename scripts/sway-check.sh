#!/usr/bin/env bash
# Tries the real program in a headless sway session (Debian's sway and xwayland) with swaybar as
# its tray, as a user of a Wayland desktop meets it: its windows go through XWayland, named by
# the desktop entry's window class; swaybar's ContextMenu call brings up the popup at its place,
# Escape closes it and Exit ends the program. Then, with no X server, the program runs on
# Wayland natively with one line of notice where Qt's Wayland plugin is installed, or says in
# one line that it cannot run and ends with status 1. Prints what sway shows of the windows.
# Run as an ordinary user (sway does not run as root); ends with status 77 where sway is missing.
# Usage: scripts/sway-check.sh build/brewdial [screenshot.png]
set -euo pipefail
program=$(realpath "$1")
shot=${2:-}
command -v sway >/dev/null && command -v Xwayland >/dev/null || { echo "sway-check: no sway or Xwayland"; exit 77; }
[ "$(id -u)" -ne 0 ] || { echo "sway-check: run as an ordinary user"; exit 77; }
dir=$(mktemp -d)
trap '[ -z "${SWAYSOCK:-}" ] || swaymsg exit >/dev/null 2>&1; { kill $(jobs -p) && wait; } 2>/dev/null; rm -rf "$dir"' EXIT
fail() {
  echo "sway-check: $*" >&2
  cat "$dir"/*.log >&2 2>/dev/null || true
  exit 1
}
export XDG_RUNTIME_DIR=$dir/runtime XDG_CONFIG_HOME=$dir/config
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/Quorvane" && chmod 700 "$XDG_RUNTIME_DIR"
printf '[Daten]\nLED-timer=1\n' >"$XDG_CONFIG_HOME/Quorvane/brewdial.conf"
printf 'xwayland enable\noutput HEADLESS-1 resolution 1024x768\nbar {\n position top\n tray_output *\n}\n' >"$dir/sway.conf"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  dbus-run-session -- sway -c "$dir/sway.conf" >"$dir/sway.log" 2>&1 &
for _ in $(seq 100); do ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock >/dev/null 2>&1 && break; sleep 0.1; done
SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock) || fail "sway did not start"
export SWAYSOCK WAYLAND_DISPLAY=$(basename "$(ls "$XDG_RUNTIME_DIR"/wayland-[0-9])")

# Starts the program inside the session (as its launcher would), with its environment noted.
start() { # <environment command...>
  swaymsg exec "$* sh -c 'echo \$DISPLAY >$dir/display; echo \$DBUS_SESSION_BUS_ADDRESS >$dir/bus; \
    $program --show 2>$dir/program.log; echo \$? >$dir/status'" >/dev/null
}
windows() { # -> "shell app_id class name" per window of the program
  swaymsg -t get_tree | python3 -c '
import json, sys
def walk(n):
    if n.get("pid") and (n.get("app_id") or (n.get("window_properties") or {}).get("class")):
        print(n.get("shell"), n.get("app_id"), (n.get("window_properties") or {}).get("class"), n.get("name"))
    for c in n.get("nodes", []) + n.get("floating_nodes", []):
        walk(c)
walk(json.load(sys.stdin))'
}
wait_for() { # <what> <command...>
  local what=$1
  shift
  for _ in $(seq 150); do "$@" && return 0; sleep 0.1; done
  fail "$what"
}

start ""
wait_for "no main dialog" sh -c "swaymsg -t get_tree | grep -q '\"name\": \"Brewdial\"'"
echo "with XWayland:"
windows | sed 's/^/  /'
windows | grep -v '^xwayland None Brewdial ' && fail "a window not through XWayland with class Brewdial"
export DISPLAY=$(cat "$dir/display") DBUS_SESSION_BUS_ADDRESS=$(cat "$dir/bus")
wait_for "no tray item" sh -c "gdbus call --session --dest org.kde.StatusNotifierWatcher \
  --object-path /StatusNotifierWatcher --method org.freedesktop.DBus.Properties.Get \
  org.kde.StatusNotifierWatcher RegisteredStatusNotifierItems | grep -q \"'\""
item=$(gdbus call --session --dest org.kde.StatusNotifierWatcher --object-path /StatusNotifierWatcher \
  --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher RegisteredStatusNotifierItems |
  grep -oE "'[^'/]+" | head -1 | tr -d "'")
popup_shows() {
  local w
  for w in $(xwininfo -root -children | awk '/\("brewdial" "Brewdial"\)/ {print $1}'); do
    xwininfo -id "$w" | grep -q "Map State: IsViewable" &&
      xwininfo -id "$w" | grep -q "Override Redirect State: yes" && return 0
  done
  return 1
}
context_menu() { # as swaybar asks, below its icon at the top right
  gdbus call --session --dest "$item" --object-path /StatusNotifierItem \
    --method org.kde.StatusNotifierItem.ContextMenu 900 30 >/dev/null
  wait_for "no popup for ContextMenu" popup_shows
}
context_menu
[ -z "$shot" ] || ! command -v grim >/dev/null || grim "$shot"
echo "  swaybar's ContextMenu(900, 30) showed the popup"
xdotool key Escape
popup_gone() { ! popup_shows; }
wait_for "Escape left the popup open" popup_gone
echo "  Escape closed it"
context_menu
xdotool key Up Return
wait_for "Exit did not end the program" test -s "$dir/status"
[ "$(cat "$dir/status")" = 0 ] || fail "Exit ended the program with status $(cat "$dir/status")"
echo "  Exit from the popup ended the program"

rm -f "$dir/status"
start "env -u DISPLAY"
wait_for "the program neither showed a window nor ended" sh -c "[ -s $dir/status ] || swaymsg -t get_tree | grep -q net.quorvane.Brewdial"
echo "without an X server:"
if [ -s "$dir/status" ]; then
  [ "$(cat "$dir/status")" = 1 ] && [ "$(wc -l <"$dir/program.log")" = 1 ] ||
    fail "not one line and status 1: status $(cat "$dir/status"), $(cat "$dir/program.log")"
  echo "  status 1: $(cat "$dir/program.log")"
else
  windows | sed 's/^/  /'
  windows | grep -v '^xdg_shell net.quorvane.Brewdial ' && fail "a native window with another app_id"
  echo "  notice: $(cat "$dir/program.log")"
fi
