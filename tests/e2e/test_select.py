"""The select tool with real mouse drags and keys: lifting, moving and dropping a rectangle, checked in the saved
file; Select All and Copy, checked on the clipboard."""

from harness import SELECT, Case, probe, wait_for


class Select(Case):
    def test_move_a_rectangle_then_copy_everything(self):
        app = self.open_rows("select.txt", [b"abcdef    ", b"ghijkl    ", b"          "])
        self.tool(SELECT)
        app.drag(*self.middle(0, 0), *self.middle(1, 1))  # lifts "ab" over "gh"
        app.drag(*self.middle(0, 0), *self.middle(7, 1))  # and carries it 7 right, 1 down
        app.key("Return")
        self.assertEqual(["  cdef    ", "  ijkl ab ", "       gh "], self.saved_rows())
        app.key("ctrl+a")
        app.key("ctrl+c")
        text = wait_for(lambda: "ijkl ab" in probe("clipboard") and probe("clipboard"),
                        message="the page on the clipboard")
        self.assertEqual("Please", text.splitlines()[0].strip())  # the message prefix, wrapped to the width
