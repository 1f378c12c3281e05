#!/usr/bin/env bash
# Runs the program under a virtual X server with a tray host, and saves a screenshot after
# the given commands (xdotool arguments run one per line from stdin) have been sent.
# Usage: scripts/screenshot.sh build/brewdial out.png [profile-dir] < steps
set -euo pipefail
program=$(realpath "$1")
out=$(realpath -m "$2")
home=${3:-$(mktemp -d)}
export XDG_CONFIG_HOME=$home XDG_RUNTIME_DIR=$home/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
steps=$(cat)
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  trayer --edge top --align right --SetDockType false --widthtype pixel --width 120 >/dev/null 2>&1 &
  # A window manager, where one is installed, draws the title bars that show the captions.
  if command -v openbox >/dev/null; then openbox >/dev/null 2>&1 & fi
  sleep 1
  "$0" & pid=$!
  xdotool search --sync --onlyvisible --name "^Brewdial$" >/dev/null || true
  sleep 1
  while IFS= read -r line; do
    [ -z "$line" ] && continue
    eval "$line"
  done <<< "$2"
  sleep 0.5
  import -window root "$1"
  kill $pid 2>/dev/null || true' "$program" "$out" "$steps"
