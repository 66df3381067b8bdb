#!/usr/bin/python3
"""The running game follows the desktop's contrast setting, read from its
window's pixels. Each run has a private session bus with a stand-in desktop
portal: one that never answers, one of version 1 with only GNOME's key, one of
version 2 with `contrast` (and GNOME's key saying otherwise), each changed
while the game runs. High contrast must meet its ratios; off must be the
game's own colours exactly; a change must leave the game as it was.
    contrast_test.py GAME                      on an X display
    contrast_test.py --portal VERSION 'SPACE KEY VALUE,...'   the stand-in portal"""
import os
import subprocess
import sys
import tempfile
import time

SETTINGS = "org.freedesktop.portal.Settings"
APPEARANCE, GNOME = "org.freedesktop.appearance", "org.gnome.desktop.a11y.interface"


def portal(version, values):
    """Serves Settings as xdg-desktop-portal does; `set SPACE KEY VALUE` lines on
    the standard input change a value and emit SettingChanged."""
    import dbus
    import dbus.mainloop.glib
    import dbus.service
    from gi.repository import GLib

    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    table = {}

    def put(space, key, value):
        table[(space, key)] = dbus.UInt32(int(value)) if key == "contrast" else dbus.Boolean(value == "1")

    for item in values.split(","):
        put(*item.split())

    def value(space, key, level):
        if (space, key) not in table:
            raise dbus.exceptions.DBusException("no such key", name="org.freedesktop.portal.Error.NotFound")
        found = table[(space, key)]
        return type(found)(found, variant_level=level)

    class Settings(dbus.service.Object):
        @dbus.service.method(SETTINGS, in_signature="ss", out_signature="v")
        def Read(self, space, key):  # a variant in a variant, as the portal answers
            return value(space, key, 2)

        @dbus.service.method(SETTINGS, in_signature="ss", out_signature="v")
        def ReadOne(self, space, key):
            if version < 2:
                raise dbus.exceptions.DBusException("no", name="org.freedesktop.DBus.Error.UnknownMethod")
            return value(space, key, 1)

        @dbus.service.method("org.freedesktop.DBus.Properties", in_signature="ss", out_signature="v",
                             async_callbacks=("reply", "error"))
        def Get(self, interface, name, reply, error):
            if version > 0:  # version 0: a portal that never answers
                reply(dbus.UInt32(version, variant_level=1))

        @dbus.service.signal(SETTINGS, signature="ssv")
        def SettingChanged(self, space, key, value):
            pass

    settings = Settings(bus, "/org/freedesktop/portal/desktop")

    def command(source, _):
        words = source.readline().split()
        if not words:
            loop.quit()
            return False
        put(*words[1:])
        settings.SettingChanged(words[1], words[2], value(words[1], words[2], 1))
        return True

    loop = GLib.MainLoop()
    GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, command)
    bus.request_name("org.freedesktop.portal.Desktop")
    print("ready", flush=True)
    loop.run()


def ratio(a, b):
    def lum(rgb):
        def ch(v):
            c = v / 255
            return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4
        return 0.2126 * ch(rgb >> 16) + 0.7152 * ch(rgb >> 8 & 255) + 0.0722 * ch(rgb & 255)
    hi, lo = sorted((lum(a), lum(b)), reverse=True)
    return (hi + 0.05) / (lo + 0.05)


def fail(message):
    print("failed:", message)
    sys.exit(1)


