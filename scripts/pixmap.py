#!/usr/bin/env python3
"""Turns a text pixel map into a Windows icon (.ico), cursor (.cur) or bitmap
(.bmp), or draws several maps on one PNG sheet for review.

    pixmap.py MAP OUTPUT.ico|OUTPUT.cur|OUTPUT.bmp
    pixmap.py --indexed MAP OUTPUT.bmp      a bitmap of 256 colours, not true colour
    pixmap.py --size 48 MAP OUTPUT.png      an icon as a PNG of 48x48, for desktops
    pixmap.py --sheet SHEET.png MAP...

A map is a text file of these lines; blank lines and lines that start with
"#" are skipped between images:

    colour . transparent        a palette character and what it stands for:
    colour k #000000            "transparent", #rrggbb, or #rrggbbaa with alpha
    hotspot 1 30                cursors only: the clicking pixel, from the top left
    scale 4                     every map pixel of the images that follow is 4x4 pixels
    image 32x32                 followed by exactly 32 rows of 32 palette characters

Palette characters are single printable characters other than space, defined
before the images that use them. A map may hold several images of different
sizes (an icon at 16x16 and 32x32); they share the palette and the hotspot.
A bitmap holds one image, with no transparent pixels.
"""
import argparse
import struct
import sys
import zlib
from pathlib import Path


class MapError(Exception):
    pass


def parse_colour(text):
    if text == "transparent":
        return (0, 0, 0, 0)
    digits = text[1:]
    if not text.startswith("#") or len(digits) not in (6, 8):
        return None
    try:
        value = bytes.fromhex(digits)
    except ValueError:
        return None
    return tuple(value) if len(value) == 4 else tuple(value) + (255,)


def parse_map(path):
    """Returns (hotspot or None, [(width, height, rows of RGBA tuples)])."""
    lines = Path(path).read_text().splitlines()
    palette = {}
    hotspot = None
    scale = 1
    images = []
    index = 0

    def fail(line_number, message):
        raise MapError(f"{path}:{line_number}: {message}")

    while index < len(lines):
        line = lines[index].strip()
        index += 1
        if not line or line.startswith("#"):
            continue
        words = line.split()
        if words[0] == "colour" and len(words) == 3:
            char, colour = words[1], parse_colour(words[2])
            if len(char) != 1:
                fail(index, f"palette character {char!r} is not a single character")
            if char in palette:
                fail(index, f"palette character {char!r} is defined twice")
            if colour is None:
                fail(index, f"colour {words[2]!r} is not transparent, #rrggbb or #rrggbbaa")
            palette[char] = colour
        elif words[0] == "hotspot" and len(words) == 3 and all(w.isdigit() for w in words[1:]):
            hotspot, hotspot_line = (int(words[1]), int(words[2])), index
        elif words[0] == "scale" and len(words) == 2 and words[1].isdigit() and 1 <= int(words[1]) <= 16:
            scale = int(words[1])
        elif words[0] == "image" and len(words) == 2:
            size = words[1].split("x")
            if len(size) != 2 or not all(s.isdigit() and 1 <= int(s) <= 256 for s in size):
                fail(index, f"image size {words[1]!r} is not WIDTHxHEIGHT from 1x1 to 256x256")
            width, height = int(size[0]), int(size[1])
            if any((w, h) == (width, height) for w, h, _ in images):
                fail(index, f"there is already an image of {words[1]}")
            rows = []
            for row in lines[index:index + height]:
                index += 1
                row = row.rstrip()
                if len(row) != width:
                    fail(index, f"row is {len(row)} pixels wide, not {width}")
                for column, char in enumerate(row, 1):
                    if char not in palette:
                        fail(index, f"column {column}: {char!r} is not in the palette")
                rows += [[palette[char] for char in row for _ in range(scale)]] * scale
            if len(rows) < height * scale:
                fail(index, f"image has {len(rows) // scale} rows, not {height}")
            images.append((width * scale, height * scale, rows))
        else:
            fail(index, f"expected 'colour C VALUE', 'hotspot X Y', 'scale N' or 'image WxH', not {line!r}")
    if not images:
        fail(len(lines), "no image")
    if hotspot:
        for width, height, _ in images:
            if hotspot[0] >= width or hotspot[1] >= height:
                fail(hotspot_line, f"hotspot {hotspot[0]} {hotspot[1]} lies outside the {width}x{height} image")
    return hotspot, images


