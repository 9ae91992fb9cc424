"""Drives the real Glyphwright under Wine on the test display with xdotool.

A scenario is a unittest method of a GlyphwrightCase: self.app is started
fresh in a folder of its own (self.folder), and is closed after the test.
Coordinates given to the mouse calls are client-area pixels.
"""
import os
import re
import shutil
import subprocess
import tempfile
import time
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
WINE_RUN = os.path.join(ROOT, "scripts", "wine-run.sh")
EXE = os.environ.get("GW_EXE", os.path.join(ROOT, "build", "win", "app", "glyphwright.exe"))
PROBE = os.environ.get("GW_PROBE", os.path.join(ROOT, "build", "win", "tests", "e2e", "e2e_probe.exe"))


def wine(*args, **kwargs):
    return subprocess.run([WINE_RUN, *args], capture_output=True, text=True, **kwargs)


def windows_path(path):
    """The path as the program sees it (Wine's Z: drive is the Linux root)."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True, check=True).stdout


def active_window():
    """The id of the active window, or "" while there is none."""
    return subprocess.run(["xdotool", "getactivewindow"], capture_output=True, text=True).stdout.strip()


def activate(window):
    """Asks for the window to be made active; whether it is."""
    subprocess.run(["xdotool", "windowactivate", "--sync", window], capture_output=True)
    return active_window() == window


def focus_on(window):
    """Makes the window active and waits until it has the keyboard."""
    wait_for(lambda: activate(window), message="the window to be active")
    time.sleep(0.1)  # let Wine take the focus change before keys arrive


def wait_for(condition, timeout=20, message="condition"):
    end = time.time() + timeout
    while time.time() < end:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError("timed out waiting for " + message)


ABOUT = "About Glyphwright"  # the title of the window every start shows


class Glyphwright:
    """One running copy of the program, started by `command` (by default the built program under Wine)
    with `args` and the environment `env`; `associate` is the program file that .glw files are
    registered for first, so that no question is asked (None leaves the registry alone). The About
    window that it shows at start is closed first, unless `keep_about`."""

    def __init__(self, *args, cwd=None, keep_about=False, command=(WINE_RUN, EXE), associate=EXE, env=None):
        if associate:
            wine(PROBE, "associate", windows_path(associate), check=True)
        self.process = subprocess.Popen([*command, *args], cwd=cwd, env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.title = None
        self.window = None
        if not keep_about:
            self.close_about()

    def close_about(self):
        """Closes the About window as a user would, with a key typed into it, and then gives the document
        window the keyboard, as the scenarios expect to find it."""
        focus_on(wait_window(ABOUT))
        xdotool("key", "Escape")
        wait_for(lambda: not self._visible(ABOUT), message="the About window to close")
        focus_on(wait_window(".* - Glyphwright"))

    def wait_title(self, pattern, timeout=20):
        """Waits until a window whose whole title matches the regular expression
        is shown; it becomes the window the other calls work on."""
        found = wait_for(lambda: self._visible(pattern), timeout, "a window titled " + pattern)
        self.window = found[0]
        self.title = xdotool("getwindowname", self.window).strip()
        return self.title

    @staticmethod
    def _visible(pattern):
        result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % pattern],
                                capture_output=True, text=True)
        return result.stdout.split() if result.returncode == 0 else None

    def client(self):
        """(x, y, width, height) of the client area on the screen."""
        out = wine(PROBE, "client", self.title).stdout.split()
        return tuple(int(v) for v in out)

    def focus(self):
        """Makes the window active and waits until it has the keyboard."""
        focus_on(self.window)

    def move(self, x, y):
        cx, cy, _, _ = self.client()
        xdotool("mousemove", "--sync", cx + x, cy + y)

    def click(self, x, y, button=1):
        self.move(x, y)
        xdotool("click", button)

    def drag(self, x1, y1, x2, y2, steps=8, modifiers=(), late=()):
        """Drags with `modifiers` held from before the press and `late` keys
        pressed halfway through."""
        for key in modifiers:
            xdotool("keydown", key)
        self.move(x1, y1)
        xdotool("mousedown", 1)
        for i in range(1, steps + 1):
            if i == steps // 2 + 1:
                for key in late:
                    xdotool("keydown", key)
            self.move(x1 + (x2 - x1) * i // steps, y1 + (y2 - y1) * i // steps)
            time.sleep(0.02)
        xdotool("mouseup", 1)
        for key in (*modifiers, *late):
            xdotool("keyup", key)

    def key(self, *keys):
        self.focus()
        xdotool("key", "--clearmodifiers", *keys)

    def type(self, text):
        self.focus()
        xdotool("type", "--delay", 20, text)

    def screenshot(self, path):
        subprocess.run(["import", "-window", self.window or "root", path], check=True)

    def pixels(self, x, y, width, height):
        """{(x, y): (red, green, blue)} of a rectangle of client pixels, read from the screen."""
        cx, cy, _, _ = self.client()
        out = subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (width, height, cx + x, cy + y),
                              "-depth", "8", "txt:-"], capture_output=True, text=True, check=True).stdout
        found = {}
        for line in out.splitlines()[1:]:
            where, rest = line.split(":", 1)
            px, py = (int(v) for v in where.split(","))
            values = rest.split("(")[1].split(")")[0].split(",")
            found[(x + px, y + py)] = tuple(int(float(v)) for v in values[:3])
        return found

    def pixel(self, x, y):
        """The (red, green, blue) of one client pixel."""
        return self.pixels(x, y, 1, 1)[(x, y)]

    @staticmethod
    def cell():
        """The display font's cell width and height in pixels."""
        return tuple(int(v) for v in wine(PROBE, "font").stdout.split())

    def clipboard(self):
        return wine(PROBE, "clipboard").stdout

    @staticmethod
    def put_clipboard(data):
        """Puts the bytes on the clipboard as text, as another program's Copy would."""
        wine(PROBE, "put", data.hex(), check=True)

    def running(self):
        return self.process.poll() is None

    def kill(self):
        if self.running():
            self.process.kill()
            self.process.wait()


