#!/usr/bin/env python3
"""Write the sample machine's definition tables Set01.e ... Set07.e and pack them into VOKG_SET.e.

    python3 tools/make_definitions.py              -> data/definitions/
    python3 tools/make_definitions.py --japanese   -> tests/data/definitions_ja/
                                                      (special and manufacturer modes under their Japanese names)

The tables are TAB-separated code page 932 text, CR LF line ends, no header and no blank
line: the program treats every line as a record. Before anything is written the whole
package is checked (formats, names, bounds, byte map); any violation stops the script with
a message and writes nothing. Packing needs the `lha` command (jlha-utils); the archive is
committed, so a build never needs it.
"""

import argparse
import calendar
import os
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import definitions_source as src  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TABLE_SIZE = 8192
ENCODING = "cp932"
# Fixed archive member time (UTC), so that regenerating gives the same bytes.
MEMBER_TIME = (2024, 4, 1, 9, 0, 0)

# Table bytes that belong to fixed fields, never to a definition.
RESERVED = [
    (0, 20, "table header (model name, data version)"),
    (4031, 20, "author"),
    (4051, 16, "password"),
    (4096, 2768, "feed table"),
]

INPUT_GROUP_TEXTS = ["Standard input", "TE BOARD input", "I/O BOARD No.1 input",
                     "I/O BOARD No.2 input", "I/O BOARD No.3 input"]
OUTPUT_GROUP_TEXTS = ["Standard output", "TE BOARD output", "I/O BOARD No.1 output",
                      "I/O BOARD No.2 output", "I/O BOARD No.3 output"]


class DefinitionError(Exception):
    pass


def fail(text):
    raise DefinitionError(text)


def mode_names(japanese):
    """Mode names in display order, with the two locked modes named for the chosen package."""
    special = src.SPECIAL_JA if japanese else src.SPECIAL_EN
    manufacturer = src.MANUFACTURER_JA if japanese else src.MANUFACTURER_EN
    rename = {src.SPECIAL_EN: special, src.MANUFACTURER_EN: manufacturer}
    return [rename.get(name, name) for name, _, _, _ in src.MODES]


def layout(japanese=False):
    """[(mode name, Digital, address)] in definition order; addresses assigned block by block."""
    result = []
    for (_, base, length, digitals), mode in zip(src.MODES, mode_names(japanese)):
        cursor = base
        for d in digitals:
            if d.addr is not None:
                address = d.addr
            else:
                if d.size == 2 and cursor % 2:
                    cursor += 1  # words on even offsets; the skipped byte stays unnamed
                address = cursor
            if address < base or address + d.size > base + length:
                fail("%s/%s: address %d..%d leaves the mode's block %d..%d"
                     % (mode, d.name, address, address + d.size - 1, base, base + length - 1))
            cursor = max(cursor, address + d.size)
            result.append((mode, d, address))
    return result


def address_text(d, address):
    return "&H%04X" % address if d.hex_addr else str(address)


def bound_text(value):
    return "" if value is None else str(value)


def lenient_number(text):
    """The program's numeric reading of a field: &H hex, else the leading decimal number, else None."""
    text = text.strip()
    m = re.match(r"&H([0-9A-Fa-f]+)", text)
    if m:
        return int(m.group(1), 16)
    m = re.match(r"[+-]?\d+(\.\d*)?", text)
    return round(float(m.group(0))) if m else None


def build_tables(japanese):
    """{file name: list of records (lists of field texts)}."""
    modes = mode_names(japanese)
    set01 = [[m] for m in modes]
    set02, set03 = [], []
    for mode, d, address in layout(japanese):
        set02.append([mode, d.name, d.kind, d.unit, bound_text(d.low), bound_text(d.high),
                      d.advice, d.detail, address_text(d, address), str(d.size)])
        for text, value in d.selections:
            set03.append([mode, d.name, text, str(value)])
    set04 = [[name, text, group, str(f), str(lg), str(op)]
             for name, text, group, f, lg, op in src.input_signals()]
    set05 = [[str(x) for x in row] for row in src.output_signals()]
    set06 = [[n, str(v), a] for n, v, a in src.INPUT_FUNCTIONS]
    set07 = [[n, str(v), a] for n, v, a in src.OUTPUT_FUNCTIONS]
    return {"Set01.e": set01, "Set02.e": set02, "Set03.e": set03, "Set04.e": set04,
            "Set05.e": set05, "Set06.e": set06, "Set07.e": set07}


