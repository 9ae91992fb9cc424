"""Saves a PNG screenshot of the running program, for reviewing its look.

    python3 screenshot.py OUT.png [FILE]   (FILE is opened; else a new document)
"""
import os
import sys

from harness import Glyphwright, windows_path


def main(out, *files):
    app = Glyphwright(*(windows_path(f) for f in files))
    try:
        app.wait_title(".* - Glyphwright")
        app.focus()
        app.move(20, 18)  # over the Select button, so that the help line shows its help
        app.screenshot(out)
    finally:
        app.kill()


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    main(os.path.abspath(sys.argv[1]), *sys.argv[2:])
