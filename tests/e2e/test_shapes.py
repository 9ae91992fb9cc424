"""Drawing lines, rectangles and ellipses with real mouse drags, checked in the saved file."""
import unittest

from harness import PageFileCase

LINE, CIRCLE, RECTANGLE = 210, 243, 276  # left edges of the tool buttons
COMPOUNDS_BUTTON = 315 + 33 + 33  # after the Character and ShapeSize buttons


class Shapes(PageFileCase):
    def tool(self, left):
        self.app.click(left + 16, 18)

    def drag(self, start, end, modifiers=(), late=()):
        self.app.drag(*self.middle(*start), *self.middle(*end), modifiers=modifiers, late=late)

    def test_lines(self):
        self.open_rows("shapes.txt", [b" " * 12] * 2 + [b"    |       "] * 3)
        self.tool(LINE)
        self.drag((1, 0), (10, 0))               # automatic: hyphens
        self.drag((1, 1), (10, 2), ("shift",))   # slightly slanted, held flat
        self.drag((1, 3), (8, 3))                # across the bar: joined
        self.app.click(COMPOUNDS_BUTTON + 16, 18)
        self.drag((1, 4), (8, 4))                # compounds off: overwritten
        self.drag((11, 0), (11, 6))              # two rows below the last
        self.drag((0, 7), (9, 8), late=("shift",))  # Shift pressed during the drag
        rows = self.saved_rows()
        self.assertEqual([" ----------|",
                          " ----------|",
                          "    |      |",
                          " ---+----  |",
                          " --------  |",
                          "           |",
                          "           |",
                          "----------  "], rows[:8])

    def test_rectangles(self):
        self.open_rows("shapes.txt", [b"          ", b"   xxx    ", b"          ", b"          "])
        self.tool(RECTANGLE)
        self.drag((6, 2), (2, 0))  # up and to the left
        self.app.click(*self.middle(8, 3))
        self.assertEqual(["  +---+   ", "  |xxx|   ", "  +---+   ", "        + "], self.saved_rows())

    def test_ellipse(self):
        width, height = 21, 7
        self.open_rows("shapes.txt", [b" " * 24] * 8)
        self.tool(CIRCLE)
        self.drag((1, 0), (width, height - 1))
        rows = [row[1:width + 1] for row in self.saved_rows()[:height]]
        middle_col, middle_row = width // 2, height // 2
        self.assertEqual("-", rows[0][middle_col], rows)
        self.assertEqual("-", rows[height - 1][middle_col], rows)
        self.assertEqual("|", rows[middle_row][0], rows)
        self.assertEqual("|", rows[middle_row][width - 1], rows)
        self.assertEqual(" ", rows[middle_row][middle_col], rows)
        for lower in (False, True):
            for right in (False, True):
                quarter = "".join(row[middle_col + 1:] if right else row[:middle_col]
                                  for row in (rows[middle_row + 1:] if lower else rows[:middle_row]))
                slant = "/" if right == lower else "\\"
                other = "\\" if slant == "/" else "/"
                self.assertIn(slant, quarter, rows)
                self.assertNotIn(other, quarter, rows)


if __name__ == "__main__":
    unittest.main()
