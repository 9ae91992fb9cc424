"""Drawing lines, rectangles and ellipses with real mouse drags, checked in the saved file."""

from harness import CIRCLE, LINE, RECTANGLE, Case

COMPOUNDS_BUTTON = 315 + 33 + 33  # after the Character and ShapeSize buttons


class Shapes(Case):
    def drag(self, start, end, modifiers=(), late=()):
        self.app.drag(*self.middle(*start), *self.middle(*end), modifiers=modifiers, late=late)

    def test_lines(self):
        self.open_rows("shapes.txt", [b" " * 12] * 2 + [b"    |       "] * 3)
        self.tool(LINE)
        self.drag((1, 0), (10, 0))                  # automatic: hyphens
        self.drag((1, 1), (10, 2), ("shift",))      # slightly slanted, held flat
        self.drag((1, 3), (8, 3))                   # across the bar: joined
        self.toggle(COMPOUNDS_BUTTON, 32)
        self.drag((1, 4), (8, 4))                   # compounds off: overwritten
        self.drag((11, 0), (11, 6))                 # two rows below the last
        self.drag((0, 7), (9, 8), late=("shift",))  # Shift pressed during the drag
        self.assertEqual([" ----------|", " ----------|", "    |      |", " ---+----  |", " --------  |",
                          "           |", "           |", "----------  "], self.saved_rows()[:8])

    def test_rectangle_and_ellipse(self):
        self.open_rows("shapes.txt", [b" " * 24, b"   xxx" + b" " * 18] + [b" " * 24] * 8)
        self.tool(RECTANGLE)
        self.drag((6, 2), (2, 0))  # up and to the left
        self.tool(CIRCLE)
        self.drag((1, 3), (21, 9))
        rows = self.saved_rows()
        self.assertEqual(["  +---+", "  |xxx|", "  +---+"], [row[:7] for row in rows[:3]])
        ellipse = [row[1:22] for row in rows[3:10]]  # 21 x 7 cells
        self.assertTrue(ellipse[0][10] == ellipse[6][10] == "-" and ellipse[3][0] == ellipse[3][20] == "|", ellipse)
        self.assertEqual(" ", ellipse[3][10], "not filled")
        for lower in (False, True):
            for right in (False, True):
                quarter = "".join(row[11:] if right else row[:10] for row in (ellipse[4:] if lower else ellipse[:3]))
                slant = "/" if right == lower else "\\"
                self.assertEqual({slant}, set(quarter) - set(" -|"), ellipse)
