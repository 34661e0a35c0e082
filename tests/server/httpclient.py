#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A raw HTTP client for the server tests: it sends exactly the bytes a test chooses and checks
the framing of every answer, so that no test can pass on an answer a real client would choke on.

  httpclient.py get PORT TARGET OUT [--method M] [--header 'Name: value']...
      a request like the program's (Host, Accept "text/html, */*", User-Agent "Vendrilo");
      a Host header given replaces the usual one
  httpclient.py raw PORT FILE OUT      sends the bytes of FILE as they are
  httpclient.py partial PORT FILE OUT  sends the bytes of FILE and hangs up without waiting
  httpclient.py silent PORT SECONDS    connects, sends nothing; prints "closed" when the server
                                       hangs up within SECONDS (without a byte), else "open"
  httpclient.py trickle PORT SECONDS   sends a request head one byte every 50 ms; prints as silent
  httpclient.py many PORT TARGET COUNT COUNT clients at once; prints the statuses, sorted and
                                       counted ("200 x20"), and the seconds they took
  httpclient.py flood PORT SOURCE COUNT SECONDS  COUNT connections from the address SOURCE that
                                       send nothing, held SECONDS; prints at once "connected N,
                                       answered 503 at once M" (M: those answered 503 within a
                                       second)
  httpclient.py serve                  reads commands from stdin, one a line, the command and its
                                       arguments separated by tabs, and answers each with its
                                       exit status on a line: a test script starts one Python for
                                       all its requests

