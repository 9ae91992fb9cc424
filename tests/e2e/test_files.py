"""Opening files from the command line and saving them with Ctrl+S."""
import os
import re
import unittest

from harness import GlyphwrightCase, wait_for, wait_window, windows_path, xdotool


class Files(GlyphwrightCase):
    def write(self, name, data):
        path = self.path(name)
        with open(path, "wb") as file:
            file.write(data)
        return path

    def save_and_read(self, path):
        """Presses Ctrl+S and returns the file once it has been rewritten."""
        before = os.stat(path).st_mtime_ns, os.path.getsize(path)
        self.app.key("ctrl+s")
        wait_for(lambda: (os.stat(path).st_mtime_ns, os.path.getsize(path)) != before,
                 message="the file to be saved")
        with open(path, "rb") as file:
            return file.read()

    def open_and_save(self, path):
        app = self.start(windows_path(path))
        stem = re.escape(os.path.splitext(os.path.basename(path))[0])
        app.wait_title(stem + r"(\.\w+)? - Glyphwright")
        return self.save_and_read(path)

    def test_path_with_spaces_opens_and_saves_padded_lines(self):
        path = self.write("my picture.txt", b"hello\r\nworld wide\r\nx")
        self.assertIn(" ", path)
        saved = self.open_and_save(path)
        self.assertRegex(self.app.title, r"^my picture(\.txt)? - Glyphwright$")
        lines = saved.split(b"\r\n")
        self.assertEqual(b"", lines[-1])  # every line, the last too, ends in CR LF
        self.assertEqual([b"hello     ", b"world wide", b"x         "], lines[:-1])
        self.assertEqual(3 * (10 + 2), len(saved))

    def test_untitled_document_saves_through_the_dialog(self):
        app = self.start()
        app.wait_title("Untitled - Glyphwright")
        app.key("ctrl+s")
        xdotool("windowactivate", "--sync", wait_window("Save As"))
        xdotool("type", windows_path(self.path("drawn")))
        xdotool("key", "Return")
        # The dialog adds the extension of the chosen filter, the first one.
        app.wait_title(r"drawn\.[gG][lL][wW] - Glyphwright")
        saved = wait_for(lambda: [name for name in os.listdir(self.folder) if name.lower() == "drawn.glw"],
                         message="the saved file")
        with open(self.path(saved[0]), "rb") as file:
            rows = file.read().split(b"\r\n")
        self.assertEqual(b"", rows[-1])
        self.assertEqual({b" " * 74}, set(rows[:-1]))

    def test_reopened_document_gains_an_empty_row(self):
        path = self.write("doc.GLW", b"ab\r\ncd\r\n")
        first = self.open_and_save(path)
        self.assertEqual(b"ab\r\ncd\r\n  \r\n", first)  # the text after the last line end is a row
        self.app.kill()
        second = self.open_and_save(path)
        self.assertEqual(b"ab\r\ncd\r\n  \r\n  \r\n", second)

    def test_long_lines_wrap_by_file_kind(self):
        line = b"x" * 600
        glw = self.open_and_save(self.write("wide.glw", line))
        self.assertEqual(500, len(glw.split(b"\r\n")[0]))
        self.app.kill()
        txt = self.open_and_save(self.write("wide.txt", line))
        rows = txt.split(b"\r\n")[:-1]
        self.assertEqual(74, len(rows[0]))  # the default width of a new document
        self.assertEqual(600, sum(row.count(b"x") for row in rows))


if __name__ == "__main__":
    unittest.main()
