#!/usr/bin/env bash
# The Windows distribution under Wine, in a fresh Wine user, on a private X
# server, as a Windows player meets it: programs that are windowed, carry
# their icon and version and import Windows' own DLLs only; a silent install
# (files, shortcut, uninstall entry); the window "Novemo 1.2" with a close box
# only, its client area and the centre cell active; a win, the name box, the
# table and the place in the store; the level and the place typed at the name
# box stored as the session ends; setup and the registered removal refused
# while the game runs; a folder of other files refused, and for every user
# one outside Program Files; a move that fails keeping the earlier copy, an
# upgrade moved by /D; each exit code; a silent removal that keeps the scores
# and the player's own file; and the zip's game started where it was
# unpacked. (Keys and what a screen reader reads: UiaTest.cpp.)
#   xvfb-run -a windows_test.sh BUILD_DIR NSIS_SCRIPT
set -u
build=$(cd "$1" && pwd)
fail() { echo "failed: $*"; exit 1; }
tools="xdotool xprop xwininfo xclip import convert wrestool icotool makensis"
for tool in $tools; do command -v "$tool" >/dev/null || fail "$tool is not installed"; done
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
work=$(mktemp -d)
game=""
trap '"${wine%64}server" -k; "${wine%64}server" -w; kill $game 2>/dev/null; rm -rf "$work"' EXIT
# The display comes first (xvfb-run): the Wine user's desktop process starts with the prefix.
[ -n "${DISPLAY:-}" ] || fail "no X display: run it under xvfb-run"
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$wine" wineboot --init >/dev/null 2>&1
user="$WINEPREFIX/drive_c/users/$(whoami)"
apps="$user/AppData/Local/Programs/Novemo"
shortcut="$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Novemo.lnk"
store="$user/AppData/Local/Novemo/Novemo.conf"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall'
setup=$(ls "$build"/novemo-*-windows-x64-setup.exe)

for exe in "$build"/src/*.exe "$setup"; do # Windows' own DLLs: its system folder or API sets
  for dll in $(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\tDLL Name: //p' | tr A-Z a-z); do
    [ -f "$WINEPREFIX/drive_c/windows/system32/$dll" ] || [[ $dll == api-ms-win-* ]] || fail "$exe imports $dll"
  done
done
x86_64-w64-mingw32-objdump -p "$build/src/novemo.exe" | grep -q '^Subsystem.*(Windows GUI)' ||
  fail "a console program"
wrestool -x -t 14 "$build/src/novemo.exe" >"$work/icon.ico" &&
  [ "$(icotool -l "$work/icon.ico" | grep -oE 'width=(16|32) ' | sort -u | wc -l)" = 2 ] || fail "no icon"
wrestool -x --raw -t 16 "$build/src/novemo.exe" | tr -d '\0' |
  grep -qa 'ProductNameNovemo.*ProductVersion1\.2' || fail "no version resource"
for exe in "$build"/src/*.exe; do # Windows 10 and 11, sharp on every monitor, long paths, no elevation
  manifest=$(wrestool -x --raw -t 24 "$exe" | tr -d '\r\n')
  for want in '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}' '>PerMonitorV2<' '>true</longPathAware>' 'level="asInvoker"'; do
    grep -qF "$want" <<<"$manifest" || fail "$exe's manifest lacks $want"
  done
done

"$wine" "$setup" /S || fail "the silent install failed"
for file in novemo.exe novemo-generate.exe COPYING.txt README.txt uninstall.exe; do
  [ -f "$apps/$file" ] || fail "$file is not installed"
done
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
entry=$("$wine" reg query "$key\\Novemo" 2>/dev/null | tr -d '\r')
for value in 'DisplayName    REG_SZ    Novemo' 'DisplayVersion    REG_SZ    1\.2' \
             'DisplayIcon    REG_SZ    .*novemo\.exe,0' 'EstimatedSize    REG_DWORD    0x[1-9a-f]'; do
  grep -q "$value" <<<"$entry" || fail "the uninstall entry lacks $value: $entry"
done

# Searched again and again for a minute: xdotool's search fails outright when a window closes under it.
find_window() { for _ in $(seq 300); do xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 | grep . && return; sleep 0.2; done; }
start() { # start EXE: its window, with the keyboard
  "$wine" "$1" >/dev/null 2>&1 & game=$!
  window=$(find_window 'Novemo 1\.2') && [ -n "$window" ] || fail "no window for $1"
  xdotool windowfocus --sync "$window"
}
box() { # box TITLE: the box's text, copied as Windows copies a box's; Return closes it
  id=$(find_window "$1") && [ -n "$id" ] || fail "no box \"$1\""
  xdotool windowfocus --sync "$id" key ctrl+c sleep 0.5
  xclip -o -selection clipboard
  xdotool key Return
  for _ in $(seq 50); do xdotool search --onlyvisible --name "^$1\$" >/dev/null || break; sleep 0.1; done
}
menu() { # menu UPS: the File item that many up from its foot (1: Exit, 2: Scores)
  xdotool mousemove --window "$window" 20 $((bar / 2)) click 1 sleep 0.5
  for _ in $(seq "$1"); do xdotool key Up; done
  xdotool key Return
}
run() { # run COMMAND-LINE: as Windows' command prompt runs it, for its exit code
  printf '%s\r\nexit %%ERRORLEVEL%%\r\n' "$1" >"$work/run.bat" && "$wine" cmd /c "Z:${work//\//\\}\\run.bat" >/dev/null
}
remove() { # the quiet removal the entry registers, as a deployment tool runs it
  run "$("$wine" reg query "$key\\Novemo" /v QuietUninstallString | sed -n 's/.*REG_SZ *//p' | tr -d '\r')"
}
quit() {
  menu 1
  timeout 10 tail --pid="$game" -f /dev/null || fail "Exit did not end the game"
}

