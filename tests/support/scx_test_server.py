#!/usr/bin/env python3
"""A small HTTP server for the tests: it plays the checklist database server and the notice-feed
server on a loopback port, and fails on demand.

  scx_test_server.py --root DIR --port-file FILE [--log FILE]

Serves
  GET /cmmn/download.nis?type=file&filename=NAME  the file DIR/files/NAME (404 when missing)
  GET /rss/post/list                              the file DIR/feed.xml (404 when missing)

It listens on 127.0.0.1 only, on a free port that it writes to FILE once it accepts connections.
Every request appends "PATH<TAB>USER-AGENT" to the log file.

Failures come from DIR/control.json, read afresh for every request. It maps a name (a database
file name, or "feed" for the feed) to what happens to its request:
  {"filter.dat": {"status": 500}}   answer with that status and a short error page
  {"package.dat": "drop"}           close the connection without an answer
  {"userchecklist.dat": "garbage"}  answer 200 with a body that is not a record file
  {"feed": {"delay": 5}}            wait that many seconds before answering
"""

import argparse
import json
import os
import sys
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer


def load_control(root):
    try:
        with open(os.path.join(root, "control.json"), encoding="utf-8") as f:
            return json.load(f)
    except (OSError, ValueError):
        return {}


class Handler(BaseHTTPRequestHandler):
    root = "."
    log_path = None

    def log_message(self, format, *args):  # quiet: the tests read the request log instead
        pass

    def do_GET(self):
        if self.log_path:
            with open(self.log_path, "a", encoding="utf-8") as f:
                f.write(f"{self.path}\t{self.headers.get('User-Agent', '')}\n")
        url = urllib.parse.urlsplit(self.path)
        if url.path == "/cmmn/download.nis":
            query = urllib.parse.parse_qs(url.query)
            name = query.get("filename", [""])[0]
            if query.get("type", [""])[0] != "file" or not name or "/" in name or name.startswith("."):
                return self.answer(400, b"bad request\n", "text/plain")
            path = os.path.join(self.root, "files", name)
            content_type = "application/octet-stream"
        elif url.path == "/rss/post/list":
            name = "feed"
            path = os.path.join(self.root, "feed.xml")
            content_type = "application/rss+xml; charset=utf-8"
        else:
            return self.answer(404, b"not found\n", "text/plain")

        rule = load_control(self.root).get(name)
        if isinstance(rule, dict) and "delay" in rule:
            time.sleep(float(rule["delay"]))
        if rule == "drop":
            self.close_connection = True
            return
        if isinstance(rule, dict) and "status" in rule:
            return self.answer(int(rule["status"]), b"<html><title>error</title></html>\n", "text/html")
        if rule == "garbage":
            return self.answer(200, b"<html><title>maintenance</title></html>\n", content_type)
        try:
            with open(path, "rb") as f:
                body = f.read()
        except OSError:
            return self.answer(404, b"not found\n", "text/plain")
        self.answer(200, body, content_type)

    def answer(self, status, body, content_type):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        try:
            self.wfile.write(body)
        except OSError:  # the client gave up (a stopped download)
            pass


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--port-file", required=True)
    parser.add_argument("--log")
    args = parser.parse_args()
    Handler.root = args.root
    Handler.log_path = args.log
    server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    temp = args.port_file + ".tmp"
    with open(temp, "w") as f:
        f.write(str(server.server_address[1]))
    os.replace(temp, args.port_file)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
