#!/usr/bin/env bash
# Start-up time, peak memory and idle CPU of the game, in English and in
# German (its catalogues and Qt's loaded), against two floors,
# each started several times under Xvfb with a fresh, empty settings folder
# and a private session bus started beforehand, as a desktop session has one
# (without any bus Qt tries to launch one, which costs time a desktop never pays).
#   bench/startup.sh [runs] [idle seconds]      (after ./novemo.sh test)
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=${1:-7}
IDLE=${2:-10}
GAME=${GAME:-build/src/novemo}
FLOOR=build/bench/novemo_floor_window

./novemo.sh packages xvfb python3 libx11-6 dbus-daemon
[ -x "$GAME" ] && [ -x "$FLOOR" ] || { echo "build first: ./novemo.sh test" >&2; exit 1; }

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hwm() { awk '/VmHWM/ {print $2}' "/proc/$1/status"; }

measure() { # label, window title, LANG, command: prints "map_s hwm_kB cpu_pct"
  local home display_file display pid watch map
  home=$(mktemp -d)
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
  local xvfb=$!
  while [ ! -s "$display_file" ]; do sleep 0.01; done
  display=":$(cat "$display_file")"
  local bus
  bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 2>/dev/null)
  watch=$(DISPLAY=$display HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home \
          DBUS_SESSION_BUS_ADDRESS=$(head -n 1 <<<"$bus") QT_QPA_PLATFORM=xcb \
          LANG=$3 LANGUAGE= LC_ALL= LC_MESSAGES= python3 bench/map_watch.py "$2" "${@:4}")
  map=${watch% *}
  pid=${watch#* }
  sleep 2
  local peak before after
  peak=$(hwm "$pid")
  before=$(ticks "$pid")
  sleep "$IDLE"
  after=$(ticks "$pid")
  kill "$pid" 2>/dev/null || true
  kill "$(tail -n 1 <<<"$bus")" 2>/dev/null || true
  kill "$xvfb"
  wait "$xvfb" 2>/dev/null || true
  rm -rf "$home" "$display_file"
  echo "$map $peak $(awk -v t=$((after - before)) -v s="$IDLE" -v hz="$(getconf CLK_TCK)" \
       'BEGIN {printf "%.2f", 100 * t / hz / s}')"
}

median() { sort -g | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

game_rows=()
german_rows=()
floor_rows=()
menu_rows=()
for ((i = 1; i <= RUNS; i++)); do
  # Interleaved, so all three see the same machine load.
  game_rows+=("$(measure game '^Novemo 1\.2$' C.UTF-8 "$GAME")")
  german_rows+=("$(measure german '^Novemo 1\.2$' de_DE.UTF-8 "$GAME")")
  floor_rows+=("$(measure floor '^Floor$' C.UTF-8 "$FLOOR")")
  menu_rows+=("$(measure menu '^Floor$' C.UTF-8 "$FLOOR" --menu)")
  echo "run $i: game ${game_rows[-1]} | German ${german_rows[-1]} | floor ${floor_rows[-1]}" \
    "| menu floor ${menu_rows[-1]}" >&2
done

column() { printf '%s\n' "${@:2}" | awk -v c="$1" '{print $c}' | median; }
report() { # label, rows...
  local label=$1
  shift
  printf '%-11s %10.1f ms %9.1f MB %8.2f %%\n' "$label" "$(column 1 "$@" | awk '{print $1 * 1000}')" \
    "$(column 2 "$@" | awk '{print $1 / 1024}')" "$(column 3 "$@")"
}
echo "medians of $RUNS runs; idle CPU over $IDLE s while the clock runs"
printf '%-11s %13s %12s %10s\n' "" "to mapped" "peak RSS" "idle CPU"
report game "${game_rows[@]}"
report "in German" "${german_rows[@]}"
report floor "${floor_rows[@]}"
report "menu floor" "${menu_rows[@]}"
gm=$(column 1 "${game_rows[@]}"); fm=$(column 1 "${floor_rows[@]}"); mm=$(column 1 "${menu_rows[@]}")
dm=$(column 1 "${german_rows[@]}"); dh=$(column 2 "${german_rows[@]}")
gh=$(column 2 "${game_rows[@]}"); fh=$(column 2 "${floor_rows[@]}"); mh=$(column 2 "${menu_rows[@]}")
awk -v gm="$gm" -v fm="$fm" -v mm="$mm" -v gh="$gh" -v fh="$fh" -v mh="$mh" -v dm="$dm" -v dh="$dh" 'BEGIN {
  printf "in German: %.2f x English, %.2f x floor, %+.1f MB over English\n", dm / gm, dm / fm, (dh - gh) / 1024
  printf "start-up: %.2f x floor, %.2f x menu floor (target <= 1.15 x floor)\n", gm / fm, gm / mm
  printf "memory: %+.1f MB over floor, %+.1f MB over menu floor (target <= +5 MB)\n", (gh - fh) / 1024, (gh - mh) / 1024
}'