start "$apps/novemo.exe"
# Windows replaces and deletes no running program: setup and removal refuse, changing nothing.
"$wine" "$setup" /S
[ $? = 32 ] && "$wine" reg query "$key\\Novemo" /v DisplayVersion | grep -q 'REG_SZ    1\.2' ||
  fail "a setup over the running game did not refuse"
remove
[ $? = 32 ] && [ -f "$apps/novemo.exe" ] && [ -f "$shortcut" ] || fail "a removal under the running game did not refuse"
xprop -id "$window" _MOTIF_WM_HINTS | grep -q '= 0x[0-9a-f]*, 0x24,' ||
  fail "not a close box only: $(xprop -id "$window" _MOTIF_WM_HINTS)"
[ "$(xprop -id "$window" _NET_WM_ICON | grep -c 'Icon (\(16 x 16\|32 x 32\))')" = 2 ] || fail "no window icon"
import -window "$window" "$work/shot.png"  # the green frame's corner, and the window's size
read -r frame_x frame_y < <(convert "$work/shot.png" txt:- |
  awk -F'[,: ]+' '/#00FF00/ && (!n++ || $1 + $2 < x + y) {x = $1; y = $2} END {print x, y}')
read -r width height < <(xwininfo -id "$window" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w, h}')
bar=$((frame_y - 208)) # the menu bar: the centre cell's frame is at (176, 208) of the client area
[ "$frame_x" = 176 ] && [ "$width" = 397 ] && [ $((height - bar)) = 431 ] ||
  fail "client area $width x $((height - bar)), centre frame at $frame_x, $frame_y"
xdotool key ctrl+q Left
box Result | grep -q "Congratulations!!   You won!!" || fail "no win"
name=$(find_window Name) && [ -n "$name" ] || fail "no name box"
xdotool windowfocus --sync "$name" type Wendy && xdotool key Return
box Novemo | grep -q "1\.  .*Wendy.* - [0-9:]*$" || fail "not in the table"
quit
grep -q '^Player4=Wendy' "$store" || fail "not stored in $store"
start "$apps/novemo.exe"
# Level > Difficult and a win, then the session ends (logoff, shutdown) at the name box: stored
# as at exit, the place under the name typed so far.
xdotool mousemove --window "$window" 20 $((bar / 2)) click 1 sleep 0.5 key Right Down Return
sleep 0.5
xdotool key ctrl+q Left
box Result >/dev/null
name=$(find_window Name) && [ -n "$name" ] || fail "no name box"
xdotool windowfocus --sync "$name" type Xena
"$wine" wineboot --end-session
timeout 10 tail --pid="$game" -f /dev/null || fail "the session's end did not end the game"
grep -q '^Level=True' "$store" && grep -q '^Player1=Xena' "$store" && grep -q '^Player4=Wendy' "$store" ||
  fail "not stored at the session's end: $(cat "$store")"

