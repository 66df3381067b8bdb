#!/usr/bin/env bash
# Builds Debian's own Qt (qt6-base, the version installed for the host tools) as
# static libraries for 64-bit Windows with MinGW-w64, once, into a cache outside
# the clone, and prints the install prefix. Later runs print the cached prefix.
#   tools/build-qt-windows.sh          the prefix (built first when missing)
#   tools/build-qt-windows.sh --key    the cache folder's name only
# A stamp written last marks a finished build, so an interrupted one is never
# taken for done. NOVEMO_CACHE overrides the cache root.
# Needs: qt6-base-dev(-tools), g++-mingw-w64-x86-64-posix, cmake, ninja, dpkg-dev.
set -euo pipefail

# The recipe: the toolchain and options Qt is built with. The cache is keyed on
# it, the Qt source version and the compiler's version, not on this script's
# wording.
toolchain='set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)'
# What the game needs (Core, Gui, Widgets, the windows and offscreen platform
# plugins, accessibility, Test) and no more, sized for the smallest program.
# Off: the tablet input the game never reads (its header is missing from
# Debian's source) and the widgets the game never shows, which the styles
# would otherwise pull into every program. Not direct2d itself: without it
# the DirectWrite font database fails to link. With OpenGL off, dynamicgl
# must be off too, or the Windows platform plugin does not compile.
features_off=(opengl dynamicgl vulkan network sql dbus printsupport concurrent xml icu zstd
  pkg_config
  direct2d1_1 tabletevent sessionmanager gif jpeg ico movie pdf
  textodfwriter textmarkdownreader textmarkdownwriter style_stylesheet
  graphicsview graphicseffect mdiarea calendarwidget colordialog fontdialog wizard dial
  lcdnumber errormessage undoview splashscreen keysequenceedit columnview datawidgetmapper
  syntaxhighlighter jalalicalendar hijricalendar islamiccivilcalendar
  system_zlib system_pcre2 system_png system_jpeg system_freetype system_harfbuzz)
options=(-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DFEATURE_static_runtime=ON
  -DFEATURE_optimize_size=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
  -DQT_BUILD_BENCHMARKS=OFF)
for f in "${features_off[@]}"; do options+=("-DFEATURE_$f=OFF"); done

qt_deb=$(dpkg-query -W -f='${Version}' qt6-base-dev) # e.g. 6.4.2+dfsg-10
qt_version=${qt_deb%%+*}
recipe=$(printf '%s\n' "$toolchain" "${options[@]}" "qt6-base $qt_deb" \
  "$(x86_64-w64-mingw32-g++-posix --version | head -n 1)")
name=qt-$qt_version-mingw-w64-static-$(sha256sum <<<"$recipe" | cut -c1-12)
[ "${1:-}" = --key ] && { echo "$name"; exit 0; }

root=${NOVEMO_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/novemo}
prefix=$root/$name
stamp=$prefix/.novemo-complete
mkdir -p "$root"
# One build at a time: a second run waits for the first, then reuses it.
exec 9>"$root/$name.lock"
flock 9
if [ -f "$stamp" ]; then
  echo "$prefix"
  exit 0
fi

work=$root/$name.build
log=$root/$name.log
echo "novemo: building Qt $qt_version for Windows into $prefix" \
  "(about half an hour on 2 cores; log: $log)" >&2
rm -rf "$prefix"
# An interrupted build of the same recipe goes on where it stopped.
if [ ! -f "$work/src/.fetched" ]; then
  rm -rf "$work"
  mkdir -p "$work/apt/sources" "$work/apt/lists/partial"
  # Debian's source through a private apt setup: the system's sources stay as they are.
  cat >"$work/apt/sources/bookworm-src.sources" <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
  apt_opts=(-o Dir::Etc::sourcelist=/dev/null -o "Dir::Etc::sourceparts=$work/apt/sources"
    -o "Dir::State::Lists=$work/apt/lists" -o APT::Sandbox::User=root)
  (
    cd "$work" &&
      apt-get "${apt_opts[@]}" update -qq &&
      apt-get "${apt_opts[@]}" source --download-only -qq "qt6-base=$qt_deb" &&
      dpkg-source -x qt6-base_*.dsc src && # Debian's patches applied, as for the host's Qt
      touch src/.fetched
  ) >"$log" 2>&1 || { tail -n 20 "$log" >&2; echo "novemo: fetching Qt's source failed" >&2; exit 1; }
fi
printf '%s\n' "$toolchain" >"$work/toolchain.cmake"

{
  cmake -S "$work/src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake "${options[@]}" &&
    nice -n 10 cmake --build "$work/build" --parallel "$(nproc)" &&
    cmake --install "$work/build"
} >>"$log" 2>&1 || { tail -n 40 "$log" >&2; echo "novemo: building Qt for Windows failed" >&2; exit 1; }

rm -rf "$work"
printf '%s\n' "$recipe" >"$stamp"
echo "$prefix"
