"""The About window shows a tip at start, moves it on when its bulb is clicked and closes by itself."""
import time

from harness import ABOUT, Case, visible, wait_for, window_texts


def tip():
    """The tip shown: the text of the About window's last control."""
    texts = window_texts(ABOUT).splitlines()
    return texts[-1] if texts else ""


class About(Case):
    def test_tip_moves_on_and_the_window_closes_after_ten_seconds(self):
        app = self.start(keep_about=True)
        app.wait_title(ABOUT)
        shown = time.time()
        self.assertIn("Version 1.4", window_texts(ABOUT))
        first = wait_for(tip, message="a tip")
        app.click(15, 271)  # the bulb beside the tip
        wait_for(lambda: tip() not in ("", first), message="the next tip")
        self.assertTrue(visible(ABOUT), "clicking the bulb leaves the window open")
        wait_for(lambda: not visible(ABOUT), timeout=20, message="the About window to close")
        self.assertGreater(time.time() - shown, 8)
        app.wait_title(".* - Glyphwright")
