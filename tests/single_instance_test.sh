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
# no minutes), later starts are answered at once; what they ask for waits until the box is
# closed, merged into one request: the last run asked for.
later_start 0 --quick 1
wait_for_window "^Hinweis$"
for _ in $(seq 10); do later_start 0 --quick 1; done
later_start 0 --countdown 4
sleep 0.3
[ "$(visible_windows "^Hinweis$")" -eq 1 ] || fail "later starts stacked message boxes"
[ "$(visible_windows "^Timer set to: 4 minutes")" -eq 0 ] || fail "a request was carried out inside the box"
xdotool search --onlyvisible --name "^Hinweis$" windowfocus --sync
xdotool key Return
wait_for_window "^Timer set to: 4 minutes: "
[ "$(visible_windows "^Hinweis$")" -eq 0 ] || fail "a box came back after the merged request"
grep -q "did not answer\|went away" "$home/later-stderr" && fail "a later start was not answered"

# While the about box is open, a later start's countdown waits until it is closed.
open_about_box
later_start 0 --countdown 5
sleep 0.3
[ "$(visible_windows "^Timer set to: 5 minutes")" -eq 0 ] || fail "a request was carried out inside the about box"
xdotool key Escape
wait_for_window "^Timer set to: 5 minutes: "

# A flood of connections that say nothing, beyond the descriptors the program may hold: the
# program refuses what it cannot hear instead of spinning, and still writes its profile.
kill -TERM "$pid"
expect_exit 0 "ending after the hand-overs"
has_value "Minuten=5" "after the hand-overs"
(ulimit -n 1024 && exec "$program" 2>>"$home/stderr") &
pid=$!
wait_for_window "^Brewdial$"
socket=$XDG_RUNTIME_DIR/brewdial-$(id -u)-${DISPLAY%.*}
# Perl (Debian's essential perl-base) makes the connections; a program spinning on a
# listener it cannot serve would burn a core meanwhile.
(ulimit -n 4096 2>/dev/null || true; perl - "$socket" "$pid" "$home/flood") <<'PL' || fail "the connection flood: $(cat "$home/flood" 2>/dev/null)"
use IO::Socket::UNIX;
my ($path, $pid, $report) = @ARGV;
sub cpu { # the program's user and system time, in clock ticks
  open my $stat, "<", "/proc/$pid/stat" or die "no program: $!";
  my @fields = split ' ', (split /\) /, <$stat>)[-1];
  return $fields[11] + $fields[12];
}
my $start = cpu();
my @held;
my $until = time + 15;
for (1 .. 1100) {  # a full queue of waiting connections is tried again a little later
  my $s;
  until ($s || time > $until) {
    $s = IO::Socket::UNIX->new(Type => SOCK_STREAM(), Peer => $path) or select(undef, undef, undef, 0.01);
  }
  push @held, $s if $s;
}
sleep 1;
my $used = cpu() - $start;
open my $out, ">", $report;
print $out "$used ticks of CPU for ", scalar(@held), " connections";
# Taking and refusing them costs a few ticks; spinning cost hundreds here.
exit($used < 100 ? 0 : 1);
PL
later_start 0 --countdown 6
wait_for_window "^Timer set to: 6 minutes: "
kill -TERM "$pid"
expect_exit 0 "ending after the flood"
has_value "Minuten=6" "after the flood"
grep -q "could not be written" "$home/stderr" && fail "the profile was not written after the flood"
echo "$test_name: later starts handed over, bad ones refused, a stale socket cleared, requests waited for the box, a flood refused ($(cat "$home/flood"))"
