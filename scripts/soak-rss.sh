#!/usr/bin/env bash
# Memory of the real program over many runs, under a virtual X server. First the program is
# started and ended (SIGTERM) the given number of times, each time with a countdown handed to
# it; then one program has as many countdowns handed to it, each replacing the one before. The
# resident set size (VmRSS) is printed after each run and must stay within 1 MB of the first.
# Usage: scripts/soak-rss.sh build/brewdial [runs, default 50]
set -euo pipefail
test_name=soak
time_limit=3600
source "$(dirname "$0")/../tests/real_program.sh"
begin_under_xvfb "$@"
program=$(realpath "$1")
runs=${2:-50}
new_profile config LED-timer=1 DisplayIcon=1

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }
# Polls: a window that goes while xdotool looks at it would end a --sync search with an error.
wait_for() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && return
    sleep 0.1
  done
  echo "no window '$1' appeared" >&2
  return 1
}

first=
worst=0
record() { # <label> <rss in kB>
  [ -n "$first" ] || first=$2
  local growth=$(($2 - first))
  [ $growth -gt $worst ] && worst=$growth
  printf '%-22s %6d kB  %+6d kB\n' "$1" "$2" "$growth"
}

echo "== the program started and ended $runs times, a countdown in each run"
for i in $(seq "$runs"); do
  "$program" 2>/dev/null &
  pid=$!
  wait_for "^Brewdial$"
  "$program" --countdown 1
  wait_for "^Timer set to: 1 minute: "
  sleep 0.3
  record "run $i" "$(rss_kb $pid)"
  kill -TERM $pid
  wait $pid
done
processes_first=$first processes_worst=$worst

echo "== one program, $runs countdowns handed to it, each replacing the one before"
first= worst=0
"$program" 2>/dev/null &
pid=$!
wait_for "^Brewdial$"
for i in $(seq "$runs"); do
  minutes=$((i % 2 + 2))
  "$program" --countdown $minutes
  wait_for "^Timer set to: $minutes minutes: "
  sleep 0.3
  record "countdown $i" "$(rss_kb $pid)"
done
kill -TERM $pid
wait $pid

echo "most above the first: $processes_worst kB over the processes (first $processes_first kB)," \
  "$worst kB within one program (first $first kB)"
[ "$processes_worst" -le 1024 ] && [ "$worst" -le 1024 ]
