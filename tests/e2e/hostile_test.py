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
    # In the destination of Windows' copy, * and ? are wildcards that would
    # make one file per piece; Wine's copy makes none. The name loses them.
    ("wildcards", "cache", b"a*b?c & mkdir canary\r\n", "abc & mkdir canary.mp4"),
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
    # cmd expands %OS% even inside quotes; the command names no folder then.
    ("folder holding a defined variable", "x%OS%y", b"movie\r\n", "movie.mp4"),
    ("GBK folder with trail byte 0x5C", os.path.join("乗 視", "乗 & 缓存"), b"movie\r\n",
     "movie.mp4"),
]


class HostileInputTest(unittest.TestCase):
    """Every case runs in a root of its own, with the program's folder and a
    folder beside it to start from; all the cases run at once."""

    def run_cases(self, cases):
        """`cases` are (folder name, typed line, files); returns for each the
        run, the program's folder relative to its root, and what changed below
        that root (the created or changed paths, and the removed ones)."""
        jobs, layouts = [], []
        for folder_name, typed, files in cases:
            root = tempfile.mkdtemp(prefix="kordavo-")
            self.addCleanup(shutil.rmtree, root)
            elsewhere = os.path.join(root, "elsewhere")
            os.mkdir(elsewhere)
            folder = os.path.join(root, folder_name)
            harness.write_files(folder, files)
            layouts.append((root, os.path.relpath(folder, root), snapshot(root)))
            jobs.append(harness.Job(folder, typed, elsewhere))
        runs = harness.run_programs(jobs)

        outcomes = []
        for run, (root, relative, before) in zip(runs, layouts):
            after = snapshot(root)
            del after[os.path.join(relative, "kordavo.exe")]
            changed = {p: data for p, data in after.items() if before.get(p, ()) != data}
            removed = [p for p in before if p not in after]
            outcomes.append((run, relative, changed, removed))
        return outcomes

    def assert_ended_well(self, run, changed):
        self.assertEqual(run.returncode, 0)
        self.assertGreaterEqual(run.seconds, 3.0)
        self.assertTrue(run.stdout.startswith(BANNER_OUTPUT + b"copy /b "), run.stdout[-200:])
        self.assertEqual([p for p in changed if os.path.basename(p).lower() == "canary"], [])

    def test_typed_names_and_program_folders(self):
        outcomes = self.run_cases([(folder, typed, PIECES) for _, folder, typed, _ in CASES])
        for (what, _, typed, result), (run, folder, changed, removed) in zip(CASES, outcomes):
            with self.subTest(what):
                self.assert_ended_well(run, changed)
                self.assertEqual(removed, [])
                expected = {os.path.join(folder, result): joined(PIECES)} if result else {}
                self.assertEqual(changed, expected)
                if typed == LEAD_BYTE_AT_2048 + b"\r\n":
                    # The cut line holds whole characters.
                    self.assertTrue(run.stdout.endswith(b"\\" + b"n" * 2047 + b".mp4"),
                                    run.stdout[-80:])

    def test_no_pieces_and_an_earlier_result(self):
        # Windows' cmd asks whether to overwrite an earlier result and the
        # user answers; Wine's cmd replaces it without asking.
        earlier = dict(PIECES, **{"movie.mp4": b"an earlier result"})
        (empty, _, empty_changed, empty_removed), (again, _, changed, removed) = self.run_cases(
            [("empty", b"movie\r\n", {}), ("cache", b"movie\r\n", earlier)])
        self.assert_ended_well(empty, empty_changed)
        self.assertEqual((empty_changed, empty_removed), ({}, []))
        self.assert_ended_well(again, changed)
        self.assertEqual((changed, removed), ({"cache/movie.mp4": joined(PIECES)}, []))


if __name__ == "__main__":
    harness.main()
