"""A changed document asks before it is replaced or closed: Cancel keeps it open and changed, Yes saves it before
the same file is opened again (so what shows is what was saved), No lets it go."""

from harness import PENCIL, Case, answer_box, enter_file_name, wait_for


class Close(Case):
    def asks(self, answer="Escape"):
        self.assertIn("Save Changes to Document?", answer_box("Confirm Close", answer))

    def draw(self, col):
        self.app.drag(*self.middle(col, 0), *self.middle(col + 1, 0))

    def test_cancel_keeps_yes_saves_before_reopening_and_no_ends_the_program(self):
        other = self.write("other.txt", b"other")
        app = self.open_rows("close.txt", [b"      "] * 2)
        title = app.title
        self.tool(PENCIL)
        self.draw(0)
        app.key("ctrl+n")
        self.asks()
        app.key("ctrl+o")
        enter_file_name("Open", other)
        self.asks()
        app.key("alt+F4")
        self.asks()
        self.assertEqual(title, app.wait_title(".* - Glyphwright"))

        app.key("ctrl+o")
        enter_file_name("Open", self.file)
        self.asks("y")
        app.wait_title(r"close(\.txt)? - Glyphwright")
        drawn = self.saved_rows()  # the reopened page is what Yes saved, not what was read before
        self.assertNotEqual("", drawn[0].strip())

        self.tool(PENCIL)
        self.draw(3)
        app.key("alt+F4")
        self.asks("n")
        wait_for(lambda: not app.running(), message="the program to end")
        with open(self.file, "rb") as file:
            self.assertEqual(drawn, file.read().decode("latin-1").split("\r\n")[:-1], "No saves nothing")
