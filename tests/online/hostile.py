#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The update against a draw server that misbehaves on one day, every way MODES knows.

  hostile.py CLI HISTORY START BAD HEALTHY_URL TMP

HISTORY: the lines of `vendrilo-cli draws` that the server answers from (days after the newest
draw answer 500, as the real server does); START: the client's draw file before each case; BAD:
the day (DD.MM.YYYY) on which the server misbehaves; HEALTHY_URL: a vendrilo-server with the
whole history. For each mode the update must stop at BAD with nothing of it stored, name the day
(or show the failing line), stay under 100 MB, and a healthy update afterwards must bring the
file to the whole history. One line per failure, then a summary; exit status 1 on a failure.
One process for all cases: starting Python for each would cost more than the cases themselves.
"""
import datetime
import os
import shutil
import socketserver
import subprocess
import sys
import threading
import time

# Whatever one test needs to wait for; the client gives up long before.
LONG = 30


def day_lines(draws, day):
    return "".join("%s,%s;;;\r\n" % (day, ",".join(d[1:7])) for d in draws if d[0] == day)


def send_head(sock, status="200 OK", headers=()):
    head = "HTTP/1.1 %s\r\n%sConnection: close\r\n\r\n" % (status, "".join(h + "\r\n" for h in headers))
    sock.sendall(head.encode("latin-1"))


def stall(sock, day):
    send_head(sock, headers=["Content-Length: 100"])
    time.sleep(LONG)


def close_early(sock, day):
    send_head(sock, headers=["Content-Length: 100"])
    sock.sendall(b"%s,1,2,3" % day.encode())


def unavailable(sock, day):
    body = b"busy"
    send_head(sock, "503 Service Unavailable", ["Content-Length: %d" % len(body)])
    sock.sendall(body)


def endless_chunks(sock, day):
    send_head(sock, headers=["Transfer-Encoding: chunked"])
    chunk = b"%x\r\n%s\r\n" % (65536, b"x" * 65536)
    end = time.time() + LONG
    while time.time() < end:
        sock.sendall(chunk)


def huge_chunk(sock, day):
    send_head(sock, headers=["Transfer-Encoding: chunked"])
    sock.sendall(b"7fffffffffffffff\r\n")
    end = time.time() + LONG
    while time.time() < end:
        sock.sendall(b"y" * 65536)


def endless_body(sock, day):
    send_head(sock)  # no length: the body ends when the connection does
    end = time.time() + LONG
    while time.time() < end:
        sock.sendall(b"%s,1,2,3,4,5,6;;;\r\n" % day.encode() * 2000)


def endless_headers(sock, day):
    sock.sendall(b"HTTP/1.1 200 OK\r\n")
    end = time.time() + LONG
    while time.time() < end:
        sock.sendall(b"X-Padding: " + b"z" * 1000 + b"\r\n")


def drip(sock, day):
    body = ("%s,1,2,3,4,5,6;;;\r\n" % day).encode()
    send_head(sock, headers=["Content-Length: %d" % len(body)])
    for byte in body:
        sock.sendall(bytes([byte]))
        time.sleep(0.4)


def flood(sock, day):
    # Far more draws for one day than any evening has, all under the size limit.
    body = ("%s,1,2,3,4,5,6;;;\r\n" % day).encode() * 30000
    send_head(sock, headers=["Content-Length: %d" % len(body)])
    sock.sendall(body)


def numbers(values):
    def answer(sock, day):
        body = ("%s,7,8,9,10,11,12;;;\r\n%s,%s;;;\r\n" % (day, day, values)).encode()
        send_head(sock, headers=["Content-Length: %d" % len(body)])
        sock.sendall(body)
    return answer


def redirect(target):
    def answer(sock, day):
        send_head(sock, "302 Found", ["Location: " + target, "Content-Length: 0"])
    return answer


def compressed(sock, day):
    import gzip
    body = gzip.compress(("%s,1,2,3,4,5,6;;;\r\n" % day).encode())
    send_head(sock, headers=["Content-Encoding: gzip", "Content-Length: %d" % len(body)])
    sock.sendall(body)


MODES = {
    "stall": stall,
    "close": close_early,
    "503": unavailable,
    "chunked": endless_chunks,
    "hugechunk": huge_chunk,
    "endless": endless_body,
    "headers": endless_headers,
    "drip": drip,
    "flood": flood,
    "305": numbers("305,1,2,3,4,5"),
    "0": numbers("0,1,2,3,4,5"),
    "-1": numbers("1,2,3,4,5,-1"),
    "twice": numbers("1,2,3,4,5,5"),
    "javascript": redirect("javascript:alert(1)"),
    "file": redirect("file:///etc/passwd"),
    "gzip": compressed,
}


CURRENT = {"mode": None}


def serve(bad_day, draws):
    parse = lambda d: datetime.datetime.strptime(d, "%d.%m.%Y").date()
    newest = max(parse(d[0]) for d in draws)

    class Handler(socketserver.BaseRequestHandler):
        def handle(self):
            sock = self.request
            head = b""
            while b"\r\n\r\n" not in head:
                got = sock.recv(4096)
                if not got:
                    return
                head += got
            target = head.split(b" ")[1].decode()
            stamp = target.rsplit("Datum=", 1)[-1]
            day = "%s.%s.%s" % (stamp[6:8], stamp[4:6], stamp[0:4])
            try:
                if day == bad_day:
                    MODES[CURRENT["mode"]](sock, day)
                    return
                if parse(day) > newest:
                    body = b"noch nicht da"
                    send_head(sock, "500 Internal Server Error", ["Content-Length: %d" % len(body)])
                else:
                    body = day_lines(draws, day).encode()
                    send_head(sock, headers=["Content-Length: %d" % len(body)])
                sock.sendall(body)
            except OSError:
                pass  # the client gave up, as it should

    class Server(socketserver.ThreadingTCPServer):
        daemon_threads = True
        allow_reuse_address = True

    server = Server(("127.0.0.1", 0), Handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return "http://127.0.0.1:%d" % server.server_address[1]


def run(command):
    """Standard output and error of one run of the tool."""
    child = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    return child.stdout.decode(), child.stderr.decode()


def peak_of(command, env):
    """Exit status and peak memory in KB of one run, its output in $OUT_FILE."""
    pid = os.fork()
    if pid == 0:
        devnull = os.open(os.devnull, os.O_WRONLY)
        os.dup2(devnull, 2)
        out = os.open(env["OUT_FILE"], os.O_WRONLY | os.O_CREAT | os.O_TRUNC)
        os.dup2(out, 1)
        os.execvpe(command[0], command, env)
    _, status, usage = os.wait4(pid, 0)
    return os.waitstatus_to_exitcode(status), usage.ru_maxrss


def main(cli, history_file, start, bad, healthy, tmp):
    history = open(history_file).read()
    draws = [line.split(",") for line in history.splitlines() if line]
    before = "".join(line + "\n" for line in history.splitlines()
                     if datetime.datetime.strptime(line[:10], "%d.%m.%Y") <
                     datetime.datetime.strptime(bad, "%d.%m.%Y"))
    url = serve(bad, draws)
    client = os.path.join(tmp, "client.dat")
    env = dict(os.environ, VENDRILO_HTTP_TIMEOUT_MS="1000", OUT_FILE=os.path.join(tmp, "out"))
    failures, passed = [], 0

    def check(condition, what):
        nonlocal passed
        if condition:
            passed += 1
        else:
            failures.append(what)

    for mode in MODES:
        CURRENT["mode"] = mode
        shutil.copyfile(start, client)
        status, peak = peak_of([cli, "--draws", client, "--today", "30.09.2026", "update",
                                "--server", url], env)
        out = open(env["OUT_FILE"]).read().splitlines()
        check(status == 0, "%s: exit %d" % (mode, status))
        stored = run([cli, "--draws", client, "draws"])[0]
        check(stored == before, "%s: the file is not the history before %s:\n%s" % (mode, bad, stored))
        if mode in FAILING_LINES:
            check(any(l.startswith("message: ") for l in out) and out[-1].startswith("status: Received"),
                  "%s: no failing line: %s" % (mode, out))
        else:
            check(out[-1].startswith("status: ") and
                  out[-1].endswith(bad + " wird beim nächsten Update wieder abgefragt"),
                  "%s: the status names no day: %s" % (mode, out[-1:]))
        check(peak < 100 * 1024, "%s: peak memory %d KB" % (mode, peak))
        after = run([cli, "--draws", client, "--today", "30.09.2026", "update", "--server", healthy])
        check(run([cli, "--draws", client, "draws"])[0] == history,
              "%s: after a healthy update: %s" % (mode, after[0].splitlines()[-1:]))
    for failure in failures:
        print("FAIL: " + failure)
    print("hostile cases: %d passed, %d failed" % (passed, len(failures)))
    return 1 if failures else 0


# The modes whose day answer arrives whole but holds a line that is no draw.
FAILING_LINES = {"flood", "305", "0", "-1", "twice"}

if __name__ == "__main__":
    if len(sys.argv) != 7:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
