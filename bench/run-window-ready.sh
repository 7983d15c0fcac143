#!/bin/sh
# Times the filled main window under a private X server (Xvfb), then off screen.
# Usage: bench/run-window-ready.sh [BINARY] [RUNS]
set -eu
binary=${1:-build/bench/halvane_window_ready}
runs=${2:-5}
[ -x "$binary" ] || { echo "no $binary; build the halvane_window_ready target first" >&2; exit 2; }

# Outside a desktop session the toolkit wants a private runtime folder.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  made_runtime=$XDG_RUNTIME_DIR
fi

# -displayfd lets the server pick a free display and tell us its number.
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null || true; rm -f "$fifo"; [ -z "${made_runtime:-}" ] || rm -rf "$made_runtime"' EXIT
trap 'exit 1' INT TERM
read -r number <"$fifo"

status=0
echo "== Xvfb :$number"
env -u QT_QPA_PLATFORM DISPLAY=":$number" QT_QPA_PLATFORM=xcb "$binary" "$runs" || status=1
echo
echo "== offscreen"
env -u DISPLAY QT_QPA_PLATFORM=offscreen "$binary" "$runs" || status=1
exit $status
