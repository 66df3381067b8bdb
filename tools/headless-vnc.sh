#!/usr/bin/env bash
# Serves a program's window over VNC to this machine only: a private X server,
# and x11vnc on the loopback interface at the first free port of 5900-5999
# (NOVEMO_VNC_PORTS=FIRST-LAST to choose others). Prints the port it really
# serves; exits 1, serving nothing, when no port can be had.
#   tools/headless-vnc.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
ports=${NOVEMO_VNC_PORTS:-5900-5999}
first=${ports%-*}
last=${ports#*-}
for tool in Xvfb x11vnc; do
  command -v "$tool" >/dev/null || { echo "novemo: $tool is missing (Debian: xvfb, x11vnc)" >&2; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  [ ${#pids[@]} -eq 0 ] || kill "${pids[@]}" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 143' TERM INT HUP

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
until [ -s "$work/display" ]; do
  kill -0 "${pids[0]}" 2>/dev/null || { echo "novemo: the private X server did not start" >&2; exit 1; }
  sleep 0.05
done
display=":$(cat "$work/display")"

port=""
for ((p = first; p <= last; p++)); do
  if command -v ss >/dev/null && [ -n "$(ss -ltnH "sport = :$p")" ]; then continue; fi
  : >"$work/vnc.out"
  x11vnc -display "$display" -localhost -noipv6 -rfbport "$p" -forever -shared -nopw -quiet \
    >"$work/vnc.out" 2>"$work/vnc.log" &
  vnc=$!
  until grep -q '^PORT=' "$work/vnc.out" || ! kill -0 "$vnc" 2>/dev/null; do sleep 0.05; done
  if grep -qx "PORT=$p" "$work/vnc.out"; then
    pids+=("$vnc")
    port=$p
    break
  fi
  kill "$vnc" 2>/dev/null || true
  wait "$vnc" 2>/dev/null || true
done
if [ -z "$port" ]; then
  echo "novemo: no display found, and no VNC port of $first-$last is free; nothing is served" >&2
  exit 1
fi

echo "novemo: no display found; connect a VNC viewer to localhost:$port to play (this machine only)"
DISPLAY=$display QT_QPA_PLATFORM=xcb "$@" &
game=$!
pids+=("$game")
wait "$game"
