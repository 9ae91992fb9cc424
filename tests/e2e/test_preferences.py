"""The Preferences dialog, from the Email menu, sets the size of new documents."""

from harness import Case, focus_on, visible, wait_for, wait_window, xdotool


class Preferences(Case):
    def test_columns_set_in_preferences_size_the_next_new_document(self):
        app = self.start()
        app.wait_title("Untitled - Glyphwright")
        app.key("alt+m")
        xdotool("key", "p")
        focus_on(wait_window("Preferences"))
        xdotool("type", "--delay", 50, "30")  # the columns field has the focus with its text selected
        xdotool("key", "Return")
        wait_for(lambda: not visible("Preferences"), message="the dialog to close")
        app.key("ctrl+n")  # the unchanged document goes without a question
        self.assertEqual([b" " * 30] * 24, self.saved_as("narrow"))
