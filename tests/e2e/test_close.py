"""A changed document asks before it is replaced or closed: Cancel keeps it open and changed, No lets it go."""

from harness import PENCIL, Case, answer_box, enter_file_name, wait_for


class Close(Case):
    def asks(self, answer="Escape"):
        self.assertIn("Save Changes to Document?", answer_box("Confirm Close", answer))

    def test_cancel_keeps_a_changed_document_and_no_ends_the_program(self):
        other = self.write("other.txt", b"other")
        app = self.open_rows("close.txt", [b"      "] * 2)
        title = app.title
        self.tool(PENCIL)
        app.drag(*self.middle(1, 0), *self.middle(4, 0))
        app.key("ctrl+n")
        self.asks()
        app.key("ctrl+o")
        enter_file_name("Open", other)
        self.asks()
        app.key("alt+F4")
        self.asks()
        self.assertEqual(title, app.wait_title(".* - Glyphwright"))
        app.key("alt+F4")
        self.asks("n")
        wait_for(lambda: not app.running(), message="the program to end")
        with open(self.file, "rb") as file:
            self.assertEqual(b"      \r\n      ", file.read(), "No saves nothing")
