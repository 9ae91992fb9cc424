"""The clipboard beside X programs: Copy gives them HTML in a fixed-width block; Unicode text from one pastes as
its ASCII look-alikes. Send Email asks before sending a drawing too wide for mail."""
import html
import re
import subprocess
import time

from harness import Case, answer_box, ask, visible, wait_for


def x_clipboard(target):
    """What an X program reading the clipboard as `target` gets."""
    return subprocess.run(["xclip", "-selection", "clipboard", "-o", "-t", target],
                          capture_output=True).stdout.decode("utf-8", "replace")


def serve(case, target, data):
    """Puts `data` on the X clipboard as `target` from an X program until the test `case` ends, and waits
    until the clipboard offers it."""
    owner = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard", "-t", target],
                             stdin=subprocess.PIPE, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    case.addCleanup(owner.wait)
    case.addCleanup(owner.kill)
    owner.stdin.write(data)
    owner.stdin.close()
    wait_for(lambda: target in x_clipboard("TARGETS"), message=target + " on the clipboard")


class Mail(Case):
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
        self.assertEqual(["Please", ""], [lines[0].strip(), lines[-1]])  # the message prefix above the drawing
        self.assertEqual(ask("clipboard").split(), " ".join(lines).split())

    def test_unicode_text_from_an_x_program_pastes_as_ascii(self):
        app = self.open_rows("paste.txt", [b" " * 20] * 6)
        serve(self, "UTF8_STRING", "A \u2192 B \u2026 done \u2588\n\u250c\u2500\u2500\u2510\n\u2502  \u2502\n"
                                  "\u2514\u2500\u2500\u2518".encode("utf-8"))
        wait_for(lambda: "done" in ask("clipboard"), message="Wine to see the X clipboard")
        app.key("ctrl+v")
        app.click(*self.middle(10, 5))  # drops the pasted text
        self.assertEqual(["A -> B ... done #   ", "+--+" + " " * 16, "|  |" + " " * 16, "+--+" + " " * 16,
                          " " * 20, " " * 20], self.saved_rows())

    def test_send_email_asks_about_a_wide_drawing_and_no_sends_nothing(self):
        app = self.open_rows("wide.glw", [b"x" * 80, b" " * 80])  # a document file keeps its width
        before = visible(".*")
        app.key("ctrl+e")
        self.assertIn("This drawing is 80 columns wide; many mail programs re-wrap lines longer than 76 "
                      "characters. Send it anyway?", answer_box("Error", "n"))
        time.sleep(2)  # time enough for a mail client, or its message, to show
        self.assertEqual(before, visible(".*"))
