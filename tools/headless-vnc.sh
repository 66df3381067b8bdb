#!/usr/bin/env bash
# Serves a program's window over VNC to its own user only: a private X server
# that asks for a fresh cookie, and x11vnc on the loopback interface at the
# first free port of 5900-5999 (NOVEMO_VNC_PORTS=FIRST-LAST to choose others),
# behind a fresh password printed once with the port. Exits 1, serving
# nothing, when no port can be had.
#   tools/headless-vnc.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
ports=${NOVEMO_VNC_PORTS:-5900-5999}
first=${ports%-*}
last=${ports#*-}
for tool in Xvfb x11vnc xauth dbus-daemon; do
  command -v "$tool" >/dev/null ||
    { echo "novemo: $tool is missing (Debian: xvfb, x11vnc, xauth, dbus-daemon)" >&2; exit 1; }
done

# Started as a command of a terminal, the game takes Ctrl-C, which a shell's
# background job would ignore; started with it ignored (nohup ... &), it ignores it too.
takes_int=(env --default-signal=INT)
(($(printf '%d' "0x$(sed -n 's/^SigIgn:[[:space:]]*//p' /proc/$$/status)") & 2)) && takes_int=()

# Cookie, password and logs live in a folder only this user can read (mktemp: 0700).
umask 077
work=$(mktemp -d)
pids=() game=""
alive() { # alive PID...: whether any of them still runs
  local pid
  for pid; do kill -0 "$pid" 2>/dev/null && return 0; done
  return 1
}
stop() { # stop GRACE PID...: asks them to end, and makes them after GRACE seconds
  local grace=$1 tenths
  shift
  kill -TERM "$@" 2>/dev/null || true
  for ((tenths = grace * 10; tenths > 0; tenths--)); do
    alive "$@" || return 0
    sleep 0.1
  done
  kill -KILL "$@" 2>/dev/null || true
}
# Whatever ends the run (Ctrl-C, a hang-up, kill, the game exiting or
# crashing), nothing stays behind: the game first, with time to store what
# it keeps, then the servers it drew on, which may hang on a signal.
cleanup() {
  trap '' INT TERM HUP
  [ -z "$game" ] || stop 10 "$game"
  [ ${#pids[@]} -eq 0 ] || stop 3 "${pids[@]}"
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

random() { # random CHARACTERS LENGTH
  local s=""
  while [ ${#s} -lt "$2" ]; do s+=$(head -c 64 /dev/urandom | LC_ALL=C tr -dc "$1"); done
  echo "${s:0:$2}"
}
# The server takes every cookie in its file whatever display it names; the
# clients' entry is added once the display is known. The cookie reaches xauth
# on its standard input: a command line is visible to every user.
export XAUTHORITY=$work/Xauthority
cookie=$(random 0-9a-f 32)
: >"$XAUTHORITY"
add_cookie() { printf 'add %s MIT-MAGIC-COOKIE-1 %s\n' "$1" "$cookie" | xauth -q source -; }
add_cookie :0
# started FILE WHAT: waits until the server started last writes FILE, and ends
# the run, saying so, if it ends first.
started() {
  until [ -s "$1" ]; do
    kill -0 "${pids[-1]}" 2>/dev/null || { echo "novemo: $2 did not start" >&2; exit 1; }
    sleep 0.05
  done
}
# The servers run in sessions of their own: a terminal's Ctrl-C or hang-up reaches this script
# and the game, and the game still has its display while it stores what it keeps.
setsid Xvfb -displayfd 3 -auth "$XAUTHORITY" -screen 0 800x600x24 -nolisten tcp \
  3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
started "$work/display" "the private X server"
display=":$(cat "$work/display")"
add_cookie "$display"

# VNC's own authentication reads 8 characters. The password goes by a file:
# a command line is visible to every user of the machine.
password=$(random A-Za-z0-9 8)
echo "$password" >"$work/vnc-password"
# No shared memory with the X server (-noshm): x11vnc leaves its segments
# behind when it has to be killed, and they stay, machine-wide, until reboot.
port=""
for ((p = first; p <= last; p++)); do
  if command -v ss >/dev/null && [ -n "$(ss -ltnH "sport = :$p")" ]; then continue; fi
  : >"$work/vnc.out"
  setsid x11vnc -display "$display" -auth "$XAUTHORITY" -localhost -noipv6 -rfbport "$p" -forever \
    -shared -noshm -passwdfile "$work/vnc-password" >"$work/vnc.out" 2>"$work/vnc.log" &
  vnc=$!
  until grep -q '^PORT=' "$work/vnc.out" || ! kill -0 "$vnc" 2>/dev/null; do sleep 0.05; done
  if grep -qx "PORT=$p" "$work/vnc.out"; then
    pids+=("$vnc")
    port=$p
    break
  fi
  kill "$vnc" 2>/dev/null || true
  wait "$vnc" 2>/dev/null || true
  if ! grep -q "Address already in use" "$work/vnc.log"; then # not the port: say what it was
    echo "novemo: no display found, and the VNC server would not start:" >&2
    grep -v '^#\|^ *$' "$work/vnc.log" | tail -n 3 >&2
    exit 1
  fi
done
if [ -z "$port" ]; then
  echo "novemo: no display found, and no VNC port of $first-$last is free; nothing is served" >&2
  exit 1
fi

# A session bus of the run's own, in the private folder: finding none, the
# game would launch one on the display (dbus-launch --autolaunch), and that
# one outlives the run.
setsid dbus-daemon --session --nofork --address="unix:path=$work/bus" --print-address=3 \
  3>"$work/bus-address" 2>"$work/bus.log" &
pids+=($!)
started "$work/bus-address" "the session bus"

echo "novemo: no display found; connect a VNC viewer to localhost:$port, password: $password"
DISPLAY=$display DBUS_SESSION_BUS_ADDRESS=$(cat "$work/bus-address") QT_QPA_PLATFORM=xcb \
  "${takes_int[@]}" "$@" &
game=$!
wait "$game"
