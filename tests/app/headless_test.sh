#!/usr/bin/env bash
# Two headless games each serve VNC on the loopback interface only, on the port
# they print; a third, with no port left in the range, says so and exits 1.
#   headless_test.sh SERVE_SCRIPT GAME
set -u
serve=$1
game=$2
for tool in Xvfb x11vnc ss setsid; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'kill -- -$one -$two 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "failed: $*"; exit 1; }

# Two neighbouring ports nobody listens on.
for ((a = 5950; a < 5999; a++)); do
  [ -z "$(ss -ltnH "( sport = :$a or sport = :$((a + 1)) )")" ] && break
done
export NOVEMO_VNC_PORTS="$a-$((a + 1))" XDG_CONFIG_HOME=$work
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

port_of() {  # the port a game prints, once it prints it
  for _ in $(seq 200); do
    line=$(grep -o 'localhost:[0-9]*' "$1" 2>/dev/null) && { echo "${line#localhost:}"; return; }
    sleep 0.1
  done
}
setsid "$serve" "$game" >"$work/one" 2>&1 &
one=$!
p1=$(port_of "$work/one")
setsid "$serve" "$game" >"$work/two" 2>&1 &
two=$!
p2=$(port_of "$work/two")
[ -n "$p1" ] && [ -n "$p2" ] || fail "no port printed: $(cat "$work/one" "$work/two")"
[ "$p1" != "$p2" ] || fail "both games print port $p1"
for p in "$p1" "$p2"; do
  listeners=$(ss -ltnH "sport = :$p" | awk '{print $4}')
  [ "$listeners" = "127.0.0.1:$p" ] || fail "port $p is served on: ${listeners:-nothing}"
done

timeout 30 "$serve" "$game" >"$work/three" 2>&1
status=$?
[ "$status" -eq 1 ] || fail "a game with no free port exited with $status"
grep -q "no VNC port of $NOVEMO_VNC_PORTS is free" "$work/three" || fail "$(cat "$work/three")"
echo "ports $p1 and $p2 on 127.0.0.1 only; no port left: told, exit 1"
