#!/usr/bin/env python3
"""Prints the size of the shipped program and of each of its sections, next
to the budgets: the whole file under 64 KiB, its code and data without the
resources under 24 KiB.

    sizes.py [PROGRAM]     (default: build/win32/kordavo.exe)
"""
import os
import sys

import pefile

FILE_BUDGET = 64 * 1024
CODE_AND_DATA_BUDGET = 24 * 1024


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else "build/win32/kordavo.exe"
    pe = pefile.PE(path, fast_load=True)
    file_size = os.path.getsize(path)
    headers = pe.OPTIONAL_HEADER.SizeOfHeaders

    print("%-10s %10s %12s" % ("section", "in file", "in memory"))
    print("%-10s %10d %12s" % ("(headers)", headers, ""))
    resources = 0
    for section in pe.sections:
        name = section.Name.rstrip(b"\0").decode()
        print("%-10s %10d %12d" % (name, section.SizeOfRawData, section.Misc_VirtualSize))
        if name == ".rsrc":
            resources += section.SizeOfRawData
    without_resources = file_size - resources
    print()
    print("file                  %6d bytes (%5.1f KiB), budget %d KiB" %
          (file_size, file_size / 1024, FILE_BUDGET // 1024))
    print("without the resources %6d bytes (%5.1f KiB), budget %d KiB" %
          (without_resources, without_resources / 1024, CODE_AND_DATA_BUDGET // 1024))
    pe.parse_data_directories(
        directories=[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_IMPORT"]])
    imports = sorted(entry.dll.decode() for entry in pe.DIRECTORY_ENTRY_IMPORT)
    print("imports:", ", ".join(imports))


if __name__ == "__main__":
    main()
