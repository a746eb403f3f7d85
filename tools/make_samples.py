#!/usr/bin/env python3
"""Write the sample data files of the VK-2300 sample machine.

    python3 tools/make_samples.py    -> samples/SAMPLE.DSG, samples/SAMPLE.DSK, samples/VOKG0001.dat

SAMPLE.DSG is a design file (8 tables, 65536 bytes), SAMPLE.DSK its companion, VOKG0001.dat a
machine data file (16 tables, 131072 bytes). Every table holds its own values, derived from
the factory defaults of tools/definitions_source.py by the readable rules below, so that a
test can tell the tables apart. Bytes that no definition names hold FILLER, so a test can
prove that a save leaves them untouched. Output is deterministic: no clock, no unseeded random.
After writing, every file is read back and checked; any mismatch stops the script.
"""

import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import definitions_source as src  # noqa: E402
import make_definitions as defs  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TABLE_SIZE = 8192
FILLER = 0xA5  # every byte no definition names
AUTHOR_AT, PASSWORD_AT, FEED_AT, FEED_SIZE = 4031, 4051, 4096, 2768

# Model name and data version of each table. Table 8 of the design file uses all ten
# bytes of the model field, so no NUL ends it.
DSG_HEADERS = [("VK-2300", "1.00"), ("VK-2300", "1.01"), ("VK-2300H", "1.02"), ("VK-2300H", "1.03"),
               ("VK-2300L", "1.04"), ("VK-2300L", "1.05"), ("VK-2300S", "1.06"), ("VK-2300HSL", "1.07")]
DAT_HEADERS = [("VK-2300", "2.%02d" % n) for n in range(16)]

# Author and password per table (1-based). Table 3 is locked; table 5 names an author but
# has no password, so it opens without a question. Every other table has neither.
DSG_AUTHORS = {3: ("TAKAHASHI", "KEY3"), 5: ("YAMADA", "")}
# The moment the fields were scrambled: stamps "2537" (author) and "20240315" (password).
SCRAMBLE_DATE = (2024, 3, 15)
SCRAMBLE_TIME = (10, 25, 37)

# Digitals whose values bound others are set explicitly per table (index = table - 1), so that
# every bound that names them resolves to a sensible range.
ANCHORS = {
    "SPDMAX": [2500, 2200, 2800, 2000, 2600, 2400, 1800, 2700, 2500, 2300, 2100, 2800, 1900, 2650, 2450, 2350],
    "SPDMIN": [200, 150, 250, 100, 300, 200, 120, 180, 220, 260, 140, 110, 300, 170, 230, 190],
    "AREAX": [300, 250, 400, 220, 350, 300, 180, 400, 320, 260, 240, 380, 200, 340, 310, 290],
    "AREAY": [200, 150, 300, 120, 250, 200, 100, 300, 220, 160, 140, 280, 110, 240, 210, 190],
    "INTPFH": [20, 25, 30, 15, 35, 40, 18, 22, 28, 33, 12, 45, 50, 24, 26, 38],
    "ATENV": [80, 100, 120, 60, 90, 150, 70, 110, 85, 95, 130, 65, 140, 75, 105, 115],
    # the manufacturer menu switch: on in a few tables only
    "DB5": [0, 0, 1, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 1, 0],
}
# Every other NUM digital in table t is its default moved by OFFSETS[t-1] steps of about 1/40
# of its range, then kept inside its bounds; SEL digitals step through their selections.
OFFSETS = [0, 1, -1, 2, -2, 3, -3, 4, -4, 5, -5, 6, -6, 7, -7, 8]

# Functions of the signals in table 1, in signal order (I1.., O1..). Later tables exchange a few.
INPUT_FUNCTIONS = ["START", "STOP", "EMG", "PEDAL1", "PEDAL2", "TRIMSW", "WIPSW", "ORGSW", "SAFETY", "AIRLOW",
                   "THBRK", "BOBEND",  # standard
                   "LOWSPD", "THICK", "INTPFSW", "CNTRST",  # TE board
                   "PAT1", "PAT2", "PAT4", "PAT8",  # I/O board 1
                   "DOORSW", "EXTSTOP",  # I/O board 2
                   "EXTSTART", "NONE"]  # I/O board 3
OUTPUT_FUNCTIONS = ["PF", "TRIM", "WIPER", "TENREL", "HOLDER", "BUZZER",  # standard
                    "INTPF", "COOLER",  # TE board
                    "READY", "RUN", "ERROR", "CNTUP",  # I/O board 1
                    "LAMP", "BLOW",  # I/O board 2
                    "EXT1", "NONE"]  # I/O board 3
