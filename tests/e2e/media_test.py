#!/usr/bin/env python3
"""Real video through the real kordavo.exe under Wine: a small MP4 made by
ffmpeg is cut into pieces at arbitrary byte offsets, the program joins them,
and the result must be the original to the byte and play for its whole
duration as ffprobe reads it."""
import hashlib
import os
import random
import shutil
import subprocess
import tempfile
import unittest

import harness


def ffprobe_duration(path):
    probe = subprocess.run(["ffprobe", "-v", "error", "-show_entries", "format=duration",
                            "-of", "default=noprint_wrappers=1:nokey=1", path],
                           check=True, stdout=subprocess.PIPE)
    return float(probe.stdout)


def cut(data, count, seed):
    """`data` in `count` pieces at arbitrary offsets, named as the client
    names them: 00000000.tdl, 00000001.tdl, ..."""
    offsets = sorted(random.Random(seed).sample(range(1, len(data)), count - 1))
    bounds = [0, *offsets, len(data)]
    return {"%08d.tdl" % i: data[bounds[i]:bounds[i + 1]] for i in range(count)}


class MediaTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.mkdtemp(prefix="kordavo-media-")
        cls.video = os.path.join(cls.work, "original.mp4")
        subprocess.run(["ffmpeg", "-hide_banner", "-loglevel", "error",
                        "-f", "lavfi", "-i", "testsrc=duration=3:size=160x120:rate=15",
                        "-f", "lavfi", "-i", "sine=frequency=440:duration=3",
                        "-c:v", "mpeg4", "-c:a", "aac", "-shortest", cls.video], check=True)
        with open(cls.video, "rb") as f:
            cls.data = f.read()
        cls.duration = ffprobe_duration(cls.video)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.work)

    def test_pieces_join_into_the_original_video(self):
        counts = (1, 400)
        jobs = []
        for count in counts:
            folder = os.path.join(self.work, "cache-%d" % count)
            elsewhere = os.path.join(self.work, "elsewhere-%d" % count)
            os.mkdir(elsewhere)
            harness.write_files(folder, cut(self.data, count, seed=count))
            jobs.append(harness.Job(folder, "视频\r\n".encode("gbk"), elsewhere))
        runs = harness.run_programs(jobs)

        for count, job, run in zip(counts, jobs, runs):
            with self.subTest(pieces=count):
                self.assertEqual(run.returncode, 0)
                result = os.path.join(job.folder, "视频.mp4")
                with open(result, "rb") as f:
                    joined = f.read()
                self.assertEqual(hashlib.sha256(joined).hexdigest(),
                                 hashlib.sha256(self.data).hexdigest())
                self.assertAlmostEqual(ffprobe_duration(result), self.duration, places=3)
                self.assertAlmostEqual(self.duration, 3.0, delta=0.1)

if __name__ == "__main__":
    harness.main()
