"""A changed document asks before it is replaced or closed; Cancel keeps it open and changed."""
import unittest

from harness import PageFileCase, answer_box, wait_window, windows_path, xdotool

PENCIL = 108  # left edge of the tool button


class Close(PageFileCase):
    def assert_asks_and_stays(self, what):
        self.assertIn("Save Changes to Document?", answer_box("Confirm Close", "Escape"), what)
        self.assertTrue(self.app.running(), what)
        self.assertEqual(self.title, self.app.wait_title(".* - Glyphwright"), what)

    def test_cancel_keeps_a_changed_document(self):
        other = self.path("other.txt")
        with open(other, "wb") as file:
            file.write(b"other")
        app = self.open_rows("close.txt", [b"      "] * 2)
        self.title = app.title
        app.click(PENCIL + 16, 18)
        app.drag(*self.middle(1, 0), *self.middle(4, 0))
        app.key("ctrl+n")
        self.assert_asks_and_stays("New")
        app.key("ctrl+o")
        xdotool("windowactivate", "--sync", wait_window("Open"))
        xdotool("type", windows_path(other))
        xdotool("key", "Return")
        self.assert_asks_and_stays("Open")
        for attempt in ("close", "second close"):
            app.key("alt+F4")
            self.assert_asks_and_stays(attempt)


if __name__ == "__main__":
    unittest.main()
