#!/usr/bin/env python3
"""The real kordavo.exe under Wine, against Wine's own cmd.

Each case copies the program into a fresh folder of .tdl pieces, starts it
from another working directory with the typed line piped in, and checks the
whole standard output byte for byte, the exit status, the 3 s pause, and,
once every process of the prefix has ended, the joined file.
"""
import os
import shutil
import subprocess
import tempfile
import unittest

import harness
from harness import BANNER_OUTPUT, PIECES, joined, snapshot, windows_path


# (what, program folder, program name, typed line, the echoed copy command
# with {F} for the folder as Windows shows it, the joined file or None)
CASES = [
    ("plain folder and name", "cache", "kordavo.exe", b"movie\r\n",
     b"copy /b {F}\\*.tdl {F}\\movie.mp4", "movie.mp4"),
    ("folder with blanks and &, name with &", "my cache & more", "kordavo.exe", b"a & b\r\n",
     b'copy /b "{F}\\*.tdl" "{F}\\a & b.mp4"', "a & b.mp4"),
    # 乗 is 0x81 0x5C in GBK: its trail byte is a backslash.
    ("GBK folder and program name, trail byte 0x5C", os.path.join("乗", "腾讯视频乗"),
     "合并乗.exe", "电影乗\r\n".encode("gbk"),
     "copy /b {F}\\*.tdl {F}\\电影乗.mp4".encode("gbk"), "电影乗.mp4"),
    # Unquoted, cmd would run the echo and create the canary; ">" makes the
    # name no file name, so nothing is joined.
    ("typed commands", "cache", "kordavo.exe", b'x" & echo X> canary & rem "\r\n',
     b'copy /b {F}\\*.tdl "{F}\\x & echo X> canary & rem .mp4"', None),
    ("end of input", "cache", "kordavo.exe", b"",
     b"copy /b {F}\\*.tdl {F}\\.mp4", ".mp4"),
]


class ProgramTest(unittest.TestCase):
    def setUp(self):
        self.root = tempfile.mkdtemp(prefix="kordavo-")
        self.addCleanup(shutil.rmtree, self.root)
        self.elsewhere = os.path.join(self.root, "elsewhere")
        os.mkdir(self.elsewhere)

    def test_banner_echo_and_joined_file(self):
        folders = [os.path.join(self.root, "case%d" % number, case[1])
                   for number, case in enumerate(CASES)]
        for folder in folders:
            harness.write_files(folder, PIECES)
        runs = harness.run_programs([harness.Job(folder, typed, self.elsewhere, program_name)
                                     for folder, (_, _, program_name, typed, _, _)
                                     in zip(folders, CASES)])
        for folder, run, (what, _, program_name, _, command, result) in zip(folders, runs, CASES):
            with self.subTest(what):
                self.assertEqual(run.returncode, 0)
                self.assertGreaterEqual(run.seconds, 3.0)
                self.assertEqual(run.stdout, BANNER_OUTPUT + command.replace(b"{F}",
                                                                             windows_path(folder)))
                files = snapshot(folder)
                del files[program_name]
                expected = dict(PIECES, **({result: joined(PIECES)} if result else {}))
                self.assertEqual(files, expected)
        self.assertEqual(os.listdir(self.elsewhere), [])

    def test_program_in_a_drive_root_joins_the_pieces_of_that_root(self):
        # Wine shows the working directory under the drive too, as
        # K:\elsewhere, and "K:" alone would select that folder.
        drive = os.path.join(harness.ARGS.prefix, "dosdevices", "k:")
        if os.path.lexists(drive):
            os.remove(drive)
        os.symlink(self.root, drive)
        self.addCleanup(os.remove, drive)
        harness.write_files(self.root, PIECES)
        run = harness.run_program(self.root, b"movie\r\n", self.elsewhere, start="K:\\kordavo.exe")
        self.assertEqual(run.returncode, 0)
        self.assertEqual(run.stdout, BANNER_OUTPUT + b"copy /b K:\\\\*.tdl K:\\\\movie.mp4")
        with open(os.path.join(self.root, "movie.mp4"), "rb") as f:
            self.assertEqual(f.read(), joined(PIECES))
        self.assertEqual(os.listdir(self.elsewhere), [])

    def test_a_block_that_cannot_be_obtained_ends_with_status_minus_one(self):
        result = harness.wine(harness.ARGS.obtain_too_much, stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, cwd=self.elsewhere, timeout=60)
        self.assertEqual(result.returncode, 255)
        self.assertEqual(result.stdout, b"")


if __name__ == "__main__":
    harness.main("--obtain-too-much")
