#!/usr/bin/env python3
"""Tests of server.py from the outside: pages, request log, ready file, shutdown."""
import http.client
import json
import pathlib
import re
import signal
import socket
import subprocess
import sys
import tempfile
import time
import unittest
from urllib.parse import urlsplit

SERVER = pathlib.Path(__file__).resolve().with_name("server.py")
HTML = "text/html; charset=utf-8"


class Site:
    """A server.py process on free ports, with its log and ready file in a temp dir."""

    def __init__(self, *extra_args, preexec_fn=None):
        self._tmp = tempfile.TemporaryDirectory()
        self.dir = pathlib.Path(self._tmp.name)
        self.log = self.dir / "requests.log"
        self.ready = self.dir / "ready.json"
        self.proc = subprocess.Popen(
            [sys.executable, str(SERVER), "--log", str(self.log), "--ready", str(self.ready), *extra_args],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
            preexec_fn=preexec_fn)
        deadline = time.monotonic() + 5
        while not self.ready.exists():
            if self.proc.poll() is not None or time.monotonic() > deadline:
                self.close()
                raise AssertionError(f"server not ready: {self.proc.returncode} {self.stderr!r}")
            time.sleep(0.02)
        self.info = json.loads(self.ready.read_text(encoding="utf-8"))
        self.stderr = b""

    def address(self, site):
        url = urlsplit(self.info[site])
        return url.hostname, url.port

    def connect(self, site):
        return http.client.HTTPConnection(*self.address(site), timeout=5)

    def request(self, site, target, method="GET", headers=None, conn=None):
        own = conn is None
        conn = conn or self.connect(site)
        try:
            conn.request(method, target, headers=headers or {})
            resp = conn.getresponse()
            return resp.status, resp.headers, resp.read()
        finally:
            if own:
                conn.close()

    def log_size(self):
        return self.log.stat().st_size

    def log_lines(self, offset=0):
        with open(self.log, "rb") as f:
            f.seek(offset)
            return [line.split("\t") for line in f.read().decode("utf-8").splitlines()]

    def stop(self, sig=signal.SIGTERM):
        self.proc.send_signal(sig)
        _, self.stderr = self.proc.communicate(timeout=5)
        return self.proc.returncode

    def close(self):
        if self.proc.poll() is None:
            self.proc.kill()
        _, self.stderr = self.proc.communicate()
        self._tmp.cleanup()


class PagesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.site = Site()

    @classmethod
    def tearDownClass(cls):
        cls.site.close()

    def test_status_type_and_content_of_each_path(self):
        cases = [
            # site, target, status, content type, text in the body
            ("game", "/", 200, HTML, "奎尔姆"),
            ("game", "/client", 200, HTML, "进入游戏"),
            ("game", "/play?sid=3&acc=x", 200, HTML, "<canvas"),
            ("game", "/news", 200, HTML, "新闻公告"),
            ("game", "/report?probe=x&a=1", 204, None, ""),
            ("game", "/nope", 404, HTML, "页面不存在"),
            ("game", "/pay", 404, HTML, "页面不存在"),
            ("game", "/client/", 404, HTML, "页面不存在"),
            ("platform", "/pay", 200, HTML, "充值"),
            ("platform", "/service/", 200, HTML, "客服中心"),
            ("platform", "/report?probe=pay", 204, None, ""),
            ("platform", "/service", 404, HTML, "页面不存在"),
            ("platform", "/client", 404, HTML, "页面不存在"),
        ]
        # One connection per site: every answer, 204 and 404 included, must leave
        # it usable, as a browser keeps it open.
        conns = {name: self.site.connect(name) for name in ("game", "platform")}
        self.addCleanup(lambda: [c.close() for c in conns.values()])
        for site, target, status, ctype, text in cases:
            with self.subTest(site=site, target=target):
                got, headers, body = self.site.request(site, target, conn=conns[site])
                self.assertEqual(got, status)
                self.assertEqual(headers.get("Content-Type"), ctype)
                # Any caching would hide later visits from the request log.
                self.assertEqual(headers.get("Cache-Control"), "no-store")
                self.assertIn(text, body.decode("utf-8"))
                if ctype == HTML:
                    self.assertNotRegex(body.decode("utf-8"), r"(?:src|href)\s*=\s*[\"']?(?:https?:)?//|url\(\s*[\"']?https?:|@import",
                                        "pages must work offline, without outside resources")

                got, headers, head_body = self.site.request(site, target, method="HEAD", conn=conns[site])
                self.assertEqual((got, headers.get("Content-Type"), head_body), (status, ctype, b""))
                if status != 204:
                    self.assertEqual(headers.get("Content-Length"), str(len(body)))

    def test_pay_echoes_server_and_account(self):
        cases = [
            ("server=12&account=%E7%8E%A9%E5%AE%B6", "充值 — 服务器 12，账号 玩家"),
            ("account=abc&server=7&server=9", "充值 — 服务器 7，账号 abc"),
            ("server=%3Cb%3E&account=a%26b%22", "充值 — 服务器 &lt;b&gt;，账号 a&amp;b&quot;"),
            ("", "充值 — 服务器 未指定，账号 未指定"),
        ]
        for query, heading in cases:
            with self.subTest(query=query):
                status, _, body = self.site.request("platform", "/pay?" + query)
                self.assertEqual(status, 200)
                self.assertIn(heading, body.decode("utf-8"))

    def test_request_log_records_site_method_target_and_cookie(self):
        cases = [
            # site, method, target, Cookie header sent, cookie field logged
            ("game", "GET", "/play?uid=1&token=ab&sid=3&acc=%E7%8E%A9%E5%AE%B6&isclient=1",
             "quelm_login=abc; theme=dark", "quelm_login=abc; theme=dark"),
            ("platform", "GET", "/pay?server=12&account=%E7%8E%A9%E5%AE%B6", None, "-"),
            ("game", "HEAD", "/client", None, "-"),
            ("game", "POST", "/login?acc=x", "quelm_login=x", "quelm_login=x"),
            # Logged as sent, neither decoded nor normalised.
            ("game", "GET", "/report?a=1&&b=%zz&c=%2F", None, "-"),
            ("platform", "GET", "/nope/../x", None, "-"),
            # Raw UTF-8 in a cookie comes out as the same UTF-8.
            ("game", "GET", "/news", "quelm_login=玩家".encode("utf-8"), "quelm_login=玩家"),
        ]
        start = self.site.log_size()
        for site, method, target, cookie, _ in cases:
            self.site.request(site, target, method=method, headers={"Cookie": cookie} if cookie else None)
        expected = [[site, method, target, logged] for site, method, target, _, logged in cases]
        self.assertEqual(self.site.log_lines(start), expected)

    def test_post_is_refused(self):
        status, headers, _ = self.site.request("game", "/client", method="POST")
        self.assertEqual((status, headers.get("Allow")), (405, "GET, HEAD"))

    def test_ready_file(self):
        info = self.site.info
        self.assertEqual(set(info), {"game", "platform", "pid"})
        self.assertEqual(info["pid"], self.site.proc.pid)
        for name in ("game", "platform"):
            self.assertRegex(info[name], r"^http://127\.0\.0\.1:[1-9][0-9]*$")
        self.assertNotEqual(info["game"], info["platform"])


