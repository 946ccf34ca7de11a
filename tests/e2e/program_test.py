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


def quoted(path):
    return b'"' + path + b'"'


class ProgramTest(unittest.TestCase):
    def setUp(self):
        self.root = tempfile.mkdtemp(prefix="kordavo-")
        self.addCleanup(shutil.rmtree, self.root)
        self.elsewhere = os.path.join(self.root, "elsewhere")
        os.mkdir(self.elsewhere)

    def run_program(self, folder_name, typed, program_name="kordavo.exe", start=None):
        folder = os.path.join(self.root, folder_name)
        harness.write_files(folder, PIECES)
        run = harness.run_program(folder, typed, self.elsewhere, program_name, start)
        self.assertEqual(run.returncode, 0)
        self.assertGreaterEqual(run.seconds, 3.0)
        return folder, run.stdout

    def assert_output(self, stdout, command):
        self.assertEqual(stdout, BANNER_OUTPUT + command)

    def assert_joined(self, folder, result_name, program_name="kordavo.exe"):
        expected = dict(PIECES)
        expected[result_name] = joined(PIECES)
        files = snapshot(folder)
        del files[program_name]
        self.assertEqual(sorted(files), sorted(expected))
        self.assertEqual(files[result_name], expected[result_name])
        self.assertEqual(os.listdir(self.elsewhere), [])

    def test_plain_folder_and_name(self):
        folder, stdout = self.run_program("cache", b"movie\r\n")
        path = windows_path(folder)
        self.assert_output(stdout, b"copy /b " + path + b"\\*.tdl " + path + b"\\movie.mp4")
        self.assert_joined(folder, "movie.mp4")

    def test_folder_with_blanks_and_ampersand_and_name_with_ampersand(self):
        folder, stdout = self.run_program("my cache & more", b"a & b\r\n")
        path = windows_path(folder)
        self.assert_output(stdout, b"copy /b " + quoted(path + b"\\*.tdl") + b" " +
                           quoted(path + b"\\a & b.mp4"))
        self.assert_joined(folder, "a & b.mp4")

    def test_gbk_folder_and_program_name_with_trail_byte_5c(self):
        # 乗 is 0x81 0x5C in GBK: its trail byte is a backslash.
        name = "电影乗"
        folder, stdout = self.run_program(os.path.join("乗", "腾讯视频乗"),
                                          name.encode("gbk") + b"\r\n",
                                          program_name="合并乗.exe")
        path = windows_path(folder)
        self.assertIn(b"\x81\x5c", path)
        self.assert_output(stdout, b"copy /b " + path + b"\\*.tdl " + path + b"\\" +
                           name.encode("gbk") + b".mp4")
        self.assert_joined(folder, name + ".mp4", program_name="合并乗.exe")

    def test_program_in_a_drive_root_joins_the_pieces_of_that_root(self):
        # Wine shows the working directory under the drive too, as
        # K:\elsewhere, and "K:" alone would select that folder.
        drive = os.path.join(harness.ARGS.prefix, "dosdevices", "k:")
        if os.path.lexists(drive):
            os.remove(drive)
        os.symlink(self.root, drive)
        self.addCleanup(os.remove, drive)
        folder, stdout = self.run_program(".", b"movie\r\n", start="K:\\kordavo.exe")
        self.assert_output(stdout, b"copy /b K:\\\\*.tdl K:\\\\movie.mp4")
        with open(os.path.join(folder, "movie.mp4"), "rb") as f:
            self.assertEqual(f.read(), joined(PIECES))
        self.assertEqual(os.listdir(self.elsewhere), [])

    def test_typed_commands_do_not_run(self):
        # Without the quoting, cmd would run the echo and create the canary.
        folder, stdout = self.run_program("cache", b'x" & echo X> canary & rem "\r\n')
        files = snapshot(folder)
        self.assertEqual([name for name in files if name.lower() == "canary"], [])
        self.assertEqual(os.listdir(self.elsewhere), [])
        self.assertEqual({name: files[name] for name in PIECES}, PIECES)
        path = windows_path(folder)
        self.assert_output(stdout, b"copy /b " + path + b"\\*.tdl " +
                           quoted(path + b"\\x & echo X> canary & rem .mp4"))

    def test_end_of_input_joins_into_dot_mp4(self):
        folder, stdout = self.run_program("cache", b"")
        path = windows_path(folder)
        self.assert_output(stdout, b"copy /b " + path + b"\\*.tdl " + path + b"\\.mp4")
        self.assert_joined(folder, ".mp4")

    def test_a_block_that_cannot_be_obtained_ends_with_status_minus_one(self):
        result = harness.wine(harness.ARGS.obtain_too_much, stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, cwd=self.elsewhere, timeout=60)
        self.assertEqual(result.returncode, 255)
        self.assertEqual(result.stdout, b"")


if __name__ == "__main__":
    harness.main("--obtain-too-much")
