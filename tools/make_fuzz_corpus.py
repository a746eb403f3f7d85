#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets into fuzz/corpus/<target>/ from the sample machine's
definitions, the samples and a few hand-made cases. Deterministic: the same tree gives the same
files. Run from anywhere: make_fuzz_corpus.py [SOURCE_ROOT]."""

import os
import struct
import sys

ROOT = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))
CORPUS = os.path.join(ROOT, "fuzz", "corpus")
TABLE = 8192


def read(*parts):
    with open(os.path.join(ROOT, *parts), "rb") as stream:
        return stream.read()


def write(target, name, data):
    folder = os.path.join(CORPUS, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as stream:
        stream.write(data)


def crc16(data):
    """The CRC the LHA format stores for a member's data (reflected polynomial 0xA001)."""
    crc = 0
    for byte in data:
        crc ^= byte
        for _ in range(8):
            crc = (crc >> 1) ^ 0xA001 if crc & 1 else crc >> 1
    return crc


def lha_member(name, data, attribute=0x20):
    """A level-0 member stored without compression ("-lh0-")."""
    name = name.encode("latin-1")
    body = b"-lh0-" + struct.pack("<IIIBBB", len(data), len(data), 0x58A16000, attribute, 0, len(name))
    body += name + struct.pack("<H", crc16(data))
    return bytes([len(body), sum(body) & 0xFF]) + body + data


def lha(*members):
    return b"".join(members) + b"\0"


def first_lines(data, count):
    return b"".join(data.splitlines(keepends=True)[:count])


def definitions():
    for kind in range(1, 8):
        sample = read("data", "definitions", "Set%02d.e" % kind)
        write("fuzz_definitions", "sample-%d" % kind, bytes([kind - 1]) + first_lines(sample, 6))
    set01 = read("data", "definitions", "Set01.e")
    write("fuzz_definitions", "duplicate-mode", bytes([0]) + first_lines(set01, 2) + first_lines(set01, 1))
    set02 = read("data", "definitions", "Set02.e").splitlines(keepends=True)[0]
    fields = set02.rstrip(b"\r\n").split(b"\t")
    write("fuzz_definitions", "short-row", bytes([1]) + b"\t".join(fields[:5]) + b"\r\n")
    write("fuzz_definitions", "size-three", bytes([1]) + b"\t".join(fields[:9] + [b"3"]) + b"\r\n")


def archives():
    write("fuzz_archive", "sample", read("data", "definitions", "VOKG_SET.e"))
    set01 = read("data", "definitions", "Set01.e")
    write("fuzz_archive", "one-stored", lha(lha_member("Set01.e", set01)))
    write("fuzz_archive", "two-stored", lha(lha_member("Set01.e", set01), lha_member("Set07.e", b"x\t1\ty\r\n")))
    write("fuzz_archive", "into-folder", lha(lha_member("sub/Set02.e", set01)))
    write("fuzz_archive", "dot-dot", lha(lha_member("../Set01.e", set01)))
    write("fuzz_archive", "absolute", lha(lha_member("/tmp/Set01.e", set01)))
    write("fuzz_archive", "empty", b"\0")


def data_files():
    design = read("samples", "SAMPLE.DSG")
    write("fuzz_datafile", "table-1", b"\0" + design[:TABLE])
    write("fuzz_datafile", "table-2", b"\0" + design[TABLE:2 * TABLE])
    write("fuzz_datafile", "zeros", b"\0")
    write("fuzz_datafile", "short", b"\1" + design[:4100])
    # An author that decodes (stamp 0000, key 0) to the control character 01, which a save stamped
    # 12:34 could not scramble back: such a field is kept as stored.
    author = bytes([0xF1]) + bytes(15) + bytes([0xC5] * 4)
    write("fuzz_datafile", "author-control", b"\0" + design[:4031] + author + design[4051:TABLE])
    machine = read("samples", "VOKG0001.dat")
    write("fuzz_datafile", "machine-table-1", b"\0" + machine[:TABLE])


def version_files():
    sample = read("samples", "SAMPLE.vok")
    write("fuzz_versionfile", "sample", sample)
    write("fuzz_versionfile", "short", sample[:16])


def templates():
    write("fuzz_modelsource", "sample", read("samples", "zrdl_Model.c"))
    write("fuzz_modelsource", "keywords", "/* [機種] [セクション番号] */\r\nint x = [値];\n".encode("cp932"))


def assignments():
    for index, text in enumerate([
            "BASIC/BUZVOL=5", "BUZVOL=1e400", "header.model=VK-2300", "header.password=abc",
            "customize.I3.logic=1", "customize.O1.duty=50H", "feed.X_P1_A[4]=12", "feed.pitch.P1[49]=3",
            "feed.X_P1_A[4294967296]=5", "/X=1", "=5", "a/b/c==d"]):
        write("fuzz_assignment", "seed-%02d" % index, text.encode("utf-8"))


if __name__ == "__main__":
    definitions()
    archives()
    data_files()
    version_files()
    templates()
    assignments()
