"""The About window shows a tip at start, moves it on when its bulb is clicked and closes by itself."""
import time
import unittest

from harness import ABOUT, Glyphwright, GlyphwrightCase, wait_for, window_texts

TIP_PICTURE = (15, 271)  # client pixels inside the bulb beside the tip


def tip():
    """The tip shown: the text of the About window's last control."""
    texts = window_texts(ABOUT).splitlines()
    return texts[-1] if texts else ""


class About(GlyphwrightCase):
    def test_tip_moves_on_and_the_window_closes_after_ten_seconds(self):
        app = self.start(keep_about=True)
        app.wait_title(ABOUT)
        shown = time.time()
        texts = window_texts(ABOUT)
        self.assertIn("Version 1.4", texts)
        self.assertIn("Tip : ", texts)
        first = tip()
        self.assertTrue(first)

        app.click(*TIP_PICTURE)
        second = wait_for(lambda: tip() != first and tip(), message="the next tip")
        self.assertTrue(second)
        self.assertTrue(Glyphwright._visible(ABOUT), "clicking the bulb leaves the window open")

        wait_for(lambda: not Glyphwright._visible(ABOUT), timeout=20, message="the About window to close")
        self.assertGreater(time.time() - shown, 8)
        self.assertTrue(app.running(), "the document window stays")
        app.wait_title(".* - Glyphwright")


if __name__ == "__main__":
    unittest.main()
