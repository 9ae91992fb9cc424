"""A drawing is never lost: reopening a changed file, a file too long to hold."""
import unittest

from harness import PageFileCase, answer_box, wait_for, wait_window, windows_path, xdotool

PENCIL = 108  # left edge of the tool button


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



if __name__ == "__main__":
    unittest.main()
