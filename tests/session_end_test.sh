#!/usr/bin/env bash
# Ends the real program with SIGTERM, SIGINT and SIGHUP under a virtual X server: while idle,
# during a countdown with its LED-Timer and 3D-Timer, while a message box, the about box or a
# popup menu is open, and after a FIFO was played as the sound. Each time it must run its own
# Close sequence: exit status 0 and the profile written once, with what this session set.
set -euo pipefail
test_name=session-end
source "$(dirname "$0")/real_program.sh"
begin_under_xvfb "$@"
program=$1

# Counts the profile's writes (each is a new file linked or renamed into place) until stopped.
watch_profile() {
  inotifywait -m -q -e create,moved_to --format '%f' "$XDG_CONFIG_HOME/Quorvane" >"$home/writes" &
  watcher=$!
  sleep 0.3 # inotifywait has its watch in place
}

expect_one_write() { # <what>
  sleep 0.2
  kill "$watcher"
  local writes
  writes=$(grep -cxF brewdial.conf "$home/writes" || true)
  [ "$writes" -eq 1 ] || fail "$1: the profile was written $writes times"
}

end_case() { # <name> <signal> <check Key=value...>
  local name=$1 signal=$2
  shift 2
  kill "-$signal" "$pid"
  expect_exit 0 "$name"
  expect_one_write "$name"
  for value in "$@"; do has_value "$value" "$name"; done
  echo "$test_name: $name: SIG$signal, exit status 0, profile written once"
}

for signal in TERM INT HUP; do
  new_profile "idle-$signal" "Meldungstext=before"
  watch_profile
  start_program
  end_case "idle" "$signal" "Timermode=0" "Meldungstext=before" "MCD1=65280"
done

new_profile countdown "LED-timer=1" "3D=1"
watch_profile
# Under LeakSanitizer: the GL driver, unloaded at exit, leaves allocations it cannot name. The
# program's own leaks are looked for without a GL window, by the soak test of the suite.
ASAN_OPTIONS=${ASAN_OPTIONS:-}:detect_leaks=0 start_program
"$program" --countdown 7 || fail "countdown: the hand-over failed"
wait_for_window "^Timer set to: 7 minutes: "
wait_for_window "^3D-Timer \(7 minutes\)"
end_case "during a countdown" TERM "Timermode=1" "Minuten=7"

# A quick timer of no minutes answers "Missing Time!" in a message box.
new_profile message-box "Menu1I=0"
watch_profile
start_program --quick 1
wait_for_window "^Hinweis$"
end_case "while a message box is open" TERM "Timermode=1" "Menu1I=0"

new_profile about-box
watch_profile
start_program
open_about_box
end_case "while the about box is open" TERM "Timermode=0"

new_profile popup-menu
watch_profile
start_program
open_system_menu
end_case "while a popup menu is open" TERM "Timermode=0"

# A FIFO chosen as the sound file (the file dialog's *.wav filter lets one through), played
# from the Options page: it is not opened, the program says so and stays alive for the signal.
mkfifo "$home/pipe.wav"
new_profile fifo-sound "Sound=1" "Soundname=pipe" "Soundwav=$home/pipe.wav"
watch_profile
start_program
click_in_main_dialog 75 19  # the Options tab
click_in_main_dialog 280 57 # its Play button
for _ in $(seq 50); do
  grep -q "pipe.wav is not a regular file" "$home/stderr" && break
  sleep 0.1
done
grep -q "pipe.wav is not a regular file" "$home/stderr" || fail "playing a FIFO: nothing was said"
end_case "after playing a FIFO" TERM "Soundwav=$home/pipe.wav"
