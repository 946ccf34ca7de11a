"""What the tests of the real kordavo.exe under Wine share: running it in a
folder of pieces from another working directory, waiting for the cmd it
started, and looking at what it left behind."""
import argparse
import os
import shutil
import subprocess
import sys
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
# What reaches a pipe of the banner: text mode makes each "\n" "\r\n".
BANNER_OUTPUT = b"".join(BANNER).replace(b"\n", b"\r\n")

# Binary pieces: copy /b must not stop at 0x1A or touch line ends.
PIECES = {
    "000.tdl": b"first piece\r\n",
    "001.tdl": bytes(range(256)),
    "002.tdl": b"\x1a\x00last\n",
}


def wine(*command, **options):
    return subprocess.run([ARGS.wine, ARGS.prefix, *command], **options)


def wait_for_every_process():
    """Returns once every process of the prefix, cmd included, has ended."""
    wine("wineserver", "-w", timeout=600, check=True)


def windows_path(unix_path):
    """The path as the program sees it in code page 936: Wine's Z: is the Unix root."""
    return ("Z:" + unix_path.replace("/", "\\")).encode("gbk")


def joined(pieces):
    return b"".join(pieces[name] for name in sorted(pieces))


def write_files(folder, files):
    os.makedirs(folder, exist_ok=True)
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


def snapshot(folder):
    """Every file and folder below `folder`, by relative path: bytes, or None
    for a folder."""
    found = {}
    for root, folders, names in os.walk(folder):
        for name in folders:
            found[os.path.relpath(os.path.join(root, name), folder)] = None
        for name in names:
            path = os.path.join(root, name)
            with open(path, "rb") as f:
                found[os.path.relpath(path, folder)] = f.read()
    return found


class Run:
    """One run of the program: its exit status, standard output and the
    seconds from its start to its exit."""

    def __init__(self, returncode, stdout, seconds):
        self.returncode, self.stdout, self.seconds = returncode, stdout, seconds


def run_program(folder, typed, cwd, program_name="kordavo.exe", start=None):
    """Copies the program into `folder` and runs it from `cwd` with `typed` on
    its standard input; returns once every process it started has ended.
    `start` is the program's path as Windows sees it, when not its Unix path."""
    program = os.path.join(folder, program_name)
    shutil.copyfile(ARGS.program, program)
    started = time.monotonic()
    result = wine(start or program, input=typed, stdout=subprocess.PIPE,
                  stderr=subprocess.DEVNULL, cwd=cwd, timeout=600)
    seconds = time.monotonic() - started
    wait_for_every_process()
    return Run(result.returncode, result.stdout, seconds)


def main(*extra_paths):
    """Parses --wine, --prefix, --program and the `extra_paths` options, then
    runs the calling module's tests."""
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--wine", required=True, help="tests/wine/wine.sh")
    parser.add_argument("--prefix", required=True)
    parser.add_argument("--program", required=True, help="kordavo.exe built for x86-64")
    for option in extra_paths:
        parser.add_argument(option, required=True)
    ARGS, rest = parser.parse_known_args()
    for name, value in vars(ARGS).items():
        setattr(ARGS, name, os.path.abspath(value))
    unittest.main(module="__main__", argv=[sys.argv[0], "-v", *rest])
