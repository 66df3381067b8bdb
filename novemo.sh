#!/usr/bin/env bash
# Sets up, builds and runs Novemo on Debian 12 (as root, or a user with sudo).
#   ./novemo.sh run       installs what is missing, builds, starts the game
#   ./novemo.sh test      installs what is missing, builds, runs every test
#   ./novemo.sh sanitize  the tests again with AddressSanitizer (leaks too) and UBSan
#   ./novemo.sh package   a build with Debian's compiler flags, its tests, the Debian
#                         package build-package/novemo_<version>_<arch>.deb, and lintian
#   ./novemo.sh check release|clang
#                         a Release build, or one with Clang, and its tests
#   ./novemo.sh windows   the logic and its tests cross-built for Windows, run under Wine
# Each step is skipped when it has nothing to do, so a second run is quick.
# NOVEMO_WERROR=ON makes compiler warnings errors (CI sets it).
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core
          desktop-file-utils dpkg-dev file appstream
          xvfb x11vnc iproute2 dbus-daemon at-spi2-core python3-pyatspi)

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

# build DIR [CMAKE OPTIONS...]: configures once, then builds what changed.
build() {
  local dir=$1
  shift
  if [ ! -f "$dir/build.ninja" ] || [ -n "${NOVEMO_WERROR:-}" ]; then
    cmake -S . -B "$dir" -G Ninja "-DNOVEMO_WERROR=${NOVEMO_WERROR:-OFF}" "$@" >/dev/null
  fi
  cmake --build "$dir"
}

run_tests() {
  ctest --test-dir "$1" --output-on-failure -j "$(nproc)"
}

case "${1:-}" in
  run)
    install_missing
    build build
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
      # No display: a private X server served by VNC on this machine only.
      exec tools/headless-vnc.sh ./build/src/novemo
    fi
    exec ./build/src/novemo
    ;;
  test)
    install_missing
    build build
    run_tests build
    ;;
  sanitize)
    install_missing
    build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DNOVEMO_SANITIZE=ON -DNOVEMO_BUILD_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_tests build-sanitize
    ;;
  package)
    # Built as Debian builds packages: its compiler flags, hardening included.
    install_missing
    install_missing lintian
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
      LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
      build build-package -DCMAKE_BUILD_TYPE=None -DNOVEMO_INSTALL_BINDIR=games \
      -DNOVEMO_BUILD_BENCH=OFF
    run_tests build-package
    (cd build-package && cpack -G DEB >/dev/null)
    deb=$(ls build-package/novemo_*.deb)
    echo "novemo: $deb"
    # Errors fail; the warnings that remain are listed, with why, in the README.
    report=$(lintian --info "$deb" 2>&1 | grep -v 'running with root privileges' || true)
    [ -z "$report" ] || echo "$report"
    ! grep -q '^E:' <<<"$report"
    ;;
  check)
    install_missing
    case "${2:-}" in
      release)
        build build-release -DCMAKE_BUILD_TYPE=Release -DNOVEMO_BUILD_BENCH=OFF
        run_tests build-release
        ;;
      clang)
        install_missing clang
        CC=clang CXX=clang++ build build-clang -DNOVEMO_BUILD_BENCH=OFF
        run_tests build-clang
        ;;
      *)
        echo "usage: ./novemo.sh check release|clang" >&2
        exit 2
        ;;
    esac
    ;;
  windows)
    # The logic and its tests for 64-bit Windows, cross-built with MinGW-w64 and run under Wine.
    install_missing cmake ninja-build g++-mingw-w64-x86-64-posix wine64 libgtest-dev
    build build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
      -DNOVEMO_LOGIC_ONLY=ON -DNOVEMO_BUILD_BENCH=OFF
    wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
    mkdir -p build-windows/wine
    status=0
    WINEPREFIX="$PWD/build-windows/wine" WINEDEBUG=-all \
      "$wine" build-windows/tests/novemo_tests.exe >build-windows/tests.log 2>&1 || status=$?
    grep -E '^\[==========\] [0-9]+ tests|^\[  (PASSED|FAILED)  \]' build-windows/tests.log || true
    # Wine's status alone is not trusted: GoogleTest must say that tests ran and all passed.
    if [ "$status" -ne 0 ] || ! grep -qE '^\[  PASSED  \] [1-9][0-9]* tests?\.' build-windows/tests.log ||
       grep -q '^\[  FAILED  \]' build-windows/tests.log; then
      tail -n 40 build-windows/tests.log >&2
      echo "novemo: the Windows tests did not all pass (status $status)" >&2
      exit 1
    fi
    ;;
  packages)
    # For the scripts in bench/: ./novemo.sh packages NAME...
    shift
    install_missing "$@"
    ;;
  *)
    echo "usage: ./novemo.sh run|test|sanitize|package|check release|clang|windows" >&2
    exit 2
    ;;
esac
