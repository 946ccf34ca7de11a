#!/usr/bin/env python3
"""Times joining under Wine against cat, on the same disk, in one run:

    scripts/join_benchmark.py [--big-mib 1024] [--small-pieces 10000] [--build win32|win64]

For about 1 GiB in 400 pieces, and for 10,000 pieces of 4 KiB, it prints
the program's own running time (start to exit, its 3 s pause included), the
time until the joined file is complete (until Wine's cmd has ended), the
time cat takes to join the same pieces, and the ratio of the last two.
Needs the build it runs, by default the shipped win32 one under Wine's
32-bit loader (scripts/test.sh makes both).
It is a benchmark, not a test: it checks only that the result is right.
"""
import argparse
import hashlib
import os
import platform
import shutil
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WINE = os.path.join(ROOT, "tests", "wine", "wine.sh")
LOADERS = {"win32": "wine", "win64": "wine64"}


def program(build):
    return os.path.join(ROOT, "build", build, "kordavo.exe")


def wine(build, *command, **options):
    prefix = os.path.join(ROOT, "build", build, "wineprefix")
    return subprocess.run([WINE, LOADERS[build], prefix, *command], **options)


def make_pieces(folder, count, size):
    os.makedirs(folder)
    digest = hashlib.sha256()
    block = os.urandom(size)
    for index in range(count):
        # Each piece differs, so that a wrong order would show in the digest.
        data = index.to_bytes(8, "little") + block[8:]
        digest.update(data)
        with open(os.path.join(folder, "%08d.tdl" % index), "wb") as f:
            f.write(data)
    return digest.hexdigest()


def file_digest(path):
    digest = hashlib.sha256()
    with open(path, "rb") as f:
        for chunk in iter(lambda: f.read(1 << 20), b""):
            digest.update(chunk)
    return digest.hexdigest()


def measure(build, work, label, count, size):
    folder = os.path.join(work, label)
    expected = make_pieces(folder, count, size)
    shutil.copyfile(program(build), os.path.join(folder, "kordavo.exe"))
    subprocess.run(["sync"], check=True)

    started = time.monotonic()
    wine(build, os.path.join(folder, "kordavo.exe"), input=b"joined\r\n", stdout=subprocess.DEVNULL,
         stderr=subprocess.DEVNULL, check=True)
    program_exit = time.monotonic() - started
    wine(build, "wineserver", "-w", check=True)
    complete = time.monotonic() - started

    pieces = sorted(os.path.join(folder, n) for n in os.listdir(folder) if n.endswith(".tdl"))
    with open(os.path.join(work, label + "-cat.mp4"), "wb") as out:
        started = time.monotonic()
        subprocess.run(["cat", *pieces], stdout=out, check=True)
        cat = time.monotonic() - started

    if file_digest(os.path.join(folder, "joined.mp4")) != expected:
        sys.exit("%s: the joined file is not the pieces in order" % label)
    return program_exit, complete, cat


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--big-mib", type=int, default=1024)
    parser.add_argument("--small-pieces", type=int, default=10000)
    parser.add_argument("--build", choices=sorted(LOADERS), default="win32")
    args = parser.parse_args()
    if not os.path.exists(program(args.build)):
        sys.exit("no %s: build the %s preset first" % (program(args.build), args.build))

    work = os.path.join(ROOT, "build", "benchmark")
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    wine(args.build, "wineboot", "--init", stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
         check=True)
    wine(args.build, "wineserver", "-w", check=True)
    workloads = [
        ("%d MiB in 400 pieces" % args.big_mib, "big", 400, args.big_mib * (1 << 20) // 400),
        ("%d pieces of 4 KiB" % args.small_pieces, "small", args.small_pieces, 4096),
    ]
    print("machine: %s, %d cores, %s" % (platform.machine(), os.cpu_count(), platform.platform()))
    print("%-24s %14s %16s %10s %8s" % ("workload", "program exit", "file complete", "cat",
                                        "ratio"))
    try:
        for title, label, count, size in workloads:
            program_exit, complete, cat = measure(args.build, work, label, count, size)
            print("%-24s %13.2fs %15.2fs %9.2fs %7.1fx" % (title, program_exit, complete, cat,
                                                            complete / cat))
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
