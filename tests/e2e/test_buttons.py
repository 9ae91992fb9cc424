"""The option buttons with the pencil: the pen's size and shape, and the characters it may take."""

from harness import PENCIL, Case, answer_box

SHAPE_SIZE = 315 + 33 + 16  # the middle of the button after the Character button


class Buttons(Case):
    def start_pencil(self):
        app = self.open_rows("pen.txt", [b" " * 40] * 14)
        self.tool(PENCIL)
        app.type("x")  # manual, drawing with x
        return app

    def pen(self, dx, dy=0):
        """Drags the ShapeSize button: dx pixels sideways, dy down from a press above or below its middle."""
        y = 10 if dy >= 0 else 30
        self.app.drag(SHAPE_SIZE, y, SHAPE_SIZE + dx, y + dy)

    def cells(self):
        return {(col, row) for row, text in enumerate(self.saved_rows()) for col, c in enumerate(text) if c == "x"}

    def test_sideways_drag_sets_the_size_and_vertical_the_shape(self):
        app = self.start_pencil()
        self.pen(-200, 20)  # the smallest square pen
        app.click(*self.middle(3, 2))
        self.pen(48, 20)    # size 7, square
        app.click(*self.middle(10, 8))
        self.pen(0, -20)    # round, the size kept
        app.click(*self.middle(30, 8))
        drawn = self.cells()
        small = {cell for cell in drawn if cell[1] < 5}
        square = {cell for cell in drawn - small if cell[0] < 20}
        round_ = drawn - small - square
        self.assertEqual({(3, 2)}, small)
        for block in (square, round_):
            left = min(col for col, _ in block)
            self.assertEqual(set(range(left, left + 7)), {col for col, _ in block}, block)
        self.assertEqual(7 * len({row for _, row in square}), len(square), "a full block")
        top = min(row for _, row in round_)
        self.assertTrue((30, top) in round_ and (27, top) not in round_ and (33, top) not in round_,
                        "the corners are left alone")

    def test_character_above_127_is_refused(self):
        app = self.start_pencil()
        app.type("\u00e9")
        self.assertIn("Only ordinary ASCII characters", answer_box("Error", "Return"))
        app.click(*self.middle(4, 4))
        self.assertEqual({(4, 4)}, self.cells())
