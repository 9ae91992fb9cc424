"""A save killed at any moment leaves the file whole: the old contents or the new, never a mix or nothing.
GW_KILL_MOMENTS sets how many moments are tried (12 by default)."""
import os
import time
import unittest

from harness import Case, wait_for

COLUMNS, ROWS = 500, 16000  # the largest document, 8 MB as a file


class KilledSave(Case):
    def cleared_and_saving(self, rows):
        """Opens a file of these rows, clears the drawing and starts saving it with Ctrl+S."""
        app = self.open_rows("big.glw", rows)
        app.key("ctrl+a")
        app.key("Delete")
        app.key("ctrl+s")
        return app

    def test_a_killed_save_leaves_the_old_or_the_new_file(self):
        rows = [bytes(33 + (n + r) % 90 for n in range(COLUMNS)) for r in range(ROWS)]
        old = b"\r\n".join(rows)
        app = self.cleared_and_saving(rows)
        start = time.time()
        wait_for(lambda: os.path.getsize(self.file) != len(old), 60, "the first save")
        took = time.time() - start
        with open(self.file, "rb") as file:
            new = file.read()
        app.kill()
        self.assertEqual(b" " * COLUMNS + b"\r\n", new[:COLUMNS + 2])
        moments = int(os.environ.get("GW_KILL_MOMENTS", "12"))
        found = {old: 0, new: 0}
        for moment in range(moments):
            app = self.cleared_and_saving(rows)
            delay = took * 1.2 * moment / moments
            time.sleep(delay)
            app.kill()
            with open(self.file, "rb") as file:
                saved = file.read()
            self.assertIn(saved, found, "killed %.3f s into the save: %d bytes" % (delay, len(saved)))
            found[saved] += 1
        during = len([name for name in os.listdir(self.folder) if name.endswith(".tmp")])  # left by a kill mid-save
        print("%d kills over %.2f s: %d old files, %d new, %d during the save" % (moments, took * 1.2, found[old],
                                                                                 found[new], during))


if __name__ == "__main__":
    unittest.main()
