"""Scrolling with the keys, and rescaling the rulers by dragging them."""
import unittest

from harness import GlyphwrightCase, wait_for, windows_path

BLACK = (0, 0, 0)
PAGE_TOP = 81  # the page area and the row ruler start below the column ruler


class View(GlyphwrightCase):
    def open_text(self, lines):
        path = self.path("view.txt")
        with open(path, "wb") as file:
            file.write(b"".join(line + b"\r\n" for line in lines))
        app = self.start(windows_path(path))
        app.wait_title(r"view(\.txt)? - Glyphwright")
        self.cell_width, self.cell_height = app.cell()
        return app

    def first_row_mod_10(self):
        """The first visible row, modulo the row ruler's step of 10: only
        numbered rows have long ticks, which reach the ruler's middle."""
        column = self.app.pixels(15, PAGE_TOP, 1, 10 * self.cell_height)
        for k in range(10):
            if column[(15, PAGE_TOP + k * self.cell_height)] == BLACK:
                return (10 - k) % 10
        return None

    def test_page_keys_scroll(self):
        app = self.open_text([b"row %d" % i for i in range(300)])  # and an empty row after the last line end
        _, _, _, height = app.client()
        visible = (height - PAGE_TOP) // self.cell_height
        wait_for(lambda: self.first_row_mod_10() == 0, message="the first paint")  # slow under load
        app.key("Next")
        wait_for(lambda: self.first_row_mod_10() == visible % 10, message="Page Down to scroll a page")
        app.key("End")  # the first row below the page's 301 rows comes to the top
        wait_for(lambda: self.first_row_mod_10() == 301 % 10, message="End to scroll below the page")
        app.key("Home")
        wait_for(lambda: self.first_row_mod_10() == 0, message="Home to scroll to the top")

    def test_column_ruler_drag_rescales_and_stops_at_two(self):
        app = self.open_text([b"-" * 74] * 5)
        tick_y = 57 + 13  # only the long ticks of numbered columns reach this high

        def long_ticks():
            strip = app.pixels(26, tick_y, 12 * self.cell_width, 1)
            return [c for c in range(12) if strip[(26 + c * self.cell_width, tick_y)] == BLACK]

        wait_for(lambda: long_ticks() == [0, 10], message="the first paint")
        app.drag(300, 65, 20, 65, steps=12)  # far to the left: the step stops at 2
        wait_for(lambda: long_ticks() == [0, 2, 4, 6, 8, 10], message="numbers every 2 columns")


if __name__ == "__main__":
    unittest.main()
