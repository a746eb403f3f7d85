#!/usr/bin/env python3
"""Write the sample firmware template, its expected output and a sample version file.

    python3 tools/make_model_source_sample.py
        -> samples/zrdl_Model.c      the C template (code page 932, CR LF line ends)
           samples/zrdl_GVK-2300.c   what the program writes from it for samples/SAMPLE.DSG table 1,
                                     model name VK-2300, no section number
           samples/SAMPLE.vok        a version-information file of the sample machine

The template names every digital of the sample definitions ("[NAME]" in the comment of its
line), every input and output signal block and every feed array and value. The expected output
is computed here from the bytes of samples/SAMPLE.DSG (not from the program), by the plain rule:
each marker's first line from the top, the n-th digital of a name on the n-th line of its key.
Run tools/make_samples.py first when the sample data change. Output is deterministic.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import definitions_source as src  # noqa: E402
import make_definitions as defs  # noqa: E402
import make_samples as samples  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
VALUE = "[値]"
MODEL = "VK-2300"
TABLE = 1

# The C identifiers of the feed arrays, in the order the export fills them, and of the seven
# single values.
FEED_ARRAYS = [
    ("X_P1_A", "gus_x_s8_cw_", "ushort"), ("X_P1_B", "gus_x_s8_ccw_", "ushort"),
    ("X_T1_A", "gus_x_e8_cw_", "ushort"), ("X_T1_B", "gus_x_e8_ccw_", "ushort"),
    ("X_P2_A", "guc_x_p1_cw_", "uchar"), ("X_P2_B", "guc_x_p1_ccw_", "uchar"),
    ("X_T2_A", "guc_x_p2_cw_", "uchar"), ("X_T2_B", "guc_x_p2_ccw_", "uchar"),
    ("Y_P1_A", "gus_y_s8_cw_", "ushort"), ("Y_P1_B", "gus_y_s8_ccw_", "ushort"),
    ("Y_T1_A", "gus_y_e8_cw_", "ushort"), ("Y_T1_B", "gus_y_e8_ccw_", "ushort"),
    ("Y_P2_A", "guc_y_p1_cw_", "uchar"), ("Y_P2_B", "guc_y_p1_ccw_", "uchar"),
    ("Y_T2_A", "guc_y_p2_cw_", "uchar"), ("Y_T2_B", "guc_y_p2_ccw_", "uchar"),
    ("XYLM", "gus_x_l1_", "ushort"), ("XGA", "gus_x_l2_", "ushort"), ("YGA", "gus_y_l2_", "ushort"),
    ("P1X", "gus_p1x_", "ushort"), ("P1Y", "gus_p1y_", "ushort"), ("ZLM", "gus_y_l1_", "ushort"),
]
OTHER_VALUES = ["gms_p1_pls_base_", "gms_p1_pls_all_", "gms_pmd_pd_inpos_", "gus_s8_top_",
                "gus_x_pos_kd_speed_", "gus_y_pos_kd_speed_", "gus_xy_inv_"]
OTHER_TEXTS = ["最大引き込みパルス基準比の分子", "最大引き込みパルス基準比の分母", "XY PD 制御の POSERR 範囲",
               "最高速時の S8 角度", "X 軸位置ゲインの切替速度", "Y 軸位置ゲインの切替速度", "XY ノッチパラメータ"]

# The sample version file: the maker's version text and the four key digits it is stored under.
VERSION_TEXT = "V1.12-ﾃｽﾄ"
VERSION_KEY = "2024"


def fail(text):
    raise SystemExit("make_model_source_sample: " + text)


# ---------------------------------------------------------------- the template

def template_lines():
    lines = [
        "/*" + "*" * 70,
        " * zrdl_G[機種].c : 機種別パラメータ (セクション [セクション番号])",
        " *",
        " * VOKG_SET の「zrdl_Model.cの出力」がこのひな形から作成します。",
        " * [値] の部分に開いているテーブルの値が入ります。",
        " " + "*" * 70 + "*/",
        '#include "zrdl_types.h"',
        "",
        "#pragma section [セクション番号]",
        'const char gc_kishu_name_[] = "[機種]";',
        "",
    ]
    for (mode, _, _, digitals), name in zip(src.MODES, defs.mode_names(False)):
        lines.append("/* ---- パラメータ: %s ---- */" % name)
        lines.append("const ushort gus_param_%s_[%d] = {" % (name.lower(), len(digitals)))
        for d in digitals:
            lines.append("    %s,\t/* [%s] %s */" % (VALUE, d.name, d.advice))
        lines.append("};")
        lines.append("")
    lines.append("/* ---- 入力信号: 機能, 論理, 動作 ---- */")
    for sig in src.input_signals():
        lines += ["const gst_inp_t gst_inp_%s_ = {\t/* %s %s */" % (sig[0], sig[1], sig[2]),
                  "    %s,\t/* 機能 */" % VALUE,
                  "    %s,\t/* 論理 */" % VALUE,
                  "    %s,\t/* 動作 */" % VALUE,
                  "};"]
    lines.append("")
    lines.append("/* ---- 出力信号: 機能, 論理, 動作, 予約, ON ディレイ, 全波, チョッピング ON/OFF, OFF ディレイ ---- */")
    for sig in src.output_signals():
        lines += ["const gst_out_t gst_out_%s_ = {\t/* %s %s */" % (sig[0], sig[1], sig[2]),
                  "    %s,\t/* 機能 */" % VALUE,
                  "    %s,\t/* 論理 */" % VALUE,
                  "    %s,\t/* 動作 */" % VALUE,
                  "    0,\t/* 予約: このひな形の値のまま */",
                  "    %s,\t/* ON ディレイ (0.1ms) */" % VALUE,
                  "    %s,\t/* 全波時間 (0.1ms) */" % VALUE,
                  "    %s,\t/* チョッピング ON (0.1ms) */" % VALUE,
                  "    %s,\t/* チョッピング OFF (0.1ms) */" % VALUE,
                  "    %s,\t/* OFF ディレイ (0.1ms) */" % VALUE,
                  "};"]
    lines.append("")
    lines.append("/* ---- 送りパラメータ ---- */")
    for key, identifier, kind in FEED_ARRAYS:
        count = 31 if "_" in key else 201
        lines.append("const %s %s[%d] = { %s };\t/* %s */" % (kind, identifier, count, VALUE, key))
    for identifier, text in zip(OTHER_VALUES, OTHER_TEXTS):
        lines.append("const ushort %s = %s;\t/* %s */" % (identifier, VALUE, text))
    lines.append("")
    lines.append("/* end of zrdl_G[機種].c */")
    return lines + [""]  # the file ends with a line break


# ---------------------------------------------------------------- the values of the table

def word(tb, at):
    return int.from_bytes(tb[at:at + 2], "big")


def table_values(path, table):
    with open(path, "rb") as f:
        tb = f.read()[(table - 1) * samples.TABLE_SIZE:table * samples.TABLE_SIZE]
    digitals = [int.from_bytes(tb[address:address + d.size], "big") for _, d, address in defs.layout()]
    customize = []
    for sig in src.input_signals():
        customize.append(("gst_inp_%s_" % sig[0], sig[0], [tb[sig[3]], tb[sig[4]], tb[sig[5]]]))
    for sig in src.output_signals():
        on, off, chop_on, chop_off, full = (word(tb, a) for a in sig[6:11])
        # The order the block's lines take: function, logic, operation, (reserved), ON delay, full
        # wave, chopping ON, chopping OFF, OFF delay.
        customize.append(("gst_out_%s_" % sig[0], sig[0],
                          [tb[sig[3]], tb[sig[4]], tb[sig[5]], None, on, full, chop_on, chop_off, off]))
    feed_block = tb[samples.FEED_AT:samples.FEED_AT + samples.FEED_SIZE]
    feed, at = {}, 0
    for key, width in samples.FEED_LAYOUT:
        count = 7 if key == "OTHER" else (31 if "_" in key else 201)
        feed[key] = [int.from_bytes(feed_block[at + i * width:at + (i + 1) * width], "big") for i in range(count)]
        at += count * width
    # The bytes agree with what make_samples.py says it wrote.
    want = samples.digital_values(table)
    if [want[d.name] for _, d, _ in defs.layout()] != digitals:
        fail("the digitals of %s table %d are not the sample's" % (path, table))
    if feed != samples.feed_table(table):
        fail("the feed table of %s table %d is not the sample's" % (path, table))
    return digitals, customize, feed


# ---------------------------------------------------------------- the plain fill

def fill(lines, values):
    digitals, customize, feed = values
    lines = [line.replace("[機種]", MODEL).replace("[セクション番号]", "") for line in lines]

    def first(key, start=0):
        for i in range(start, len(lines)):
            if key in lines[i]:
                return i
        fail("no line holds %s" % key)

    def set_value(i, value):
        if VALUE not in lines[i]:
            fail("line %d has no %s: %s" % (i + 1, VALUE, lines[i]))
        lines[i] = lines[i].replace(VALUE, str(value))

    last = {}
    for (_, d, _), value in zip(defs.layout(), digitals):
        key = "[%s]" % d.name
        i = first(key, last.get(key, -1) + 1)
        set_value(i, value)
        last[key] = i
    for key, _, settings in customize:
        k = first(key)
        for offset, value in enumerate(settings, 1):
            if value is not None:
                set_value(k + offset, value)
    for key, identifier, _ in FEED_ARRAYS:
        set_value(first(identifier), ", ".join(str(v) for v in feed[key]))
    for identifier, value in zip(OTHER_VALUES, feed["OTHER"]):
        set_value(first(identifier), value)
    return lines


# ---------------------------------------------------------------- the version file

def version_file():
    key = sum(int(c) for c in VERSION_KEY)
    text = VERSION_TEXT.encode("cp932")
    if len(text) > 9 or any(not (0 < 242 + key - b <= 255) for b in text):
        fail("the version text cannot be stored")
    record = bytes(242 + key - b for b in text).ljust(9, b"\0") + bytes(4) + bytes(245 - ord(c) for c in VERSION_KEY)
    # A real file may be longer than the record; only its first 17 bytes are read.
    return record + b"VK-2300 VERSION\r\n"


def decode_version(data):
    key = sum(int(chr(245 - b)) for b in data[13:17])
    out = bytearray()
    for b in data[:9]:
        if b == 0:
            break
        out.append(242 - b + key)
    return out.decode("cp932")


def main():
    out = os.path.join(ROOT, "samples")
    lines = template_lines()
    names = [d.name for _, d, _ in defs.layout()]
    # Each digital's key on as many lines as there are digitals of that name; each feed name once.
    wanted = {"[%s]" % n: names.count(n) for n in names}
    wanted.update({identifier: 1 for _, identifier, _ in FEED_ARRAYS})
    wanted.update({identifier: 1 for identifier in OTHER_VALUES})
    for key, count in sorted(wanted.items()):
        holding = sum(key in line for line in lines)
        if holding != count:
            fail("%s is on %d lines of the template, %d expected" % (key, holding, count))
    filled = fill(lines, table_values(os.path.join(out, "SAMPLE.DSG"), TABLE))
    version = version_file()
    if decode_version(version) != VERSION_TEXT:
        fail("the version file does not read back")
    files = [("zrdl_Model.c", "\r\n".join(lines).encode("cp932")),
             ("zrdl_G%s.c" % MODEL, "".join(line + "\r\n" for line in filled).encode("cp932")),
             ("SAMPLE.vok", version)]
    for name, data in files:
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
        print("wrote samples/%s (%d bytes)" % (name, len(data)))


if __name__ == "__main__":
    main()
