#!/usr/bin/env bash
# What the running game takes from its desktop session, where it takes
# effect. On GNOME's Wayland session with an X server beside it (weston's
# headless compositor and Xvfb here) it runs on X: its window is an X window;
# on another Wayland desktop it runs on Wayland; at QT_SCALE_FACTOR=2 its
# window is twice as large. (Its settings folder from XDG_CONFIG_HOME: the
# headless test; on Windows: the Windows test.)
#   environment_test.sh GAME
set -u
game=$1
for tool in weston Xvfb xdotool xwininfo; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
chmod 700 "$work"
trap 'kill $servers 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "failed: $*"; exit 1; }
export XDG_RUNTIME_DIR=$work XDG_CONFIG_HOME=$work WAYLAND_DISPLAY=wayland-test XDG_SESSION_TYPE=wayland
unset QT_QPA_PLATFORM
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
servers=$!
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 >"$work/weston" 2>&1 &
servers+=" $!"
for _ in $(seq 100); do [ -s "$work/display" ] && [ -S "$work/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")

run() { # run DESKTOP [VARIABLE=VALUE...]: the game's platform plugin, and its X window's size
  env XDG_CURRENT_DESKTOP="$@" "$game" 2>/dev/null &
  pid=$!
  window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Novemo 1\.2$' | head -n 1)
  [ -n "$window" ] || sleep 3 # a window elsewhere: time to show it
  echo "$(grep -o 'libq\(xcb\|wayland-generic\)' "/proc/$pid/maps" | sort -u)" \
    "$([ -z "$window" ] || xwininfo -id "$window" | awk '/Width:/ {print $2}')"
  kill "$pid"
}
[ "$(run GNOME)" = "libqxcb 397" ] || fail "GNOME on Wayland: $(run GNOME)"
[ "$(run ubuntu:GNOME QT_SCALE_FACTOR=2)" = "libqxcb 794" ] || fail "at scale 2: $(run ubuntu:GNOME QT_SCALE_FACTOR=2)"
[ "$(run KDE)" = "libqwayland-generic " ] || fail "KDE on Wayland: $(run KDE)"
echo "GNOME on Wayland: an X window, twice as large at scale 2; KDE: Wayland"
