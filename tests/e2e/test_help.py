"""F1 and the About window's Help button hand the help file to the desktop's opener."""
import os
import stat
import unittest
import urllib.parse

from harness import ABOUT, EXE, GlyphwrightCase, wait_for

HELP_BUTTON = (376, 24)  # client pixels on the About window's "Help..." button


class Help(GlyphwrightCase):
    def opened(self):
        """The paths the stand-in opener was given so far."""
        if not os.path.exists(self.log):
            return []
        with open(self.log) as log:
            return [urllib.parse.unquote(line.strip().removeprefix("file://")) for line in log]

    def test_f1_and_the_help_button_open_the_help_file(self):
        # A recording stand-in for the desktop's opener, first on the PATH that Wine hands on.
        self.log = self.path("opened.txt")
        bin_folder = self.path("bin")
        os.mkdir(bin_folder)
        opener = os.path.join(bin_folder, "xdg-open")
        with open(opener, "w") as file:
            file.write('#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' % self.log)
        os.chmod(opener, os.stat(opener).st_mode | stat.S_IEXEC)
        env = dict(os.environ, PATH=bin_folder + os.pathsep + os.environ["PATH"])
        help_file = os.path.join(os.path.dirname(os.path.abspath(EXE)), "glyphwright.html")
        self.assertTrue(os.path.isfile(help_file))

        app = self.start(keep_about=True, env=env)
        app.wait_title(ABOUT)
        app.click(*HELP_BUTTON)
        self.assertEqual([help_file], wait_for(self.opened, message="the help to be opened"))
        wait_for(lambda: not app._visible(ABOUT), message="the About window to close")

        app.wait_title(".* - Glyphwright")
        app.key("F1")
        self.assertEqual([help_file] * 2, wait_for(lambda: len(self.opened()) == 2 and self.opened(),
                                                   message="F1 to open the help"))


if __name__ == "__main__":
    unittest.main()
