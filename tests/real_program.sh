# Sourced by the tests that drive the real program under a virtual X server: starting it on a
# profile of its own, waiting for its windows, and reading what it wrote.
# The including script sets test_name and program, and calls begin_under_xvfb first.

# Runs the including script again under a virtual X server of its own, then gives it a fresh
# home with a private runtime folder, removed at the end with anything it left running.
# The whole script may take time_limit seconds (120 unless the script sets it).
begin_under_xvfb() { # <the script's arguments...>
  if [ -z "${BREWDIAL_UNDER_XVFB:-}" ]; then
    export BREWDIAL_UNDER_XVFB=1
    exec timeout "${time_limit:-120}" "$(dirname "${BASH_SOURCE[0]}")/with_xvfb.sh" "$0" "$@"
  fi
  home=$(mktemp -d)
  trap '{ kill -9 $(jobs -p) && wait; } 2>/dev/null; rm -rf "$home"' EXIT
  export XDG_RUNTIME_DIR=$home/runtime
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  unset QT_QPA_PLATFORM
}

fail() {
  echo "$test_name: $*" >&2
  cat "$home"/*stderr >&2 2>/dev/null || true
  exit 1
}

# A fresh configuration folder with these profile lines under [Daten]; its profile's path.
new_profile() { # <name> [Key=value...]
  export XDG_CONFIG_HOME=$home/$1
  shift
  mkdir -p "$XDG_CONFIG_HOME/Quorvane"
  profile=$XDG_CONFIG_HOME/Quorvane/brewdial.conf
  printf '[Daten]\n' >"$profile"
  for line in "$@"; do printf '%s\n' "$line" >>"$profile"; done
}

# Starts the program in the background and waits for its main dialog; its pid is in pid.
start_program() { # [arguments...]
  "$program" "$@" 2>>"$home/stderr" &
  pid=$!
  wait_for_window "^Brewdial$"
}

wait_for_window() { # <title regex>
  timeout 10 xdotool search --sync --onlyvisible --name "$1" >/dev/null ||
    fail "no window '$1' appeared; shown: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | tr '\n' '|'); all: $(xdotool search --name "$1" 2>/dev/null | tr '\n' ' ')"
}

visible_windows() { # <title regex> -> how many are shown
  xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l
}

# Waits for the program to end; fails unless it ends with the given status within a few seconds.
expect_exit() { # <status> <what>
  local status=0 waited=0
  while kill -0 "$pid" 2>/dev/null && [ $waited -lt 100 ]; do
    sleep 0.1
    waited=$((waited + 1))
  done
  kill -0 "$pid" 2>/dev/null && fail "$2: the program did not end"
  wait "$pid" || status=$?
  [ "$status" -eq "$1" ] || fail "$2: exit status $status, not $1"
}

has_value() { # <Key=value> <what>
  grep -qxF "$1" "$profile" || fail "$2: the profile lacks $1: $(tr '\n' ' ' <"$profile")"
}

# Clicks the point of a window that lies at these fractions of its width and height, as the
# user's pointer does; the dialogs scale with their font, so fractions hold at any font size.
click_at() { # <window id> <fraction of width> <fraction of height>
  local width height
  eval "$(xdotool getwindowgeometry --shell "$1")"
  width=$WIDTH height=$HEIGHT
  xdotool mousemove --window "$1" "$(awk "BEGIN{print int($width*$2)}")" "$(awk "BEGIN{print int($height*$3)}")" click 1
}

# Seconds since the epoch, with fractions.
now() { date +%s.%N; }

# Waits for a shown window with this title; prints the time it was first seen.
time_of_window() { # <title regex> <seconds at most>
  local give_up
  give_up=$(awk "BEGIN{printf \"%.3f\", $(now) + $2}")
  until xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; do
    awk "BEGIN{exit !($(now) > $give_up)}" && fail "no window '$1' within $2 s"
    sleep 0.02
  done
  now
}

# Clicks the main dialog at a point of its client area.
click_in_main_dialog() { # <x> <y>
  local id
  id=$(xdotool search --onlyvisible --name "^Brewdial$" | head -1)
  eval "$(xdotool getwindowgeometry --shell "$id")"
  xdotool mousemove $((X + $1)) $((Y + $2)) click 1
  sleep 0.2
}

# Right-clicks the main dialog's background, where its system menu opens.
open_system_menu() {
  local id before
  id=$(xdotool search --onlyvisible --name "^Brewdial$" | head -1)
  before=$(xdotool search --onlyvisible --pid "$pid" | wc -l)
  eval "$(xdotool getwindowgeometry --shell "$id")"
  xdotool mousemove $((X + WIDTH - 8)) $((Y + HEIGHT / 2)) click 3
  for _ in $(seq 50); do
    [ "$(xdotool search --onlyvisible --pid "$pid" | wc -l)" -gt "$before" ] && return
    sleep 0.1
  done
  fail "the system menu did not open"
}

# Opens the about box from the system menu.
open_about_box() {
  open_system_menu
  xdotool key Down Return
  for _ in $(seq 50); do
    [ "$(visible_windows "^Brewdial$")" -ge 2 ] && break
    sleep 0.1
  done
  [ "$(visible_windows "^Brewdial$")" -ge 2 ] || fail "the about box did not open"
}
