"""The Preferences dialog, from the Email menu, sets the size of new documents."""
import os
import unittest

from harness import Glyphwright, GlyphwrightCase, wait_for, wait_window, windows_path, xdotool

TITLE = "Preferences"


class Preferences(GlyphwrightCase):
    def test_columns_set_in_preferences_size_the_next_new_document(self):
        app = self.start()
        app.wait_title("Untitled - Glyphwright")
        app.key("alt+m")
        xdotool("key", "p")
        dialog = wait_window(TITLE)
        xdotool("windowactivate", "--sync", dialog)
        # The columns field has the focus with its text selected.
        xdotool("type", "--delay", 50, "30")
        xdotool("key", "Return")
        wait_for(lambda: not Glyphwright._visible(TITLE), message="the dialog to close")
        app.key("ctrl+n")  # the unchanged document goes without a question
        app.key("ctrl+s")
        xdotool("windowactivate", "--sync", wait_window("Save As"))
        xdotool("type", windows_path(self.path("narrow")))
        xdotool("key", "Return")
        saved = wait_for(lambda: [name for name in os.listdir(self.folder) if name.lower() == "narrow.glw"],
                         message="the saved file")
        with open(self.path(saved[0]), "rb") as file:
            rows = file.read().split(b"\r\n")[:-1]
        self.assertEqual([b" " * 30] * 24, rows)


if __name__ == "__main__":
    unittest.main()
