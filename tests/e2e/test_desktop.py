"""scripts/install-desktop.sh gives the current user a menu entry, icons and the .glw file type; a
double-click on a .glw file then opens it, and --remove takes all of it away."""
import os
import struct
import subprocess

from harness import ROOT, Case, visible, wait_for

INSTALL = os.path.join(ROOT, "scripts", "install-desktop.sh")
SIZES = (16, 32, 48, 64, 128, 256)


def png_size(path):
    with open(path, "rb") as file:
        head = file.read(24)
    return struct.unpack(">II", head[16:24]) if head.startswith(b"\x89PNG") else None


class Desktop(Case):
    def install(self, *args):
        result = subprocess.run([INSTALL, *args], env=self.env, capture_output=True, text=True)
        self.assertEqual(0, result.returncode, result.stderr)

    def file_types(self):
        with open(os.path.join(self.data, "mime", "globs2")) as globs:
            return globs.read()

    def test_install_open_with_a_double_click_and_remove(self):
        self.data = self.path("data")
        self.env = dict(os.environ, XDG_DATA_HOME=self.data)
        self.install()
        entry = os.path.join(self.data, "applications", "glyphwright.desktop")
        check = subprocess.run(["desktop-file-validate", entry], capture_output=True, text=True)
        self.assertEqual((0, ""), (check.returncode, check.stdout + check.stderr))
        icon = os.path.join(self.data, "icons", "hicolor", "%dx%d", "apps", "glyphwright.png")
        for size in SIZES:
            self.assertEqual((size, size), png_size(icon % (size, size)))
        self.assertIn("application/x-glyphwright:*.glw", self.file_types())

        drawing = self.write("double click.glw", b"(o o)\r\n")
        program = os.path.join(self.data, "glyphwright", "program")
        # `gio open` opens a file with the desktop's program for its type, as a file manager does. The
        # installer registered the Windows file type for the installed copy, which so starts unasked.
        app = self.start(drawing, command=["gio", "open"], associate=None, env=self.env)
        title = app.wait_title(r"double click(\.glw)? - Glyphwright")
        app.key("alt+F4")
        wait_for(lambda: not visible(title), message="the program to end")

        self.install("--remove")
        self.assertFalse(os.path.exists(entry))
        self.assertFalse(os.path.exists(program))
        self.assertFalse(any(os.path.exists(icon % (size, size)) for size in SIZES))
        self.assertNotIn("glyphwright", self.file_types())

