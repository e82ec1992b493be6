#!/usr/bin/env python3
"""Serves the demo game site and the demo platform site on 127.0.0.1, one port each.

Usage: server.py [--game-port N] [--platform-port N] [--log FILE] [--ready FILE]
Port 0 picks a free port. Once both sites listen, the ready file receives
{"game": URL, "platform": URL, "pid": N}; it is removed again on exit.
SIGTERM or SIGINT ends the process with status 0.
"""
import argparse
import json
import os
import signal
import sys
import threading

import sites

STOP_SIGNALS = {signal.SIGTERM, signal.SIGINT}


def port_number(text):
    value = int(text)
    if not 0 <= value <= 65535:
        raise argparse.ArgumentTypeError(f"port out of range: {text}")
    return value


def parse_args(argv):
    parser = argparse.ArgumentParser(description="Demo game and platform sites for the client.")
    parser.add_argument("--game-port", type=port_number, default=0, help="game site port (0: any free port)")
    parser.add_argument("--platform-port", type=port_number, default=0, help="platform site port (0: any free port)")
    parser.add_argument("--log", help="append one line per request to this file")
    parser.add_argument("--ready", help="write the sites' addresses to this file once listening")
    return parser.parse_args(argv)


def write_ready(path, info):
    # Write then rename, so a script polling for the file never reads half of it.
    tmp = f"{path}.{os.getpid()}.tmp"
    with open(tmp, "w", encoding="utf-8") as f:
        json.dump(info, f)
        f.write("\n")
    os.replace(tmp, path)


def main(argv=None):
    args = parse_args(sys.argv[1:] if argv is None else argv)

    # Blocked before any thread starts, so every thread inherits the mask and the
    # signals wait for sigwait() below instead of interrupting a request.
    signal.pthread_sigmask(signal.SIG_BLOCK, STOP_SIGNALS)

    log = sites.RequestLog(args.log)
    try:
        servers = {
            "game": sites.SiteServer("game", args.game_port, log),
            "platform": sites.SiteServer("platform", args.platform_port, log),
        }
    except OSError as e:
        print(f"server.py: cannot listen on 127.0.0.1: {e}", file=sys.stderr)
        log.close()
        return 1

    threads = [threading.Thread(target=s.serve_forever, kwargs={"poll_interval": 0.1}, daemon=True)
               for s in servers.values()]
    for t in threads:
        t.start()

    info = {name: f"http://127.0.0.1:{s.server_address[1]}" for name, s in servers.items()}
    info["pid"] = os.getpid()
    if args.ready:
        write_ready(args.ready, info)

    signal.sigwait(STOP_SIGNALS)

    for s in servers.values():
        s.shutdown()
        s.server_close()
    if args.ready:
        try:
            os.remove(args.ready)
        except FileNotFoundError:
            pass
    log.close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
