#!/usr/bin/python3
"""Prints the texts of the named text boxes of a running program, as a screen reader reads
them over AT-SPI, one line, separated by blanks; "?" for a box not found.

Usage: read_boxes.py PID NAME...
"""
import sys

import pyatspi


def texts(node, names, found):
    if node is None:
        return
    if node.name in names and node.name not in found and node.getRoleName() in ("text", "entry"):
        text = node.queryText()
        found[node.name] = text.getText(0, text.characterCount)
    for child in node:
        texts(child, names, found)


def main():
    pid, names = int(sys.argv[1]), sys.argv[2:]
    found = {}
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.get_process_id() == pid:
            texts(application, names, found)
    print(" ".join(found.get(name, "?") for name in names))


if __name__ == "__main__":
    main()
