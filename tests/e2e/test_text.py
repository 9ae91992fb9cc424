"""Typing with the text tool into a rectangle made by a click, dropped by a click elsewhere."""

from harness import TEXT, Case


class Text(Case):
    def test_click_type_and_drop(self):
        self.open_rows("text.txt", [b" " * 16, b"     xx         ", b" " * 16])
        self.tool(TEXT)
        self.app.click(*self.middle(2, 1))  # the blank stretch from the click to the "xx"
        self.app.type("Hi")
        self.app.click(*self.middle(10, 2))
        self.app.click(*self.middle(1, 0))  # the whole row: the text wraps at the page's edge
        self.app.type("Hi there")
        self.app.click(*self.middle(10, 2))
        self.assertEqual([" Hi there       ", "  Hi xx         ", " " * 16], self.saved_rows())
