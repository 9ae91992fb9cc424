"""A table pasted from a spreadsheet, edited in place with real mouse drags: a column widened by its width handle
and another justified by dragging in its middle, each drag one undoable step, checked in the saved file."""
from harness import Case

RULE_MODE = 348 + 16  # the middle of the Table Ruling button, after the Transparent button
WIDENED = "+----------+------+"  # the rules of the table with its first column 3 cells wider


class Table(Case):
    def test_widen_justify_and_undo_the_last_drag(self):
        """Pastes the table at the first visible cell, rules it everywhere, widens its first column by 3 cells,
        drags in the middle of the second 32 pixels right (two steps, from centred to right), and
        takes the last step back before dropping."""
        app = self.open_rows("table.txt", [b" " * 30] * 6)
        app.put_clipboard(b"Name\tAge\r\nBob\t42\r\n")
        app.key("ctrl+v")
        app.drag(RULE_MODE, 18, RULE_MODE + 100, 18 + 100)  # first cells at 2, the rule after them at 8
        app.drag(*self.middle(8, 1), *self.middle(11, 1))  # the second column now at 13 to 16
        x, y = self.middle(14, 3)
        app.drag(x, y, x + 32, y)
        app.key("ctrl+z")
        app.key("Return")
        rows = [WIDENED, "|   Name   | Age  |", WIDENED, "|   Bob    |  42  |", WIDENED]
        self.assertEqual([row + " " * 11 for row in rows] + [" " * 30], self.saved_rows())