def dib(width, height, rows):
    """The bitmap of one icon or cursor image: header, BGRA bottom up, AND mask."""
    colours = bytes(value for row in reversed(rows) for r, g, b, a in row for value in (b, g, r, a))
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray((width + 31) // 32 * 4)
        for x, (_, _, _, alpha) in enumerate(row):
            if alpha == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, 32, 0,
                         len(colours) + len(mask), 0, 0, 0, 0)
    return header + colours + bytes(mask)


def write_icon(path, hotspot, images):
    cursor = path.suffix.lower() == ".cur"
    if cursor and hotspot is None:
        raise MapError(f"{path}: a cursor needs a hotspot")
    if not cursor and hotspot is not None:
        raise MapError(f"{path}: only cursors have a hotspot")
    bitmaps = [dib(*image) for image in images]
    data = struct.pack("<HHH", 0, 2 if cursor else 1, len(images))
    offset = len(data) + 16 * len(images)
    for (width, height, _), bitmap in zip(images, bitmaps):
        # A cursor's entry holds its hotspot where an icon's holds planes and depth.
        second = hotspot if cursor else (1, 32)
        data += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, *second, len(bitmap), offset)
        offset += len(bitmap)
    path.write_bytes(data + b"".join(bitmaps))


def write_bitmap(path, hotspot, images, indexed=False):
    """One opaque image as a bottom-up BMP: 24 bits a pixel, or 8 with a colour table."""
    if hotspot is not None or len(images) != 1:
        raise MapError(f"{path}: a bitmap is one image with no hotspot")
    width, height, rows = images[0]
    if any(alpha != 255 for row in rows for _, _, _, alpha in row):
        raise MapError(f"{path}: a bitmap has no transparent pixels")
    colours = sorted({pixel[:3] for row in rows for pixel in row})
    if indexed and len(colours) > 256:
        raise MapError(f"{path}: {len(colours)} colours do not fit in 256")
    index = {colour: n for n, colour in enumerate(colours)}
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in colours) if indexed else b""
    stride = (width * (1 if indexed else 3) + 3) // 4 * 4
    pixels = b""
    for row in reversed(rows):
        line = bytes(index[p[:3]] for p in row) if indexed else bytes(v for r, g, b, _ in row for v in (b, g, r))
        pixels += line.ljust(stride, b"\0")
    offset = 14 + 40 + len(table)
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8 if indexed else 24, 0, len(pixels),
                         2835, 2835, len(colours) if indexed else 0, 0)
    path.write_bytes(struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + header + table + pixels)


# Label font, 3x5: after each character come its five rows, top first, each an
# octal digit whose bits are the pixels from the left.
FONT = dict((glyph[0], glyph[1:]) for glyph in """
    a25755 b65656 c34443 d65556 e74647 f74644 g34553 h55755 i72227 j11152 k55655 l44447 m57755
    n65555 o25552 p65644 q25563 r65655 s34216 t72222 u55557 v55552 w55775 x55255 y55222 z71247
    075557 126227 261247 361216 455711 574616 634757 771222 875757 975716 .00002 -00700 _00007
    """.split())

SCALE = 4
FACE, HIGHLIGHT, SHADOW, BLACK, PAPER, MARK = (
    (192, 192, 192), (255, 255, 255), (128, 128, 128), (0, 0, 0), (255, 255, 255), (255, 0, 0))


