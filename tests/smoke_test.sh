#!/usr/bin/env bash
# Starts the real program under a virtual X server, ends it with the Enter key through its own
# Close path, and checks the profile it wrote.
set -euo pipefail
program=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
timeout 60 "$(dirname "$0")/with_xvfb.sh" bash -c '
  "$0" & pid=$!
  # The key release may reach a window that Enter has already closed: that X error is expected.
  xdotool search --sync --onlyvisible --name "^Brewdial$" windowfocus --sync key Return >/dev/null 2>&1
  wait $pid' "$program"
profile=$XDG_CONFIG_HOME/Quorvane/brewdial.conf
grep -q '^Timermode=0$' "$profile"
grep -q '^Meldungstext=Hier Text eingeben.$' "$profile"
grep -q '^MCD1=65280$' "$profile"
echo "smoke: the program started, ended through Enter and wrote $profile"
