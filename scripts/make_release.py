#!/usr/bin/env python3
"""Writes the release zip, kordavo-VERSION-win32.zip: kordavo.exe, the
Chinese user guide, the licence and the checksums of those three, the same
bytes from the same inputs every time; and beside it
kordavo-VERSION-win32.zip.sha256, the zip's own checksum as `sha256sum -c`
reads it, which shows whether a download is whole.

    make_release.py VERSION PROGRAM SOURCE_DIR OUTPUT_DIR

The guide (its title given the version), the licence and the checksums go
in as GBK with CRLF line ends, so that Notepad on any Chinese Windows, XP's
included, shows them right. Each entry's name is stored in GBK without the
UTF-8 flag, which is what Windows' own zip folders read on a Chinese system,
and again in UTF-8 in an Info-ZIP Unicode Path field, which 7-Zip, WinRAR and
unzip prefer. Dates, attributes and order are
fixed.
"""
import hashlib
import os
import struct
import sys
import zlib

GUIDE_NAME = "使用说明.txt"
SUMS_NAME = "SHA256SUMS.txt"
VERSION_MARK = "@VERSION@"
# 2026-01-01 00:00:00, in MS-DOS form: the date every entry carries.
DOS_TIME = 0
DOS_DATE = ((2026 - 1980) << 9) | (1 << 5) | 1
UNICODE_PATH_FIELD = 0x7075


def notepad_text(text):
    """Text as GBK with CRLF line ends."""
    return text.replace("\n", "\r\n").encode("gbk")


def read_text(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def sums(files):
    """Lines as sha256sum writes them: the digest, two blanks, the name."""
    return "".join("%s  %s\n" % (hashlib.sha256(data).hexdigest(), name) for name, data in files)


def deflate(data):
    compressor = zlib.compressobj(9, zlib.DEFLATED, -15, 9)
    return compressor.compress(data) + compressor.flush()


def entry_name(name):
    """The name as stored, and the extra field that carries it in UTF-8."""
    legacy = name.encode("gbk")
    if legacy.isascii():
        return legacy, b""
    field = struct.pack("<BI", 1, zlib.crc32(legacy)) + name.encode("utf-8")
    return legacy, struct.pack("<HH", UNICODE_PATH_FIELD, len(field)) + field


def write_zip(path, entries):
    local, central = bytearray(), bytearray()
    for name, data in entries:
        stored_name, extra = entry_name(name)
        packed = deflate(data)
        crc = zlib.crc32(data)
        common = struct.pack("<HHHHHIIIHH", 20, 0, 8, DOS_TIME, DOS_DATE, crc,
                             len(packed), len(data), len(stored_name), len(extra))
        offset = len(local)
        local += b"PK\x03\x04" + common + stored_name + extra + packed
        # Made by MS-DOS (0), so that the attributes are read as DOS ones.
        central += (b"PK\x01\x02" + struct.pack("<H", 20) + common +
                    struct.pack("<HHHII", 0, 0, 0, 0x20, offset) + stored_name + extra)
    end = struct.pack("<4sHHHHIIH", b"PK\x05\x06", 0, 0, len(entries), len(entries),
                      len(central), len(local), 0)
    with open(path, "wb") as out:
        out.write(bytes(local + central + end))


def main():
    version, program, source_dir, output_dir = sys.argv[1:]
    with open(program, "rb") as f:
        exe = f.read()
    guide = read_text(os.path.join(source_dir, "docs", "user-guide.zh.txt"))
    licence = read_text(os.path.join(source_dir, "LICENSE"))

    files = [("kordavo.exe", exe), (GUIDE_NAME, notepad_text(guide.replace(VERSION_MARK, version))),
             ("LICENSE.txt", notepad_text(licence))]
    files.append((SUMS_NAME, notepad_text(sums(files))))

    os.makedirs(output_dir, exist_ok=True)
    name = "kordavo-%s-win32.zip" % version
    target = os.path.join(output_dir, name)
    write_zip(target, files)
    with open(target, "rb") as f:
        line = sums([(name, f.read())])
    with open(target + ".sha256", "w", encoding="ascii", newline="\n") as f:
        f.write(line)
    print("%s and %s.sha256: %s" % (target, target, line), end="")


if __name__ == "__main__":
    main()
