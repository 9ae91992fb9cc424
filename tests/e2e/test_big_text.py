"""The big text tool: a click, typed letters drawn large out of characters, dropped by switching tools."""
import time
import unittest

from harness import Glyphwright, PageFileCase, wait_for, wait_window, xdotool

SELECT = 3  # left edges of the tool buttons
BIG_TEXT = 72
FONT_NAME = 414 + 48, 10  # the upper half of the BigTextFont button, after Character, Transparent, Justification


class BigText(PageFileCase):
    def choose(self, tool):
        self.app.click(tool + 16, 18)

    def type_at(self, col, row, text):
        """Clicks cell (col, row) with the big text tool and types `text`."""
        self.app.click(*self.middle(col, row))
        self.app.type(text)

    def drawn(self):
        """Drops the text by switching tools, saves, and gives {(col, row): character} of what is not blank."""
        self.choose(SELECT)
        rows = self.saved_rows()
        return {(col, row): c for row, text in enumerate(rows) for col, c in enumerate(text) if c != " "}

    @staticmethod
    def height(cells):
        rows = [row for _, row in cells]
        return max(rows) - min(rows) + 1

    def test_letters_drawn_out_of_themselves(self):
        self.open_rows("big.txt", [b" " * 40] * 10)
        self.choose(BIG_TEXT)
        self.type_at(1, 1, "Hi")
        cells = self.drawn()
        self.assertEqual({"H", "i"}, set(cells.values()))
        self.assertGreaterEqual(self.height(cells), 8)
        h = [col for (col, _), c in cells.items() if c == "H"]
        i = [col for (col, _), c in cells.items() if c == "i"]
        self.assertLess(max(h), min(i))
        self.assertGreaterEqual(min(h), 1)

    def test_drawing_character_and_the_page_keys(self):
        self.open_rows("hash.txt", [b" " * 40] * 100)
        self.choose(BIG_TEXT)
        self.app.type("#")  # nothing floats: the drawing character, automatic off
        self.app.key("Next")  # Page Down scrolls whatever the tool
        self.type_at(1, 1, "Hi")
        cells = self.drawn()
        self.assertEqual({"#"}, set(cells.values()))
        self.assertGreaterEqual(self.height(cells), 8)
        self.assertGreater(min(row for _, row in cells), 10)

    def test_escape_discards_and_undo_takes_back_a_keystroke(self):
        self.open_rows("undo.txt", [b" " * 40] * 10)
        self.choose(BIG_TEXT)
        self.type_at(1, 1, "Hi")
        self.app.key("Escape")
        self.type_at(1, 2, "Hi")
        self.app.key("ctrl+z")
        cells = self.drawn()
        self.assertEqual({"H"}, set(cells.values()))
        self.assertGreaterEqual(min(row for _, row in cells), 2)

    def test_holding_the_font_name_opens_the_font_dialog(self):
        self.open_rows("font.txt", [b" " * 60] * 10)
        self.choose(BIG_TEXT)
        self.type_at(1, 1, "Hi")
        self.app.move(*FONT_NAME)
        xdotool("mousedown", 1)
        time.sleep(1)
        dialog = wait_window("Font")
        xdotool("mouseup", 1)
        xdotool("windowactivate", "--sync", dialog)
        xdotool("key", "alt+y")
        xdotool("type", "Bold")
        xdotool("key", "alt+s")
        xdotool("type", "30")
        xdotool("key", "Return")
        wait_for(lambda: not Glyphwright._visible("Font"), message="the dialog to close")
        cells = self.drawn()
        self.assertEqual({"H", "i"}, set(cells.values()))
        self.assertGreaterEqual(self.height(cells), 20)  # 12 pixels to the em made 9 rows
        left, bottom = min(col for col, _ in cells), max(row for _, row in cells)
        stem = [col for col in range(left, left + 8) if (col, bottom) in cells]
        self.assertEqual(4, len(stem), "the bold stem, 3 columns when plain")


if __name__ == "__main__":
    unittest.main()
