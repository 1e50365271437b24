#!/usr/bin/env python3
"""Puts the browser page together: one HTML file holding its style, the WebAssembly module and its
script, the page binding, the pictures, the font with its licence, and the shipped star catalogue."""
import argparse
import base64
import json
import os
import sys


def read(path, mode="r"):
    with open(path, mode, **({} if "b" in mode else {"encoding": "utf-8"})) as f:
        return f.read()


def inline_script(text, path):
    # Text inside a script element ends at the first "</script"; none of ours may hold one.
    if "</script" in text.lower():
        sys.exit(f"makepage: {path} holds '</script' and cannot be put inside the page")
    return text


# The browser reads a page of ASCII alone several times faster than one with a single other
# character, so the scripts' other characters are written as JavaScript escapes (\u2026) and
# the page's text as character references.
def ascii_script(text):
    return text.encode("ascii", "backslashreplace").decode("ascii")


def ascii_html(text):
    return text.encode("ascii", "xmlcharrefreplace").decode("ascii")


def main():
    parser = argparse.ArgumentParser()
    for name in ("template", "style", "first", "start", "binding", "module", "wasm", "catalogue", "fonts", "notice", "output"):
        parser.add_argument("--" + name, required=True)
    parser.add_argument("pictures", nargs="+")
    args = parser.parse_args()

    pictures = {os.path.basename(p): base64.b64encode(read(p, "rb")).decode("ascii")
                for p in args.pictures}
    # An HTML comment cannot hold "--".
    notice = ascii_html(read(args.notice).replace("--", "- -"))
    parts = {
        "@ICON@": "data:image/png;base64," + pictures["icon64.png"],
        "@FONT_NOTICE@": notice,
        "@FONT_REGULAR@": base64.b64encode(
            read(os.path.join(args.fonts, "VantorSans-Regular.woff2"), "rb")).decode("ascii"),
        "@FONT_BOLD@": base64.b64encode(
            read(os.path.join(args.fonts, "VantorSans-Bold.woff2"), "rb")).decode("ascii"),
        "@STYLE@": read(args.style),
        "@PICTURES@": inline_script(json.dumps(pictures), "pictures"),
        "@CATALOGUE@": inline_script(read(args.catalogue), args.catalogue),
        "@WASM@": base64.b64encode(read(args.wasm, "rb")).decode("ascii"),
        "@FIRST@": inline_script(ascii_script(read(args.first)), args.first),
        "@START@": inline_script(ascii_script(read(args.start)), args.start),
        "@MODULE@": inline_script(ascii_script(read(args.module)), args.module),
        "@BINDING@": inline_script(ascii_script(read(args.binding)), args.binding),
    }
    page = ascii_html(read(args.template))
    for key, value in parts.items():
        if key not in page:
            sys.exit(f"makepage: the template has no {key}")
        page = page.replace(key, value, 1)
    with open(args.output + ".part", "w", encoding="utf-8") as f:
        f.write(page)
    os.replace(args.output + ".part", args.output)


if __name__ == "__main__":
    main()
