"""Drives the real Glyphwright under Wine on the test display with xdotool.

A scenario is a unittest method of a Case: self.app is started fresh in a folder of its own (self.folder) and
killed after the test. Coordinates given to the mouse calls are client-area pixels. Every step waits for a
condition it can see (a window, a title, a file, what the probe reports), never for a fixed time.
"""
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
WINE_RUN = os.path.join(ROOT, "scripts", "wine-run.sh")
EXE = os.environ.get("GW_EXE", os.path.join(ROOT, "build", "win", "app", "glyphwright.exe"))
PROBE = os.environ.get("GW_PROBE", os.path.join(ROOT, "build", "win", "tests", "e2e", "e2e_probe.exe"))
ABOUT = "About Glyphwright"  # the title of the window every start shows
PAGE_LEFT, PAGE_TOP = 26, 81  # client pixels where the page area starts
# Left edges of the tool buttons.
TOOLS = SELECT, TEXT, BIG_TEXT, PENCIL, RUBBER, BUCKET, LINE, CIRCLE, RECTANGLE = 3, 39, 72, 108, 141, 174, 210, 243, 276
WHITE = (255, 255, 255)  # the lit left edge of a button that is up


def wine(*args, **kwargs):
    return subprocess.run([WINE_RUN, *args], capture_output=True, text=True, errors="replace", **kwargs)


def probe(*args):
    return wine(PROBE, *args).stdout


def ask(*args):
    """What the probe prints, asked again until it prints something: one started while the machine is busy
    now and then finds nothing."""
    return wait_for(lambda: probe(*args), message="the probe to answer " + " ".join(args))


