#!/usr/bin/env python3
"""Reads the main window's accessibility tree from outside the program, through AT-SPI, as a
desktop screen reader does. Run on a session bus under an X server:
    dbus-run-session -- xvfb-run -a python3 accessibility_tree.py <program>"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi


def find_application(name, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name.lower() == name:
                # The window is in the tree once the application has one.
                if app.childCount > 0:
                    return app
        time.sleep(0.2)
    return None


def walk(node, depth=0):
    yield node, depth
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def main():
    program = sys.argv[1]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        process = subprocess.Popen([program], cwd=folder, env=env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            app = find_application("vantor")
            if app is None:
                print("the program did not appear on the accessibility bus")
                return 1
            nodes = list(walk(app))
            roles = [(node.getRoleName(), node.name) for node, _ in nodes]

            bars = [node for node, _ in nodes if node.getRole() == pyatspi.ROLE_MENU_BAR]
            if len(bars) != 1:
                failures.append(f"{len(bars)} menu bars in the tree, not one")
            else:
                titles = [child.name for child in bars[0]
                          if child.getRole() != pyatspi.ROLE_SEPARATOR]
                if titles != ["File", "Options", "View commands", "Help"]:
                    failures.append(f"the menu bar reads {titles}")
                for title in bars[0]:
                    if title.name == "Help":
                        items = [node.name for node, _ in walk(title)]
                        if "About" not in items:
                            failures.append(f"About is not reachable under Help: {items}")

            unnamed_images = [name for role, name in roles if role in ("image", "icon") and
                              not name.strip()]
            if unnamed_images:
                failures.append(f"{len(unnamed_images)} unnamed images in the tree")
            for role in ("push button", "check box", "radio button"):
                blank = [name for r, name in roles if r == role and not name.strip()]
                if blank:
                    failures.append(f"{len(blank)} {role}s without a name")
            if ("label", "Hint") not in roles:
                failures.append("no label named Hint")
            if ("check box", "Inferior planet trail") not in roles:
                failures.append("the caption-less boxes are not named")
        finally:
            process.terminate()
            process.wait(10)
    for failure in failures:
        print(failure)
    if not failures:
        print(f"the tree of {len(roles)} nodes reads as it should")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
