"""The Document Dimensions dialog, reached with Ctrl+D, gives the page a new size."""

from harness import Case, focus_on, visible, wait_for, wait_window, xdotool


class Dimensions(Case):
    def test_ctrl_d_resizes_the_page_that_is_saved(self):
        app = self.open_rows("dims.txt", [b"ab", b"cd"])
        app.key("ctrl+d")
        focus_on(wait_window("Document Dimensions"))
        # The columns field has the focus with its text selected; Tab selects the rows.
        xdotool("type", "--delay", 50, "40")
        xdotool("key", "Tab")
        xdotool("type", "--delay", 50, "10")
        xdotool("key", "Return")
        wait_for(lambda: not visible("Document Dimensions"), message="the dialog to close")
        self.assertEqual(["ab" + " " * 38, "cd" + " " * 38] + [" " * 40] * 8, self.saved_rows())
