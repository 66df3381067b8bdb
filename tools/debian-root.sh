#!/usr/bin/env bash
# Runs a command as root in a minimal Debian root of another release (default
# trixie, Debian 13), made once with debootstrap into a cache outside the clone,
# on a copy of this tree at /novemo. What the command installs there stays for
# the next run, so a warm run costs only the build.
#   tools/debian-root.sh [--suite NAME] COMMAND [ARGUMENTS...]
#   tools/debian-root.sh --path        the root's folder (made first when missing)
# A stamp written last marks a finished root; NOVEMO_CACHE overrides the cache,
# NOVEMO_ROOT_WAIT the longest wait for another run (seconds).
# Needs: debootstrap, rsync; root.
set -euo pipefail
cd "$(dirname "$0")/.."
suite=trixie
if [ "${1:-}" = --suite ]; then
  suite=$2
  shift 2
fi
[ $# -gt 0 ] || { echo "usage: tools/debian-root.sh [--suite NAME] COMMAND..." >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || { echo "novemo: a chroot needs root" >&2; exit 1; }

include=ca-certificates,git
cache=${NOVEMO_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/novemo}
root=$cache/debian-$suite-root
stamp=$root/.novemo-complete
mkdir -p "$cache"
take_down() { # take_down MOUNT...: unmounted with whatever is mounted below
  local m
  for m; do umount -R "$m" 2>/dev/null || umount -lR "$m" 2>/dev/null || true; done
}
# One run at a time in a root: a second waits for the first, saying so, for
# NOVEMO_ROOT_WAIT seconds at most (an hour by default).
exec 9>"$root.lock"
if ! flock -n 9; then
  wait=${NOVEMO_ROOT_WAIT:-3600}
  echo "novemo: another run is using the Debian $suite root ($root.lock); waiting for it, at most $wait s" >&2
  flock -w "$wait" 9 || {
    echo "novemo: gave up after $wait s: another run still uses the Debian $suite root; try again when it has ended" >&2
    exit 1
  }
fi
if [ "$(cat "$stamp" 2>/dev/null)" != "$suite $include" ]; then
  echo "novemo: making a Debian $suite root in $root (about a minute)" >&2
  # A run killed before it unmounted leaves this machine's /dev, /proc and /sys
  # in the root: never delete through them.
  take_down "$root/dev" "$root/sys" "$root/proc"
  rm -rf --one-file-system "$root"
  debootstrap --variant=minbase --include="$include" "$suite" "$root" >"$root.log" 2>&1 ||
    { tail -n 20 "$root.log" >&2; echo "novemo: debootstrap failed" >&2; exit 1; }
  echo "$suite $include" >"$stamp"
fi
if [ "$1" = --path ]; then
  echo "$root"
  exit 0
fi

mounts=()
trap 'take_down "${mounts[@]}"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP
mount_into() { # mount_into WHERE MOUNT-ARGUMENTS...
  local where=$root$1
  shift
  # Mounted already, it was left by a run that was killed (one runs at a time): ours now.
  mountpoint -q "$where" || mount "$@" "$where"
  mounts=("$where" "${mounts[@]}")
}
mount_into /proc -t proc proc
mount_into /sys -t sysfs sysfs
mount_into /dev --rbind /dev
mount --make-rslave "$root/dev"
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true

# The tree as it stands, without this machine's builds; the root's own builds stay.
mkdir -p "$root/novemo"
rsync -a --delete --exclude='/build' --exclude='/build-*' --exclude='/.git' ./ "$root/novemo/"
chroot "$root" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" LANG=C.UTF-8 \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  CI="${CI:-}" NOVEMO_WERROR="${NOVEMO_WERROR:-OFF}" \
  /bin/sh -c 'cd /novemo && exec "$@"' sh "$@"
