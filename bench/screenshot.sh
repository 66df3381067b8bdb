#!/usr/bin/env bash
# A screenshot of the real window under Xvfb, after one revealed cell.
#   bench/screenshot.sh OUT.png [scale factor]  (after ./novemo.sh test)
set -euo pipefail
cd "$(dirname "$0")/.."
OUT=${1:?usage: bench/screenshot.sh OUT.png [scale]}
SCALE=${2:-1}
./novemo.sh packages xvfb x11-utils imagemagick xdotool
home=$(mktemp -d)
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
trap 'kill $game $xvfb 2>/dev/null; rm -rf "$home" "$display_file"' EXIT
while [ ! -s "$display_file" ]; do sleep 0.01; done
export DISPLAY=":$(cat "$display_file")"
HOME=$home XDG_CONFIG_HOME=$home XDG_RUNTIME_DIR=$home QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$SCALE \
  build/src/novemo >/dev/null 2>&1 &
game=$!
window=$(xdotool search --sync --onlyvisible --name '^Novemo 1\.2$' | head -n 1)
xdotool windowfocus --sync "$window"
# Up, Left, a few entries: the shot shows given and entered digits and the green frame.
for key in Up 7 Left 3 Left 9 Down 1 Down 6 Right; do xdotool key --window "$window" "$key"; done
sleep 1.2
import -window "$window" "$OUT"
echo "$OUT: $(identify -format '%wx%h' "$OUT")"
