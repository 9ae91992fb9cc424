"""Opening files from the command line and saving them with Ctrl+S or through the Save As dialog; a file
too long to hold opens cut short and untitled, so that no save can cut the original."""

from harness import Case, answer_box, wait_for, windows_path


class Files(Case):
    def test_path_with_spaces_opens_and_saves_padded_lines(self):
        app = self.open_file("my picture.txt", b"hello\r\nworld wide\r\nx")
        self.assertRegex(app.title, r"^my picture(\.txt)? - Glyphwright$")
        self.assertEqual(b"hello     \r\nworld wide\r\nx         \r\n", self.saved())  # every line ends in CR LF

    def test_untitled_document_saves_through_the_dialog(self):
        self.start().wait_title("Untitled - Glyphwright")
        self.assertEqual([b" " * 74] * 24, self.saved_as("drawn"))
        self.app.wait_title(r"drawn\.[gG][lL][wW] - Glyphwright")

    def test_reopened_document_gains_an_empty_row(self):
        self.open_file("doc.GLW", b"ab\r\ncd\r\n")
        self.assertEqual(b"ab\r\ncd\r\n  \r\n", self.saved())  # the text after the last line end is a row
        self.app.kill()
        self.open_file("doc.GLW")
        self.assertEqual(b"ab\r\ncd\r\n  \r\n  \r\n", self.saved())

    def test_long_lines_wrap_by_file_kind(self):
        self.open_file("wide.glw", b"x" * 600)
        self.assertEqual(500, len(self.saved().split(b"\r\n")[0]))
        self.app.kill()
        self.open_file("wide.txt", b"x" * 600)
        rows = self.saved().split(b"\r\n")[:-1]
        self.assertEqual(74, len(rows[0]))  # the default width of a new document
        self.assertEqual(600, sum(row.count(b"x") for row in rows))

    def test_a_file_too_long_opens_cut_and_untitled(self):
        rows = b"".join(b"%d\r\n" % (row % 10) for row in range(20000))
        path = self.write("long.txt", rows)
        app = self.start(windows_path(path), keep_about=True)
        self.assertIn("only the first 16000 were loaded", answer_box("Error", "Return"))
        self.assertEqual("Untitled - Glyphwright", app.wait_title(".* - Glyphwright"))
        app.key("alt+F4")
        wait_for(lambda: not app.running(), message="the program to end")
        with open(path, "rb") as file:
            self.assertEqual(rows, file.read())