class Game:
    def __init__(self, work, version, values):
        self.work = work
        config = os.path.join(work, "bus.conf")  # no service folders: nothing real is activated
        with open(config, "w") as f:
            f.write(f"""<busconfig><type>session</type><listen>unix:tmpdir={work}</listen>
<auth>EXTERNAL</auth><policy context="default"><allow send_destination="*" eavesdrop="true"/>
<allow eavesdrop="true"/><allow own="*"/></policy></busconfig>""")
        self.bus = subprocess.Popen(["dbus-daemon", "--config-file", config, "--nofork", "--print-address"],
                                    stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        env = dict(os.environ, DBUS_SESSION_BUS_ADDRESS=self.bus.stdout.readline().strip(),
                   HOME=work, XDG_CONFIG_HOME=work, XDG_RUNTIME_DIR=work, QT_QPA_PLATFORM="xcb")
        self.portal = subprocess.Popen([sys.executable, __file__, "--portal", str(version), values],
                                       stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, env=env)
        if self.portal.stdout.readline().strip() != "ready":
            fail("the stand-in portal did not start")
        started = time.monotonic()
        self.game = subprocess.Popen([sys.argv[1]], env=env, stderr=subprocess.DEVNULL)
        found = subprocess.run(["timeout", "20", "xdotool", "search", "--sync", "--onlyvisible", "--name",
                                r"^Novemo 1\.2$"], capture_output=True, text=True).stdout.split()
        if not found:
            fail("no window")
        self.mapped = time.monotonic() - started
        self.window = found[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", self.window])

    def keys(self, *keys):
        subprocess.run(["xdotool", "key", "--window", self.window, *keys], check=True)

    def set(self, space, key, value):
        self.portal.stdin.write(f"set {space} {key} {value}\n")
        self.portal.stdin.flush()

    def board(self):
        """The board's pixels, row by row, as 0xRRGGBB."""
        size = subprocess.run(["xwininfo", "-id", self.window], capture_output=True, text=True).stdout
        width = int(size.split("Width: ")[1].split()[0])
        height = int(size.split("Height: ")[1].split()[0])
        raw = subprocess.run(["import", "-window", self.window, "-depth", "8", "rgb:-"],
                             capture_output=True).stdout
        top = height - 431 + 32  # the client area ends the window; the board is 32 pixels into it
        return [[int.from_bytes(raw[3 * (y * width + x):3 * (y * width + x) + 3], "big") for x in range(393)]
                for y in range(top, top + 393)]

    def stop(self):
        for process in (self.game, self.portal, self.bus):
            process.kill()
            process.wait()


def cells(board):
    """Per cell: its line colour (the middle of the left edge), how far the line
    reaches in, its fill, its digit's colour and the digit's pixel count."""
    found = {}
    for t in range(9):
        for k in range(9):
            x = 8 + 128 * (t % 3) + 40 * (k % 3)
            y = 8 + 128 * (t // 3) + 40 * (k // 3)
            line = board[y + 20][x]
            width = next(w for w in range(1, 20) if board[y + 20][x + w] != line)
            inside = [board[y + j][x + i] for j in range(4, 36) for i in range(4, 36)]
            counts = {}
            for c in inside:
                counts[c] = counts.get(c, 0) + 1
            ranked = sorted(counts, key=counts.get, reverse=True)
            fill = ranked[0]
            digit = ranked[1] if len(ranked) > 1 else None
            ink = sum(n for c, n in counts.items() if c != fill)
            found[(t, k)] = (line, width, fill, digit, ink)
    return found


def look(board, givens):
    """The colours the board is drawn in, from its pixels; givens: the cells
    with a digit at the start."""
    found = cells(board)
    active = [key for key, cell in found.items() if sum(o[0] == cell[0] for o in found.values()) == 1]
    if givens is None:  # not known yet: the digits are not looked at
        givens = others = []
    else:
        others = [key for key in found if key not in givens]

    def one(colours):
        if len(colours) > 1:
            fail(f"not one colour: {colours}, active cells {active}")
        return next(iter(colours), None)

    ink = [sum(found[key][4] for key in group) / max(len(group), 1) for group in (givens, others)]
    return {"wide lines": board[4][4], "fill": one({cell[2] for cell in found.values()}),
            "cell lines": one({cell[0] for key, cell in found.items() if key not in active}),
            "given digit": one({found[key][3] for key in givens}),
            "entered digit": one({found[key][3] for key in others}),
            "active frame": found[active[0]][0] if len(active) == 1 else None,
            "active width": found[active[0]][1] if len(active) == 1 else None,
            "active cell": active, "ink given/entered": ink[0] / max(ink[1], 1)}


def wait_for(game, condition, givens):
    board = None
    for _ in range(50):
        board = game.board()
        if condition(look(board, givens)):
            return board
        time.sleep(0.1)
    fail(f"the board did not change: {look(board, givens)}")


STANDARD = {"wide lines": 0xA0A0A0, "cell lines": 0x000000, "fill": 0x404040, "given digit": 0x808080,
            "entered digit": 0xE0E0E0, "active frame": 0x00FF00, "active width": 1}
PAIRS = [("given digit", "fill", 7), ("entered digit", "fill", 7), ("given digit", "entered digit", 1),
         ("cell lines", "fill", 3), ("wide lines", "fill", 3), ("active frame", "fill", 3),
         ("active frame", "cell lines", 3), ("active frame", "wide lines", 3)]


def standard(seen):
    return all(seen[name] == value for name, value in STANDARD.items())


def high(seen):
    return (seen["active width"] > 1 and seen["ink given/entered"] > 1.2 and
            all(ratio(seen[a], seen[b]) >= least for a, b, least in PAIRS))


def report(title, seen):
    print(f"{title}: active frame {seen['active width']} px, given digits with "
          f"{seen['ink given/entered']:.2f} x the ink of entered ones")
    for a, b, _ in PAIRS:
        print(f"  {a} #{seen[a]:06X} against {b} #{seen[b]:06X}: {ratio(seen[a], seen[b]):.2f}:1")


def run(version, values, switch, title):
    """A game under a portal: on at start, off, then on again after changes."""
    with tempfile.TemporaryDirectory() as work:
        game = Game(work, version, values)
        try:
            cells_at_start = cells(wait_for(game, lambda seen: seen["active frame"] is not None, None))
            givens = [key for key, cell in cells_at_start.items() if cell[3] is not None]
            game.keys("Up", "Left", "ctrl+m")  # a moved frame, and every other cell entered
            first = wait_for(game, high, givens)
            report(f"{title}, as drawn", look(first, givens))
            game.set(*switch, 0)
            off = wait_for(game, standard, givens)
            game.set(*switch, 1)
            again = wait_for(game, high, givens)
            if again != first or look(off, givens)["active cell"] != look(first, givens)["active cell"]:
                fail("a change of contrast changed more than the colours")
        finally:
            game.stop()
    print(f"{title}: high at start, the game's own colours when turned off, the same board again when on")
    return look(off, givens)


def main():
    if sys.argv[1] == "--portal":
        portal(int(sys.argv[2]), sys.argv[3])
        return
    for tool in ("dbus-daemon", "xdotool", "import", "xwininfo"):
        if subprocess.run(["which", tool], capture_output=True).returncode != 0:
            print(f"skipped: {tool} is not installed")
            sys.exit(77)
    with tempfile.TemporaryDirectory() as work:  # a portal that never answers: off, at once
        game = Game(work, 0, f"{GNOME} high-contrast 1")
        try:
            board = wait_for(game, lambda seen: seen["active frame"] is not None, None)
            givens = [key for key, cell in cells(board).items() if cell[3] is not None]
            wait_for(game, lambda seen: standard(seen | {"entered digit": 0xE0E0E0}), givens)
        finally:
            game.stop()
    print(f"a portal that never answers: the game's own colours, the window mapped after {game.mapped:.2f} s")
    off = run(1, f"{GNOME} high-contrast 1", (GNOME, "high-contrast"), "version 1, GNOME's key")
    run(2, f"{APPEARANCE} contrast 1,{GNOME} high-contrast 0", (APPEARANCE, "contrast"), "version 2, contrast")
    report("turned off, as drawn", off)


if __name__ == "__main__":
    main()