# ---------------------------------------------------------------- checks

class ByteMap:
    """Which definition owns each byte of a table; a second owner is an overlap."""

    def __init__(self):
        self.owner = [None] * TABLE_SIZE

    def claim(self, start, length, who):
        if start < 0 or start + length > TABLE_SIZE:
            fail("%s: bytes %d..%d lie outside the %d-byte table" % (who, start, start + length - 1, TABLE_SIZE))
        for i in range(start, start + length):
            if self.owner[i] is not None:
                fail("%s overlaps %s at table offset %d (&H%X)" % (who, self.owner[i], i, i))
            self.owner[i] = who

    def ranges(self, kinds):
        """Merged [start, end] ranges of the bytes whose owner text starts with one of kinds."""
        out = []
        for i, who in enumerate(self.owner):
            if who is not None and who.startswith(kinds):
                if out and out[-1][1] == i - 1:
                    out[-1][1] = i
                else:
                    out.append([i, i])
        return out


def check_fields(tables):
    expected = {"Set01.e": 1, "Set02.e": 10, "Set03.e": 4, "Set04.e": 6, "Set05.e": 11, "Set06.e": 3, "Set07.e": 3}
    for name, records in tables.items():
        if not records:
            fail("%s has no records" % name)
        for n, rec in enumerate(records, 1):
            if len(rec) != expected[name]:
                fail("%s line %d: %d fields, %d expected" % (name, n, len(rec), expected[name]))
            for f in rec:
                if any(c in f for c in "\t\r\n"):
                    fail("%s line %d: field %r holds a TAB or line break" % (name, n, f))
                try:
                    f.encode(ENCODING)
                except UnicodeEncodeError:
                    fail("%s line %d: %r cannot be written in code page 932" % (name, n, f))
            if not rec[0].strip():
                fail("%s line %d: empty first field" % (name, n))


def check_modes_and_digitals(tables, japanese, byte_map):
    modes = [r[0] for r in tables["Set01.e"]]
    if len(set(modes)) != len(modes):
        fail("Set01.e: duplicate mode name")
    if len(modes) < 8:
        fail("Set01.e: %d modes, at least 8 wanted" % len(modes))
    special = src.SPECIAL_JA if japanese else src.SPECIAL_EN
    manufacturer = src.MANUFACTURER_JA if japanese else src.MANUFACTURER_EN
    for wanted in (special, manufacturer):
        if modes.count(wanted) != 1:
            fail("Set01.e: mode %r must appear exactly once" % wanted)

    entries = layout(japanese)
    if len(entries) < 150:
        fail("Set02.e: %d digitals, at least 150 wanted" % len(entries))
    by_name = {}
    for mode, d, _ in entries:
        if d.name in by_name:
            fail("digital name %r used twice (names are kept unique over all modes)" % d.name)
        by_name[d.name] = d

    name_min = name_max = 0
    for mode, d, address in entries:
        who = "digital %s/%s" % (mode, d.name)
        if d.kind not in ("NUM", "SEL"):
            fail("%s: input type %r" % (who, d.kind))
        if d.size not in (1, 2):
            fail("%s: size %d" % (who, d.size))
        limit = 255 if d.size == 1 else 32767  # a 2-byte save refuses values above 32767
        byte_map.claim(address, d.size, who)
        if d.kind == "SEL":
            if d.low is not None or d.high is not None:
                fail("%s: a SEL digital takes no bounds" % who)
            texts = [t for t, _ in d.selections]
            if len(texts) < 2 or len(set(texts)) != len(texts):
                fail("%s: selections must be at least two distinct texts" % who)
            values = [v for _, v in d.selections]
            if len(set(values)) != len(values):
                fail("%s: two selections share a value" % who)
            if any(v < 0 or v > limit for v in values):
                fail("%s: a selection value does not fit %d byte(s)" % (who, d.size))
            if ("OF" in texts or "ON" in texts) and d.selections != [("OF", 0), ("ON", 1)]:
                fail("%s: an ON/OFF digital must offer exactly OF=0 then ON=1" % who)
            if d.default not in values:
                fail("%s: default %d is none of its selection values" % (who, d.default))
            continue
        if d.selections:
            fail("%s: a NUM digital has no selections" % who)
        numeric = []
        for side, bound in (("min", d.low), ("max", d.high)):
            if bound is None:
                fail("%s: %s bound missing" % (who, side))
            if isinstance(bound, str):
                other = by_name.get(bound)
                if other is None or other.kind != "NUM":
                    fail("%s: %s bound %r names no NUM digital" % (who, side, bound))
                if other is d:
                    fail("%s: %s bound names itself" % (who, side))
                if lenient_number(bound) is not None:
                    fail("%s: bound name %r reads as a number" % (who, bound))
                if side == "min":
                    name_min += 1
                else:
                    name_max += 1
            else:
                if bound < 0:
                    fail("%s: negative %s bound (no signed digitals in this machine)" % (who, side))
                if bound > limit:
                    fail("%s: %s bound %d does not fit %d byte(s)" % (who, side, bound, d.size))
                numeric.append(bound)
        if len(numeric) == 2 and numeric[0] > numeric[1]:
            fail("%s: min above max" % who)

    if name_min == 0 or name_max == 0:
        fail("Set02.e: wanted at least one min and one max bound given by a digital's name")

    specials = {d.name: d for mode, d, _ in entries if mode == special}
    for n in ("DB1", "DB2", "DB3", "DB4", "DB5"):
        if n not in specials:
            fail("special mode lacks %s" % n)
    if specials["DB5"].selections != [("OF", 0), ("ON", 1)]:
        fail("DB5 must be an ON/OFF digital")
    if not any(mode == manufacturer for mode, _, _ in entries):
        fail("manufacturer mode has no digitals")
    if not any(d.hex_addr for _, d, _ in entries):
        fail("no digital with an &H address")
    if not any("<RETURN>" in d.detail for _, d, _ in entries):
        fail("no detail text with <RETURN>")
    return entries


