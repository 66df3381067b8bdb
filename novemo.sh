#!/usr/bin/env bash
# Sets up, builds and runs Novemo on Debian 12 or 13 (as root, or a user with sudo).
#   ./novemo.sh run       installs what is missing, builds, starts the game
#   ./novemo.sh test      installs what is missing, builds, runs every test
#   ./novemo.sh sanitize  the tests again with AddressSanitizer (leaks too) and UBSan
#   ./novemo.sh package   a build with Debian's compiler flags, its tests, the Debian
#                         package build-package/novemo_<version>_<arch>.deb, and lintian
#   ./novemo.sh check release|clang
#                         a Release build, or one with Clang, and its tests
#   ./novemo.sh windows   the game and its tests cross-built for Windows (Qt for Windows
#                         built once into ~/.cache/novemo), checked under Wine
#   ./novemo.sh debian13 COMMAND...
#                         any of these in a Debian 13 root made once into ~/.cache/novemo
#   ./novemo.sh uia DIR   a screen reader's view of the Windows game through UI Automation
#                         (Wine 10 or later: ./novemo.sh debian13 uia /windows)
# Each step is skipped when it has nothing to do, so a second run is quick.
# NOVEMO_WERROR=ON makes compiler warnings errors (CI sets it).
set -euo pipefail
cd "$(dirname "$0")"

# dbus-x11, as on most X desktops: the tests meet the game where, finding no
# session bus, it could launch one (dbus-launch --autolaunch).
PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libgl-dev qt6-l10n-tools qt6-translations-l10n
          libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core fonts-droid-fallback
          desktop-file-utils dpkg-dev file appstream
          xvfb xauth x11vnc iproute2 x11-utils openssl dbus-daemon dbus-x11 at-spi2-core python3-pyatspi
          python3-dbus python3-gi xdotool imagemagick tigervnc-viewer weston qt6-wayland)

# The Windows build: the cross compiler, Debian's Qt (its host tools, and its
# source to build for Windows), Wine, and what the checks of the real window use.
WINDOWS_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix qt6-base-dev qt6-base-dev-tools
                  qt6-l10n-tools qt6-translations-l10n locales
                  dpkg-dev xz-utils libgtest-dev icoutils wine64 fonts-dejavu-core
                  nsis xvfb xauth xdotool x11-utils xclip imagemagick libwine-dev)

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

# wine_tests EXE [ARGUMENTS...]: a GoogleTest program under Wine. Wine's status
# alone is not trusted: GoogleTest must say that tests ran and all passed.
wine_tests() {
  local log=${1%.exe}.log status=0
  timeout 900 "$wine" "$@" >"$log" 2>&1 || status=$?
  echo "novemo: under Wine${NOVEMO_WINE_LABEL:-}, ${1##*/} ${*:2}:" \
    "$(grep -E '^\[  (PASSED  |SKIPPED )\] [0-9]+ tests?[.,]' "$log" | tr -s ' ' | tr '\n' ' ')"
  if [ "$status" -ne 0 ] || ! grep -qE '^\[  PASSED  \] [1-9][0-9]* tests?\.' "$log" ||
     grep -q '^\[  FAILED  \]' "$log"; then
    tail -n 40 "$log" >&2
    echo "novemo: the Windows tests did not all pass (status $status)" >&2
    exit 1
  fi
}

