#!/usr/bin/python3
"""The page's two faces: Debian's Liberation Sans (the face the desktop draws
in on Linux), cut down to the characters the page can show and packed as
WOFF2, with Debian's fonttools.

A cut-down font is a modified version of it. Its licence (GPL 2 with Red
Hat's font exception and terms) asks of a modified version that it carry a
notice of the change and its date, come with its source, and use neither
Red Hat's trademark nor, in its files' names, anything that refers to it:
so the faces are called Vexil Sans, say what was changed and when, and the
site ships the unchanged fonts, this recipe and the characters it kept
(cmake/package-Emscripten.cmake).

They come inside the page's style sheet, as data: URLs: loaded with it, at
no cost in size (brotli takes back what base64 adds), and also where the
page is opened as a file, from which a browser loads no font file.

Usage: fonts.py GLYPHS REGULAR.ttf BOLD.ttf CSS
  writes CSS, the @font-face rules of Vexil Sans, regular and bold"""

import base64
import io
import pathlib
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

FAMILY = "Vexil Sans"
# The date this recipe last changed what it makes.
CHANGED = "2026-12-09"
NOTICE = (f"Changed by the Vexil developers on {CHANGED}: cut down to the characters Vexil's page shows, "
          f"renamed {FAMILY}. The unchanged font and this change's recipe come with the page.")


def make(glyphs, source, style):
    """The face as WOFF2."""
    font = TTFont(source)
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = []  # drawn unshaped, as the desktop draws it
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6]
    options.notdef_outline = True
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=glyphs)
    subsetter.subset(font)
    names = font["name"]
    postscript = FAMILY.replace(" ", "") + "-" + style
    for record in list(names.names):
        value = {1: FAMILY, 3: f"{postscript};{CHANGED}", 4: f"{FAMILY} {style}", 6: postscript}.get(record.nameID)
        if value is not None:
            names.setName(value, record.nameID, record.platformID, record.platEncID, record.langID)
        elif record.nameID == 5:
            names.setName(f"{record.toUnicode()}; {NOTICE}", 5, record.platformID, record.platEncID, record.langID)
    names.setName(NOTICE, 10, 3, 1, 0x409)
    font.flavor = "woff2"
    out = io.BytesIO()
    font.save(out)
    return out.getvalue()


def main():
    glyphs_file, regular, bold, css = sys.argv[1:]
    glyphs = pathlib.Path(glyphs_file).read_text(encoding="utf-8")
    rules = [f"/* {FAMILY}: {NOTICE} */\n"]
    for source, style, weight in ((regular, "Regular", 400), (bold, "Bold", 700)):
        data = base64.b64encode(make(glyphs, source, style)).decode("ascii")
        rules.append(f'@font-face {{ font-family: "{FAMILY}"; font-weight: {weight}; font-display: block; '
                     f'src: url("data:font/woff2;base64,{data}") format("woff2"); }}\n')
    pathlib.Path(css).write_text("".join(rules), encoding="ascii")


if __name__ == "__main__":
    main()
