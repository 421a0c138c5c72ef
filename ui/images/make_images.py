#!/usr/bin/env python3
"""Draw the Ostrand Chess pictures into the folder holding this script.

Run:  python3 make_images.py          rewrite every PNG, then check them
      python3 make_images.py --check  only check the PNGs already there

Every piece is a 23 x 23 pixel map drawn below as text, one function per
piece.  The same map gives three pictures:

    <X>M.png  mask:  silhouette black 000000, outside white FFFFFF
    <X>W.png  white piece: white body, black outline, outside grey 808080
    <X>B.png  black piece: black body, white details, outside grey 808080

with X = P pawn, K knight, B bishop, R rook, Q queen, KK king.  The program
paints a piece on a square by AND-ing the mask and then OR-ing the picture,
so the picture must be exactly grey 808080 wherever the mask is white.
For the larger squares of a zoomed window the program draws each piece at
that size itself (ui/PieceArt.cpp), from these three pictures: the body, the
inner lines, the shading and the glints become smooth shapes, and the outline
is drawn anew one or two pixels wide, under the same two rules.

Characters in the maps:
    .  outside the piece
    o  body (white on the white piece, black on the black piece)
    +  inner line or dot (black on the white piece, white on the black piece)
    s  shaded body (light grey on the white piece, black on the black piece)
    h  highlight (white on both pieces: a glint on the black piece)
The outline is not drawn by hand: every body pixel that touches the outside
(left, right, above or below) becomes black on both pieces.

The logo (103 x 129) and the window icon (32 x 32) draw a knight head from one
polygon; the logo words use the free DejaVu Serif font.

The desktop icons in desktop/ (16, 32, 48, 64, 128 and 256 pixels, and a
scalable SVG) draw the same knight on a blue tile with rounded corners.  Each
size is drawn for itself, eight times larger and then averaged down, with
lines never thinner than a pixel and the small details left out where they
would only blur, so every size is sharp rather than a scaled copy of another.
"""

import os
import sys
from xml.etree import ElementTree

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))

SIZE = 23
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
GREY = (128, 128, 128)
LIGHT = (192, 192, 192)
BLUE = (0, 0, 192)

# The common foot: rows 17 to 22 of every piece, so that all pieces line up.
BASE = [
    ".....+++++++++++++.....",  # 17
    ".....ooooooooooooo.....",  # 18
    "...+++++++++++++++++...",  # 19
    "...ooooooooooooooooo...",  # 20
    "...ooooooooooooooooo...",  # 21
    ".......................",  # 22
]


def pawn():
    return [
        ".......................",  # 0
        ".......................",  # 1
        ".......................",  # 2
        ".........ooooo.........",  # 3
        "........oohoooo........",  # 4
        ".......oohoooooo.......",  # 5
        ".......oohoooooo.......",  # 6
        ".......ooooooooo.......",  # 7
        ".......ooooooooo.......",  # 8
        "........ooooooo........",  # 9
        ".........ooooo.........",  # 10
        ".......+++++++++.......",  # 11
        ".......ooooooooo.......",  # 12
        "........+++++++........",  # 13
        ".........ooooo.........",  # 14
        "........ooooooo........",  # 15
        ".......ooooooooo.......",  # 16
    ] + BASE


def knight():
    return [
        ".......................",  # 0
        ".......................",  # 1
        "..........o.o..........",  # 2
        ".........ooooo.........",  # 3
        "........oooooooo.......",  # 4
        ".......oooooo+ooo......",  # 5
        "......oo+oooo+ooo......",  # 6
        ".....ooooooooo+ooo.....",  # 7
        "....ooooooooo++ooo.....",  # 8
        "...ooooooooooo+ooo.....",  # 9
        "..ooooooooooooo+oo.....",  # 10
        "..o+ooooooooo++ooo.....",  # 11
        "...ooooooooooo+ooo.....",  # 12
        "........ooooooo+oo.....",  # 13
        "........oooooo++oo.....",  # 14
        ".......ooooooo+ooo.....",  # 15
        "......ooooooooo+oo.....",  # 16
    ] + BASE


