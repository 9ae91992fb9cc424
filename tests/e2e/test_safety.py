"""A drawing is never lost: reopening a changed file, a file too long to hold, shortcuts while the About
window shows."""
import os
import time
import unittest

from harness import (ABOUT, PageFileCase, answer_box, focus_on, wait_for, wait_window,
                     windows_path, xdotool)

PENCIL = 108  # left edge of the tool button


def visible_windows():
    return set(xdotool("search", "--onlyvisible", "--name", ".").split())


class Safety(PageFileCase):
    def test_reopening_a_changed_file_keeps_the_saved_changes(self):
        app = self.open_rows("same.txt", [b"      "] * 2)
        app.click(PENCIL + 16, 18)
        app.drag(*self.middle(1, 0), *self.middle(4, 0))
        app.key("ctrl+o")
        xdotool("windowactivate", "--sync", wait_window("Open"))
        xdotool("type", windows_path(self.file))
        xdotool("key", "Return")
        self.assertIn("Save Changes to Document?", answer_box("Confirm Close", "y"))
        app.wait_title(r"same(\.txt)? - Glyphwright")
        drawn = self.saved_rows()[0]
        self.assertEqual(6, len(drawn))
        self.assertNotEqual("", drawn.strip(), "the drawing is in the file")

    def test_a_file_too_long_opens_cut_and_untitled(self):
        path = self.path("long.txt")
        rows = b"".join(b"%d\r\n" % (row % 10) for row in range(20000))
        with open(path, "wb") as file:
            file.write(rows)
        app = self.start(windows_path(path), keep_about=True)
        texts = answer_box("Error", "Return")  # the default caption
        self.assertIn("only the first 16000 were loaded", texts)
        self.assertEqual("Untitled - Glyphwright", app.wait_title(".* - Glyphwright"))
        app.focus()
        app.key("alt+F4")
        wait_for(lambda: not app.running(), message="the program to end")
        with open(path, "rb") as file:
            self.assertEqual(rows, file.read())

    def test_shortcuts_while_the_about_window_shows_act_on_the_document(self):
        self.file = self.path("about.txt")
        with open(self.file, "wb") as file:
            file.write(b"ab")
        app = self.start(windows_path(self.file), keep_about=True)
        about = wait_window(ABOUT)
        focus_on(about)
        before = visible_windows()
        self.assertEqual(["ab"], self.saved_rows_from_about())
        time.sleep(1)  # a browser or help window would show by now
        self.assertLessEqual(visible_windows(), before, "nothing else opened")
        self.assertTrue(app.running())
        app.wait_title(r"about(\.txt)? - Glyphwright")

    def saved_rows_from_about(self):
        """Ctrl+S typed into the About window; the file's rows once it has been saved."""
        before = os.stat(self.file).st_mtime_ns
        xdotool("key", "--clearmodifiers", "ctrl+s")
        wait_for(lambda: os.stat(self.file).st_mtime_ns != before, message="the file to be saved")
        with open(self.file, "rb") as file:
            return file.read().decode("latin-1").split("\r\n")[:-1]


if __name__ == "__main__":
    unittest.main()
