#!/usr/bin/env python3
"""The real kordavo.exe under Wine, against Wine's own cmd.

Each case copies the program into a fresh folder of .tdl pieces, starts it
from another working directory with the typed line piped in, and checks the
whole standard output byte for byte, the exit status, the 3 s pause, and,
once every process of the prefix has ended, the joined file.
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

ARGS = None

SEPARATOR = b"=" * 61
BANNER = [
    b"\r\n", SEPARATOR, b"\r\n",
    "欢迎使用Kordavo v1.0".encode("gbk"), b"\r\n",
    "程序开发：https://github.com/kordavo/kordavo".encode("gbk"), b"\r\n",
    "备注：程序一定要放到腾讯视频缓存目录才能转换成功！".encode("gbk"), b"\r\n",
    "请输入转换后的文件名并敲回车键，后面不要加：.MP4".encode("gbk"), b"\r\n",
    b"\r\n", SEPARATOR, b"\r\n",
]

# Binary pieces: copy /b must not stop at 0x1A or touch line ends.
PIECES = {
    "000.tdl": b"first piece\r\n",
    "001.tdl": bytes(range(256)),
    "002.tdl": b"\x1a\x00last\n",
}


def wine(*command, **options):
    return subprocess.run([ARGS.wine, ARGS.prefix, *command], **options)


def windows_path(unix_path):
    """The path as the program sees it in code page 936: Wine's Z: is the Unix root."""
    return ("Z:" + unix_path.replace("/", "\\")).encode("gbk")


def quoted(path):
    return b'"' + path + b'"'


def snapshot(folder):
    files = {}
    for root, _, names in os.walk(folder):
        for name in names:
            path = os.path.join(root, name)
            with open(path, "rb") as f:
                files[os.path.relpath(path, folder)] = f.read()
    return files


class ProgramTest(unittest.TestCase):
    def setUp(self):
        self.root = tempfile.mkdtemp(prefix="kordavo-")
        self.addCleanup(shutil.rmtree, self.root)
        self.elsewhere = os.path.join(self.root, "elsewhere")
        os.mkdir(self.elsewhere)

    def run_program(self, folder_name, typed, program_name="kordavo.exe", start=None):
        """Runs the program in a new folder of pieces, from the folder
        `elsewhere`; returns the folder and the standard output once every
        process the program started has ended. `start` is the program's path
        as Windows sees it, when not its Unix path."""
        folder = os.path.join(self.root, folder_name)
        os.makedirs(folder, exist_ok=True)
        for name, data in PIECES.items():
            with open(os.path.join(folder, name), "wb") as f:
                f.write(data)
        program = os.path.join(folder, program_name)
        shutil.copyfile(ARGS.program, program)

        started = time.monotonic()
        result = wine(start or program, input=typed, stdout=subprocess.PIPE,
                      stderr=subprocess.DEVNULL, cwd=self.elsewhere, timeout=60)
        elapsed = time.monotonic() - started
        wine("wineserver", "-w", timeout=60, check=True)

        self.assertEqual(result.returncode, 0)
        self.assertGreaterEqual(elapsed, 3.0)
        return folder, result.stdout

    def assert_output(self, stdout, command):
        expected = (b"".join(BANNER) + command).replace(b"\n", b"\r\n")
        self.assertEqual(stdout, expected)

    def assert_joined(self, folder, result_name, program_name="kordavo.exe"):
        expected = dict(PIECES)
        expected[result_name] = b"".join(PIECES[name] for name in sorted(PIECES))
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
        # K:\\elsewhere, and "K:" alone would select that folder.
        drive = os.path.join(ARGS.prefix, "dosdevices", "k:")
        if os.path.lexists(drive):
            os.remove(drive)
        os.symlink(self.root, drive)
        self.addCleanup(os.remove, drive)
        folder, stdout = self.run_program(".", b"movie\r\n", start="K:\\kordavo.exe")
        self.assert_output(stdout, b"copy /b K:\\\\*.tdl K:\\\\movie.mp4")
        with open(os.path.join(folder, "movie.mp4"), "rb") as f:
            self.assertEqual(f.read(), b"".join(PIECES[name] for name in sorted(PIECES)))
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
        result = wine(ARGS.obtain_too_much, stdout=subprocess.PIPE,
                      stderr=subprocess.DEVNULL, cwd=self.elsewhere, timeout=60)
        self.assertEqual(result.returncode, 255)
        self.assertEqual(result.stdout, b"")


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--wine", required=True, help="tests/wine/wine.sh")
    parser.add_argument("--prefix", required=True)
    parser.add_argument("--program", required=True, help="kordavo.exe built for x86-64")
    parser.add_argument("--obtain-too-much", required=True)
    ARGS, rest = parser.parse_known_args()
    for name in ("wine", "prefix", "program", "obtain_too_much"):
        setattr(ARGS, name, os.path.abspath(getattr(ARGS, name)))
    unittest.main(argv=[sys.argv[0], "-v", *rest])


if __name__ == "__main__":
    main()