def bishop():
    return [
        ".......................",  # 0
        "...........o...........",  # 1
        "..........ooo..........",  # 2
        "...........o...........",  # 3
        "..........ooo..........",  # 4
        ".........ooooo.........",  # 5
        "........oooo+oo........",  # 6
        ".......oooo+oooo.......",  # 7
        ".......ooo+ooooo.......",  # 8
        ".......ooooooooo.......",  # 9
        "........ooooooo........",  # 10
        ".........ooooo.........",  # 11
        "........+++++++........",  # 12
        "........ooooooo........",  # 13
        ".........+++++.........",  # 14
        ".........ooooo.........",  # 15
        "........ooooooo........",  # 16
    ] + BASE


def rook():
    return [
        ".......................",  # 0
        ".......................",  # 1
        ".......................",  # 2
        "....oooo..ooo..oooo....",  # 3
        "....oooo..ooo..oooo....",  # 4
        "....oooo..ooo..oooo....",  # 5
        "....+++++++++++++++....",  # 6
        "....ooooooooooooooo....",  # 7
        ".....+++++++++++++.....",  # 8
        "......ooooooooooo......",  # 9
        "......oohoooooooo......",  # 10
        "......oohoooooooo......",  # 11
        "......oohoooooooo......",  # 12
        "......oohoooooooo......",  # 13
        "......ooooooooooo......",  # 14
        ".....+++++++++++++.....",  # 15
        ".....ooooooooooooo.....",  # 16
    ] + BASE


def queen():
    return [
        ".......................",  # 0
        "...o...o...o...o...o...",  # 1
        "..ooo.ooo.ooo.ooo.ooo..",  # 2
        "...o...o...o...o...o...",  # 3
        "...o...o...o...o...o...",  # 4
        "...oo.ooo.ooo.ooo.oo...",  # 5
        "....ooooooooooooooo....",  # 6
        "....ooooooooooooooo....",  # 7
        ".....+++++++++++++.....",  # 8
        "......ooooooooooo......",  # 9
        ".......ooooooooo.......",  # 10
        "........ooooooo........",  # 11
        ".......+++++++++.......",  # 12
        ".......ooooooooo.......",  # 13
        "........ooooooo........",  # 14
        ".......ooooooooo.......",  # 15
        "......ooooooooooo......",  # 16
    ] + BASE


def king():
    return [
        ".......................",  # 0
        "...........o...........",  # 1
        ".........ooooo.........",  # 2
        "...........o...........",  # 3
        "..........ooo..........",  # 4
        "......ooooo+ooooo......",  # 5
        "....ooo+ooo+ooo+ooo....",  # 6
        "...oooo+ooo+ooo+oooo...",  # 7
        "...oooo+ooo+ooo+oooo...",  # 8
        "....+++++++++++++++....",  # 9
        ".....ooooooooooooo.....",  # 10
        "......ooooooooooo......",  # 11
        ".......ooooooooo.......",  # 12
        "........ooooooo........",  # 13
        ".......+++++++++.......",  # 14
        "........ooooooo........",  # 15
        ".......ooooooooo.......",  # 16
    ] + BASE


PIECES = {"P": pawn, "K": knight, "B": bishop, "R": rook, "Q": queen, "KK": king}


def outline(rows):
    """Body pixels touching the outside (4-neighbourhood) or the border."""
    edge = set()
    for y in range(SIZE):
        for x in range(SIZE):
            if rows[y][x] == ".":
                continue
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                nx, ny = x + dx, y + dy
                if not (0 <= nx < SIZE and 0 <= ny < SIZE) or rows[ny][nx] == ".":
                    edge.add((x, y))
                    break
    return edge


# Colour of each map character on the white and the black piece.
COLOURS = {
    "white": {"o": WHITE, "+": BLACK, "s": LIGHT, "h": WHITE},
    "black": {"o": BLACK, "+": WHITE, "s": BLACK, "h": WHITE},
}


