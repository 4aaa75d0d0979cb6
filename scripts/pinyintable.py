#!/usr/bin/env python3
"""Writes the pinyin candidate table of the on-screen keyboard.

The keyboard offers every character of the GB 2312 level-1 set (3,755
characters, the everyday Chinese set) under the Latin spelling of its reading.
The readings come from the Unicode Han database (Debian's unicode-data
package puts it in /usr/share/unicode): each character stands under its
preferred Mandarin reading (kMandarin), except a few whose everyday reading
in a kitchen is another of their listed readings (READING below). Within a
syllable the candidates are ordered by tone (first to fourth, then neutral),
then by stroke count, then by code point, so that the commoner simple
characters come first in the candidate bar.

Spelling of the keys: lowercase ASCII without tone marks; u with umlaut is
written v ("lv", "nv"), except before e, where it is plain u ("lue", "nue").

Run it once when the table has to change and commit the result:
    scripts/pinyintable.py kivlfb/ui/pinyintable.txt
"""
import bz2
import collections
import sys
import unicodedata

UNIHAN = "/usr/share/unicode/"

# Characters listed under another of their readings than kMandarin's.
READING = {
    "佛": "fó",
    "绰": "chāo",
    "貉": "hé",
    "琢": "zhuó",
    "俩": "liǎng",
    "谁": "shuí",
}

# Characters the candidate bar has always shown first in their row.
FIRST_IN_ROW = {"lv": "滤"}

TONE_MARKS = {"\u0304": 1, "\u0301": 2, "\u030c": 3, "\u0300": 4}


def unihan(file_name, field):
    values = {}
    with bz2.open(UNIHAN + file_name, "rt", encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            code, name, value = line.rstrip("\n").split("\t", 2)
            if name == field:
                values[chr(int(code[2:], 16))] = value
    return values


def key_and_tone(reading):
    """("lüè") -> ("lue", 4); ("lǜ") -> ("lv", 4); ("ma") -> ("ma", 5)."""
    tone = 5
    letters = ""
    for ch in unicodedata.normalize("NFD", reading):
        if ch in TONE_MARKS:
            tone = TONE_MARKS[ch]
        elif ch == "\u0308":
            letters += ":"
        else:
            letters += ch
    letters = letters.replace("u:e", "ue").replace("u:", "v")
    if not letters.isascii() or not letters.isalpha():
        raise ValueError("unexpected reading " + reading)
    return letters, tone


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    gb2312 = unihan("Unihan_OtherMappings.txt.bz2", "kGB0")
    mandarin = unihan("Unihan_Readings.txt.bz2", "kMandarin")
    strokes = unihan("Unihan_IRGSources.txt.bz2", "kTotalStrokes")
    # Rows 16 to 55 of GB 2312 are level 1.
    level1 = [ch for ch, code in gb2312.items() if 1601 <= int(code) <= 5589]

    rows = collections.defaultdict(list)
    for ch in level1:
        reading = READING.get(ch, mandarin[ch].split()[0])
        key, tone = key_and_tone(reading)
        rows[key].append((tone, int(strokes[ch].split()[0]), ord(ch)))

    lines = []
    for key in sorted(rows):
        row = "".join(chr(cp) for _, _, cp in sorted(rows[key]))
        first = FIRST_IN_ROW.get(key, "")
        row = first + row.replace(first, "") if first else row
        lines.append(key + " " + row)

    with open(sys.argv[1], "w", encoding="utf-8") as out:
        out.write("# Pinyin candidates of the on-screen keyboard: one syllable a line, its\n")
        out.write("# characters in the order of the candidate bar. Written by\n")
        out.write("# scripts/pinyintable.py; do not edit by hand.\n")
        out.write("\n".join(lines) + "\n")
    print("%d syllables, %d characters" % (len(lines), len(level1)))


if __name__ == "__main__":
    main()
