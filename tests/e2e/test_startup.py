"""The program starts, shows its window and ends when it is closed."""
import unittest

from harness import GlyphwrightCase, wait_for


class Startup(GlyphwrightCase):
    def test_new_document_window(self):
        app = self.start()
        app.wait_title("Untitled - Glyphwright")
        x, y, width, height = app.client()
        self.assertGreater(width, 300)
        self.assertGreater(height, 200)
        app.key("alt+F4")
        wait_for(lambda: not app.running(), message="the program to end")


if __name__ == "__main__":
    unittest.main()