get and raw write OUT.status (the code), OUT.headers (one per line), OUT.body (the bytes) and
OUT.seconds; they exit 1, with the reason on stderr, when the answer is malformed: no status
line, a Content-Length that is missing or differs from the body, no "Connection: close"; the
reason then goes to OUT.error as well.
"""
import socket
import sys
import time


def connect(port):
    return socket.create_connection(("127.0.0.1", int(port)), timeout=10)


def receive_all(sock):
    chunks = []
    while True:
        chunk = sock.recv(65536)
        if not chunk:
            return b"".join(chunks)
        chunks.append(chunk)


def parse(answer):
    """(status, header lines, body) of a well-framed answer; raises ValueError otherwise."""
    head, sep, body = answer.partition(b"\r\n\r\n")
    if not sep:
        raise ValueError("no complete head in %d bytes: %r" % (len(answer), answer[:200]))
    lines = head.decode("latin-1").split("\r\n")
    parts = lines[0].split(" ", 2)
    if len(parts) < 3 or parts[0] != "HTTP/1.1" or not parts[1].isdigit():
        raise ValueError("bad status line %r" % lines[0])
    headers = {}
    for line in lines[1:]:
        name, colon, value = line.partition(":")
        if not colon:
            raise ValueError("bad header line %r" % line)
        headers[name.strip().lower()] = value.strip()
    if headers.get("content-length") != str(len(body)):
        raise ValueError("Content-Length %r, body %d bytes" % (headers.get("content-length"),
                                                               len(body)))
    if headers.get("connection", "").lower() != "close":
        raise ValueError("no 'Connection: close'")
    return parts[1], lines[1:], body


def exchange(port, request, out):
    start = time.monotonic()
    with connect(port) as sock:
        sock.sendall(request)
        answer = receive_all(sock)
    seconds = time.monotonic() - start
    try:
        status, headers, body = parse(answer)
    except ValueError as error:
        with open(out + ".error", "w", encoding="utf-8") as f:
            f.write("malformed answer: %s\n" % error)
        sys.stderr.write("malformed answer: %s\n" % error)
        return 1
    for suffix, data in (("status", status + "\n"), ("headers", "\n".join(headers) + "\n"),
                         ("seconds", "%.3f\n" % seconds)):
        with open(out + "." + suffix, "w", encoding="latin-1") as f:
            f.write(data)
    with open(out + ".body", "wb") as f:
        f.write(body)
    return 0


def get(args):
    port, target, out = args[:3]
    method, headers, rest = "GET", [], args[3:]
    while rest:
        option, value, rest = rest[0], rest[1], rest[2:]
        if option == "--method":
            method = value
        else:
            headers.append(value)
    if not any(h.lower().startswith("host:") for h in headers):
        headers.insert(0, "Host: 127.0.0.1:%s" % port)
    headers += ["Accept: text/html, */*", "User-Agent: Vendrilo"]
    request = "%s %s HTTP/1.1\r\n%s\r\n\r\n" % (method, target, "\r\n".join(headers))
    return exchange(port, request.encode("latin-1"), out)


def raw(args):
    port, path, out = args
    with open(path, "rb") as f:
        return exchange(port, f.read(), out)


def partial(args):
    port, path, _ = args
    with open(path, "rb") as f, connect(port) as sock:
        sock.sendall(f.read())
    return 0


def wait_for_close(sock, seconds, trickle=b""):
    """True when the server closes the connection within seconds, sending nothing."""
    deadline = time.monotonic() + float(seconds)
    sock.settimeout(0.05)
    sent = 0
    while time.monotonic() < deadline:
        try:
            if sent < len(trickle):
                sock.send(trickle[sent:sent + 1])
                sent += 1
            data = sock.recv(1024)
            return not data
        except socket.timeout:
            continue
        except (ConnectionResetError, BrokenPipeError):
            return True
    return False


def silent(args, trickle=b""):
    port, seconds = args
    with connect(port) as sock:
        print("closed" if wait_for_close(sock, seconds, trickle) else "open", flush=True)
    return 0


def many(args):
    port, target, count = args[0], args[1], int(args[2])
    request = ("GET %s HTTP/1.1\r\nHost: 127.0.0.1:%s\r\n\r\n" % (target, port)).encode()
    start = time.monotonic()
    socks = [connect(port) for _ in range(count)]
    for sock in socks:
        sock.sendall(request)
    statuses = []
    for sock in socks:
        try:
            statuses.append(parse(receive_all(sock))[0])
        except (ValueError, OSError) as error:
            statuses.append("error(%s)" % error)
        sock.close()
    counts = sorted(set(statuses))
    print(" ".join("%s x%d" % (s, statuses.count(s)) for s in counts))
    print("%.3f" % (time.monotonic() - start))
    return 0


def trickle(args):
    head = b"GET /lotto/PELVANO.asp?Programm=PELVANO&Datum=20241003 HTTP/1.1\r\n" * 10
    return silent(args, head)


def flood(args):
    port, source, count, seconds = args[0], args[1], int(args[2]), float(args[3])
    socks = []
    for _ in range(count):
        sock = socket.socket()
        sock.bind((source, 0))
        sock.connect(("127.0.0.1", int(port)))
        socks.append(sock)
    refused = 0
    deadline = time.monotonic() + 1
    for sock in socks:
        sock.settimeout(max(0.01, deadline - time.monotonic()))
        try:
            if sock.recv(64).startswith(b"HTTP/1.1 503"):
                refused += 1
        except OSError:
            pass
    print("connected %d, answered 503 at once %d" % (len(socks), refused), flush=True)
    time.sleep(seconds)
    return 0


COMMANDS = {"flood": flood, "get": get, "raw": raw, "partial": partial, "silent": silent, "trickle": trickle, "many": many}


def serve():
    for line in sys.stdin:
        command, *args = line.rstrip("\n").split("\t")
        try:
            status = COMMANDS[command](args)
        except OSError as error:
            with open(args[-1] + ".error", "w", encoding="utf-8") as f:
                f.write("%s\n" % error)
            status = 1
        print(status, flush=True)
    return 0


def main():
    command, args = sys.argv[1], sys.argv[2:]
    if command == "serve":
        return serve()
    return COMMANDS[command](args)


if __name__ == "__main__":
    sys.exit(main())
