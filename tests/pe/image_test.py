#!/usr/bin/env python3
"""What the shipped 32-bit kordavo.exe is made of, read from its headers and
resources: what Windows checks before it runs the program at all."""
import struct
import sys
import unittest

import pefile

PATH = None
VERSION = None  # project(VERSION) of CMakeLists.txt, as major.minor.patch

LANG_ZH_CN = 0x0804
ICON_SIZES = [256, 48, 32, 16]

# Every function the program imports, each one there on Windows XP SP3. A
# toolchain update that pulls in a newer one (GetTickCount64,
# InitializeCriticalSectionEx, FlsAlloc, ...) makes a program that XP refuses
# to load, and Wine, which has them all, would not show it. Before adding a
# name here, check it: for KERNEL32 and USER32, Microsoft's reference must
# give Windows XP or earlier as the minimum supported client; for msvcrt, the
# name must be among the exports of XP SP3's own msvcrt.dll (7.0.2600), as
# `objdump -p` or `winedump -j export` lists them on a copy of that file.
IMPORTS = {
    "kernel32.dll": {
        "CloseHandle", "CreateProcessA", "DeleteCriticalSection", "EnterCriticalSection",
        "ExitProcess", "FreeLibrary", "GetConsoleMode", "GetCurrentDirectoryW", "GetLastError",
        "GetModuleFileNameW", "GetModuleHandleA", "GetProcAddress", "GetProcessHeap",
        "GetStartupInfoA", "GetStdHandle", "HeapAlloc", "HeapFree", "InitializeCriticalSection",
        "IsDBCSLeadByte", "LeaveCriticalSection", "LoadLibraryA", "MultiByteToWideChar",
        "ReadConsoleW", "SetCurrentDirectoryW", "SetLastError", "SetUnhandledExceptionFilter",
        "Sleep", "TlsGetValue", "VirtualProtect", "VirtualQuery", "WaitForSingleObject",
        "WideCharToMultiByte",
    },
    "user32.dll": {"MessageBoxA", "WaitForInputIdle"},
    "msvcrt.dll": {
        "__getmainargs", "__initenv", "__p__acmdln", "__p__commode", "__p__fmode",
        "__set_app_type", "__setusermatherr", "_amsg_exit", "_cexit", "_initterm", "_iob",
        "_onexit", "abort", "calloc", "exit", "fgets", "fprintf", "fputs", "free", "fwrite",
        "malloc", "memcpy", "signal", "strchr", "strlen", "strncmp", "ungetc", "vfprintf",
    },
}


class Win32ImageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pe = pefile.PE(PATH)

    def resources(self, type_id):
        for entry in self.pe.DIRECTORY_ENTRY_RESOURCE.entries:
            if entry.id == type_id:
                return entry.directory.entries
        self.fail("no resources of type %d" % type_id)

    def data(self, language_entry):
        rva, size = language_entry.data.struct.OffsetToData, language_entry.data.struct.Size
        return self.pe.get_data(rva, size)

    def test_a_32_bit_console_program_that_runs_on_windows_xp(self):
        header, optional = self.pe.FILE_HEADER, self.pe.OPTIONAL_HEADER
        self.assertEqual(header.Machine, pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_I386"])
        self.assertEqual(optional.Magic, pefile.OPTIONAL_HEADER_MAGIC_PE)
        self.assertEqual(optional.Subsystem, pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_CUI"])
        # XP's loader refuses an image that asks for a newer system.
        self.assertLessEqual((optional.MajorSubsystemVersion, optional.MinorSubsystemVersion), (5, 1))
        self.assertLessEqual((optional.MajorOperatingSystemVersion,
                              optional.MinorOperatingSystemVersion), (5, 1))

    def test_imports_only_functions_that_windows_xp_has(self):
        imports = {entry.dll.decode().lower(): {i.name.decode() for i in entry.imports}
                   for entry in self.pe.DIRECTORY_ENTRY_IMPORT}
        self.assertEqual(imports, IMPORTS)

    def test_icon_group_default_icon_with_four_32_bit_images(self):
        groups = [e for e in self.resources(pefile.RESOURCE_TYPE["RT_GROUP_ICON"])
                  if e.name is not None and str(e.name) == "DEFAULT_ICON"]
        self.assertEqual(len(groups), 1)
        group = self.data(groups[0].directory.entries[0])
        _, kind, count = struct.unpack_from("<HHH", group)
        self.assertEqual((kind, count), (1, 4))

        icons = {e.id: e for e in self.resources(pefile.RESOURCE_TYPE["RT_ICON"])}
        sizes = []
        for index in range(count):
            width, height, _, _, _, bits, size, icon_id = struct.unpack_from(
                "<BBBBHHIH", group, 6 + 14 * index)
            self.assertEqual(bits, 32)
            image = self.data(icons[icon_id].directory.entries[0])
            self.assertEqual(len(image), size)
            side = width or 256
            self.assertEqual(side, height or 256)
            if side == 256:
                self.assertTrue(image.startswith(b"\x89PNG\r\n\x1a\n"))
                self.assertEqual(struct.unpack_from(">II", image, 16), (256, 256))
            else:
                header_size, dib_width, dib_height, _, dib_bits = struct.unpack_from("<IiiHH", image)
                self.assertEqual((header_size, dib_width, dib_height, dib_bits),
                                 (40, side, 2 * side, 32))
            sizes.append(side)
        self.assertEqual(sorted(sizes, reverse=True), ICON_SIZES)

    def test_version_resource_in_chinese_prc_and_utf_16(self):
        versions = self.resources(pefile.RESOURCE_TYPE["RT_VERSION"])
        self.assertEqual([lang.id for e in versions for lang in e.directory.entries], [LANG_ZH_CN])

        major, minor, patch = (int(part) for part in VERSION.split("."))
        fixed = self.pe.VS_FIXEDFILEINFO[0]
        numbers = (major << 16 | minor, patch << 16)
        self.assertEqual((fixed.FileVersionMS, fixed.FileVersionLS), numbers)
        self.assertEqual((fixed.ProductVersionMS, fixed.ProductVersionLS), numbers)

        tables, translations = [], []
        for info in self.pe.FileInfo[0]:
            if info.Key == b"StringFileInfo":
                tables = info.StringTable
            elif info.Key == b"VarFileInfo":
                translations = [var.entry for var in info.Var]
        self.assertEqual(len(tables), 1)
        self.assertEqual(tables[0].LangID.lower(), b"080404b0")
        self.assertEqual(translations, [{b"Translation": "0x0804 0x04b0"}])

        strings = {k.decode(): v.decode() for k, v in tables[0].entries.items()}
        self.assertEqual(strings["FileVersion"], VERSION + ".0")
        self.assertEqual(strings["ProductVersion"], VERSION + ".0")
        self.assertEqual(strings["ProductName"], "Kordavo")
        self.assertIn("Kordavo", strings["FileDescription"])
        self.assertIn("腾讯视频", strings["FileDescription"])
        # The maker's details: who, and where to reach them.
        self.assertIn("Kordavo", strings["CompanyName"])
        for field in ("Comments", "LegalCopyright"):
            self.assertIn("https://github.com/kordavo/kordavo", strings[field])


if __name__ == "__main__":
    PATH, VERSION = sys.argv.pop(1), sys.argv.pop(1)
    unittest.main(argv=[sys.argv[0], "-v"])
