"""Scrolling with the keys, and rescaling the rulers by dragging them."""

from harness import PAGE_LEFT, PAGE_TOP, Case, wait_for

BLACK = (0, 0, 0)


class View(Case):
    def first_row_mod_10(self):
        """The first visible row, modulo the row ruler's step of 10: only numbered rows have long ticks, which
        reach the ruler's middle."""
        column = self.app.pixels(15, PAGE_TOP, 1, 10 * self.cell_height)
        for k in range(10):
            if column[(15, PAGE_TOP + k * self.cell_height)] == BLACK:
                return (10 - k) % 10
        return None

    def test_page_keys_scroll(self):
        app = self.open_file("view.txt", b"".join(b"row %d\r\n" % i for i in range(300)))  # and an empty row after
        visible = (app.client()[3] - PAGE_TOP) // self.cell_height
        wait_for(lambda: self.first_row_mod_10() == 0, message="the first paint")
        app.key("Next")
        wait_for(lambda: self.first_row_mod_10() == visible % 10, message="Page Down to scroll a page")
        app.key("End")  # the first row below the page's 301 rows comes to the top
        wait_for(lambda: self.first_row_mod_10() == 301 % 10, message="End to scroll below the page")
        app.key("Home")
        wait_for(lambda: self.first_row_mod_10() == 0, message="Home to scroll to the top")

    def test_column_ruler_drag_rescales_and_stops_at_two(self):
        app = self.open_rows("view.txt", [b"-" * 74] * 5)
        tick_y = 57 + 13  # only the long ticks of numbered columns reach this high

        def long_ticks():
            strip = app.pixels(PAGE_LEFT, tick_y, 12 * self.cell_width, 1)
            return [c for c in range(12) if strip[(PAGE_LEFT + c * self.cell_width, tick_y)] == BLACK]

        wait_for(lambda: long_ticks() == [0, 10], message="the first paint")
        app.drag(300, 65, 20, 65, steps=12)  # far to the left: the step stops at 2
        wait_for(lambda: long_ticks() == [0, 2, 4, 6, 8, 10], message="numbers every 2 columns")