def render(rows, kind):
    """kind is 'mask', 'white' or 'black'."""
    img = Image.new("RGB", (SIZE, SIZE), WHITE if kind == "mask" else GREY)
    edge = outline(rows)
    px = img.load()
    for y in range(SIZE):
        for x in range(SIZE):
            c = rows[y][x]
            if c == ".":
                continue
            if kind == "mask" or (x, y) in edge:
                px[x, y] = BLACK
            else:
                px[x, y] = COLOURS[kind][c]
    return img


def check_map(name, rows):
    assert len(rows) == SIZE, f"{name}: {len(rows)} rows"
    for i, r in enumerate(rows):
        assert len(r) == SIZE, f"{name}: row {i} has {len(r)} columns"
        assert set(r) <= set(".o+sh"), f"{name}: row {i} has a stray character"
    if name != "K":  # all but the knight are symmetric
        for i, r in enumerate(rows):
            mirrored = r[::-1]
            assert [c == "." for c in r] == [c == "." for c in mirrored], f"{name}: row {i} is lopsided"


# ---------------------------------------------------------------- logo, icon

# Knight head facing left, on a 0..100 square (x right, y down); reused by the
# logo and the icon.
KNIGHT_OUTLINE = [
    (52, 2), (58, 12), (66, 13), (80, 24), (90, 42), (95, 62), (96, 82),
    (96, 100), (28, 100), (30, 88), (38, 74), (48, 62), (50, 54), (40, 56),
    (24, 62), (14, 64), (6, 58), (4, 50), (12, 40), (30, 24), (40, 14),
    (44, 4), (48, 12),
]
KNIGHT_EYE = (42, 30, 5)          # centre x, centre y, radius
KNIGHT_NOSTRIL = (12, 52, 3)
KNIGHT_MANE = [(62, 18), (76, 30), (84, 46), (88, 64), (89, 84), (89, 96)]


def scaled(points, x0, y0, scale):
    return [(x0 + x * scale, y0 + y * scale) for x, y in points]


def draw_knight(draw, x0, y0, scale, body, line, width):
    draw.polygon(scaled(KNIGHT_OUTLINE, x0, y0, scale), fill=body, outline=line)
    pts = scaled(KNIGHT_OUTLINE + KNIGHT_OUTLINE[:1], x0, y0, scale)
    draw.line(pts, fill=line, width=width, joint="curve")
    for cx, cy, r in (KNIGHT_EYE, KNIGHT_NOSTRIL):
        cx, cy, r = x0 + cx * scale, y0 + cy * scale, r * scale
        draw.ellipse((cx - r, cy - r, cx + r, cy + r), fill=line)
    draw.line(scaled(KNIGHT_MANE, x0, y0, scale), fill=line, width=width, joint="curve")


def font(size):
    for name in ("DejaVuSerif-Bold.ttf", "DejaVuSans-Bold.ttf"):
        path = os.path.join("/usr/share/fonts/truetype/dejavu", name)
        if os.path.exists(path):
            return ImageFont.truetype(path, size)
    return ImageFont.load_default()


def logo():
    """103 x 129: the name over a knight standing on a small board."""
    k = 4  # drawn 4 times larger, then shrunk smoothly
    w, h = 103 * k, 129 * k
    img = Image.new("RGB", (w, h), WHITE)
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, w - 1, h - 1), outline=BLUE, width=3 * k)
    # board: 6 x 2 squares in perspective-free rows
    sq = 12 * k
    bx, by = (w - 6 * sq) // 2, 84 * k
    for r in range(2):
        for c in range(6):
            colour = BLUE if (r + c) % 2 else WHITE
            d.rectangle((bx + c * sq, by + r * sq, bx + (c + 1) * sq - 1, by + (r + 1) * sq - 1), fill=colour)
    d.rectangle((bx, by, bx + 6 * sq - 1, by + 2 * sq - 1), outline=BLUE, width=k)
    draw_knight(d, 22 * k, 25 * k, 0.6 * k, WHITE, BLACK, 2 * k)
    f = font(18 * k)
    for text, y in (("Ostrand", 6 * k), ("Chess", 108 * k)):
        box = d.textbbox((0, 0), text, font=f)
        d.text(((w - (box[2] - box[0])) // 2 - box[0], y - box[1]), text, font=f, fill=BLUE)
    return img.resize((103, 129), Image.LANCZOS)


def icon():
    """32 x 32: a white knight head on a blue square, few colours."""
    k = 8
    w = 32 * k
    img = Image.new("RGB", (w, w), WHITE)
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, w - 1, w - 1), fill=BLUE)
    draw_knight(d, 3 * k, 2 * k, 0.27 * k, WHITE, BLACK, int(1.2 * k))
    small = img.resize((32, 32), Image.LANCZOS)
    return small.quantize(colors=16, method=Image.MEDIANCUT, dither=Image.NONE).convert("RGB")