class GlyphwrightCase(unittest.TestCase):
    """Gives each test a folder of its own and makes sure the program ends."""

    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="glyphwright e2e ")
        self.app = None

    def tearDown(self):
        if self.app:
            self.app.kill()
        shutil.rmtree(self.folder, ignore_errors=True)

    def start(self, *args, **options):
        self.app = Glyphwright(*args, cwd=self.folder, **options)
        return self.app

    def path(self, name):
        return os.path.join(self.folder, name)


PAGE_LEFT, PAGE_TOP = 26, 81  # client pixels where the page area starts


def wait_window(pattern, timeout=20):
    """The id of a visible window whose whole title matches the regular expression, once there is one."""
    return wait_for(lambda: Glyphwright._visible(pattern), timeout, "a window titled " + pattern)[0]


def window_texts(title):
    """The texts of the controls of the window with this title (a message box's message among them)."""
    return wine(PROBE, "text", title).stdout


class PageFileCase(GlyphwrightCase):
    """A scenario on a text file of given rows, checked by saving it."""

    def open_rows(self, name, rows, **options):
        """Opens a text file of `rows` (no line end after the last, so no extra row)."""
        self.file = self.path(name)
        with open(self.file, "wb") as file:
            file.write(b"\r\n".join(rows))
        app = self.start(windows_path(self.file), **options)
        app.wait_title(re.escape(os.path.splitext(name)[0]) + r"(\.\w+)? - Glyphwright")
        self.cell_width, self.cell_height = app.cell()
        app.focus()
        return app

    def middle(self, col, row):
        """The client point in the middle of a cell."""
        return (PAGE_LEFT + col * self.cell_width + self.cell_width // 2,
                PAGE_TOP + row * self.cell_height + self.cell_height // 2)

    def saved_rows(self):
        """Saves with Ctrl+S and returns the file's rows."""
        before = os.stat(self.file).st_mtime_ns, os.path.getsize(self.file)
        self.app.key("ctrl+s")
        wait_for(lambda: (os.stat(self.file).st_mtime_ns, os.path.getsize(self.file)) != before,
                 message="the file to be saved")
        with open(self.file, "rb") as file:
            return file.read().decode("latin-1").split("\r\n")[:-1]


def answer_box(title, key, timeout=20):
    """Waits for a window with this exact title (a message box), answers it with `key` and waits until it
    has gone; returns the texts it showed."""
    box = wait_window(title, timeout)
    texts = window_texts(title)
    xdotool("windowactivate", "--sync", box)
    xdotool("key", key)
    wait_for(lambda: not Glyphwright._visible(title), timeout, "the box to close")
    return texts
