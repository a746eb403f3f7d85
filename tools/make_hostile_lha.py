#!/usr/bin/env python3
"""Writes small LHA archives whose member names try to escape the extraction folder.

The archives use level-0 headers and stored (-lh0-) members, so they need no packer:
    hostile.e       a harmless member, then "../escape.txt" and an absolute member
    hostile_link.e  a harmless member, then a symbolic link "link" pointing at "/tmp"
    padded.e        a stored member whose size field says 100 bytes more than its data
    shortened.e     a stored member whose size field says 3 bytes less than its data

Usage: make_hostile_lha.py OUTPUT_FOLDER
"""

import struct
import sys
from pathlib import Path

# 1998-06-15 12:00:00 in the DOS date and time fields, low word time, high word date.
DOS_TIME = (12 << 11) | (0 << 5) | 0
DOS_DATE = ((1998 - 1980) << 9) | (6 << 5) | 15


def crc16(data: bytes) -> int:
    """The checksum LHA keeps for each member's data (reflected polynomial 0xA001)."""
    crc = 0
    for byte in data:
        crc ^= byte
        for _ in range(8):
            crc = (crc >> 1) ^ 0xA001 if crc & 1 else crc >> 1
    return crc


def member(name: bytes, data: bytes, unix_mode: int | None = None, size_field: int | None = None) -> bytes:
    """One level-0 header followed by the stored data.

    With `unix_mode` the header carries the 12-byte extension some packers on Unix write
    ("U", version, mtime, mode, uid, gid), which is how a link member is marked. With
    `size_field` the header's original size says that instead of the length of the data.
    """
    extension = b""
    if unix_mode is not None:
        extension = b"U\x00" + struct.pack("<IHHH", 0, unix_mode, 0, 0)
    body = (
        b"-lh0-"
        + struct.pack("<IIHHBB", len(data), len(data) if size_field is None else size_field, DOS_TIME, DOS_DATE, 0x20, 0)
        + bytes([len(name)])
        + name
        + struct.pack("<H", crc16(data))
        + extension
    )
    # First byte: header length after the two leading bytes; second: their byte sum.
    header = bytes([len(body), sum(body) & 0xFF]) + body
    return header + data


def archive(*members: bytes) -> bytes:
    return b"".join(members) + b"\x00"  # a zero header length ends the archive


def main() -> int:
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    (out / "hostile.e").write_bytes(
        archive(
            member(b"Set01.e", b"harmless\r\n"),
            member(b"../escape.txt", b"written outside the folder\r\n"),
            member(b"/tmp/vokg_hostile_absolute.txt", b"written at an absolute path\r\n"),
        )
    )
    # The link target follows the name after "|", as Unix packers store it.
    (out / "hostile_link.e").write_bytes(
        archive(
            member(b"Set01.e", b"harmless\r\n"),
            member(b"link|/tmp", b"", unix_mode=0o120777),
        )
    )
    # A reader that trusts the size field pads the member with NUL bytes up to it, or cuts it.
    table = b"MACHINE\r\nSPECIAL\r\n"
    (out / "padded.e").write_bytes(archive(member(b"Set01.e", table, size_field=len(table) + 100)))
    (out / "shortened.e").write_bytes(archive(member(b"Set01.e", table, size_field=len(table) - 3)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