def check_signals(tables, byte_map):
    seen = set()
    for file_name, group_texts, word in (("Set04.e", INPUT_GROUP_TEXTS, "INPUT"),
                                         ("Set05.e", OUTPUT_GROUP_TEXTS, "OUTPUT")):
        groups = set()
        for rec in tables[file_name]:
            name, group = rec[0], rec[2]
            if name.upper() in seen:
                fail("%s: signal %r repeats a name (names compare without case)" % (file_name, name))
            seen.add(name.upper())
            if group not in group_texts:
                fail("%s: %s has the unknown group %r" % (file_name, name, group))
            # The data file read decides by these words whether a row has time words.
            if word not in group.upper() or (word == "INPUT" and "OUTPUT" in group.upper()):
                fail("%s: group %r of %s does not carry the word %s" % (file_name, group, name, word))
            groups.add(group)
            addresses = [lenient_number(f) for f in rec[3:]]
            sizes = [1, 1, 1] + [2] * (len(addresses) - 3)
            labels = ["function", "logic", "operation", "ON delay", "OFF delay", "chopping ON", "chopping OFF",
                      "full wave"]
            for a, size, label in zip(addresses, sizes, labels):
                if a is None or a <= 0:
                    fail("%s: %s %s address %r" % (file_name, name, label, a))
                byte_map.claim(a, size, "signal %s %s" % (name, label))
        missing = [g for g in group_texts if g not in groups]
        if missing:
            fail("%s: no signal in group(s) %s" % (file_name, ", ".join(missing)))


def check_functions(tables):
    for file_name in ("Set06.e", "Set07.e"):
        names, values = set(), set()
        records = tables[file_name]
        if len(records) < 30:
            fail("%s: %d functions, at least 30 wanted" % (file_name, len(records)))
        for name, value, advice in records:
            if name != name.strip() or not name:
                fail("%s: function name %r has surrounding spaces" % (file_name, name))
            if name in names:
                fail("%s: function %r twice" % (file_name, name))
            v = int(value)
            if not 0 <= v <= 255:
                fail("%s: %s value %d is not a byte" % (file_name, name, v))
            if v in values:
                fail("%s: value %d twice" % (file_name, v))
            names.add(name)
            values.add(v)
        if records[0][:2] != ["NONE", "0"]:
            fail("%s: the first function must be NONE = 0" % file_name)


