#!/usr/bin/env python3
"""Odd and hostile input for the real kordavo.exe under Wine's cmd.

One table of cases. For every case the program must end with status 0 after
its 3 s pause and no command but the copy may run: the injected commands
make a folder named canary, which must not appear. Nothing outside the
program's folder may be created or changed, the pieces stay as they were,
and where the name makes a valid file name the joined file holds exactly the
pieces; where it does not, nothing at all is created.
"""
import os
import shutil
import tempfile
import unittest

import harness
from harness import BANNER_OUTPUT, PIECES, joined, snapshot

# A line of 2047 bytes and then a GBK character: its first byte is byte 2048.
LEAD_BYTE_AT_2048 = b"n" * 2047 + "电影".encode("gbk")

CASES = [
    # (what, folder, typed line, expected result file or None)
    ("ampersand", "cache", b"a & mkdir canary & rem\r\n", "a & mkdir canary & rem.mp4"),
    ("quotes around an ampersand", "cache", b'a" & mkdir canary & rem "\r\n',
     "a & mkdir canary & rem .mp4"),
    ("only a quote", "cache", b'"\r\n', ".mp4"),
    ("caret", "cache", b"a ^& mkdir canary\r\n", "a ^& mkdir canary.mp4"),
    ("parentheses", "cache", b"(a) & mkdir canary & (rem)\r\n", "(a) & mkdir canary & (rem).mp4"),
    ("semicolon comma equals plus", "cache", b"a;b,c=d+e\r\n", "a;b,c=d+e.mp4"),
    ("exclamation marks", "cache", b"a!b! & mkdir canary\r\n", "a!b! & mkdir canary.mp4"),
    ("a lone percent", "cache", b"50% & mkdir canary\r\n", "50% & mkdir canary.mp4"),
    # cmd expands %NAME% even inside quotes, so the name becomes
    # ...\C:\windows\system32\cmd.exe.mp4, which is no file name.
    ("a defined variable", "cache", b"%COMSPEC% & mkdir canary\r\n", None),
    ("pipe", "cache", b"a | mkdir canary\r\n", None),
    ("redirections", "cache", b"a > canary < canary\r\n", None),
    ("blanks at both ends and inside", "cache", b"  in side  \r\n", "  in side  .mp4"),
    ("a tab inside", "cache", b"a\tb\r\n", None),
    ("control bytes inside", "cache", b"a\x01\x1bb\r\n", None),
    ("empty line", "cache", b"\r\n", ".mp4"),
    ("end of input", "cache", b"", ".mp4"),
    ("3000-byte line", "cache", b"n" * 3000 + b"\r\n", None),
    ("byte 2048 a GBK lead byte", "cache", LEAD_BYTE_AT_2048 + b"\r\n", None),
    ("GBK name with trail byte 0x5C", "cache", "乗 & 視乗\r\n".encode("gbk"), "乗 & 視乗.mp4"),
    ("folder with blanks", "my cache", b"movie\r\n", "movie.mp4"),
    ("folder with & ( ) ; , = ^ % !", "a&b (1); x,y=z ^ 100% !", b"movie\r\n", "movie.mp4"),
    ("GBK folder with trail byte 0x5C", os.path.join("乗 視", "乗 & 缓存"), b"movie\r\n",
     "movie.mp4"),
]


class HostileInputTest(unittest.TestCase):
    def run_case(self, folder_name, typed, files):
        """Runs the program in a new folder of `files`, from a folder beside
        it; returns the run, the program's folder relative to the root that
        holds both, and what changed below that root (the created or changed
        paths, and the removed ones)."""
        root = tempfile.mkdtemp(prefix="kordavo-")
        self.addCleanup(shutil.rmtree, root)
        elsewhere = os.path.join(root, "elsewhere")
        os.mkdir(elsewhere)
        folder = os.path.join(root, folder_name)
        harness.write_files(folder, files)
        before = snapshot(root)
        run = harness.run_program(folder, typed, elsewhere)
        after = snapshot(root)
        relative = os.path.relpath(folder, root)
        del after[os.path.join(relative, "kordavo.exe")]

        self.assertEqual(run.returncode, 0)
        self.assertGreaterEqual(run.seconds, 3.0)
        self.assertTrue(run.stdout.startswith(BANNER_OUTPUT + b"copy /b "), run.stdout[-200:])
        self.assertEqual([p for p in after if os.path.basename(p).lower() == "canary"], [])
        changed = {p: data for p, data in after.items() if before.get(p, ()) != data}
        removed = [p for p in before if p not in after]
        return run, relative, changed, removed

    def test_typed_names_and_program_folders(self):
        for what, folder_name, typed, result in CASES:
            with self.subTest(what):
                run, folder, changed, removed = self.run_case(folder_name, typed, PIECES)
                self.assertEqual(removed, [])
                expected = {os.path.join(folder, result): joined(PIECES)} if result else {}
                self.assertEqual(changed, expected)

    def test_a_cut_line_holds_whole_characters(self):
        run, _, _, _ = self.run_case("cache", LEAD_BYTE_AT_2048 + b"\r\n", PIECES)
        self.assertTrue(run.stdout.endswith(b"\\" + b"n" * 2047 + b".mp4"), run.stdout[-80:])

    def test_no_pieces_at_all(self):
        _, _, changed, removed = self.run_case("empty", b"movie\r\n", {})
        self.assertEqual((changed, removed), ({}, []))

    def test_an_output_file_of_that_name_already_there(self):
        # Windows' cmd asks whether to overwrite it and the user answers;
        # Wine's cmd replaces it without asking.
        files = dict(PIECES, **{"movie.mp4": b"an earlier result"})
        _, _, changed, removed = self.run_case("cache", b"movie\r\n", files)
        self.assertEqual((changed, removed), ({"cache/movie.mp4": joined(PIECES)}, []))


if __name__ == "__main__":
    harness.main()
