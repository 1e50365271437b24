#!/usr/bin/python3
"""Cuts a font down to the characters the page can show (Latin letters with their accents, for
the captions, the messages and month names of the Latin-script languages) and gives it the
page's own family name: the licence of the fonts it is made from reserves their names for the
unchanged fonts.
  subsetfont.py INPUT.ttf OUTPUT.ttf FAMILY"""
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

# Basic Latin, Latin-1, Latin Extended-A, and the punctuation the texts use (dashes, quotes,
# bullet, ellipsis, euro, trade mark).
CHARACTERS = ([*range(0x20, 0x7F), *range(0xA0, 0x180)] +
              [0x2013, 0x2014, *range(0x2018, 0x201F), 0x2022, 0x2026, 0x20AC, 0x2122])


def main():
    source, target, family = sys.argv[1:4]
    font = TTFont(source)
    options = subset.Options()
    options.layout_features = ["kern", "liga"]
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 13, 14]
    options.notdef_outline = True
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=CHARACTERS)
    subsetter.subset(font)

    names = font["name"]
    style = names.getDebugName(2) or "Regular"
    renamed = {1: family, 3: f"{family} {style}; subset", 4: f"{family} {style}",
               6: f"{family.replace(' ', '')}-{style}"}
    for record in names.names:
        if record.nameID in renamed:
            record.string = renamed[record.nameID]
    font.save(target)


if __name__ == "__main__":
    main()