# build DIR [CMAKE OPTIONS...]: configures when the options change, then builds
# what changed.
build() {
  local dir=$1
  shift
  set -- "-DNOVEMO_WERROR=${NOVEMO_WERROR:-OFF}" "$@"
  if [ ! -f "$dir/build.ninja" ] || [ "$(cat "$dir/novemo-options" 2>/dev/null)" != "$*" ]; then
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    echo "$*" >"$dir/novemo-options"
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
    # The game for 64-bit Windows: Qt built once for MinGW-w64 (cached outside
    # the clone), the programs and tests cross-built and linked statically, the
    # tests and the real window checked under Wine.
    install_missing "${WINDOWS_PACKAGES[@]}"
    qt=$(tools/build-qt-windows.sh)
    build build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DNOVEMO_LOGIC_ONLY=OFF \
      -DCMAKE_BUILD_TYPE=Release -DNOVEMO_WINDOWS_QT="$qt" -DCMAKE_PREFIX_PATH="$qt" \
      -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
      -DNOVEMO_BUILD_BENCH=OFF
    ls -l build-windows/src/*.exe | awk '{printf "novemo: %s, %d bytes\n", $9, $5}'
    # A private Wine user: no prompts for the .NET and HTML engines it never needs.
    # Wine hands QT_* variables to no Windows program: WINEQT_* reach them as QT_*.
    export WINEPREFIX=$PWD/build-windows/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    # Wine's display language follows LANG: English, whatever this machine's.
    unset LC_ALL LC_MESSAGES LANGUAGE
    export LANG=C.UTF-8
    wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
    [ -d "$WINEPREFIX/drive_c/windows" ] || "$wine" wineboot --init >/dev/null 2>&1
    fonts='Z:\usr\share\fonts\truetype\dejavu'
    wine_tests build-windows/tests/novemo_tests.exe
    WINEQT_QPA_FONTDIR=$fonts wine_tests build-windows/tests/novemo_qt_tests.exe
    for scale in 1.5 2; do
      WINEQT_QPA_FONTDIR=$fonts WINEQT_SCALE_FACTOR=$scale NOVEMO_WINE_LABEL=" at scale $scale" \
        wine_tests build-windows/tests/novemo_qt_tests.exe --gtest_filter='RealWindow.*'
    done
    # German, as a Windows user whose display language it is sees the game.
    # Wine takes it from LANG where this machine has the locale: one of our own.
    locales=build-windows/locale
    [ -d "$locales/de_DE.UTF-8" ] || { mkdir -p "$locales" && localedef -i de_DE -f UTF-8 "$locales/de_DE.UTF-8"; }
    LANG=de_DE.UTF-8 LOCPATH=$PWD/$locales NOVEMO_EXPECT_LANGUAGE=de NOVEMO_WINE_LABEL=" in German" \
      wine_tests build-windows/tests/novemo_qt_tests.exe --gtest_filter='Language.*'
    ls -l build-windows/novemo-*-windows-x64* | awk '{printf "novemo: %s, %d bytes\n", $9, $5}'
    xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
      tests/app/windows_test.sh build-windows data/windows/novemo.nsi
    "${wine%64}server" -k 2>/dev/null || wineserver -k 2>/dev/null || true
    ;;
  debian13)
    # The same commands on Debian 13 (trixie), in a root of its own made once
    # into the cache, on a copy of this tree: ./novemo.sh debian13 test. The
    # Windows programs built here go along, for ./novemo.sh debian13 uia /windows.
    install_missing debootstrap rsync
    root=$(tools/debian-root.sh --path)
    mkdir -p "$root/windows"
    for exe in build-windows/src/novemo.exe build-windows/tests/novemo_uia_test.exe; do
      [ ! -f "$exe" ] || cp "$exe" "$root/windows/"
    done
    shift
    exec tools/debian-root.sh ./novemo.sh "$@"
    ;;
  uia)
    # What a Windows screen reader reads of the game through UI Automation, in
    # a fresh Wine user on a private X server; needs Wine 10 or later (Debian
    # 13): ./novemo.sh uia DIR, DIR holding novemo.exe and novemo_uia_test.exe.
    install_missing wine wine64 xvfb xauth
    dir=$(cd "${2:?usage: ./novemo.sh uia DIR}" && pwd)
    WINEPREFIX=$(mktemp -d) WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
    unset LC_ALL LC_MESSAGES LANGUAGE
    export LANG=C.UTF-8  # the cells' names are checked in English
    trap 'wineserver -k 2>/dev/null; wineserver -w 2>/dev/null; rm -rf "$WINEPREFIX"' EXIT
    echo "novemo: UI Automation under $(wine --version)"
    xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" sh -c \
      'wine wineboot --init >/dev/null 2>&1 && timeout 180 wine "$1/novemo_uia_test.exe" "Z:$2"' \
      sh "$dir" "$(tr / '\\' <<<"$dir/novemo.exe")"
    ;;
  packages)
    # For the scripts in bench/: ./novemo.sh packages NAME...
    shift
    install_missing "$@"
    ;;
  *)
    echo "usage: ./novemo.sh run|test|sanitize|package|check release|clang|windows|debian13 COMMAND|uia DIR" >&2
    exit 2
    ;;
esac
