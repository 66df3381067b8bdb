#!/usr/bin/env bash
# Start-up time, peak memory and idle CPU of the game against the floor (the
# smallest Qt Widgets window), each started several times under Xvfb with a
# fresh, empty settings folder.
#   bench/startup.sh [runs] [idle seconds]      (after ./novemo.sh test)
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=${1:-7}
IDLE=${2:-10}
GAME=${GAME:-build/src/novemo}
FLOOR=build/bench/novemo_floor_window

need=()
for p in xvfb python3 libx11-6; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
  sudo=(); [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
[ -x "$GAME" ] && [ -x "$FLOOR" ] || { echo "build first: ./novemo.sh test" >&2; exit 1; }

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hwm() { awk '/VmHWM/ {print $2}' "/proc/$1/status"; }

measure() { # label, window title, command: prints "map_s hwm_kB cpu_pct"
  local home display_file display pid watch map
  home=$(mktemp -d)
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
  local xvfb=$!
  while [ ! -s "$display_file" ]; do sleep 0.01; done
  display=":$(cat "$display_file")"
  watch=$(DISPLAY=$display HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home \
          QT_QPA_PLATFORM=xcb python3 bench/map_watch.py "$2" "${@:3}")
  map=${watch% *}
  pid=${watch#* }
  sleep 2
  local peak before after
  peak=$(hwm "$pid")
  before=$(ticks "$pid")
  sleep "$IDLE"
  after=$(ticks "$pid")
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  kill "$xvfb"
  wait "$xvfb" 2>/dev/null || true
  rm -rf "$home" "$display_file"
  echo "$map $peak $(awk -v t=$((after - before)) -v s="$IDLE" -v hz="$(getconf CLK_TCK)" \
       'BEGIN {printf "%.2f", 100 * t / hz / s}')"
}

median() { sort -g | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

game_rows=()
floor_rows=()
for ((i = 1; i <= RUNS; i++)); do
  # Alternate, so both see the same machine load.
  game_rows+=("$(measure game '^Novemo 1\.2$' "$GAME")")
  floor_rows+=("$(measure floor '^Floor$' "$FLOOR")")
  echo "run $i: game ${game_rows[-1]} | floor ${floor_rows[-1]}" >&2
done

column() { printf '%s\n' "${@:2}" | awk -v c="$1" '{print $c}' | median; }
gm=$(column 1 "${game_rows[@]}"); fm=$(column 1 "${floor_rows[@]}")
gh=$(column 2 "${game_rows[@]}"); fh=$(column 2 "${floor_rows[@]}")
gc=$(column 3 "${game_rows[@]}"); fc=$(column 3 "${floor_rows[@]}")
awk -v gm="$gm" -v fm="$fm" -v gh="$gh" -v fh="$fh" -v gc="$gc" -v fc="$fc" -v runs="$RUNS" \
    -v idle="$IDLE" 'BEGIN {
  printf "medians of %d runs (idle CPU over %d s while the clock runs)\n", runs, idle
  printf "%-28s %10s %10s %10s\n", "", "game", "floor", "target"
  printf "%-28s %9.1fms %9.1fms %10s  ratio %.2f\n", "start to window mapped", gm * 1000, fm * 1000, "<= 1.15x", gm / fm
  printf "%-28s %8.1fMB %8.1fMB %10s  diff %+.1f MB\n", "peak resident memory", gh / 1024, fh / 1024, "<= +5 MB", (gh - fh) / 1024
  printf "%-28s %9.2f%% %9.2f%% %10s\n", "idle CPU", gc, fc, "< 0.2%"
}'