# A newer version: never into a folder of other files; moved by /D, the old copy gone with its
# entry, so one copy, one entry, the new version.
stage=$(ls -d "$build"/dist/novemo-*)
makensis -V1 -DVERSION=9.9 -DPUBLISHER=Test -DSTAGE="$stage" -DICON="$build/novemo.ico" \
  -DOUTFILE="$work/newer.exe" "$2" || fail "no newer setup"
mkdir "$WINEPREFIX/drive_c/Stuff" && echo mine >"$WINEPREFIX/drive_c/Stuff/README.txt"
"$wine" "$work/newer.exe" /S '/D=C:\Stuff'
[ $? = 80 ] && [ "$(cat "$WINEPREFIX/drive_c/Stuff/"*)" = mine ] || fail "installed among other files"
# For every user, never outside Program Files nor below folders it would make: 87, nothing made.
"$wine" "$work/newer.exe" /S /ALLUSERS '/D=C:\Shared\Novemo'
[ $? = 87 ] && run "Z:${work//\//\\}\\newer.exe /S /ALLUSERS /D=C:\\Program Files\\New\\Novemo"
[ $? = 87 ] && [ ! -e "$WINEPREFIX/drive_c/Shared" ] && [ ! -e "$WINEPREFIX/drive_c/Program Files/New" ] ||
  fail "installed for every user outside Program Files or below a new folder"
# A move that cannot write the new copy (a folder stands where a file goes) exits 2, keeping the
# earlier copy, its shortcut and its entry.
mkdir -p "$WINEPREFIX/drive_c/Games/Novemo/COPYING.txt" && : >"$WINEPREFIX/drive_c/Games/Novemo/novemo.exe"
"$wine" "$work/newer.exe" /S '/D=C:\Games\Novemo'
[ $? = 2 ] && [ -f "$apps/novemo.exe" ] && [ -f "$shortcut" ] && "$wine" reg query "$key\\Novemo" |
  grep -q 'DisplayVersion    REG_SZ    1\.2' || fail "a move that failed did not keep the earlier copy"
rm -r "$WINEPREFIX/drive_c/Games"
"$wine" "$work/newer.exe" /S '/D=C:\Games\Novemo' || fail "no upgrade"
apps=$WINEPREFIX/drive_c/Games/Novemo
[ "$("$wine" reg query "$key" | grep -c 'Novemo')" = 1 ] || fail "two uninstall entries"
"$wine" reg query "$key\\Novemo" | grep -q 'DisplayVersion    REG_SZ    9\.9' || fail "still 1.2"
"$wine" reg query "$key\\Novemo" | grep -q 'InstallLocation    REG_SZ    C:\\Games\\Novemo' || fail "not moved"
[ "$(find "$WINEPREFIX/drive_c" -name novemo.exe)" = "$apps/novemo.exe" ] && [ -f "$shortcut" ] ||
  fail "not one copy, in the folder chosen, with its shortcut"

# The registered removal: with a file it installed held open by another program it exits 5, still
# listed; then every file it installed goes, and its shortcut and entry, but the player's own file
# stays in its folder. Its uninstaller goes once it has ended.
echo mine >"$apps/notes.txt"
"$wine" cmd /c 'ping -n 8 127.0.0.1 >nul <C:\Games\Novemo\COPYING.txt' & holder=$!
for _ in $(seq 100); do ls -l /proc/[0-9]*/fd 2>/dev/null | grep -q 'Novemo/COPYING.txt$' && break; sleep 0.1; done
remove
[ $? = 5 ] && "$wine" reg query "$key\\Novemo" >/dev/null 2>&1 || fail "a removal that failed is not told"
wait $holder
remove || fail "the removal failed"
for _ in $(seq 100); do [ -e "$apps/uninstall.exe" ] || break; sleep 0.2; done
[ "$(ls "$apps" 2>&1)" = notes.txt ] || fail "not the player's file alone in its folder: $(ls "$apps" 2>&1)"
[ ! -e "$shortcut" ] || fail "the shortcut is left"
"$wine" reg query "$key\\Novemo" >/dev/null 2>&1 && fail "the uninstall entry is left"
grep -q '^Player4=Wendy' "$store" || fail "the scores went with the game"

cmake -E chdir "$work" cmake -E tar xf "$(ls "$build"/novemo-*-windows-x64.zip)"
start "$(ls "$work"/novemo-*/novemo.exe)"
echo "programs, install, window, win, store, table, session's end, upgrade, removal and zip: as on Windows"
