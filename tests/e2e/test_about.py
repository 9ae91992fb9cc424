"""The About window of every start: a tip that moves on, shortcuts that act on the document behind it, closing
by itself after ten seconds; then F1 hands the help file to the desktop's opener."""
import os
import stat
import time
import urllib.parse

from harness import ABOUT, EXE, Case, focus_on, visible, wait_for, window_texts, windows_path, xdotool


def tip():
    """The tip shown: the text of the About window's last control."""
    texts = window_texts(ABOUT).splitlines()
    return texts[-1] if texts else ""


class About(Case):
    def opener(self):
        """An environment whose desktop opener is a stand-in that records the paths it is given."""
        self.log, bin_folder = self.path("opened.txt"), self.path("bin")
        os.mkdir(bin_folder)
        opener = os.path.join(bin_folder, "xdg-open")
        with open(opener, "w") as file:
            file.write('#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' % self.log)
        os.chmod(opener, os.stat(opener).st_mode | stat.S_IEXEC)
        return dict(os.environ, PATH=bin_folder + os.pathsep + os.environ["PATH"])

    def opened(self):
        if not os.path.exists(self.log):
            return []
        with open(self.log) as log:
            return [urllib.parse.unquote(line.strip().removeprefix("file://")) for line in log]

    def test_tip_shortcuts_closing_after_ten_seconds_and_help(self):
        self.file = self.write("about.txt", b"ab")
        app = self.start(windows_path(self.file), keep_about=True, env=self.opener())
        app.wait_title(ABOUT)
        about, shown = app.window, time.time()
        self.assertIn("Version 1.4", window_texts(ABOUT))
        first = wait_for(tip, message="a tip")
        app.click(15, 271)  # the bulb beside the tip
        wait_for(lambda: tip() not in ("", first), message="the next tip")

        # Ctrl+S typed into the About window saves the document and opens nothing.
        before = os.stat(self.file).st_mtime_ns
        focus_on(about)
        xdotool("key", "--clearmodifiers", "ctrl+s")
        wait_for(lambda: os.stat(self.file).st_mtime_ns != before, message="the file to be saved")
        with open(self.file, "rb") as file:
            self.assertEqual(b"ab\r\n", file.read())
        self.assertTrue(visible(ABOUT), "neither the bulb nor a shortcut closes the window")
        self.assertEqual([], self.opened())

        wait_for(lambda: not visible(ABOUT), timeout=20, message="the About window to close")
        self.assertGreater(time.time() - shown, 8)
        app.wait_title(r"about(\.txt)? - Glyphwright")
        app.key("F1")
        help_file = os.path.join(os.path.dirname(os.path.abspath(EXE)), "glyphwright.html")
        self.assertEqual([help_file], wait_for(self.opened, message="F1 to open the help"))