# ---------------------------------------------------------------- desktop icons

ICON_SIZES = (16, 32, 48, 64, 128, 256)
DESKTOP = os.path.join(HERE, "desktop")


def icon_layout(size):
    """The icon's shapes on a size x size canvas: the tile box and corner radius, the
    knight's origin and scale, the line width, and whether the small details show."""
    margin = size // 32  # the tile fills small icons to the edge
    tile = (margin, margin, size - margin, size - margin)
    inner = size - 2 * margin
    scale = inner * 0.0074  # the knight (100 units high) fills three quarters of the tile
    x0 = margin + (inner - 100 * scale) / 2 + 1.5 * scale
    y0 = margin + inner - 100 * scale - inner * 0.08
    line = max(1.0, size / 22)
    return tile, inner * 0.2, x0, y0, scale, line, size >= 32


def desktop_icon(size):
    k = 8
    tile, radius, x0, y0, scale, line, details = icon_layout(size)
    img = Image.new("RGBA", (size * k, size * k), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.rounded_rectangle([v * k for v in tile], radius=radius * k, fill=BLUE + (255,))
    knight = scaled(KNIGHT_OUTLINE, x0 * k, y0 * k, scale * k)
    d.polygon(knight, fill=WHITE + (255,))
    d.line(knight + knight[:1], fill=BLACK + (255,), width=round(line * k), joint="curve")
    # The eye stays a visible dot at every size.
    cx, cy, r = KNIGHT_EYE
    r = max(r * scale, 0.75 * line)
    cx, cy = x0 + cx * scale, y0 + cy * scale
    d.ellipse([v * k for v in (cx - r, cy - r, cx + r, cy + r)], fill=BLACK + (255,))
    if details:
        cx, cy, r = KNIGHT_NOSTRIL
        cx, cy, r = x0 + cx * scale, y0 + cy * scale, r * scale
        d.ellipse([v * k for v in (cx - r, cy - r, cx + r, cy + r)], fill=BLACK + (255,))
        d.line(scaled(KNIGHT_MANE, x0 * k, y0 * k, scale * k), fill=BLACK + (255,),
               width=round(line * k), joint="curve")
    # Averaging the 8 x 8 blocks gives exact edge coverage, without the halo of a
    # sharpening filter.
    return img.resize((size, size), Image.BOX)


def desktop_svg():
    """The 256-pixel design as an SVG, for scalable/ and any size not drawn above."""
    size = 256
    tile, radius, x0, y0, scale, line, _ = icon_layout(size)

    def points(pts):
        return " ".join(f"{x:.2f},{y:.2f}" for x, y in scaled(pts, x0, y0, scale))

    def circle(disc):
        cx, cy, r = disc
        return (f'<circle cx="{x0 + cx * scale:.2f}" cy="{y0 + cy * scale:.2f}" '
                f'r="{r * scale:.2f}" fill="#000000"/>')

    stroke = f'stroke="#000000" stroke-width="{line:.2f}" stroke-linejoin="round"'
    return "\n".join([
        '<?xml version="1.0" encoding="UTF-8"?>',
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" '
        f'viewBox="0 0 {size} {size}">',
        f'  <rect x="{tile[0]}" y="{tile[1]}" width="{tile[2] - tile[0]}" '
        f'height="{tile[3] - tile[1]}" rx="{radius:.2f}" fill="#0000c0"/>',
        f'  <polygon points="{points(KNIGHT_OUTLINE)}" fill="#ffffff" {stroke}/>',
        f'  <polyline points="{points(KNIGHT_MANE)}" fill="none" {stroke} '
        'stroke-linecap="round"/>',
        "  " + circle(KNIGHT_EYE),
        "  " + circle(KNIGHT_NOSTRIL),
        "</svg>",
        "",
    ])


# ---------------------------------------------------------------- main

KINDS = {"M": "mask", "W": "white", "B": "black"}


def write_all():
    for name, fn in PIECES.items():
        rows = fn()
        check_map(name, rows)
        for suffix, kind in KINDS.items():
            render(rows, kind).save(os.path.join(HERE, f"{name}{suffix}.png"))
    logo().save(os.path.join(HERE, "logo.png"))
    icon().save(os.path.join(HERE, "icon.png"))
    os.makedirs(DESKTOP, exist_ok=True)
    for size in ICON_SIZES:
        desktop_icon(size).save(os.path.join(DESKTOP, f"{size}.png"))
    with open(os.path.join(DESKTOP, "scalable.svg"), "w", encoding="utf-8") as svg:
        svg.write(desktop_svg())


def load(name, size):
    img = Image.open(os.path.join(HERE, name))
    assert img.mode == "RGB", f"{name}: mode {img.mode}, not 8-bit RGB"
    assert img.size == size, f"{name}: size {img.size}"
    return img


def paint(square, mask, pic):
    """What the program shows: (square AND mask) OR picture, per channel."""
    return tuple((s & m) | p for s, m, p in zip(square, mask, pic))


def check():
    """Check the files on disk: sizes, colours and the AND/OR rules."""
    for name in PIECES:
        mask = load(f"{name}M.png", (SIZE, SIZE)).load()
        for suffix in ("W", "B"):
            pic = load(f"{name}{suffix}.png", (SIZE, SIZE)).load()
            inked = 0
            for y in range(SIZE):
                for x in range(SIZE):
                    m, p = mask[x, y], pic[x, y]
                    where = f"{name}{suffix}.png at ({x},{y})"
                    assert m in (WHITE, BLACK), f"{name}M.png at ({x},{y}): {m}"
                    if m == WHITE:  # (a) the square must show through
                        assert p == GREY, f"{where}: outside the mask but not 808080"
                        for square in (GREY, WHITE):
                            assert paint(square, m, p) == square, where
                    else:  # (b) the piece shows exactly as drawn
                        assert p in (BLACK, WHITE, LIGHT), f"{where}: colour {p}"
                        for square in (GREY, WHITE):
                            assert paint(square, m, p) == p, where
                        assert 0 < x < SIZE - 1 and 0 < y < SIZE - 1, f"{where}: no margin"
                        inked += 1
            assert inked > 40, f"{name}{suffix}.png: nearly empty"
        # (c) holds by construction: one map gives the mask and both pictures.
    load("logo.png", (103, 129))
    load("icon.png", (32, 32))
    for size in ICON_SIZES:
        img = Image.open(os.path.join(DESKTOP, f"{size}.png"))
        where = f"desktop/{size}.png"
        assert img.mode == "RGBA" and img.size == (size, size), f"{where}: {img.mode} {img.size}"
        # The tile is opaque blue at its edge's middle; the knight sits on it.
        alpha = img.getchannel("A")
        assert alpha.getpixel((size // 2, size - 1 - size // 32)) == 255, f"{where}: no tile"
        assert WHITE in [px[:3] for px in img.getdata()], f"{where}: no knight"
        if size >= 32:  # rounded corners, and a margin round the tile
            assert alpha.getpixel((0, 0)) == 0, f"{where}: square corner"
    ElementTree.parse(os.path.join(DESKTOP, "scalable.svg"))
    print("all pictures pass the checks")


if __name__ == "__main__":
    if "--check" not in sys.argv[1:]:
        write_all()
    check()
