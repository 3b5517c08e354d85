#!/usr/bin/env python3
"""Carries finished translations from one copy of a .ts file into another.

After a rebase or merge that conflicts in resources/translations/*.ts, take the
other side's file, run the `lupdate` target, then carry your own translations
over from your side's copy:

    git show MY_BRANCH:resources/translations/qt_de.ts > /tmp/mine.ts
    scripts/ts-carry.py /tmp/mine.ts resources/translations/qt_de.ts

A message is matched by context, source text and disambiguation comment. Only
messages that are unfinished or empty in the target are filled; the target's
own finished translations are never overwritten. Prints how many were carried.
Run the `lupdate` target once more afterwards: it writes the file back in its own
layout, so the diff shows only the translations.
"""
import sys
import xml.etree.ElementTree as ET


def messages(root):
    for context in root.iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            key = (name, message.findtext("source", ""), message.findtext("comment", ""))
            yield key, message


def finished(message):
    t = message.find("translation")
    if t is None or t.get("type") in ("unfinished", "obsolete", "vanished"):
        return False
    return bool((t.text or "").strip()) or len(t) > 0


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    source_tree, target_tree = ET.parse(argv[1]), ET.parse(argv[2])
    donors = {key: m for key, m in messages(source_tree.getroot()) if finished(m)}
    carried = 0
    for key, message in messages(target_tree.getroot()):
        if finished(message) or key not in donors:
            continue
        old = message.find("translation")
        if old is not None:
            message.remove(old)
        message.append(donors[key].find("translation"))
        carried += 1
    with open(argv[2], "wb") as out:
        out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        target_tree.write(out, encoding="utf-8", xml_declaration=False)
        out.write(b"\n")
    print(f"{argv[2]}: {carried} translation(s) carried")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
