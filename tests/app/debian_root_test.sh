#!/usr/bin/env bash
# The Debian root's runner while another run holds the root: it says what it
# waits for, and after its bounded wait gives up with a message and status 1.
#   debian_root_test.sh RUNNER
set -u
[ "$(id -u)" -eq 0 ] || { echo "skipped: the runner needs root"; exit 77; }
cache=$(mktemp -d)
trap 'rm -rf "$cache"' EXIT
exec 8>"$cache/debian-trixie-root.lock" && flock 8
NOVEMO_CACHE=$cache NOVEMO_ROOT_WAIT=2 timeout 30 "$1" true >"$cache/said" 2>&1
status=$?
[ "$status" -eq 1 ] && grep -q "waiting for it" "$cache/said" && grep -q "gave up" "$cache/said" ||
  { echo "failed: status $status: $(cat "$cache/said")"; exit 1; }
echo "waits, saying so, and gives up after its bound"
