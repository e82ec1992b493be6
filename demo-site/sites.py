"""Routing and request handling for the game site and the platform site."""
import sys
import threading
from http import HTTPStatus
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import parse_qs, urlsplit

import pages

HTML = "text/html; charset=utf-8"


class RequestLog:
    """Appends site, method, target and Cookie header, tab-separated, one line per request.

    Each line is flushed at once so a test can read it while the server runs.
    Fields are written as the raw bytes that came in (http.server decodes them as
    Latin-1, which round-trips), so the target is logged exactly as requested.
    """

    def __init__(self, path):
        self._file = open(path, "ab") if path else None
        self._lock = threading.Lock()

    def write(self, *fields):
        if self._file is None:
            return
        raw = [_single_line(f).encode("latin-1", "replace") for f in fields]
        with self._lock:
            self._file.write(b"\t".join(raw) + b"\n")
            self._file.flush()

    def close(self):
        if self._file is not None:
            self._file.close()
            self._file = None


def _single_line(text):
    return text.replace("\t", " ").replace("\r", " ").replace("\n", " ")


def _query(target):
    return parse_qs(urlsplit(target).query, keep_blank_values=True)


def _page(name):
    return lambda query: (HTTPStatus.OK, HTML, pages.static(name))


def _no_content(query):
    return HTTPStatus.NO_CONTENT, None, b""


def _pay(query):
    first = {key: values[0] for key, values in query.items()}
    return HTTPStatus.OK, HTML, pages.pay(first.get("server", ""), first.get("account", ""))


ROUTES = {
    "game": {
        "/": _page("index.html"),
        "/client": _page("client.html"),
        "/play": _page("play.html"),
        "/news": _page("news.html"),
        "/report": _no_content,
    },
    "platform": {
        "/pay": _pay,
        "/service/": _page("service.html"),
        "/report": _no_content,
    },
}


class SiteHandler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "QuelmDemo/1.0"

    def version_string(self):
        return self.server_version

    def parse_request(self):
        # Logged here, before any response is sent, so a client that has its answer
        # can already find the line; every method is logged, handled or not.
        ok = super().parse_request()
        if ok:
            self.server.request_log.write(self.server.site, self.command, self.path,
                                          self.headers.get("Cookie", "-"))
        return ok

    def do_GET(self):
        self._respond(with_body=True)

    def do_HEAD(self):
        self._respond(with_body=False)

    def do_POST(self):
        # The body is left unread, so the connection cannot be reused.
        self.close_connection = True
        self._send(HTTPStatus.METHOD_NOT_ALLOWED, HTML, pages.error(405), True, {"Allow": "GET, HEAD"})

    def _respond(self, with_body):
        route = ROUTES[self.server.site].get(urlsplit(self.path).path)
        if route is None:
            self._send(HTTPStatus.NOT_FOUND, HTML, pages.error(404), with_body)
            return
        status, content_type, body = route(_query(self.path))
        self._send(status, content_type, body, with_body)

    def _send(self, status, content_type, body, with_body, extra_headers=None):
        self.send_response(status)
        if content_type:
            self.send_header("Content-Type", content_type)
        if status != HTTPStatus.NO_CONTENT:
            self.send_header("Content-Length", str(len(body)))
        # Every visit must reach the server, or the request log would miss it.
        self.send_header("Cache-Control", "no-store")
        for name, value in (extra_headers or {}).items():
            self.send_header(name, value)
        self.end_headers()
        if with_body and body:
            self.wfile.write(body)

    def log_message(self, format, *args):
        pass  # the request log replaces the default stderr lines


class SiteServer(ThreadingHTTPServer):
    daemon_threads = True

    def __init__(self, site, port, request_log):
        self.site = site
        self.request_log = request_log
        super().__init__(("127.0.0.1", port), SiteHandler)

    def handle_error(self, request, client_address):
        # A browser dropping a connection is routine; anything else is a real fault.
        if isinstance(sys.exc_info()[1], ConnectionError):
            return
        super().handle_error(request, client_address)