SPARE_INPUTS = ["JOGXP", "JOGXM", "STEPSW", "BACKSW", "LOADER", "STACKER", "READY", "TEST", "PFL", "PFR"]
SPARE_OUTPUTS = ["PFL", "PFR", "STACK", "MARKER", "OILLAMP", "SEWEND", "DOORLOCK", "EXT2", "TEST", "UNLOAD"]
# Normally closed contacts are read reversed.
REVERSED_INPUTS = {"EMG", "SAFETY", "AIRLOW", "DOORSW"}
ALTERNATE_INPUTS = {"LOWSPD", "THICK"}
# Chopping duty (ON, OFF) in 0.1 ms: every code once, plus one pair that matches no code.
DUTIES = [(1, 0), (80, 40), (40, 20), (40, 40), (20, 20), (20, 40), (20, 100), (20, 220), (30, 70)]
DUTY_CODES = ["ALL", "66L", "66H", "50L", "50H", "33", "17", "8", "MANUAL"]
# ON delay, OFF delay and full-wave time of each output in table 1 (0.1 ms).
OUTPUT_TIMES = [(0, 0, 300), (50, 0, 200), (0, 100, 150), (20, 20, 0), (100, 50, 250), (0, 0, 0),
                (30, 0, 200), (0, 0, 0), (0, 0, 0), (0, 0, 0), (0, 500, 0), (0, 1000, 0),
                (0, 0, 0), (200, 300, 100), (10, 10, 50), (0, 0, 0)]

# The seven other feed values of table 1: pulse ratio numerator and denominator, in-position
# range, S8 angle at top speed, X and Y positional gain speeds, notch parameter.
OTHER_FEED_VALUES = [3, 4, 20, 150, 100, 120, 5]


# ---------------------------------------------------------------- digitals

def resolve(bound, values):
    return values[bound] if isinstance(bound, str) else bound


def static_range(d, by_name):
    """Widest numeric range of a digital: a bound by name takes the named digital's own bound."""
    low, high = d.low, d.high
    while isinstance(low, str):
        low = by_name[low].low
    while isinstance(high, str):
        high = by_name[high].high
    return low, high


