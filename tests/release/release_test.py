#!/usr/bin/env python3
"""The release is reproducible and complete: two copies of the sources in
different folders each run scripts/release.sh, and their zips, checksums and
programs must be the same bytes; the checksum must verify the zip, and the
zip has to unpack as a user gets it."""
import hashlib
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest
import zipfile

SOURCE = None
VERSION = None  # project(VERSION) of CMakeLists.txt
ENTRIES = ["kordavo.exe", "使用说明.txt", "LICENSE.txt", "SHA256SUMS.txt"]


def copy_sources(target):
    """The files a clean clone has (and any new ones not ignored yet)."""
    listed = subprocess.run(["git", "-C", SOURCE, "ls-files", "-z", "--cached", "--others",
                             "--exclude-standard"], check=True, stdout=subprocess.PIPE)
    for name in listed.stdout.decode().split("\0"):
        if name and os.path.isfile(os.path.join(SOURCE, name)):
            os.makedirs(os.path.join(target, os.path.dirname(name)), exist_ok=True)
            shutil.copy2(os.path.join(SOURCE, name), os.path.join(target, name))


def unicode_name(info):
    """The UTF-8 name of an Info-ZIP Unicode Path field, if the entry has one."""
    extra = info.extra
    while len(extra) >= 4:
        kind, size = struct.unpack_from("<HH", extra)
        if kind == 0x7075:
            return extra[9:4 + size].decode("utf-8")
        extra = extra[4 + size:]
    return None


class ReleaseTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.mkdtemp(prefix="kordavo-release-")
        cls.builds = []
        for folder in ("first", os.path.join("second", "deeper folder")):
            tree = os.path.join(cls.work, folder)
            copy_sources(tree)
            subprocess.run([os.path.join(tree, "scripts", "release.sh")], check=True,
                           stdout=subprocess.DEVNULL)
            cls.builds.append(tree)
        cls.zip_name = "kordavo-%s-win32.zip" % VERSION
        cls.zip_path = os.path.join(cls.builds[0], "dist", cls.zip_name)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.work)

    def read(self, tree, *path):
        with open(os.path.join(tree, *path), "rb") as f:
            return f.read()

    def test_two_builds_in_different_folders_give_the_same_bytes(self):
        first, second = self.builds
        self.assertEqual(self.read(first, "build", "release", "kordavo.exe"),
                         self.read(second, "build", "release", "kordavo.exe"))
        for name in (self.zip_name, self.zip_name + ".sha256"):
            self.assertEqual(self.read(first, "dist", name), self.read(second, "dist", name))
        self.assertNotIn(self.work.encode(), self.read(first, "build", "release", "kordavo.exe"))

    def test_the_checksum_beside_the_zip_verifies_it(self):
        dist = os.path.dirname(self.zip_path)
        check = subprocess.run(["sha256sum", "-c", self.zip_name + ".sha256"], cwd=dist,
                               stdout=subprocess.PIPE, check=True)
        self.assertEqual(check.stdout, (self.zip_name + ": OK\n").encode())

    def test_the_zip_unpacks_to_what_a_user_needs(self):
        with zipfile.ZipFile(self.zip_path) as archive:
            self.assertIsNone(archive.testzip())
            infos = archive.infolist()
            # Without the UTF-8 flag, zipfile reads the stored GBK name as cp437.
            names = [unicode_name(i) or i.filename for i in infos]
            self.assertEqual(names, ENTRIES)
            self.assertEqual(infos[1].filename.encode("cp437"), ENTRIES[1].encode("gbk"))
            self.assertEqual({i.date_time for i in infos}, {(2026, 1, 1, 0, 0, 0)})
            files = {name: archive.read(info) for name, info in zip(names, infos)}

        self.assertEqual(files["kordavo.exe"],
                         self.read(self.builds[0], "build", "release", "kordavo.exe"))
        # What Notepad on a Chinese XP reads right: GBK with CRLF line ends.
        for text in ENTRIES[1:]:
            decoded = files[text].decode("gbk")
            self.assertEqual(decoded.count("\n"), decoded.count("\r\n"), text)
        guide = files["使用说明.txt"].decode("gbk")
        self.assertTrue(guide.startswith("Kordavo %s 使用说明\r\n" % VERSION), guide[:40])
        self.assertIn("请输入转换后的文件名并敲回车键", guide)

        sums = files["SHA256SUMS.txt"].decode("gbk").splitlines()
        self.assertEqual([line.split("  ", 1)[1] for line in sums], ENTRIES[:3])
        for line in sums:
            digest, name = line.split("  ", 1)
            self.assertEqual(hashlib.sha256(files[name]).hexdigest(), digest, name)


if __name__ == "__main__":
    SOURCE, VERSION = os.path.abspath(sys.argv.pop(1)), sys.argv.pop(1)
    unittest.main(argv=[sys.argv[0], "-v"])
