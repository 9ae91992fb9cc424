"""The help: scripts/help.py builds its page, and the built page describes every menu command, tool,
option button and preference that the program shows."""
import html
import os
import re
import sys
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "scripts"))
import help as builder  # noqa: E402

HELP = os.environ.get("GW_HELP", os.path.join(ROOT, "build", "win", "app", "glyphwright.html"))
RESOURCES = os.path.join(ROOT, "resources")
TOOL_TITLES = (1, 5, 7, 9, 11, 13, 15, 17, 19)  # string ids, as the tool table names them
BUTTON_TITLES = (105, 108, 112, 114, 120, 124, 126, 128, 131)  # the option buttons' help-line titles


def resource(name):
    with open(os.path.join(RESOURCES, name), encoding="latin-1") as file:
        return file.read()


class Builder(unittest.TestCase):
    def test_headings_lists_tables_and_links(self):
        page = builder.render("# Title\n\nIntro <b> & more.\n\n## First part\n\n- one\n  - inner\n- two "
                              "[back](#first-part)\n\n## Second\n\n1. **a**\n2. *b*\n   continued\n\n"
                              "| Keys | Do |\n| --- | --- |\n| F1 | help |\n")
        for part in ("<title>Title</title>", "Intro &lt;b&gt; &amp; more.", '<li><a href="#second">Second</a></li>',
                     "<ol><li><b>a</b></li><li><i>b</i> continued</li></ol>", "<tr><td>F1</td><td>help</td></tr>"):
            self.assertIn(part, page)
        contents = page.index("<nav>")
        self.assertLess(page.index("Intro"), contents)
        self.assertLess(contents, page.index('<h2 id="first-part">'))
        self.assertIn('<ul><li>one<ul><li>inner</li></ul></li><li>two <a href="#first-part">back</a></li></ul>',
                      page)

    def test_mistakes_in_the_source_are_refused(self):
        for source in ("# T\n\n## A\n\nsee [b](#b)\n", "no title\n\n## A\n",
                       "# T\n\n## A\n\n| a |\n| b |\n"):
            with self.assertRaises(builder.HelpError, msg=source):
                builder.render(source)


class Coverage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with open(HELP, encoding="utf-8") as file:
            cls.page = html.unescape(file.read())
        cls.text = re.sub(r"\s+", " ", re.sub(r"<[^>]+>", " ", cls.page)).lower()

    def test_every_menu_command_tool_option_button_and_preference(self):
        strings = dict(re.findall(r'^\s*(\d+) "(.*)"$', resource("strings.rc"), re.MULTILINE))
        items = re.findall(r'MENUITEM "([^"\\]+)', resource("menu.rc"))
        labels = re.findall(r'(?:GROUPBOX|LTEXT|AUTOCHECKBOX|PUSHBUTTON) "([^"]+)"', resource("preferences.rc"))
        self.assertTrue(len(items) > 20 and len(labels) > 15)  # the resources were read
        titles = [strings[str(number)] for number in TOOL_TITLES + BUTTON_TITLES]
        for name in [item.replace("&", "") for item in items] + titles:
            # The name stands in bold or as a heading, where its description starts.
            self.assertRegex(self.page, r"<(b|h3[^>]*)>%s</(b|h3)>" % re.escape(name))
        for label in labels:
            self.assertIn(label.rstrip(" :").lower(), self.text)

