"""The option buttons with the pencil: the pen's size and shape, and the characters it may take."""
import unittest

from harness import PageFileCase, answer_box, wait_window

PENCIL = 108  # left edge of the tool button
SHAPE_SIZE = 315 + 33 + 16  # the middle of the button after the Character button


class Buttons(PageFileCase):
    def start_pencil(self):
        app = self.open_rows("pen.txt", [b" " * 40] * 14)
        app.click(PENCIL + 16, 18)
        app.type("x")  # manual, drawing with x
        return app

    def pen(self, dx, dy=0):
        """Drags the ShapeSize button: dx pixels sideways, dy down from a press above or below its middle."""
        y = 10 if dy >= 0 else 30
        self.app.drag(SHAPE_SIZE, y, SHAPE_SIZE + dx, y + dy)

    def type_until_box(self, text, tries=5):
        """Types `text` until a message box shows. xdotool maps a character missing from the keyboard
        only for the moment of its key press, and now and then Wine reads the key after that and drops it."""
        for _ in range(tries):
            self.app.type(text)
            try:
                return wait_window("Error", timeout=3)
            except AssertionError:
                pass
        self.fail("no message box after typing %r" % text)

    def cells(self, rows, character="x"):
        return {(col, row) for row, text in enumerate(rows) for col, c in enumerate(text) if c == character}

    def test_sideways_drag_sets_the_size_of_the_next_stroke(self):
        app = self.start_pencil()
        self.pen(-200, 20)  # the smallest square pen
        app.click(*self.middle(3, 2))
        self.pen(16)        # two sizes larger
        app.click(*self.middle(20, 8))
        drawn = self.cells(self.saved_rows())
        small = {cell for cell in drawn if cell[1] < 5}
        large = drawn - small
        self.assertEqual({(3, 2)}, small)
        self.assertEqual({19, 20, 21}, {col for col, _ in large}, large)
        rows = {row for _, row in large}
        self.assertIn(8, rows)
        self.assertEqual(3 * len(rows), len(large))  # a full block

    def test_vertical_drag_makes_the_pencil_round(self):
        app = self.start_pencil()
        self.pen(-200, 20)
        self.pen(48, 20)    # size 7, square
        app.click(*self.middle(6, 5))
        self.pen(0, -20)    # round, the size kept
        app.click(*self.middle(25, 5))
        drawn = self.cells(self.saved_rows())
        square = {cell for cell in drawn if cell[0] < 15}
        round_ = drawn - square
        for block in (square, round_):
            self.assertEqual(7, len({col for col, _ in block}), block)
        height = len({row for _, row in square})
        self.assertEqual(7 * height, len(square))
        top = min(row for _, row in round_)
        self.assertNotIn((22, top), round_)  # the corners are left alone
        self.assertNotIn((28, top), round_)
        self.assertIn((25, top), round_)
        self.assertLess(len(round_), len(square))

    def test_character_above_127_is_refused(self):
        app = self.start_pencil()
        self.type_until_box("\u00e9")
        self.assertIn("Only ordinary ASCII characters", answer_box("Error", "Return"))
        app.click(*self.middle(4, 4))
        self.assertEqual({(4, 4)}, self.cells(self.saved_rows()))


if __name__ == "__main__":
    unittest.main()