def digital_values(table):
    entries = defs.layout()
    by_name = {d.name: d for _, d, _ in entries}
    values = {}
    k = OFFSETS[table - 1]
    for _, d, _ in entries:
        if d.name in ANCHORS:
            values[d.name] = ANCHORS[d.name][table - 1]
        elif d.kind == "SEL":
            choices = [v for _, v in d.selections]
            start = choices.index(d.default)
            values[d.name] = choices[(start + table - 1) % len(choices)]
        else:
            low, high = static_range(d, by_name)
            step = max(1, (high - low) // 40)
            values[d.name] = d.default + k * step
    for _, d, _ in entries:  # second pass: keep NUM values inside their resolved bounds
        if d.kind == "NUM" and d.name not in ANCHORS:
            low, high = resolve(d.low, values), resolve(d.high, values)
            values[d.name] = min(max(values[d.name], low), high)
    return values


# ---------------------------------------------------------------- author and password

def stamps():
    y, mo, da = SCRAMBLE_DATE
    _, mi, se = SCRAMBLE_TIME
    return "%02d%02d" % (mi, se), "%04d%02d%02d" % (y, mo, da)


def encode_word(text, author):
    """The table's scrambling of an author (20 bytes) or a password (16 bytes)."""
    author_stamp, date_stamp = stamps()
    stamp = author_stamp if author else date_stamp
    k = sum(int(c) for c in (stamp if author else stamp[4:]))
    raw = text.encode("cp932")
    length = 16 if author else 8
    body = bytearray((242 - a + k) for a in raw[:length])
    if any(a > 242 for a in raw) or any(b > 255 for b in body):
        raise ValueError("%r cannot be scrambled" % text)
    body += bytes(length - len(body))
    return bytes(body) + bytes(245 - s for s in stamp.encode("ascii"))


def decode_word(field, author):
    length = 16 if author else 8
    stamp = field[length:]
    k = sum(int(chr(245 - b)) for b in (stamp if author else stamp[4:]))
    out = bytearray()
    for b in field[:length]:
        if b == 0:
            break
        out.append(242 - (b - k))
    return out.decode("cp932")


# ---------------------------------------------------------------- customize and feed

def customize_rows(table):
    """[(signal row, kino, logic, dosa, on delay, off delay, chop on, chop off, full wave)] in file order."""
    in_values = {n: v for n, v, _ in src.INPUT_FUNCTIONS}
    out_values = {n: v for n, v, _ in src.OUTPUT_FUNCTIONS}
    rows = []
    for i, sig in enumerate(src.input_signals()):
        name = INPUT_FUNCTIONS[i]
        if table > 1 and i % 6 == (table - 1) % 6 and i >= 12:  # a board signal gets another job
            name = SPARE_INPUTS[(i + table) % len(SPARE_INPUTS)]
        logic = int(name in REVERSED_INPUTS) ^ int(i == (table - 1) % 24)
        dosa = int(name in ALTERNATE_INPUTS) ^ int(i == (table * 5) % 24)
        rows.append((sig, in_values[name], logic, dosa))
    for o, sig in enumerate(src.output_signals()):
        name = OUTPUT_FUNCTIONS[o]
        if table > 1 and o >= 8 and o % 4 == table % 4:
            name = SPARE_OUTPUTS[(o + table) % len(SPARE_OUTPUTS)]
        on, off, full = OUTPUT_TIMES[o]
        on, off, full = on + 5 * (table - 1) * (on > 0), off + 10 * (table - 1) * (off > 0), full
        chop_on, chop_off = DUTIES[(o + table - 1) % len(DUTIES)]
        logic = int(o == (table + 3) % 16)
        dosa = int(name in ("BUZZER", "LAMP"))
        rows.append((sig, out_values[name], logic, dosa, on, off, chop_on, chop_off, full))
    return rows


def feed_table(table):
    """Feed table content: {key: list of entries} plus 'OTHER' for the seven values."""
    rng = random.Random(2300 + table)  # seeded: the noise is the same at every run
    t = table - 1
    feed = {}
    for axis in "XY":
        for group in ("P1", "T1", "P2", "T2"):
            for side, sign in (("A", 1), ("B", -1)):
                key = "%s_%s_%s" % (axis, group, side)
                if group.endswith("1"):  # 16-bit: start/end angle in 0.1 deg, falling with the pitch
                    base = 2400 if group == "P1" else 3300
                    feed[key] = [base - 18 * k + sign * 7 * t + rng.randint(-3, 3) for k in range(31)]
                else:  # 8-bit: per-pitch correction around 128
                    feed[key] = [min(255, max(0, 128 + sign * (k - 15) * 3 + t + rng.randint(-4, 4)))
                                 for k in range(31)]
    for key, top in (("XYLM", 3000), ("XGA", 1200), ("ZLM", 2800), ("YGA", 1100)):  # 16-bit curves
        feed[key] = [100 + (top + 40 * t) * i // 200 + rng.randint(0, 9) for i in range(201)]
    for key in ("P1X", "P1Y"):
        feed[key] = [min(255, 20 + i // 2 + t + rng.randint(0, 5)) for i in range(201)]
    feed["OTHER"] = [v + t * step for v, step in zip(OTHER_FEED_VALUES, (0, 0, 1, 2, 5, 5, 1))]
    return feed


FEED_LAYOUT = ([("%s_%s_%s" % (a, g, s), 2 if g.endswith("1") else 1)
                for a in "XY" for g in ("P1", "T1", "P2", "T2") for s in "AB"]
               + [("XYLM", 2), ("XGA", 2), ("ZLM", 2), ("YGA", 2), ("P1X", 1), ("P1Y", 1), ("OTHER", 2)])


def feed_bytes(feed):
    out = bytearray()
    for key, width in FEED_LAYOUT:
        for v in feed[key]:
            if width == 2:
                assert 0 <= v < 0x8000, (key, v)  # the program holds feed words as signed 16-bit
                out += v.to_bytes(2, "big")
            else:
                assert 0 <= v <= 255, (key, v)
                out.append(v)
    assert len(out) == FEED_SIZE, len(out)
    return bytes(out)


# ---------------------------------------------------------------- tables and files

def put(buf, at, value, size):
    buf[at:at + size] = value.to_bytes(size, "big")


def build_table(table, header, author_password):
    buf = bytearray([FILLER]) * TABLE_SIZE
    model, version = header
    buf[0:20] = bytes(20)
    buf[0:len(model)] = model.encode("cp932")
    buf[10:10 + len(version)] = version.encode("cp932")
    values = digital_values(table)
    for _, d, address in defs.layout():
        put(buf, address, values[d.name], d.size)
    for row in customize_rows(table):
        sig, kino, logic, dosa = row[:4]
        put(buf, sig[3], kino, 1)
        put(buf, sig[4], logic, 1)
        put(buf, sig[5], dosa, 1)
        for address, value in zip(sig[6:], row[4:]):
            put(buf, address, value, 2)
    author, password = author_password
    buf[AUTHOR_AT:AUTHOR_AT + 20] = encode_word(author, True) if author else bytes(20)
    buf[PASSWORD_AT:PASSWORD_AT + 16] = encode_word(password, False) if password else bytes(16)
    buf[FEED_AT:FEED_AT + FEED_SIZE] = feed_bytes(feed_table(table))
    return bytes(buf)


def companion(headers):
    """A small index of the design file; the program copies it along but never reads it."""
    lines = ["VK-2300 DESIGN COMPANION", "FILE=SAMPLE.DSG", "TABLES=%d" % len(headers)]
    lines += ["T%d=%s,%s" % (n, m, v) for n, (m, v) in enumerate(headers, 1)]
    return ("\r\n".join(lines) + "\r\n").encode("ascii")


# ---------------------------------------------------------------- read-back check

def named_bytes():
    """Offsets that some definition or fixed field names; everything else must hold FILLER."""
    named = set(range(0, 20)) | set(range(AUTHOR_AT, AUTHOR_AT + 36)) | set(range(FEED_AT, FEED_AT + FEED_SIZE))
    for _, d, address in defs.layout():
        named |= set(range(address, address + d.size))
    for sig in src.input_signals():
        named |= set(sig[3:6])
    for sig in src.output_signals():
        named |= set(sig[3:6])
        for a in sig[6:]:
            named |= {a, a + 1}
    return named


def verify(path, size, headers, authors):
    with open(path, "rb") as f:
        data = f.read()
    if len(data) != size:
        raise SystemExit("%s: %d bytes, %d expected" % (path, len(data), size))
    named = named_bytes()
    entries = defs.layout()
    for t in range(1, len(headers) + 1):
        tb = data[(t - 1) * TABLE_SIZE:t * TABLE_SIZE]
        where = "%s table %d" % (os.path.basename(path), t)
        for field, want in ((tb[0:10], headers[t - 1][0]), (tb[10:20], headers[t - 1][1])):
            if field.decode("cp932").replace("\0", " ").strip() != want:
                raise SystemExit("%s: header %r, %r expected" % (where, field, want))
        values = {}
        for _, d, address in entries:
            values.setdefault(d.name, int.from_bytes(tb[address:address + d.size], "big"))
        for mode, d, _ in entries:
            v = values[d.name]
            if d.kind == "SEL":
                ok = v in [s for _, s in d.selections]
            else:
                ok = resolve(d.low, values) <= v <= resolve(d.high, values)
            if not ok or (d.size == 2 and v > 32767):
                raise SystemExit("%s: %s/%s = %d is outside its range" % (where, mode, d.name, v))
        author, password = authors.get(t, ("", ""))
        for at, length, want, is_author in ((AUTHOR_AT, 20, author, True), (PASSWORD_AT, 16, password, False)):
            field = tb[at:at + length]
            got = decode_word(field, is_author) if any(field) else ""
            if got != want:
                raise SystemExit("%s: %s reads %r, %r expected" % (where, "author" if is_author else "password",
                                                                  got, want))
        codes = set()
        for sig in src.output_signals():
            pair = (int.from_bytes(tb[sig[8]:sig[8] + 2], "big"), int.from_bytes(tb[sig[9]:sig[9] + 2], "big"))
            codes.add(DUTY_CODES[DUTIES.index(pair)] if pair in DUTIES else "?")
        if codes != set(DUTY_CODES):
            raise SystemExit("%s: chopping duties %s do not cover every code" % (where, sorted(codes)))
        if tb[FEED_AT:FEED_AT + FEED_SIZE] != feed_bytes(feed_table(t)):
            raise SystemExit("%s: feed table differs" % where)
        stray = [i for i in range(TABLE_SIZE) if i not in named and tb[i] != FILLER]
        if stray:
            raise SystemExit("%s: unnamed byte at %d is not filler" % (where, stray[0]))
    tables = [data[i:i + TABLE_SIZE] for i in range(0, size, TABLE_SIZE)]
    if len(set(tables)) != len(tables):
        raise SystemExit("%s: two tables are identical" % path)


def main():
    out = os.path.join(ROOT, "samples")
    os.makedirs(out, exist_ok=True)
    dsg = b"".join(build_table(t, DSG_HEADERS[t - 1], DSG_AUTHORS.get(t, ("", ""))) for t in range(1, 9))
    dat = b"".join(build_table(t, DAT_HEADERS[t - 1], ("", "")) for t in range(1, 17))
    files = [("SAMPLE.DSG", dsg), ("SAMPLE.DSK", companion(DSG_HEADERS)), ("VOKG0001.dat", dat)]
    for name, data in files:
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
    verify(os.path.join(out, "SAMPLE.DSG"), 65536, DSG_HEADERS, DSG_AUTHORS)
    verify(os.path.join(out, "VOKG0001.dat"), 131072, DAT_HEADERS, {})
    for name, data in files:
        print("wrote samples/%s (%d bytes)" % (name, len(data)))


if __name__ == "__main__":
    main()
