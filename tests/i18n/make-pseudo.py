#!/usr/bin/env python3
"""Writes the made-up test language: every text of a layer's .ts file 40 % longer, its
letters accented and the whole in brackets ("Find If I am Born" becomes
"[Fïñd Ïf Ï åm Bôrñ ~~~~~~~]"), so that the fit check catches a translation that would
not fit before one ships. Arguments, markup, entities and mnemonics stay as they are.

    make-pseudo.py translations/ui_de.ts out/ui_xx.ts
"""
import math
import re
import sys
import xml.etree.ElementTree as ET

ACCENTS = str.maketrans("aeiouncyAEIOUNCY", "åéïôüñçýÅÉÏÔÜÑÇÝ")
MARKUP = re.compile(r"(<[^>]*>|&[A-Za-z#0-9]+;)")
ARGUMENT = re.compile(r"(%L?\d+|%n)")


def lengthen(text):
    """The text 40 % longer and accented; arguments (%1, %L2, %n), markup and
    entities kept, the mnemonic's "&" kept before its (accented) letter."""
    parts = MARKUP.split(text)
    shown = [i for i, part in enumerate(parts) if i % 2 == 0 and part.strip()]
    if not shown:
        return text
    visible = sum(len(ARGUMENT.sub("", parts[i])) for i in shown)
    for i in shown:
        parts[i] = "".join(piece if j % 2 else piece.translate(ACCENTS)
                           for j, piece in enumerate(ARGUMENT.split(parts[i])))
    first, last = shown[0], shown[-1]
    lead = len(parts[first]) - len(parts[first].lstrip())
    parts[first] = parts[first][:lead] + "[" + parts[first][lead:]
    trail = len(parts[last].rstrip())
    parts[last] = (parts[last][:trail] + " " + "~" * math.ceil(visible * 0.4) + "]" +
                   parts[last][trail:])
    return "".join(parts)


def main(source, target):
    tree = ET.parse(source)
    tree.getroot().set("language", "de_DE")  # two plural forms
    for message in tree.getroot().iter("message"):
        text = message.findtext("source") or ""
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        for child in list(translation):
            translation.remove(child)
        if message.get("numerus") == "yes":
            translation.text = None
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = lengthen(text)
        else:
            translation.text = lengthen(text)
    tree.write(target, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
