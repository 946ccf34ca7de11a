#!/usr/bin/env python3
"""The real kordavo.exe where Windows is not set up as the other suites have
it: an ANSI code page that cannot name the program's folder, and a real
console to type into instead of a pipe.

What rests on reasoning, since Wine cannot show it: Windows 10's console
under code page 65001 hands ReadFile a zero byte for each non-ASCII
character, which the program no longer reads through. At Ctrl+C only the
missing copy is checked, not the exit status.
"""
import os
import re
import select
import shutil
import subprocess
import tempfile
import time
import unittest

import harness
from harness import BANNER_OUTPUT, PIECES, joined, snapshot

# The Unix locale that gives Wine's programs ANSI code page 1252, which has
# no Chinese characters.
WESTERN = "C.UTF-8"

SEPARATOR_SHOWN = re.compile(b"=" * 61)
ENDED = b"terminal command ended"
TERMINAL_CONTROL = re.compile(rb"\x1b\[[0-9;?]*[A-Za-z]")


class Terminal:
    """A Windows program in a Unix terminal, which Wine turns into a real
    console: what it shows, with the terminal's control sequences taken out,
    and keys typed into it."""

    def __init__(self, command, cwd):
        # A terminal of no size stalls Wine's console output.
        shell = "stty cols 120 rows 40 raw -echo; %s; echo %s" % (" ".join(
            "'%s'" % part for part in [harness.ARGS.wine, harness.ARGS.loader,
                                       harness.ARGS.prefix, *command]), ENDED.decode())
        self.process = subprocess.Popen(["script", "-qec", shell, "/dev/null"], cwd=cwd,
                                        stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        self.raw = b""

    def shown(self):
        return TERMINAL_CONTROL.sub(b"", self.raw)

    def read_for(self, seconds, until):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline and not until(self.shown()):
            ready, _, _ = select.select([self.process.stdout], [], [], 0.1)
            if ready:
                data = os.read(self.process.stdout.fileno(), 65536)
                if not data:
                    return
                self.raw += data

    def wait_for_separators(self, count):
        """Waits until `count` banner separators have been shown: two for each
        program that has reached its prompt."""
        enough = lambda shown: len(SEPARATOR_SHOWN.findall(shown)) >= count
        self.read_for(60, enough)
        return enough(self.shown())

    def type(self, keys):
        self.process.stdin.write(keys)
        self.process.stdin.flush()

    def finish(self):
        """Returns what was shown once the command has ended. Wine's console
        lives on as long as the terminal, so the terminal is closed then;
        each program has paused 3 s after starting its copy, which is time
        enough for the few bytes of the pieces."""
        self.read_for(120, lambda shown: ENDED in shown)
        self.process.kill()
        self.process.communicate()
        harness.wait_for_every_process()
        return self.shown()


def windows_path(unix_path):
    return harness.windows_path(unix_path).decode("gbk")


class CodePageTest(unittest.TestCase):
    def test_a_folder_the_code_page_cannot_name_is_still_the_one_joined(self):
        root = tempfile.mkdtemp(prefix="kordavo-")
        self.addCleanup(shutil.rmtree, root)
        caller = os.path.join(root, "caller")
        theirs = {"000.tdl": b"the caller's own piece\n"}
        harness.write_files(caller, theirs)
        # Code page 1252 lacks 缓存, and has only a look-alike for ∞: 8.
        folders = [os.path.join(root, "started elsewhere", "缓存"),
                   os.path.join(root, "started inside", "缓存"),
                   os.path.join(root, "started inside", "∞")]
        for folder in folders:
            harness.write_files(folder, PIECES)
        runs = harness.run_programs([
            harness.Job(folders[0], b"movie\r\n", caller, locale=WESTERN),
            harness.Job(folders[1], b"movie\r\n", folders[1], locale=WESTERN),
            harness.Job(folders[2], b"movie\r\n", folders[2], locale=WESTERN),
        ])
        for folder, run in zip(folders, runs):
            with self.subTest(folder):
                self.assertEqual(run.returncode, 0)
                # The banner's bytes are GBK whatever the code page: on such a
                # system it shows as other characters, but the copy works.
                # No ANSI text names the folder, so the command names none and
                # cmd works in the folder it inherits.
                self.assertEqual(run.stdout, BANNER_OUTPUT + b"copy /b *.tdl movie.mp4")
                files = snapshot(folder)
                del files["kordavo.exe"]
                self.assertEqual(files, dict(PIECES, **{"movie.mp4": joined(PIECES)}))
        self.assertEqual(snapshot(caller), theirs)


class ConsoleTest(unittest.TestCase):
    def setUp(self):
        self.root = tempfile.mkdtemp(prefix="kordavo-")
        self.addCleanup(shutil.rmtree, self.root)

    def program_in(self, name):
        folder = os.path.join(self.root, name)
        harness.write_files(folder, PIECES)
        shutil.copyfile(harness.ARGS.program, os.path.join(folder, "kordavo.exe"))
        return folder

    def results(self, folder):
        return {name: data for name, data in snapshot(folder).items() if name.endswith(".mp4")}

    def test_a_chinese_name_typed_at_the_console(self):
        folder = self.program_in("缓存")
        terminal = Terminal([windows_path(os.path.join(folder, "kordavo.exe"))], self.root)
        self.assertTrue(terminal.wait_for_separators(2), terminal.shown()[-300:])
        terminal.type("电影\r".encode("utf-8"))
        terminal.finish()
        self.assertEqual(self.results(folder), {"电影.mp4": joined(PIECES)})

    def test_nothing_of_a_long_line_is_left_for_the_next_reader(self):
        # A second program on the same console reads after the first. The
        # first line is longer than both the 2048 bytes the name takes and
        # the C runtime's 4096-byte buffer; whatever of it stayed in the
        # console would be the second program's name, and on Windows it
        # would answer cmd's question whether to overwrite a file.
        first, second = self.program_in("first"), self.program_in("second")
        terminal = Terminal(["cmd", "/c", "%s\\kordavo.exe & %s\\kordavo.exe" % (
            windows_path(first), windows_path(second))], self.root)
        self.assertTrue(terminal.wait_for_separators(2), terminal.shown()[-300:])
        terminal.type(b"a" * 2048 + b"b" * 2048 + b"leftover\r")
        self.assertTrue(terminal.wait_for_separators(4), terminal.shown()[-300:])
        terminal.type(b"next\r")
        terminal.finish()
        # The first name is too long for a file, so the first copy makes none.
        self.assertEqual(self.results(first), {})
        self.assertEqual(self.results(second), {"next.mp4": joined(PIECES)})

    def test_ctrl_c_at_the_prompt_starts_no_copy(self):
        folder = self.program_in("cache")
        terminal = Terminal([windows_path(os.path.join(folder, "kordavo.exe"))], self.root)
        self.assertTrue(terminal.wait_for_separators(2), terminal.shown()[-300:])
        terminal.type(b"\x03")
        shown = terminal.finish()
        self.assertNotIn(b"copy", shown)
        self.assertEqual(self.results(folder), {})


if __name__ == "__main__":
    harness.main()