def check(tables, japanese):
    check_fields(tables)
    byte_map = ByteMap()
    for start, length, label in RESERVED:
        byte_map.claim(start, length, "reserved " + label)
    check_modes_and_digitals(tables, japanese, byte_map)
    check_signals(tables, byte_map)
    check_functions(tables)
    return byte_map


# ---------------------------------------------------------------- writing

def encode(records):
    text = "".join("\t".join(rec) + "\r\n" for rec in records)
    return text.encode(ENCODING)


def decode(data):
    """Read a table back the way the program will: code page 932, split on CR LF and TAB."""
    text = data.decode(ENCODING)
    if not text.endswith("\r\n"):
        fail("table does not end with CR LF")
    lines = text[:-2].split("\r\n")
    if any(line == "" for line in lines):
        fail("table holds a blank line")
    if any("\r" in line or "\n" in line for line in lines):
        fail("table holds a bare CR or LF")
    return [line.split("\t") for line in lines]


def pack(folder, names):
    archive = os.path.join(folder, "VOKG_SET.e")
    if os.path.exists(archive):
        os.remove(archive)
    # -lh5- compression, quiet; members are stored by bare name so they extract into one folder.
    subprocess.run(["lha", "ao5q", "VOKG_SET.e"] + names, cwd=folder, check=True,
                   stdout=subprocess.DEVNULL)
    listing = subprocess.run(["lha", "v", "VOKG_SET.e"], cwd=folder, check=True,
                             capture_output=True, text=True).stdout
    for n in names:
        line = next((ln for ln in listing.splitlines() if ln.rstrip().endswith(" " + n)), None)
        if line is None or "-lh5-" not in line:
            fail("archive member %s is not stored with -lh5-:\n%s" % (n, listing))
    return listing


def verify_archive(folder, tables):
    """Extract into a scratch folder and compare every member with what was written."""
    with tempfile.TemporaryDirectory() as scratch:
        subprocess.run(["lha", "xqw=" + scratch, os.path.join(folder, "VOKG_SET.e")], check=True,
                       stdout=subprocess.DEVNULL)
        for name, records in tables.items():
            with open(os.path.join(scratch, name), "rb") as f:
                if f.read() != encode(records):
                    fail("archive member %s differs from the written table" % name)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--japanese", action="store_true",
                        help="name the special and manufacturer modes in Japanese (test package)")
    parser.add_argument("--out", help="output folder (default: data/definitions or tests/data/definitions_ja)")
    args = parser.parse_args()
    folder = args.out or os.path.join(ROOT, "tests/data/definitions_ja" if args.japanese else "data/definitions")

    try:
        tables = build_tables(args.japanese)
        byte_map = check(tables, args.japanese)
        os.makedirs(folder, exist_ok=True)
        stamp = calendar.timegm(MEMBER_TIME + (0, 0, 0))
        for name, records in tables.items():
            data = encode(records)
            if decode(data) != records:
                fail("%s does not read back as written" % name)
            path = os.path.join(folder, name)
            with open(path, "wb") as f:
                f.write(data)
            os.utime(path, (stamp, stamp))
        listing = pack(folder, list(tables))
        verify_archive(folder, tables)
    except DefinitionError as e:
        sys.exit("make_definitions: %s" % e)
    except (OSError, subprocess.CalledProcessError) as e:
        sys.exit("make_definitions: %s" % e)

    entries = layout(args.japanese)
    print("wrote %s: %d modes, %d digitals, %d selections, %d inputs, %d outputs, %d/%d functions"
          % (folder, len(tables["Set01.e"]), len(entries), len(tables["Set03.e"]), len(tables["Set04.e"]),
             len(tables["Set05.e"]), len(tables["Set06.e"]), len(tables["Set07.e"])))
    for label, kinds in (("digitals", ("digital",)), ("signals", ("signal",))):
        print("  %-8s " % label + ", ".join("%d-%d" % (a, b) for a, b in byte_map.ranges(kinds)))
    print(listing.rstrip())


if __name__ == "__main__":
    main()
