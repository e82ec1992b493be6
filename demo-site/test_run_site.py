#!/usr/bin/env python3
"""Tests of run-site: it starts a reachable server, and no server outlives stop."""
import contextlib
import os
import pathlib
import shlex
import signal
import subprocess
import tempfile
import time
import unittest
import urllib.request

RUN_SITE = pathlib.Path(__file__).resolve().with_name("run-site")


def run_site(*args):
    return subprocess.run(["bash", str(RUN_SITE), *args], stdin=subprocess.DEVNULL,
                          capture_output=True, text=True, timeout=30)


def servers_using(path):
    """Pids of live processes whose command line mentions path."""
    pids = []
    for proc in pathlib.Path("/proc").iterdir():
        try:
            cmdline = (proc / "cmdline").read_bytes().replace(b"\0", b" ").decode()
            if str(path) in cmdline and not gone(int(proc.name)):
                pids.append(int(proc.name))
        except (ValueError, OSError):
            continue
    return pids


def gone(pid):
    # An exited server may stay a zombie for a while under a slow init.
    try:
        return pathlib.Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()[0] == "Z"
    except FileNotFoundError:
        return True


class RunSiteTest(unittest.TestCase):
    def setUp(self):
        tmp = tempfile.TemporaryDirectory()
        self.addCleanup(tmp.cleanup)
        self.dir = pathlib.Path(tmp.name, "site")
        self.addCleanup(self.assert_no_server_left)
        self.addCleanup(run_site, "stop", str(self.dir))

    def assert_no_server_left(self):
        left = servers_using(self.dir)
        for pid in left:
            with contextlib.suppress(ProcessLookupError):
                os.kill(pid, signal.SIGKILL)
        self.assertEqual(left, [], "run-site left a server running")

    def start(self):
        proc = run_site("start", str(self.dir))
        self.assertEqual(proc.returncode, 0, proc.stderr)
        words = shlex.split(proc.stdout)
        env = dict(word.split("=", 1) for word in words)
        self.assertEqual([w.split("=", 1)[0] for w in words], ["GAME_SITE", "PLATFORM_SITE", "SITE_PID"])
        return env

    def get(self, url):
        opener = urllib.request.build_opener(urllib.request.ProxyHandler({}))
        with opener.open(url, timeout=5) as resp:
            return resp.status

    def test_start_serves_and_stop_ends_the_server(self):
        env = self.start()
        pid = int(env["SITE_PID"])
        self.assertEqual(self.get(env["GAME_SITE"] + "/client"), 200)
        self.assertEqual(self.get(env["PLATFORM_SITE"] + "/service/"), 200)
        log = (self.dir / "requests.log").read_text(encoding="utf-8").splitlines()
        self.assertEqual([line.split("\t")[:3] for line in log],
                         [["game", "GET", "/client"], ["platform", "GET", "/service/"]])

        self.assertEqual(run_site("stop", str(self.dir)).returncode, 0)
        self.assertTrue(gone(pid))
        self.assertEqual(run_site("stop", str(self.dir)).returncode, 0, "a second stop must be harmless")

    def test_second_start_replaces_the_first_server(self):
        first = int(self.start()["SITE_PID"])
        second = int(self.start()["SITE_PID"])
        self.assertNotEqual(first, second)
        self.assertTrue(gone(first))
        self.assertFalse(gone(second))
        self.assertEqual(run_site("stop", str(self.dir)).returncode, 0)
        self.assertTrue(gone(second))

    def test_stop_leaves_an_unrelated_process_alone(self):
        # A stale pid file whose pid now belongs to another program.
        other = subprocess.Popen(["sleep", "30"])
        self.addCleanup(other.wait)
        self.addCleanup(other.kill)
        self.dir.mkdir(parents=True)
        (self.dir / "server.pid").write_text(f"{other.pid}\n")
        self.assertEqual(run_site("stop", str(self.dir)).returncode, 0)
        time.sleep(0.2)
        self.assertIsNone(other.poll())


if __name__ == "__main__":
    unittest.main()
