"""The README's first command: scripts/run.sh starts the editor on a file named as a user types it."""
import os

from harness import ROOT, Case, ask, wait_for

RUN = os.path.join(ROOT, "scripts", "run.sh")


class RunScript(Case):
    def test_opens_the_file_and_ends_when_the_window_closes(self):
        self.write("sketch.glw", b"/\\\r\n\\/\r\n")
        app = self.start("sketch.glw", command=[RUN])  # a path relative to the shell's folder
        app.wait_title(r"sketch(\.glw)? - Glyphwright")
        app.key("ctrl+a")
        app.key("ctrl+c")
        copied = wait_for(lambda: "\\/" in ask("clipboard") and ask("clipboard"),
                          message="the drawing on the clipboard").split()
        self.assertEqual(["/\\", "\\/"], copied[-2:], "the file's rows, below the message prefix")
        app.key("alt+F4")
        wait_for(lambda: not app.running(), message="the program to end")
        self.assertEqual(0, app.process.returncode)

