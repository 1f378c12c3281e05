#!/usr/bin/env bash
# Starts the real program under a virtual X server, ends it with the Enter key through its own
# Close path, and checks the profile it wrote.
set -euo pipefail
test_name=smoke
source "$(dirname "$0")/real_program.sh"
begin_under_xvfb "$@"
program=$1
export XDG_CONFIG_HOME=$home/config
profile=$XDG_CONFIG_HOME/Quorvane/brewdial.conf

"$program" 2>>"$home/stderr" &
pid=$!
# The key release may reach a window that Enter has already closed: that X error is expected.
xdotool search --sync --onlyvisible --name "^Brewdial$" windowfocus --sync key Return >/dev/null 2>&1 || true
expect_exit 0 "Enter"
has_value "Timermode=0" "first run"
has_value "Meldungstext=Hier Text eingeben." "first run"
has_value "MCD1=65280" "first run"
echo "smoke: the program started, ended through Enter and wrote $profile"
