#!/usr/bin/env bash
# The headless game as its player and the machine's other users meet it. Two
# games serve VNC on the loopback interface only, each on the port and behind
# the password it prints; their displays take only their owner's cookie, and
# no other user sees the cookie or a password on a command line. A third, with
# no port left, says so and exits 1. A TigerVNC viewer with the printed
# password plays at once, wherever its pointer is; with another password, or
# none, it is refused. Ended by a signal after a level change and a win, the
# game stores both (the name box open: under the name typed so far), or with
# the store's lock held says why not, and ends as the signal says. Twenty-two
# runs ended every way (Ctrl-C, hang-up, kill, the game exiting or crashing, a
# helper hanging) leave no process, port or folder behind within seconds.
#   headless_test.sh SERVE_SCRIPT GAME
set -u
serve=$1
game=$2
for tool in Xvfb x11vnc xauth xdpyinfo ss setsid python3 openssl xdotool import xtigervncviewer; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
mkdir "$work/viewer" && mkdir -m 700 "$work/runtime"
watcher="" run="" runs="" viewers="" holder=""
finish() { # on any exit, a failure too: every run ended as a terminal would, then killed with its servers
  kill $watcher $viewers $holder 2>/dev/null
  for r in $runs; do kill -TERM -- "-$r" 2>/dev/null; done
  for _ in $(seq 150); do pgrep -f "$work" >/dev/null || break; sleep 0.1; done
  pkill -KILL -f "$work"
  for r in $runs; do kill -KILL -- "-$r" 2>/dev/null; done
  rm -rf "$work"
}
trap finish EXIT
fail() { echo "failed: $*"; exit 1; }

# Two neighbouring ports nobody listens on; the runs' secret folders where they can be counted.
for ((a = 5950; a < 5999; a++)); do
  [ -z "$(ss -ltnH "( sport = :$a or sport = :$((a + 1)) )")" ] && break
done
export NOVEMO_VNC_PORTS="$a-$((a + 1))" XDG_CONFIG_HOME=$work XDG_RUNTIME_DIR=$work/runtime
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XAUTHORITY
store=$work/Novemo/Novemo.conf