class PageScriptTest(unittest.TestCase):
    """The scripts are checked in the source, as no browser is assumed here."""

    @classmethod
    def setUpClass(cls):
        site = Site()
        try:
            cls.client = site.request("game", "/client")[2].decode("utf-8")
            cls.play = site.request("game", "/play")[2].decode("utf-8")
        finally:
            site.close()

    def test_client_page_has_login_form_and_servers(self):
        self.assertRegex(self.client, r'<button[^>]*type="submit"[^>]*>进入游戏</button>')
        self.assertRegex(self.client, r'<input[^>]*id="account"')
        self.assertRegex(self.client, r'<input[^>]*id="password"[^>]*type="password"')
        self.assertRegex(self.client, r'<a[^>]*href="/news"')
        sids = re.findall(r'data-sid="(\d+)"', self.client)
        self.assertEqual(sids, [str(n) for n in range(1, 9)])
        self.assertEqual(len(re.findall(r'<button[^>]*aria-selected="true"', self.client)), 1)

    def test_client_script_sets_cookie_then_goes_to_game_address(self):
        nav = re.search(r"location\.href\s*=\s*([^;]*);", self.client)
        self.assertIsNotNone(nav, "no navigation to the game address")
        address = nav.group(1)
        self.assertTrue(address.startswith("'/play?uid='"), address)
        for part in ["'&token='", "'&sid='", "'&acc=' + encodeURIComponent(acc)", "'&isclient=1'"]:
            self.assertIn(part, address)
        cookie = self.client.find("document.cookie = 'quelm_login='")
        self.assertGreater(cookie, 0, "the login cookie is never set")
        self.assertLess(cookie, nav.start(), "the cookie must be set before leaving the page")

    def test_reports_sent_by_the_pages(self):
        cases = [
            ("client", self.client, "fetch('/report?' + q"),
            ("client", self.client, "'probe=external&has_external='"),
            ("play", self.play, "var q = 'probe=play'"),
            ("play", self.play, "report({ event: 'load', cookie: p.cookie, sid: p.sid, acc: p.acc"),
            ("play", self.play, "report({ event: type, button: e.button })"),
            ("play", self.play, "report({ event: 'contextmenu' })"),
        ]
        for name in ["'xxyyzz'", "'ｘｘｙｙｚｚ'", "'xxyq'", "'XXYYZZ'", "'xx'"]:
            cases.append(("client", self.client, name))
        for page, source, fragment in cases:
            with self.subTest(page=page, fragment=fragment):
                self.assertIn(fragment, source)


class LifecycleTest(unittest.TestCase):
    def test_stop_signal_ends_it_cleanly(self):
        def ignore_sigint():
            signal.signal(signal.SIGINT, signal.SIG_IGN)

        cases = [
            (signal.SIGTERM, None),
            (signal.SIGINT, None),
            # How a non-interactive shell starts a background job.
            (signal.SIGINT, ignore_sigint),
        ]
        for sig, preexec_fn in cases:
            with self.subTest(signal=sig.name, sigint_ignored=preexec_fn is not None):
                site = Site(preexec_fn=preexec_fn)
                self.addCleanup(site.close)
                self.assertEqual(site.request("game", "/client")[0], 200)
                # A client that connects and hangs up must not show on stderr.
                socket.create_connection(site.address("game"), timeout=5).close()
                self.assertEqual(site.stop(sig), 0)
                self.assertEqual(site.stderr, b"")
                self.assertFalse(site.ready.exists(), "a stale ready file would point at a dead server")
                with self.assertRaises(OSError):
                    socket.create_connection(site.address("game"), timeout=1).close()

    def test_chosen_ports_are_used(self):
        ports = []
        for _ in range(2):
            with socket.socket() as s:
                s.bind(("127.0.0.1", 0))
                ports.append(s.getsockname()[1])
        site = Site("--game-port", str(ports[0]), "--platform-port", str(ports[1]))
        self.addCleanup(site.close)
        self.assertEqual(site.info["game"], f"http://127.0.0.1:{ports[0]}")
        self.assertEqual(site.info["platform"], f"http://127.0.0.1:{ports[1]}")
        self.assertEqual(site.request("platform", "/service/")[0], 200)

    def test_busy_port_fails_without_ready_file(self):
        with socket.socket() as busy, tempfile.TemporaryDirectory() as tmp:
            busy.bind(("127.0.0.1", 0))
            busy.listen()
            ready = pathlib.Path(tmp, "ready.json")
            proc = subprocess.run(
                [sys.executable, str(SERVER), "--platform-port", str(busy.getsockname()[1]), "--ready", str(ready)],
                stdin=subprocess.DEVNULL, capture_output=True, timeout=10)
            self.assertNotEqual(proc.returncode, 0)
            self.assertIn(b"cannot listen", proc.stderr)
            self.assertFalse(ready.exists())


if __name__ == "__main__":
    unittest.main()
