"""The Windows installer's round trip under Wine: a silent install for the current user, the installed
program started on a .glw file through the file type, and a silent uninstall that leaves nothing."""
import os
import pwd
import re

from harness import ROOT, EXE, WINE_RUN, Case, wait_for, windows_path, wine

SETUP = os.environ.get("GW_SETUP", os.path.join(ROOT, "build", "win", "installer", "glyphwright-setup.exe"))
PREFIX = os.environ.get("WINEPREFIX", os.path.join(ROOT, "build", "wineprefix"))
USER = pwd.getpwuid(os.getuid()).pw_name
FOLDER = "C:\\users\\%s\\AppData\\Local\\Programs\\Glyphwright" % USER
PROGRAM = FOLDER + "\\glyphwright.exe"
SHORTCUT = "C:\\users\\%s\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Glyphwright.lnk" % USER
UNINSTALL = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Glyphwright"
CLASSES = r"HKCU\Software\Classes"
PREFERENCES = r"HKCU\Software\Brellow Software\Glyphwright"


def linux_path(path):
    """Where a path on the prefix's drive C: lies."""
    return os.path.join(PREFIX, "drive_c", *path[3:].split("\\"))


def registry(key):
    """The values under the key and its subkeys as `reg query` lists them, or None when it is missing."""
    result = wine("reg", "query", key, "/s")
    return result.stdout if result.returncode == 0 else None


class Installer(Case):
    def test_install_start_and_uninstall(self):
        self.assertEqual(0, wine(SETUP, "/S").returncode)
        installed = linux_path(FOLDER)
        self.assertEqual(["glyphwright.exe", "glyphwright.html", "uninstall.exe"], sorted(os.listdir(installed)))
        self.assertLess(os.path.getsize(os.path.join(installed, "glyphwright.exe")), os.path.getsize(EXE) / 2,
                        "the shipped program has no debugging sections")
        self.assertTrue(os.path.isfile(linux_path(SHORTCUT)))
        self.assertIn("GLWfile", registry(CLASSES + r"\.glw"))
        file_type = registry(CLASSES + r"\GLWfile")
        for value in ("Glyphwright File", PROGRAM + ", 1"):
            self.assertIn(value, file_type)
        listed = registry(UNINSTALL)
        for value in ("DisplayName    REG_SZ    Glyphwright", '"%s\\uninstall.exe"' % FOLDER):
            self.assertIn(value, listed)

        # Opened by the file type's command, as a double-click would (Wine's shell reads only the machine's
        # file types); the values are the program's own, so it asks nothing.
        drawing = self.write("installed.glw", b"-+-\r\n")
        command = re.search(r"REG_SZ +(.*)", registry(CLASSES + r"\GLWfile\Shell\open\command")).group(1)
        self.assertEqual('"%s" %%1' % PROGRAM, command)
        app = self.start(windows_path(drawing), command=[WINE_RUN, PROGRAM], associate=None)
        app.wait_title(r"installed(\.glw)? - Glyphwright")
        app.key("alt+F4")
        wait_for(lambda: not app.running(), message="the installed program to end")

        self.assertEqual(0, wine(FOLDER + "\\uninstall.exe", "/S").returncode)
        # The uninstaller runs on from a copy of itself, so that it can remove its own file.
        wait_for(lambda: not os.path.exists(installed), timeout=30, message="the program's folder to go")
        self.assertFalse(os.path.exists(linux_path(SHORTCUT)))
        for key in (CLASSES + r"\.glw", CLASSES + r"\GLWfile", UNINSTALL, PREFERENCES):
            self.assertIsNone(registry(key), key)

