#!/usr/bin/python3
# The running game follows the desktop's contrast, read from its window's pixels. Each run has
# a private session bus and a stand-in desktop portal: one that never answers (the game's own
# colours), one of version 1 with only GNOME's key, one of version 2 with `contrast` (and GNOME's
# key saying otherwise), each switched off and on again while the game runs.
#   contrast_test.py GAME                                     on an X display
#   contrast_test.py --portal VERSION 'SPACE KEY VALUE,...'   the stand-in portal
import collections, os, subprocess, sys, tempfile, time  # noqa: E401

SETTINGS = "org.freedesktop.portal.Settings"
APPEARANCE, GNOME = "org.freedesktop.appearance contrast", "org.gnome.desktop.a11y.interface high-contrast"
BUS = """<busconfig><type>session</type><listen>unix:tmpdir={}</listen><auth>EXTERNAL</auth>
<policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/>
<allow own="*"/></policy></busconfig>"""
OWN = {"wide lines": 0xA0A0A0, "cell lines": 0x000000, "fill": 0x404040, "given digit": 0x808080,
       "entered digit": 0xE0E0E0, "active frame": 0x00FF00, "active width": 1}
PAIRS = [("given digit", "fill", 7), ("entered digit", "fill", 7), ("given digit", "entered digit", 1),
         ("cell lines", "fill", 3), ("wide lines", "fill", 3), ("active frame", "fill", 3),
         ("active frame", "cell lines", 3), ("active frame", "wide lines", 3)]


def portal(version, values):
    # Settings as xdg-desktop-portal serves them; a "SPACE KEY VALUE" line on the standard input
    # changes a value and emits SettingChanged.
    import dbus.mainloop.glib, dbus.service  # noqa: E401
    from gi.repository import GLib
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    table = {tuple(item.split()[:2]): item.split()[2] for item in values.split(",")}

    def value(space, key, level):
        if (space, key) not in table:
            raise dbus.exceptions.DBusException(name="org.freedesktop.portal.Error.NotFound")
        text = table[(space, key)]
        typed = dbus.UInt32(int(text)) if key == "contrast" else dbus.Boolean(text == "1")
        return type(typed)(typed, variant_level=level)

    class Settings(dbus.service.Object):
        @dbus.service.method(SETTINGS, "ss", "v")
        def Read(self, space, key):  # a variant in a variant, as the portal answers
            return value(space, key, 2)

        @dbus.service.method(SETTINGS, "ss", "v")
        def ReadOne(self, space, key):  # of version 2
            return value(space, key, 1)

        @dbus.service.method("org.freedesktop.DBus.Properties", "ss", "v", async_callbacks=("reply", "error"))
        def Get(self, interface, name, reply, error):
            if version:  # version 0 never answers
                reply(dbus.UInt32(version, variant_level=1))

        @dbus.service.signal(SETTINGS, "ssv")
        def SettingChanged(self, space, key, value):
            pass

    bus = dbus.SessionBus()
    settings = Settings(bus, "/org/freedesktop/portal/desktop")

    def change(source, _):
        space, key, table[(space, key)] = source.readline().split()
        settings.SettingChanged(space, key, value(space, key, 1))
        return True
    GLib.io_add_watch(sys.stdin, GLib.IO_IN, change)
    bus.request_name("org.freedesktop.portal.Desktop")
    print("ready", flush=True)
    GLib.MainLoop().run()


def ratio(a, b):
    def lum(rgb):
        return sum(w * (c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4)
                   for w, c in zip((0.2126, 0.7152, 0.0722), ((rgb >> s & 255) / 255 for s in (16, 8, 0))))
    return (max(lum(a), lum(b)) + 0.05) / (min(lum(a), lum(b)) + 0.05)


def pixels(window):
    # The board's pixels, as a function of x and y.
    info = subprocess.run(["xwininfo", "-id", window], capture_output=True, text=True).stdout
    width, height = (int(info.split(f"{d}: ")[1].split()[0]) for d in ("Width", "Height"))
    raw = subprocess.run(["import", "-window", window, "-depth", "8", "rgb:-"], capture_output=True).stdout
    top = height - 431 + 32  # the client area ends the window, the board 32 pixels into it
    return lambda x, y: int.from_bytes(raw[3 * ((top + y) * width + x):3 * ((top + y) * width + x) + 3], "big")


