"""A PNG picture that an X program puts on the clipboard pastes as characters."""
import subprocess

from harness import Case
from test_mail import serve


class PastePicture(Case):
    def test_png_from_an_x_program_becomes_dark_characters_and_blanks(self):
        picture = self.path("half.png")  # 40 x 20 pixels: black on the left, white on the right
        subprocess.run(["convert", "-size", "20x20", "xc:black", "-size", "20x20", "xc:white", "+append",
                        picture], check=True)
        app = self.open_rows("paste.glw", [b" " * 60] * 20)
        with open(picture, "rb") as file:
            serve(self, "image/png", file.read())
        app.key("ctrl+v")
        app.key("Return")  # lays the pasted selection down
        rows = self.saved_rows()
        drawn = [row for row in rows if row.strip()]
        self.assertGreater(len(drawn), 3, rows)
        for row in drawn:
            self.assertNotIn(" ", row[:18], "dark where the picture is black: %r" % rows)
            self.assertEqual("", row[22:].strip(), "blank where it is white: %r" % rows)

