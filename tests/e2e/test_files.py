"""Opening files from the command line and saving them with Ctrl+S or through the Save As dialog."""

from harness import Case


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
