#!/usr/bin/env bash
# Two and more starts of the real program under a virtual X server: a later start hands its
# command line to the running program and ends with status 0, also while that program shows a
# modal dialog; bad arguments change nothing; a program killed leaves nothing that blocks the
# next start.
set -euo pipefail
test_name=single-instance
source "$(dirname "$0")/real_program.sh"
begin_under_xvfb "$@"
program=$1

# A later start: it must end within a few seconds with the given status.
later_start() { # <status> [arguments...]
  local want=$1 status=0
  shift
  timeout 10 "$program" "$@" 2>>"$home/later-stderr" || status=$?
  [ "$status" -eq "$want" ] || fail "brewdial $*: exit status $status, not $want"
}

new_profile first "LED-timer=1" "Menu1I=0"
start_program
later_start 0 --countdown 3
wait_for_window "^Timer set to: 3 minutes: "

# Bad arguments reach nobody: the countdown stays as it is.
for bad in "--quick 4" "--countdown 0" "--countdown abc" "--countdown 99999999999" "--bogus"; do
  # shellcheck disable=SC2086
  later_start 2 $bad
done
sleep 0.3
[ "$(visible_windows "^Timer set to: 3 minutes: ")" -eq 1 ] || fail "a bad start disturbed the countdown"
kill -0 "$pid" || fail "a bad start ended the running program"

# With no arguments a later start brings up the hidden main dialog.
# The key goes through XTEST, press and release: sent to a window, the release would be lost
# with the hidden dialog and the key repeat on for the next program.
xdotool search --onlyvisible --name "^Brewdial$" windowfocus --sync
xdotool key Escape
for _ in $(seq 50); do
  [ "$(visible_windows "^Brewdial$")" -eq 0 ] && break
  sleep 0.1
done
[ "$(visible_windows "^Brewdial$")" -eq 0 ] || fail "Escape did not hide the main dialog"
later_start 0
wait_for_window "^Brewdial$"

# Starts racing each other all find the one running program.
racers=()
for _ in 1 2 3 4; do
  timeout 10 "$program" --show 2>>"$home/later-stderr" &
  racers+=($!)
done
for racer in "${racers[@]}"; do
  wait "$racer" || fail "a racing start ended with status $?"
done

# A program killed leaves its socket behind; the next start is the new instance all the same.
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
[ -S "$XDG_RUNTIME_DIR/brewdial-$(id -u)-${DISPLAY%.*}" ] || fail "the killed program left no socket to test with"
start_program
later_start 0 --countdown 2
wait_for_window "^Timer set to: 2 minutes: "

# While the running program shows a modal message box ("Missing Time!" of a quick timer with
# no minutes), later starts are answered and their request is carried out.
later_start 0 --quick 1
wait_for_window "^Hinweis$"
later_start 0 --countdown 4
wait_for_window "^Timer set to: 4 minutes: "
[ "$(visible_windows "^Hinweis$")" -eq 1 ] || fail "the message box went away"
kill -TERM "$pid"
expect_exit 0 "ending with the message box open"
has_value "Minuten=4" "after the hand-overs"
grep -q "did not answer\|went away" "$home/later-stderr" && fail "a later start was not answered"
echo "$test_name: later starts handed over, bad ones refused, a stale socket cleared, a modal dialog survived"
