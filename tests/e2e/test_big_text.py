"""The big text tool: typed letters drawn large out of themselves or the drawing character, in the font
chosen, dropped by switching tools."""

from harness import BIG_TEXT, SELECT, Case, focus_on, visible, wait_for, wait_window, xdotool


class BigText(Case):
    def type_at(self, col, row, text):
        self.app.click(*self.middle(col, row))
        self.app.type(text)

    def drawn(self):
        """Drops the text by switching tools, saves, and gives {(col, row): character} of what is not blank."""
        self.tool(SELECT)
        return {(col, row): c for row, text in enumerate(self.saved_rows()) for col, c in enumerate(text) if c != " "}

    def test_drawing_character_and_the_page_keys(self):
        self.open_rows("hash.txt", [b" " * 40] * 100)
        self.tool(BIG_TEXT)
        self.app.type("#")  # nothing floats: the drawing character, automatic off
        self.app.key("Next")  # Page Down scrolls whatever the tool
        self.type_at(1, 1, "Hi")
        cells = self.drawn()
        self.assertEqual({"#"}, set(cells.values()))
        self.assertGreater(min(row for _, row in cells), 10)

    def test_escape_undo_and_the_font_dialog(self):
        """Escape discards a text, Undo takes back a keystroke, and holding the font name opens the Font dialog,
        whose choice redraws the text floating."""
        self.open_rows("font.txt", [b" " * 60] * 10)
        self.tool(BIG_TEXT)
        self.type_at(1, 1, "Hi")
        self.app.key("Escape")
        self.type_at(1, 2, "Hix")
        self.app.key("ctrl+z")
        self.app.move(414 + 48, 10)  # the upper half of the font button, after Character, Transparent, Justification
        xdotool("mousedown", 1)
        dialog = wait_window("Font")
        xdotool("mouseup", 1)
        focus_on(dialog)
        xdotool("key", "alt+y")
        xdotool("type", "Bold")
        xdotool("key", "alt+s")
        xdotool("type", "30")
        xdotool("key", "Return")
        wait_for(lambda: not visible("Font"), message="the dialog to close")
        cells = self.drawn()
        self.assertEqual({"H", "i"}, set(cells.values()))
        self.assertGreaterEqual(min(row for _, row in cells), 2)
        h, i = ([col for (col, _), c in cells.items() if c == letter] for letter in "Hi")
        self.assertTrue(h and i and 1 <= min(h) and max(h) < min(i), cells)  # letters of themselves, in order
        rows = [row for _, row in cells]
        self.assertGreaterEqual(max(rows) - min(rows), 19)  # 12 pixels to the em made 9 rows
        left, bottom = min(col for col, _ in cells), max(rows)
        self.assertEqual(4, len([col for col in range(left, left + 8) if (col, bottom) in cells]),
                         "the bold stem, 3 columns when plain")
