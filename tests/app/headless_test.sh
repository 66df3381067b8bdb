#!/usr/bin/env bash
# Two headless games each serve VNC on the loopback interface only, on the port
# they print, behind the password they print; their X display takes only its
# owner's cookie, and no other user sees the cookie or a password on a command
# line. A third, with no port left in the range, says so and exits 1.
#   headless_test.sh SERVE_SCRIPT GAME
set -u
serve=$1
game=$2
for tool in Xvfb x11vnc xauth xdpyinfo ss setsid python3 openssl; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
watcher=""
trap 'kill -- -$one -$two $watcher 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "failed: $*"; exit 1; }

# Two neighbouring ports nobody listens on.
for ((a = 5950; a < 5999; a++)); do
  [ -z "$(ss -ltnH "( sport = :$a or sport = :$((a + 1)) )")" ] && break
done
export NOVEMO_VNC_PORTS="$a-$((a + 1))" XDG_CONFIG_HOME=$work
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XAUTHORITY

served() { # "PORT PASSWORD" as a game prints them
  for _ in $(seq 200); do
    sed -n 's/.*localhost:\([0-9]*\), password: \([A-Za-z0-9]*\)$/\1 \2/p' "$1" | grep . && return
    sleep 0.1
  done
}
if [ "$(id -u)" -eq 0 ]; then # user nobody notes every new command line while the games start
  runuser -u nobody -- python3 -c 'import os
seen = set()
while True:
    for p in os.listdir("/proc"):
        try: line = open("/proc/%s/cmdline" % p, "rb").read()
        except OSError: continue
        if line not in seen: seen.add(line); print(line.replace(b"\0", b" ").decode("latin-1"), flush=True)' >"$work/seen" &
  watcher=$!
  until [ -s "$work/seen" ]; do sleep 0.05; done
fi
setsid "$serve" "$game" >"$work/one" 2>&1 & one=$!
read -r p1 pw1 < <(served "$work/one")
setsid "$serve" "$game" >"$work/two" 2>&1 & two=$!
read -r p2 pw2 < <(served "$work/two")
[ -n "${pw1:-}" ] && [ -n "${pw2:-}" ] || fail "no port and password printed: $(cat "$work/one" "$work/two")"
[ "$p1" != "$p2" ] && [ "$pw1" != "$pw2" ] || fail "both games print port $p1 or password $pw1"
for p in "$p1" "$p2"; do
  listeners=$(ss -ltnH "sport = :$p" | awk '{print $4}')
  [ "$listeners" = "127.0.0.1:$p" ] || fail "port $p is served on: ${listeners:-nothing}"
done

# The game's display opens with its cookie only: not without, not as another user.
for _ in $(seq 50); do
  environ=$(pgrep -P "$one" -f "$game" | xargs -I{} cat /proc/{}/environ 2>/dev/null | tr '\0' '\n')
  grep -q '^DISPLAY=' <<<"$environ" && break || sleep 0.1
done
display=$(sed -n 's/^DISPLAY=//p' <<<"$environ") cookies=$(sed -n 's/^XAUTHORITY=//p' <<<"$environ")
DISPLAY=$display XAUTHORITY=$cookies xdpyinfo >/dev/null 2>&1 || fail "the owner cannot open $display"
DISPLAY=$display XAUTHORITY=/dev/null xdpyinfo >/dev/null 2>&1 && fail "$display opens without its cookie"
[ "$(stat -c %a "$(dirname "$cookies")")" = 700 ] || fail "the cookie's folder is open to others"
if [ -n "$watcher" ]; then
  kill "$watcher"
  secret=$(xauth -f "$cookies" list | awk '{print $3; exit}')
  [ -n "$secret" ] || fail "no cookie in $cookies"
  leaked=$(grep -F -e "$secret" -e "$pw1" -e "$pw2" "$work/seen") && fail "another user saw a secret: $leaked"
  runuser -u nobody -- env DISPLAY="$display" XAUTHORITY="$cookies" xdpyinfo >/dev/null 2>&1 &&
    fail "user nobody opens $display"
else
  echo "another user's attempt not tried: that needs root"
fi

# RFB 3.8: the server offers VNC authentication (2) and never none (1); the
# DES response to its challenge is keyed by the password's bits reversed.
rfb() { # rfb PORT PASSWORD: "offered TYPES" then "result R" (0 accepted)
  python3 - "$@" <<'EOF'
import socket, subprocess, sys
s = socket.create_connection(("127.0.0.1", int(sys.argv[1])), timeout=10)
take = lambda n: s.recv(n, socket.MSG_WAITALL)
take(12)
s.sendall(b"RFB 003.008\n")
print("offered", *take(take(1)[0]))
s.sendall(b"\x02")
key = bytes(int(f"{b:08b}"[::-1], 2) for b in sys.argv[2].encode()[:8].ljust(8, b"\0"))
des = ["openssl", "enc", "-des-ecb", "-nopad", "-K", key.hex(), "-provider", "legacy", "-provider", "default"]
s.sendall(subprocess.run(des, input=take(16), capture_output=True, check=True).stdout)
print("result", int.from_bytes(take(4), "big"))
EOF
}
[ "$(rfb "$p1" "$pw1")" = $'offered 2\nresult 0' ] || fail "the printed password is refused: $(rfb "$p1" "$pw1")"
[ "$(rfb "$p1" "$pw2")" = $'offered 2\nresult 1' ] || fail "another password is accepted"

timeout 30 "$serve" "$game" >"$work/three" 2>&1; status=$?
[ "$status" -eq 1 ] || fail "a game with no free port exited with $status"
grep -q "no VNC port of $NOVEMO_VNC_PORTS is free" "$work/three" || fail "$(cat "$work/three")"
echo "ports $p1 and $p2 on 127.0.0.1 only, each with its password; the display takes its cookie only"
