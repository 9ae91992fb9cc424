"""Drawings meet today's mail: Copy gives X programs HTML in a fixed-width block, Unicode text from an X program
pastes as its ASCII look-alikes, and Send Email asks before it hands on a drawing wider than mail keeps."""
import html
import re
import subprocess
import time
import unittest

from harness import PROBE, WINE_RUN, PageFileCase, answer_box, wait_for, wine

MAIL_KEY = r"HKLM\Software\Clients\Mail"
QUESTION = ("This drawing is 80 columns wide; many mail programs re-wrap lines longer than 76 characters. "
            "Send it anyway?")


def x_clipboard(target):
    """What an X program reading the clipboard as `target` gets."""
    return subprocess.run(["xclip", "-selection", "clipboard", "-o", "-t", target],
                          capture_output=True).stdout.decode("utf-8", "replace")


def visible_windows():
    result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "."], capture_output=True, text=True)
    return set(result.stdout.split())


class Mail(PageFileCase):
    def test_copy_gives_x_programs_the_drawing_in_a_pre_block(self):
        app = self.open_rows("copy.txt", [b"a<b & c>d  ", b" " * 11])
        app.key("ctrl+a")
        app.key("ctrl+c")
        fragment = wait_for(lambda: "<pre" in x_clipboard("text/html") and x_clipboard("text/html"),
                            message="HTML on the X clipboard")
        found = re.fullmatch(r"<pre style=\"font-family:'Courier New',Courier,monospace\">(.*)</pre>", fragment,
                             re.DOTALL)
        self.assertTrue(found, fragment)
        self.assertIn("\r\na&lt;b &amp; c&gt;d\r\n", found.group(1))
        lines = html.unescape(found.group(1)).split("\r\n")
        self.assertEqual({9}, {len(line) for line in lines[:-1]}, lines)  # the drawing's width, as in the text
        self.assertEqual("", lines[-1])
        self.assertEqual("Please", lines[0].strip())  # the message prefix above the drawing
        self.assertEqual(app.clipboard().split(), " ".join(lines).split())

    def test_unicode_text_from_an_x_program_pastes_as_ascii(self):
        app = self.open_rows("paste.txt", [b" " * 20] * 6)
        text = "A \u2192 B \u2026 done \u2588\n\u250c\u2500\u2500\u2510\n\u2502  \u2502\n\u2514\u2500\u2500\u2518"
        owner = subprocess.Popen(["xclip", "-selection", "clipboard", "-t", "UTF8_STRING", "-quiet"],
                                 stdin=subprocess.PIPE, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(owner.wait)
        self.addCleanup(owner.kill)
        owner.stdin.write(text.encode("utf-8"))
        owner.stdin.close()
        wait_for(lambda: b"done" in subprocess.run([WINE_RUN, PROBE, "clipboard"], capture_output=True).stdout,
                 message="Wine to see the X clipboard")
        app.key("ctrl+v")
        app.click(*self.middle(10, 5))  # drops the pasted text
        self.assertEqual(["A -> B ... done #   ", "+--+" + " " * 16, "|  |" + " " * 16, "+--+" + " " * 16,
                          " " * 20, " " * 20], self.saved_rows())

    def test_send_email_asks_about_a_wide_drawing_and_no_sends_nothing(self):
        self.name_no_mail_client()
        app = self.open_rows("wide.glw", [b"x" * 80, b" " * 80])  # a document file keeps its width
        before = visible_windows()
        app.key("ctrl+e")
        self.assertIn(QUESTION, answer_box("Error", "n"))
        time.sleep(2)  # time enough for a mail client, or message 405, to show
        self.assertEqual(before, visible_windows())

        app.key("ctrl+e")
        answer_box("Error", "y")
        # Sent: with no mail client, Wine's word and then message 405 follow.
        self.assertIn("do not have a MAPI mail client", answer_box("Send Mail", "Return"))
        self.assertIn("There is a problem using MAPI", answer_box("Error", "Return"))

    def name_no_mail_client(self):
        """Simple MAPI finds no mail client for the test's duration (Wine's own would pass the message to a
        browser)."""
        saved = re.search(r"REG_SZ\s+(.*)", wine("reg", "query", MAIL_KEY, "/ve").stdout)
        wine("reg", "add", MAIL_KEY, "/ve", "/d", "None", "/f", check=True)
        if saved:
            self.addCleanup(wine, "reg", "add", MAIL_KEY, "/ve", "/d", saved.group(1).strip(), "/f")
        else:
            self.addCleanup(wine, "reg", "delete", MAIL_KEY, "/ve", "/f")


if __name__ == "__main__":
    unittest.main()