start() { # start NAME: a run in a session of its own, as from a terminal: $run, $port, $pw, $pid
  export TMPDIR=$work/tmp/$1
  mkdir -p "$TMPDIR"
  # Started from a terminal it takes Ctrl-C, which a command started with & here would ignore.
  setsid env --default-signal=INT "$serve" "$game" >"$work/$1" 2>&1 &
  run=$! runs+=" $!" port="" pw="" pid=""
  for _ in $(seq 200); do
    read -r port pw < <(sed -n 's/.*localhost:\([0-9]*\), password: \([A-Za-z0-9]*\)$/\1 \2/p' "$work/$1")
    pid=$(pgrep -P "$run" -x "$(basename "$game")")
    [ -n "$pw" ] && [ -n "$pid" ] && return
    sleep 0.1
  done
  fail "no port and password printed: $(cat "$work/$1")"
}
x() { # a command on the game's own display, with its cookie
  DISPLAY=$(tr '\0' '\n' <"/proc/$pid/environ" | sed -n 's/^DISPLAY=//p') \
    XAUTHORITY=$(tr '\0' '\n' <"/proc/$pid/environ" | sed -n 's/^XAUTHORITY=//p') "$@"
}
ended() { # ended WHAT [RUN PORT FOLDER]: the run is over in seconds, and nothing of it is left
  local run=${2:-$run} port=${3:-$port} folder=${4:-$TMPDIR}
  for _ in $(seq 150); do kill -0 "$run" 2>/dev/null || break; sleep 0.1; done
  ! kill -0 "$run" 2>/dev/null || fail "$1: still running after 15 s"
  # What still runs of it: the game in its group, the servers by their files (a zombie is gone
  # but for its parent's look).
  ps -e -o pgid=,stat=,args= >"$work/ps"
  left=$(awk -v run="$run" -v folder="$folder" '$2 !~ /^Z/ && ($1 == run || index($0, folder))' "$work/ps")
  [ -z "$left" ] || fail "$1: left $left"
  [ -z "$(ss -ltnH "sport = :$port")" ] || fail "$1: port $port is still bound"
  [ -z "$(ls -d "$folder"/tmp.* 2>/dev/null)" ] || fail "$1: left its secrets in $(ls -d "$folder"/tmp.*)"
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
start one && one=$run p1=$port pw1=$pw
start two && p2=$port pw2=$pw
[ "$p1" != "$p2" ] && [ "$pw1" != "$pw2" ] || fail "both games print port $p1 or password $pw1"
for p in "$p1" "$p2"; do
  listeners=$(ss -ltnH "sport = :$p" | awk '{print $4}')
  [ "$listeners" = "127.0.0.1:$p" ] || fail "port $p is served on: ${listeners:-nothing}"
done
# The game's display opens with its cookie only: not without, not as another user.
cookies=$(x printenv XAUTHORITY)
x xdpyinfo >/dev/null 2>&1 || fail "the owner cannot open the display"
DISPLAY=$(x printenv DISPLAY) XAUTHORITY=/dev/null xdpyinfo >/dev/null 2>&1 && fail "the display opens without its cookie"
[ "$(stat -c %a "$(dirname "$cookies")")" = 700 ] || fail "the cookie's folder is open to others"
if [ -n "$watcher" ]; then
  kill "$watcher"
  secret=$(xauth -f "$cookies" list | awk '{print $3; exit}')
  [ -n "$secret" ] || fail "no cookie in $cookies"
  leaked=$(grep -F -e "$secret" -e "$pw1" -e "$pw2" "$work/seen") && fail "another user saw a secret: $leaked"
  x runuser -u nobody -- xdpyinfo >/dev/null 2>&1 && fail "user nobody opens the display"
fi
timeout 30 "$serve" "$game" >"$work/three" 2>&1
[ $? -eq 1 ] && grep -q "no VNC port of $NOVEMO_VNC_PORTS is free" "$work/three" || fail "a third game: $(cat "$work/three")"
kill -TERM -- "-$one"
ended "the first game" "$one" "$p1" "$work/tmp/one"

# The viewer, on a display of its own, with a password file of VNC's format:
# the password's eight bytes under DES with VNC's fixed key.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/viewer/display" 2>/dev/null &
viewers=$!
until [ -s "$work/viewer/display" ]; do sleep 0.05; done
view() { # view SECONDS PASSWORD [OPTIONS...]: a viewer of the second game, for that long
  python3 -c 'import sys; sys.stdout.buffer.write(sys.argv[1].encode()[:8].ljust(8, b"\0"))' "$2" |
    openssl enc -des-ecb -nopad -K e84ad660c4721ae0 -provider legacy -provider default >"$work/viewer/$2"
  DISPLAY=:$(cat "$work/viewer/display") timeout "$1" xtigervncviewer -AlertOnFatalError=0 \
    -passwd "$work/viewer/$2" "${@:3}" "localhost:$p2" >"$work/viewer/log" 2>&1
}
for wrong in "$pw1" "$pw2 -SecurityTypes=None"; do # refused, the viewer says why
  view 5 $wrong
  grep -q "Authentication fail\|No matching security types" "$work/viewer/log" ||
    fail "the viewer got in with $wrong: $(cat "$work/viewer/log")"
done
view 300 "$pw2" & viewers+=" $!"
DISPLAY=:$(cat "$work/viewer/display") timeout 20 xdotool search --sync --onlyvisible --name TigerVNC windowfocus --sync ||
  fail "the viewer does not show the game: $(cat "$work/viewer/log")"
frame() { # the green frame's corner and the active cell's picture, as the game's display shows them
  sleep 1
  x import -window root "$work/shot.png"
  read -r fx fy < <(convert "$work/shot.png" txt:- |
    awk -F'[,: ]+' '/#00FF00/ && (!n++ || $1 + $2 < x + y) {x = $1; y = $2} END {print x, y}')
  cell=$(convert "$work/shot.png" -crop "35x35+$((fx + 2))+$((fy + 2))" ppm:- | md5sum)
}
press() { DISPLAY=:$(cat "$work/viewer/display") xdotool key "$@"; }
frame
from="$fx $fy"
# From the centre along its row and on, snaking, until a digit shows in an open cell.
for key in Right Right Right Right Down $(printf 'Left %.0s' {1..8}) Down $(printf 'Right %.0s' {1..8}); do
  press "$key" && frame && last=$cell
  press 7 && frame
  [ "$cell" != "$last" ] && break
done
[ "$fx $fy" != "$from" ] && [ "$cell" != "$last" ] ||
  fail "the viewer's keys did not move the frame and enter a digit"
kill -INT -- "-$run" && ended "Ctrl-C"

# Ended by a signal after a level change and a win: SIGTERM to the game once the lock another
# copy held let go (the place that lock kept out is stored); SIGHUP to the run with the lock still
# held (the game says why on its error output: nobody is there to answer a box); SIGINT to the
# game alone, as a terminal's Ctrl-C, with the name box open and the name typed (stored under
# it). Each run exits as its signal says.
for signal in TERM HUP INT; do
  start "$signal"
  window=$(x timeout 20 xdotool search --sync --onlyvisible --name '^Novemo 1\.2$' | head -n 1)
  x xdotool mousemove --window "$window" 20 10 click 1 sleep 0.5 key Right Down Return
  mkdir -p "$work/Novemo"
  sleep 300 & holder=$! # a lock of the form Qt writes, held by a live process
  [ "$signal" = INT ] || printf '%s\nsleep\n\n' "$holder" >"$store.game.lock"
  x xdotool key ctrl+q Left
  for box in Result Name Novemo; do # the win, the name, and the place not saved
    [ "$signal$box" = INTNovemo ] && break
    x timeout 20 xdotool search --sync --onlyvisible --name "^$box\$" >/dev/null || fail "no box $box"
    [ "$box" = Name ] && x xdotool type Ann
    [ "$box" = Novemo ] || [ "$signal$box" = INTName ] || x xdotool key Return
  done
  sleep 0.5
  grep -q Ann "$store" 2>/dev/null && fail "SIG$signal: stored too soon: $(cat "$store" "$store.game.lock")"
  [ "$signal" = HUP ] || kill "$holder"
  [ "$signal" = HUP ] && kill -HUP -- "-$run" || kill "-$signal" "$pid"
  ended "SIG$signal"
  wait "$run"
  status=$?
  [ "$status" -eq $((128 + $(kill -l "$signal"))) ] || fail "SIG$signal: the run exited with $status"
  if [ "$signal" = HUP ]; then
    grep -q "could not save the places won in this session and the level" "$work/HUP" &&
      ! grep -q Ann "$store" 2>/dev/null || fail "SIGHUP with the store locked: $(cat "$work/HUP")"
    kill "$holder"
  else
    grep -q '^Level=True' "$store" && grep -q '^Player1=Ann' "$store" || fail "SIG$signal: $(cat "$store")"
  fi
  rm -f "$store" "$store.game.lock"
done

# Every other way a run ends, in turn.
for i in $(seq 17); do
  start cycle
  case $((i % 6)) in
    0) kill -INT -- "-$run" ;;  # Ctrl-C
    1) kill -HUP -- "-$run" ;;  # the terminal closed
    2) kill -TERM "$run" ;;
    3) kill -TERM "$pid" ;;     # the game exits
    4) kill -SEGV "$pid" ;;     # or crashes
    5) kill -STOP "$(pgrep -P "$run" -x x11vnc)" && kill -TERM -- "-$run" ;; # a helper hangs
  esac
  ended "run $i, way $((i % 6))"
done
echo "ports $p1 and $p2 on 127.0.0.1 only, each with its password; the display takes its cookie only;" \
  "the viewer plays at once; a signal stores the level and the place; 20 runs end clean"
