#!/usr/bin/env python3
"""Tells whether this machine's kernel runs 32-bit x86 code, which Wine's
32-bit loader, and so the shipped kordavo.exe, needs.

    probe_32_bit.py

Writes a 96-byte i386 ELF program that only ends with status 42, runs it,
and prints "yes", or "no: <why>"; exits 0 either way. It asks nothing of
Wine, so a machine that runs 32-bit code but lacks wine32 still says yes,
and the 32-bit tests then fail rather than being skipped.
"""
import os
import struct
import subprocess
import tempfile

BASE = 0x08048000
STATUS = 42


def program():
    code = (b"\xb8\x01\x00\x00\x00"                      # mov eax, 1 (exit)
            + b"\xbb" + struct.pack("<I", STATUS)        # mov ebx, 42
            + b"\xcd\x80")                               # int 0x80
    size = 52 + 32 + len(code)
    # ELF header: 32-bit, little-endian; an executable for i386 whose code
    # follows the header and the one program header.
    header = (b"\x7fELF\x01\x01\x01" + bytes(9) + struct.pack(
        "<HHIIIIIHHHHHH", 2, 3, 1, BASE + 52 + 32, 52, 0, 0, 52, 32, 1, 0, 0, 0))
    segment = struct.pack("<IIIIIIII", 1, 0, BASE, BASE, size, size, 5, 0x1000)
    return header + segment + code


def main():
    with tempfile.TemporaryDirectory(prefix="kordavo-probe-") as folder:
        path = os.path.join(folder, "exit42")
        with open(path, "wb") as f:
            f.write(program())
        os.chmod(path, 0o755)
        try:
            status = subprocess.run([path]).returncode
        except OSError as error:
            print("no: the kernel does not run 32-bit x86 code (%s)" % error.strerror)
            return
    if status == STATUS:
        print("yes")
    else:
        print("no: a 32-bit x86 program ended with status %d, not %d" % (status, STATUS))


if __name__ == "__main__":
    main()