def windows_path(path):
    """The path as the program sees it (Wine's Z: drive is the Linux root)."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True, check=True).stdout


def wait_for(condition, timeout=20, message="condition"):
    end = time.time() + timeout
    while time.time() < end:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError("timed out waiting for " + message)


def visible(pattern):
    """The ids of the visible windows whose whole title matches the regular expression, or None."""
    result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % pattern],
                            capture_output=True, text=True)
    return result.stdout.split() if result.returncode == 0 else None


def wait_window(pattern, timeout=20):
    return wait_for(lambda: visible(pattern), timeout, "a window titled " + pattern)[0]


def window_texts(title):
    """The texts of the controls of the window with this title (a message box's message among them)."""
    return ask("text", title)


def focus_on(window):
    """Makes the window active and waits until Wine, too, gives it the keyboard (see the probe's focus)."""
    title = xdotool("getwindowname", window).strip()

    seen = []

    def focused():
        subprocess.run(["xdotool", "windowactivate", "--sync", window], capture_output=True)
        seen.append(probe("focus", title).strip())
        return seen[-1] == title
    try:
        wait_for(focused, message="the keyboard in " + title)
    except AssertionError as error:
        raise AssertionError("%s; Wine's foreground windows: %s" % (error, seen[-3:])) from None


def answer_box(title, key, timeout=20):
    """Waits for a window with this exact title (a message box), answers it with `key` and waits until it
    has gone; returns the texts it showed."""
    box = wait_window(title, timeout)
    texts = window_texts(title)
    focus_on(box)
    xdotool("key", key)
    wait_for(lambda: not visible(title), timeout, "the box to close")
    return texts


def enter_file_name(title, path):
    """Gives the file dialog with this title the full path of a file, as if typed, and presses its OK."""
    wait_window(title)
    ask("filename", title, windows_path(path))
    wait_for(lambda: not visible(title), message="the dialog to close")


class Glyphwright:
    """One running copy of the program, started by `command` (by default the built program under Wine)
    with `args` and the environment `env`; `associate` is the program file that .glw files are
    registered for first, so that no question is asked (None leaves the registry alone). The About
    window that it shows at start is closed first, unless `keep_about`."""

    def __init__(self, *args, cwd=None, keep_about=False, command=(WINE_RUN, EXE), associate=EXE, env=None):
        if associate:
            wine(PROBE, "associate", windows_path(associate), check=True)
        # A group of its own, so that a kill also ends what a launcher script started.
        self.process = subprocess.Popen([*command, *args], cwd=cwd, env=env, start_new_session=True,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.title = self.window = None
        if not keep_about:
            focus_on(wait_window(ABOUT))
            xdotool("key", "Escape")  # as a user would close it
            wait_for(lambda: not visible(ABOUT), message="the About window to close")

    def wait_title(self, pattern, timeout=20):
        """Waits until a window whose whole title matches the regular expression is shown; it becomes the
        window the other calls work on, and has the keyboard."""
        self.window = wait_window(pattern, timeout)
        self.title = xdotool("getwindowname", self.window).strip()
        self.focus()
        return self.title

    def client(self):
        """(x, y, width, height) of the client area on the screen."""
        return tuple(int(v) for v in ask("client", self.title).split())

    def focus(self):
        focus_on(self.window)

    def move(self, x, y):
        cx, cy, _, _ = self.client()
        xdotool("mousemove", "--sync", cx + x, cy + y)

    def click(self, x, y):
        self.move(x, y)
        xdotool("click", 1)

    def drag(self, x1, y1, x2, y2, steps=8, modifiers=(), late=()):
        """Drags with `modifiers` held from before the press and `late` keys pressed halfway through."""
        for key in modifiers:
            xdotool("keydown", key)
        self.move(x1, y1)
        xdotool("mousedown", 1)
        for i in range(1, steps + 1):
            if i == steps // 2 + 1:
                for key in late:
                    xdotool("keydown", key)
            self.move(x1 + (x2 - x1) * i // steps, y1 + (y2 - y1) * i // steps)
        xdotool("mouseup", 1)
        for key in (*modifiers, *late):
            xdotool("keyup", key)

    def key(self, *keys):
        self.focus()
        xdotool("key", "--clearmodifiers", *keys)

    def type(self, text):
        """Types plain ASCII; any other character is handed to the window as the character it makes, since
        a key for it would exist only for the moment xdotool maps one, which Wine may not see."""
        self.focus()
        for part in re.findall(r"[\x20-\x7e]+|[^\x20-\x7e]", text):
            if part.isascii():
                xdotool("type", "--delay", 20, part)
            else:
                ask("char", self.title, str(ord(part)))

    def screenshot(self, path):
        subprocess.run(["import", "-window", self.window or "root", path], check=True)

    def pixels(self, x, y, width, height):
        """{(x, y): (red, green, blue)} of a rectangle of client pixels, read from the screen."""
        cx, cy, _, _ = self.client()
        data = subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (width, height, cx + x, cy + y),
                               "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout
        return {(x + i % width, y + i // width): tuple(data[3 * i:3 * i + 3]) for i in range(width * height)}

    @staticmethod
    def put_clipboard(data):
        """Puts the bytes on the clipboard as text, as another program's Copy would."""
        wine(PROBE, "put", data.hex(), check=True)

    def running(self):
        return self.process.poll() is None

    def kill(self):
        try:
            os.killpg(self.process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        self.process.wait()


class Case(unittest.TestCase):
    """Gives each test a folder of its own and makes sure the program ends."""

    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="glyphwright e2e ")
        self.app = None
        self.cell_width, self.cell_height = (int(v) for v in ask("font").split())

    def tearDown(self):
        if self.app:
            self.app.kill()
        shutil.rmtree(self.folder, ignore_errors=True)

    def path(self, name):
        return os.path.join(self.folder, name)

    def write(self, name, data):
        with open(self.path(name), "wb") as file:
            file.write(data)
        return self.path(name)

    def start(self, *args, **options):
        self.app = Glyphwright(*args, cwd=self.folder, **options)
        return self.app

    def open_file(self, name, data=None, **options):
        """Starts the program on the file, first written with `data` unless None."""
        self.file = self.path(name) if data is None else self.write(name, data)
        app = self.start(windows_path(self.file), **options)
        app.wait_title(re.escape(os.path.splitext(name)[0]) + r"(\.\w+)? - Glyphwright")
        return app

    def open_rows(self, name, rows, **options):
        """Starts the program on a text file of `rows` (no line end after the last, so no extra row)."""
        return self.open_file(name, b"\r\n".join(rows), **options)

    def tool(self, left):
        """Chooses a tool and waits until its button alone shows pressed. A button counts a click by where the
        pointer is when the program handles it, so the pointer must stay until then."""
        self.app.click(left + 16, 18)
        wait_for(lambda: [x for x in TOOLS if self.app.pixels(x, 10, 1, 1)[(x, 10)] != WHITE] == [left],
                 message="the tool at %d to be chosen" % left)

    def toggle(self, left, width):
        """Clicks an option button that toggles a setting and waits until its face shows the change."""
        face = lambda: self.app.pixels(left, 3, width, 32)
        before = face()
        self.app.click(left + width // 2, 18)
        wait_for(lambda: face() != before and self.app.pixels(left, 10, 1, 1)[(left, 10)] == WHITE,
                 message="the button at %d to change" % left)

    def middle(self, col, row):
        """The client point in the middle of a cell."""
        return (PAGE_LEFT + col * self.cell_width + self.cell_width // 2,
                PAGE_TOP + row * self.cell_height + self.cell_height // 2)

    def saved(self):
        """Saves with Ctrl+S and gives the file's bytes once it has been rewritten."""
        before = os.stat(self.file).st_mtime_ns, os.path.getsize(self.file)
        self.app.key("ctrl+s")
        wait_for(lambda: (os.stat(self.file).st_mtime_ns, os.path.getsize(self.file)) != before,
                 message="the file to be saved")
        with open(self.file, "rb") as file:
            return file.read()

    def saved_rows(self):
        return self.saved().decode("latin-1").split("\r\n")[:-1]

    def saved_as(self, name):
        """Saves an untitled document under `name` through the Save As dialog; the rows of the file, which
        the dialog gives the extension of its first filter."""
        self.app.key("ctrl+s")
        enter_file_name("Save As", self.path(name))
        found = wait_for(lambda: [n for n in os.listdir(self.folder) if n.lower() == name + ".glw"],
                         message="the saved file")
        with open(self.path(found[0]), "rb") as file:
            return file.read().split(b"\r\n")[:-1]