def look(px, givens):
    # The board's colours, from the middle of each cell's left edge, the corner below its digit
    # and the colour most of its digit is drawn in (given digits are the givens' cells).
    cells = []
    for c in range(81):
        x, y = 8 + 128 * (c % 9 // 3) + 40 * (c % 3), 8 + 128 * (c // 27) + 40 * (c // 9 % 3)
        line = px(x, y + 20)
        ink = collections.Counter(px(x + i, y + j) for i in range(4, 36) for j in range(4, 36))
        cells.append((line, next((w for w in range(1, 9) if px(x + w, y + 20) != line), 9), px(x + 37, y + 37), ink))
    fill = collections.Counter(cell[2] for cell in cells).most_common(1)[0][0]
    lines = collections.Counter(cell[0] for cell in cells)
    active = [c for c in range(81) if lines[cells[c][0]] == 1]
    frame = cells[active[0]][:2] if len(active) == 1 else (None, None)
    seen = {"wide lines": px(4, 4), "fill": fill, "cell lines": lines.most_common(1)[0][0], "cells": cells,
            "active cell": active, "active frame": frame[0], "active width": frame[1]}
    for name, group in ("given digit", givens), ("entered digit", [c for c in range(81) if c not in givens]):
        digits = [cells[c][3] - collections.Counter({fill: 10**4}) for c in group]
        colours = {digit.most_common(1)[0][0] if digit else None for digit in digits}
        seen[name] = colours.pop() if len(colours) == 1 else colours
        seen[name + " ink"] = sum(sum(digit.values()) for digit in digits) / max(len(digits), 1)
    return seen


def own(seen):  # the game's own colours, exactly
    return all(seen[name] == value for name, value in OWN.items())


def high(seen):
    return seen["active width"] > 1 and seen["given digit ink"] > 1.2 * seen["entered digit ink"] and all(
        isinstance(seen[a], int) and isinstance(seen[b], int) and ratio(seen[a], seen[b]) >= least
        for a, b, least in PAIRS)


def session(version, values, key):
    # The game under a stand-in portal on a private bus; with a key, switched off and on again.
    with tempfile.TemporaryDirectory() as work:
        with open(f"{work}/bus.conf", "w") as conf:
            conf.write(BUS.format(work))  # no service folders: nothing real is activated
        bus = subprocess.Popen(["dbus-daemon", "--config-file", f"{work}/bus.conf", "--nofork", "--print-address"],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        env = dict(os.environ, DBUS_SESSION_BUS_ADDRESS=bus.stdout.readline().strip(), HOME=work,
                   XDG_CONFIG_HOME=work, XDG_RUNTIME_DIR=work, QT_QPA_PLATFORM="xcb")
        stand_in = subprocess.Popen([sys.executable, __file__, "--portal", str(version), values],
                                    stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, env=env)
        stand_in.stdout.readline()
        game = subprocess.Popen([sys.argv[1]], env=env, stderr=subprocess.DEVNULL)
        try:
            window = subprocess.run(["timeout", "20", "xdotool", "search", "--sync", "--onlyvisible", "--name",
                                     r"^Novemo 1\.2$"], capture_output=True, text=True).stdout.split()[0]
            subprocess.run(["xdotool", "windowfocus", "--sync", window])
            return switched(window, stand_in.stdin, key) if key else wait_for(
                window, [], lambda seen: seen["entered digit"] == {0x808080, None} and all(  # nothing entered yet
                    seen[name] == OWN[name] for name in OWN if "digit" not in name), "not the game's own colours")
        finally:
            for process in game, stand_in, bus:
                process.kill()
                process.wait()


def wait_for(window, givens, condition, what):
    for _ in range(50):
        seen = look(pixels(window), givens)
        if condition(seen):
            return seen
        time.sleep(0.1)
    sys.exit(f"failed: {what}: {({k: v for k, v in seen.items() if k != 'cells'})}")


def switched(window, portal_input, key):
    at_start = wait_for(window, [], lambda seen: seen["active width"], "no board")
    givens = [c for c in range(81) if at_start["cells"][c][3][at_start["fill"]] < 1024]
    subprocess.run(["xdotool", "key", "--window", window, "Up", "Left", "ctrl+m"])  # every other cell entered
    first = wait_for(window, givens, high, "not high contrast at start")
    portal_input.write(f"{key} 0\n") and portal_input.flush()
    off = wait_for(window, givens, own, "not the game's own colours when turned off")
    portal_input.write(f"{key} 1\n") and portal_input.flush()
    if wait_for(window, givens, high, "not high again")["cells"] != first["cells"] or off["active cell"] != first["active cell"]:
        sys.exit("failed: a change of contrast changed more than the colours")
    return first, off


if sys.argv[1] == "--portal":
    portal(int(sys.argv[2]), sys.argv[3])
    sys.exit()
session(0, f"{GNOME} 1", None)
print("a portal that never answers: the game's own colours")
for version, values, key in (1, f"{GNOME} 1", GNOME), (2, f"{APPEARANCE} 1,{GNOME} 0", APPEARANCE):
    session(version, values, key)
    print(f"portal version {version}: high contrast at start, the game's own colours off, high again")
