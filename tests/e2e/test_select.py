"""The select tool with real mouse drags and keys: lifting, moving and dropping a rectangle, checked in the saved
file; Select All and Copy, checked on the clipboard."""
import unittest

from harness import PageFileCase, wait_for

SELECT = 3  # left edge of the select tool's button, the first on the tool bar


class Select(PageFileCase):
    def test_move_a_rectangle_then_copy_everything(self):
        self.open_rows("select.txt", [b"abcdef    ", b"ghijkl    ", b"          "])
        self.app.click(SELECT + 16, 18)
        self.app.drag(*self.middle(0, 0), *self.middle(1, 1))  # lifts "ab" over "gh"
        self.app.drag(*self.middle(0, 0), *self.middle(7, 1))  # and carries it 7 right, 1 down
        self.app.key("Return")
        self.assertEqual(["  cdef    ", "  ijkl ab ", "       gh "], self.saved_rows())

        self.app.key("ctrl+a")
        self.app.key("ctrl+c")
        text = wait_for(lambda: "ijkl ab" in self.app.clipboard() and self.app.clipboard(),
                        message="the page on the clipboard")
        self.assertEqual("Please", text.splitlines()[0].strip())  # the message prefix, wrapped to the width


if __name__ == "__main__":
    unittest.main()
