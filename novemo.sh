#!/usr/bin/env bash
# Sets up, builds and runs Novemo on Debian 12 (as root, or a user with sudo).
#   ./novemo.sh run       installs what is missing, builds, starts the game
#   ./novemo.sh test      installs what is missing, builds, runs every test
#   ./novemo.sh sanitize  the tests again with AddressSanitizer (leaks too) and UBSan
#   ./novemo.sh package   the Debian package, build/novemo_<version>_<arch>.deb
# Each step is skipped when it has nothing to do, so a second run is quick.
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core
          desktop-file-utils dpkg-dev file
          xvfb dbus-daemon at-spi2-core python3-pyatspi)

# Installs those of the given packages (default: the build's) that are missing.
install_missing() {
  local wanted=("$@")
  [ ${#wanted[@]} -gt 0 ] || wanted=("${PACKAGES[@]}")
  if ! command -v dpkg-query >/dev/null 2>&1; then
    echo "novemo: not a Debian system; install by hand: ${wanted[*]}" >&2
    return 0
  fi
  local missing=() p
  for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null 2>&1 || {
      echo "novemo: missing packages (${missing[*]}); run this as root or install sudo" >&2
      exit 1
    }
    sudo=(sudo)
  fi
  echo "novemo: installing ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

build() {
  local dir=$1
  shift
  [ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja "$@"
  cmake --build "$dir"
}

case "${1:-}" in
  run)
    install_missing
    build build
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
      if [ ! -e /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqvnc.so ] &&
         ! ls /usr/lib/*/qt6/plugins/platforms/libqvnc.so >/dev/null 2>&1; then
        echo "novemo: no display, and Qt's vnc plugin (package qt6-qpa-plugins) is missing" >&2
        exit 1
      fi
      export QT_QPA_PLATFORM="vnc:size=800x600:port=5900"
      echo "novemo: no display found; connect a VNC viewer to localhost:5900 to play"
    fi
    exec ./build/src/novemo
    ;;
  test)
    install_missing
    build build
    ctest --test-dir build --output-on-failure -j "$(nproc)"
    ;;
  sanitize)
    install_missing
    build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DNOVEMO_SANITIZE=ON -DNOVEMO_BUILD_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"
    ;;
  packages)
    # For the scripts in bench/: ./novemo.sh packages NAME...
    shift
    install_missing "$@"
    ;;
  package)
    install_missing
    build build
    (cd build && cpack -G DEB)
    ;;
  *)
    echo "usage: ./novemo.sh run|test|sanitize|package" >&2
    exit 2
    ;;
esac
