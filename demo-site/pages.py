"""The sites' HTML, kept as files in templates/ beside this module."""
import functools
import html
import pathlib
import string

TEMPLATES = pathlib.Path(__file__).resolve().with_name("templates")

ERROR_TEXT = {
    404: ("404 页面不存在", "您访问的页面不存在或已被移除。"),
    405: ("405 不支持的请求", "该页面只能通过浏览器直接访问。"),
}


@functools.lru_cache(maxsize=None)
def static(name):
    return (TEMPLATES / name).read_bytes()


@functools.lru_cache(maxsize=None)
def _template(name):
    return string.Template((TEMPLATES / name).read_text(encoding="utf-8"))


def pay(server, account):
    fields = {
        "server": html.escape(server or "未指定"),
        "account": html.escape(account or "未指定"),
    }
    return _template("pay.html").safe_substitute(fields).encode("utf-8")


def error(status):
    title, text = ERROR_TEXT[status]
    return _template("error.html").safe_substitute(title=title, text=text).encode("utf-8")