def button_colour(x, y):
    """The bevelled face of a 32x32 tool-bar button, under its icon."""
    if (x == 31 and y >= 1) or (x == 30 and y >= 2) or (y == 31 and x >= 1) or (y == 30 and x >= 2):
        return SHADOW
    if (x <= 1 and y <= 30 - x) or (y <= 1 and x <= 30 - y):
        return HIGHLIGHT
    return FACE


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.rows = [bytearray(FACE * width) for _ in range(height)]

    def fill(self, left, top, width, height, colour):
        for y in range(top, top + height):
            self.rows[y][3 * left:3 * (left + width)] = bytes(colour) * width

    def blend(self, x, y, r, g, b, a, scale):
        under = self.rows[y][3 * x:3 * x + 3]
        colour = [(c * a + u * (255 - a)) // 255 for c, u in zip((r, g, b), under)]
        self.fill(x, y, scale, scale, colour)

    def text(self, left, top, label, scale=2):
        for n, char in enumerate(label):
            for y, row in enumerate(FONT.get(char, "00000")):
                for x in range(3):
                    if int(row) & 4 >> x:
                        self.fill(left + (4 * n + x) * scale, top + y * scale, scale, scale, BLACK)

    def png(self):
        return png_bytes(self.width, self.height, self.rows, alpha=False)


def png_bytes(width, height, rows, alpha):
    """A PNG file of rows of bytes: red, green, blue and, with `alpha`, its alpha."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    raw = b"".join(b"\0" + bytes(row) for row in rows)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def write_png(path, hotspot, images, size):
    """The icon at `size` pixels square: the largest of its images that fits a whole number of times,
    each pixel repeated, so that pixel art stays sharp."""
    fitting = [image for image in images if image[0] == image[1] and size % image[0] == 0]
    if hotspot is not None or not fitting:
        raise MapError(f"{path}: no square icon image fits {size}x{size} a whole number of times")
    width, _, rows = max(fitting, key=lambda image: image[0])
    scale = size // width
    scaled = [b"".join(bytes(pixel) * scale for pixel in row) for row in rows for _ in range(scale)]
    path.write_bytes(png_bytes(size, size, scaled, alpha=True))


def draw_image(canvas, left, top, image, hotspot, scale):
    """Icons of 32x32 on a tool-bar button, cursors on the page's white, others on the bar's grey."""
    width, height, rows = image
    button = hotspot is None and (width, height) == (32, 32)
    if button:
        canvas.fill(left - scale, top - scale, (width + 2) * scale, (height + 2) * scale, BLACK)
    elif hotspot:
        canvas.fill(left, top, width * scale, height * scale, PAPER)
    for y, row in enumerate(rows):
        for x, pixel in enumerate(row):
            if button:
                canvas.fill(left + x * scale, top + y * scale, scale, scale, button_colour(x, y))
            canvas.blend(left + x * scale, top + y * scale, *pixel, scale)
    if hotspot and scale > 1:
        x, y = left + hotspot[0] * scale, top + hotspot[1] * scale
        for edge in ((x - 1, y - 1, scale + 2, 1), (x - 1, y + scale, scale + 2, 1),
                     (x - 1, y, 1, scale), (x + scale, y, 1, scale)):
            canvas.fill(*edge, MARK)


def write_sheet(path, map_paths, columns=8):
    """Every image of every map at four times its size and, below, at its own size."""
    tiles = []
    for map_path in map_paths:
        hotspot, images = parse_map(map_path)
        label = Path(map_path).name.removesuffix(".txt")
        tiles += [(label, hotspot, image) for image in images]
    side = max(max(image[:2]) for _, _, image in tiles)
    tile_width, tile_height = side * SCALE + 24, side * (SCALE + 1) + 40
    canvas = Canvas(tile_width * min(columns, len(tiles)), tile_height * -(-len(tiles) // columns))
    for n, (label, hotspot, image) in enumerate(tiles):
        left, top = n % columns * tile_width + 12, n // columns * tile_height + 12
        draw_image(canvas, left, top, image, hotspot, SCALE)
        draw_image(canvas, left, top + side * SCALE + 10, image, hotspot, 1)
        size = "" if image[:2] == (32, 32) else f" {image[0]}x{image[1]}"
        canvas.text(left, top + side * (SCALE + 1) + 16, label + size)
    Path(path).write_bytes(canvas.png())


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--sheet", metavar="SHEET.png", help="draw the maps on one PNG sheet")
    parser.add_argument("--indexed", action="store_true", help="write a bitmap of 256 colours")
    parser.add_argument("--size", type=int, help="the side in pixels of the PNG to write")
    parser.add_argument("files", nargs="+", metavar="FILE")
    args = parser.parse_args()
    try:
        if args.sheet:
            write_sheet(args.sheet, args.files)
        elif len(args.files) == 2 and Path(args.files[1]).suffix.lower() in (".ico", ".cur"):
            write_icon(Path(args.files[1]), *parse_map(args.files[0]))
        elif len(args.files) == 2 and Path(args.files[1]).suffix.lower() == ".png" and args.size:
            write_png(Path(args.files[1]), *parse_map(args.files[0]), args.size)
        elif len(args.files) == 2 and Path(args.files[1]).suffix.lower() == ".bmp":
            write_bitmap(Path(args.files[1]), *parse_map(args.files[0]), indexed=args.indexed)
        else:
            parser.error("give a map and an .ico, .cur or .bmp file to write, --size and a .png file, or --sheet and maps")
    except (MapError, OSError) as error:
        sys.exit(f"pixmap.py: {error}")


if __name__ == "__main__":
    main()
