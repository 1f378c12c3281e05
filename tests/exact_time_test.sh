#!/usr/bin/env bash
# The real program keeps time as a user meets it, under a virtual X server: a countdown started
# with the Start button and hidden with Escape, brought back mid-run by a later start, rings at
# its nominal end; a time of day typed for the next minute rings in the first second of it.
# Usage: exact_time_test.sh <brewdial> countdown|alarm [tries]
set -euo pipefail
test_name="exact-time $2"
time_limit=$((75 + 70 * ${3:-1}))
source "$(dirname "$0")/real_program.sh"
begin_under_xvfb "$@"
program=$1

# Where the main dialog's controls lie, as fractions of its size.
start_button=(0.338 0.855)
alarm_edit=(0.607 0.242)

countdown() {
  new_profile countdown "Timermode=1" "Minuten=1" "LED-timer=0" "DisplayIcon=0"
  start_program
  local dialog started rang
  dialog=$(xdotool search --onlyvisible --name "^Brewdial$" | head -1)
  started=$(now)
  click_at "$dialog" "${start_button[@]}"
  xdotool windowfocus --sync "$dialog" key Escape
  sleep 20
  [ "$(visible_windows "^Brewdial$")" -eq 0 ] || fail "Escape did not hide the dialog"
  "$program" --show 2>>"$home/stderr"
  wait_for_window "^Brewdial$"
  rang=$(time_of_window "^Hinweis$" 60)
  # Nominal end 60 s after the click; a quarter second of ticks and a loaded machine's delay.
  awk "BEGIN{d=$rang-$started; printf \"countdown rang after %.3f s\n\", d; exit !(d >= 60.0 && d <= 61.5)}" ||
    fail "the 1-minute countdown rang $(awk "BEGIN{print $rang-$started}") s after Start"
  kill "$pid"
  wait "$pid" || true
}

alarm() { # <try>
  new_profile "alarm$1" "Timermode=0"
  start_program
  local dialog second target rang into
  dialog=$(xdotool search --onlyvisible --name "^Brewdial$" | head -1)
  second=$(date +%-S)
  [ "$second" -lt 55 ] || sleep $((61 - second)) # time to type it within this minute
  target=$(date -d "+1 minute" +%-H:%M)
  click_at "$dialog" "${alarm_edit[@]}"
  xdotool type --window "$dialog" "$target"
  click_at "$dialog" "${start_button[@]}"
  rang=$(time_of_window "^Hinweis$" 70)
  into=$(awk "BEGIN{print $rang - int($rang / 60) * 60}")
  [ "$(date -d "@${rang%.*}" +%-H:%M)" = "$target" ] || fail "the alarm for $target rang at $(date -d "@${rang%.*}" +%T)"
  awk "BEGIN{printf \"alarm for $target rang %.3f s into its minute\n\", $into; exit !($into < 1.5)}" ||
    fail "the alarm for $target rang $into s into its minute"
  kill "$pid"
  wait "$pid" || true
}

case $2 in
countdown) countdown ;;
alarm) for try in $(seq "${3:-1}"); do alarm "$try"; done ;;
*) fail "unknown scenario $2" ;;
esac
