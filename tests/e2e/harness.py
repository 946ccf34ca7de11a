"""What the tests of the real kordavo.exe under Wine share: running it in a
folder of pieces from another working directory, waiting for the cmd it
started, and looking at what it left behind."""
import argparse
import concurrent.futures
import os
import shutil
import subprocess
import sys
import time
import unittest

ARGS = None

# Runs of the program at once: each spends most of its time in its 3 s pause,
# so more runs than cores still overlap well.
PARALLEL_RUNS = 8

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
    return subprocess.run([ARGS.wine, ARGS.loader, ARGS.prefix, *command], **options)


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


class Job:
    """What one run is given: the program goes into `folder` under
    `program_name` and is started from `cwd` with `typed` on its standard
    input; `start` is its path as Windows sees it, when not its Unix path;
    `locale` is the Unix locale Wine takes the ANSI code page from, when not
    zh_CN.UTF-8 (code page 936)."""

    def __init__(self, folder, typed, cwd, program_name="kordavo.exe", start=None, locale=None):
        self.folder, self.typed, self.cwd = folder, typed, cwd
        self.program_name, self.start, self.locale = program_name, start, locale


def run_one(job):
    program = os.path.join(job.folder, job.program_name)
    shutil.copyfile(ARGS.program, program)
    started = time.monotonic()
    result = wine(job.start or program, input=job.typed, stdout=subprocess.PIPE,
                  stderr=subprocess.DEVNULL, cwd=job.cwd, timeout=600,
                  env=dict(os.environ, WINE_LANG=job.locale) if job.locale else None)
    return Run(result.returncode, result.stdout, time.monotonic() - started)


def run_programs(jobs):
    """Runs every job at once, each in its own folder, so that their 3 s
    pauses overlap; returns their runs, in order, once every process they
    started has ended. The jobs of one call have one locale, so that no
    process of another locale runs in the prefix beside them."""
    with concurrent.futures.ThreadPoolExecutor(max_workers=PARALLEL_RUNS) as pool:
        runs = list(pool.map(run_one, jobs))
    wait_for_every_process()
    return runs


def run_program(folder, typed, cwd, program_name="kordavo.exe", start=None):
    """One run, as run_programs does it."""
    return run_programs([Job(folder, typed, cwd, program_name, start)])[0]


def main(*extra_paths):
    """Parses --wine, --loader, --prefix, --program and the `extra_paths`
    options, then runs the calling module's tests."""
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--wine", required=True, help="tests/wine/wine.sh")
    parser.add_argument("--loader", required=True, choices=["wine", "wine64"])
    parser.add_argument("--prefix", required=True)
    parser.add_argument("--program", required=True, help="the kordavo.exe under test")
    for option in extra_paths:
        parser.add_argument(option, required=True)
    ARGS, rest = parser.parse_known_args()
    for name, value in vars(ARGS).items():
        if name != "loader":
            setattr(ARGS, name, os.path.abspath(value))
    unittest.main(module="__main__", argv=[sys.argv[0], "-v", *rest])
