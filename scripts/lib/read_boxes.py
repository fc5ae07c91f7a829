#!/usr/bin/python3
"""Prints the texts of the named text boxes of a running program, as a screen reader reads
them over AT-SPI, one line, separated by blanks; "?" for a box not found. With a catalog, the
English names are first translated by it (a result frame's caption before a unit list item).

Usage: read_boxes.py [--catalog FILE.ts] PID NAME...
"""
import sys
import xml.etree.ElementTree as ElementTree

import pyatspi


def translated(catalog, names):
    found = {}
    for message in ElementTree.parse(catalog).getroot().iter("message"):
        source = (message.findtext("source") or "").strip()
        if source in names and (source not in found or message.findtext("comment") == "result frame"):
            found[source] = (message.findtext("translation") or "").strip()
    return [found.get(name, name) for name in names]


def texts(node, names, found):
    if node is None:
        return
    if node.name in names and node.name not in found and node.getRoleName() in ("text", "entry"):
        text = node.queryText()
        found[node.name] = text.getText(0, text.characterCount)
    for child in node:
        texts(child, names, found)


def main():
    arguments = sys.argv[1:]
    catalog = None
    if arguments[0] == "--catalog":
        catalog, arguments = arguments[1], arguments[2:]
    pid, names = int(arguments[0]), arguments[1:]
    if catalog:
        names = translated(catalog, names)
    found = {}
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.get_process_id() == pid:
            texts(application, names, found)
    print(" ".join(found.get(name, "?") for name in names))


if __name__ == "__main__":
    main()
