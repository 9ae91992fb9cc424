"""The pencil, the rubber, the bucket and picking up characters, with real mouse drags, checked in the saved file."""

from harness import BUCKET, PENCIL, RUBBER, Case, xdotool


class Freehand(Case):
    def drag(self, start, end, modifiers=()):
        self.app.drag(*self.middle(*start), *self.middle(*end), modifiers=modifiers)

    def click(self, cell, modifiers=()):
        for key in modifiers:
            xdotool("keydown", key)
        self.app.click(*self.middle(*cell))
        for key in modifiers:
            xdotool("keyup", key)

    def test_pencil(self):
        self.open_rows("pencil.txt", [b" " * 10] * 2 + [b"abcdefghij"])
        self.tool(PENCIL)
        self.app.key("BackSpace")  # automatic characters
        self.drag((1, 0), (5, 0))
        self.app.type("x")
        self.drag((1, 1), (4, 1))
        self.drag((2, 2), (5, 2), ("shift",))  # erases
        self.drag((8, 1), (8, 4))              # below the last row: the page grows
        self.assertEqual([" -----    ", " xxxx   x ", "ab    ghxj", "        x ", "        x "], self.saved_rows())

    def test_rubber(self):
        self.open_rows("rubber.txt", [b"xxxxxxxx"] * 3)
        self.tool(PENCIL)
        self.app.type("*")
        self.tool(RUBBER)
        self.drag((1, 0), (1, 6))              # below the last row: the page stays
        self.drag((4, 1), (6, 1), ("shift",))  # draws
        self.app.type("o")                     # switches to the pencil with that character
        self.click((6, 2))
        self.assertEqual(["x xxxxxx", "x xx***x", "x xxxxox"], self.saved_rows())

    def test_bucket_and_sample(self):
        self.open_rows("bucket.txt", [b"          @", b" ****  /\\  ", b" *  * /  \\ ", b" *  * \\  / ", b" ****  \\/  "])
        self.tool(BUCKET)
        self.app.type("#")
        self.click((2, 2))              # inside the outline
        self.click((8, 2))              # inside the diagonal one
        self.click((10, 0), ("ctrl",))  # picks up "@"
        self.click((0, 0))
        self.assertEqual(["@@@@@@@@@@@", "@****@@/\\@@", "@*##*@/##\\@", "@*##*@\\##/@", "@****@@\\/@@"],
                         self.saved_rows())

    def test_undo_restores_the_page_and_the_tool(self):
        self.open_rows("undo.txt", [b"        "] * 2)
        self.tool(PENCIL)
        self.app.type("x")
        self.drag((1, 0), (4, 0))
        self.tool(RUBBER)
        self.app.key("ctrl+z")
        self.app.key("ctrl+z")  # redoes
        self.assertEqual([" xxxx   ", "        "], self.saved_rows())
        self.tool(PENCIL)
        self.drag((1, 1), (4, 1))
        self.tool(RUBBER)
        self.app.key("ctrl+z")
        self.assertEqual([" xxxx   ", "        "], self.saved_rows())
        self.click((6, 0))  # with the pencil again
        self.assertEqual([" xxxx x ", "        "], self.saved_rows())
