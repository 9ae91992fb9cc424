#!/usr/bin/env python3
"""Turns the help's source into the one HTML file shipped beside the program.

    help.py SOURCE.md OUTPUT.html

The source is a small part of Markdown: "# " the title, "## " and "### "
headings (the "## " ones listed as the contents), paragraphs, "- " lists
(indented by two spaces to nest, lines indented to continue an item), "1. "
numbered lists, "| a | b |" tables whose second row is "| --- | --- |", and
within text **bold**, *italic* and [a link](#heading-anchor).
"""
import html
import re
import sys
from pathlib import Path

STYLE = """
body { font-family: sans-serif; max-width: 46em; margin: 2em auto; padding: 0 1em; line-height: 1.45; }
h1, h2, h3 { font-weight: bold; }
h2 { border-bottom: 1px solid #ccc; margin-top: 2em; }
table { border-collapse: collapse; }
td, th { border: 1px solid #ccc; padding: 0.2em 0.6em; text-align: left; }
nav li { margin: 0.1em 0; }
"""


class HelpError(Exception):
    pass


def anchor(title):
    """The id a heading gets, as links write it: lower case, words joined by hyphens."""
    return re.sub(r"[^a-z0-9]+", "-", title.lower()).strip("-")


def inline(text):
    text = html.escape(text, quote=False)
    text = re.sub(r"\*\*(.+?)\*\*", r"<b>\1</b>", text)
    text = re.sub(r"(?<![\w*])\*(?=\S)([^*]+?)(?<=\S)\*(?![\w*])", r"<i>\1</i>", text)
    return re.sub(r"\[(.+?)\]\((#[\w-]+)\)", r'<a href="\2">\1</a>', text)


def blocks(lines):
    """The source's blocks: runs of lines between blank lines."""
    block = []
    for line in lines:
        if line.strip():
            block.append(line.rstrip())
        elif block:
            yield block
            block = []
    if block:
        yield block


def list_items(block):
    """(depth, marker, text) of each item of a list block, continuation lines joined."""
    items = []
    for line in block:
        match = re.match(r"( *)(- |\d+\. )(.*)", line)
        if match:
            items.append([len(match.group(1)) // 2, match.group(2).strip(), match.group(3)])
        elif items:
            items[-1][2] += " " + line.strip()
    return items


def render_list(items, depth=0):
    tag = "ol" if items[0][1] != "-" else "ul"
    out = ["<%s>" % tag]
    index = 0
    while index < len(items):
        _, _, text = items[index]
        nested = []
        index += 1
        while index < len(items) and items[index][0] > depth:
            nested.append(items[index])
            index += 1
        out.append("<li>" + inline(text) + (render_list(nested, depth + 1) if nested else "") + "</li>")
    out.append("</%s>" % tag)
    return "".join(out)


def render_table(block):
    rows = [[cell.strip() for cell in line.strip().strip("|").split("|")] for line in block]
    if len(rows) < 2 or not all(set(cell) <= set("-: ") for cell in rows[1]):
        raise HelpError("a table needs a | --- | row under its heading row: " + block[0])
    head = "".join("<th>%s</th>" % inline(cell) for cell in rows[0])
    body = "".join("<tr>%s</tr>" % "".join("<td>%s</td>" % inline(cell) for cell in row) for row in rows[2:])
    return "<table><tr>%s</tr>%s</table>" % (head, body)


def render(source):
    title = None
    contents = []
    body = []
    for block in blocks(source.splitlines()):
        first = block[0]
        heading = re.match(r"(#{1,3}) (.*)", first)
        if heading and len(block) == 1:
            level, text = len(heading.group(1)), heading.group(2)
            if level == 1:
                title = text
                body.append("<h1>%s</h1>" % inline(text))
                continue
            if level == 2:
                contents.append('<li><a href="#%s">%s</a></li>' % (anchor(text), inline(text)))
            body.append('<h%d id="%s">%s</h%d>' % (level, anchor(text), inline(text), level))
        elif re.match(r"(- |\d+\. )", first):
            body.append(render_list(list_items(block)))
        elif first.startswith("|"):
            body.append(render_table(block))
        else:
            body.append("<p>%s</p>" % inline(" ".join(line.strip() for line in block)))
    if not title:
        raise HelpError("the help has no '# ' title")
    ids = re.findall(r'id="([\w-]+)"', "".join(body))
    for link in re.findall(r'href="#([\w-]+)"', "".join(body)):
        if link not in ids:
            raise HelpError("a link leads to no heading: #" + link)
    # The contents go after the title and the introduction, before the first section.
    first_section = next(i for i, part in enumerate(body) if part.startswith("<h2"))
    body.insert(first_section, "<nav><h2>Contents</h2><ul>%s</ul></nav>" % "".join(contents))
    return ('<!DOCTYPE html>\n<html lang="en"><head><meta charset="utf-8"><title>%s</title><style>%s</style>'
            "</head><body>\n%s\n</body></html>\n" % (html.escape(title), STYLE, "\n".join(body)))


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: help.py SOURCE.md OUTPUT.html")
    try:
        page = render(Path(sys.argv[1]).read_text(encoding="utf-8"))
    except HelpError as error:
        sys.exit("%s: %s" % (sys.argv[1], error))
    Path(sys.argv[2]).write_text(page, encoding="utf-8")


if __name__ == "__main__":
    main()
