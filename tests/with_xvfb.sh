#!/usr/bin/env bash
# Runs a command with DISPLAY set to a virtual X server of its own (1024x768, 24 bits), which
# goes when the command ends. Xvfb picks a free display itself, so servers started at the same
# time by other tests or other programs never collide.
set -euo pipefail
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null || true; rm -f "$fifo"' EXIT
read -r display < "$fifo"
export DISPLAY=:$display
"$@"
