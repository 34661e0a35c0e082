#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A publisher of draw results for the tests of vendrilo-server's sources, on 127.0.0.1.

  publisher.py DIR           serves, read anew for every request:
                             /NAME         the file DIR/NAME (a results list)
                             /api/lotteries/draw-results/by-gametype?gameType=Lotto&...
                                           DIR/api.json, when the header "secret" equals the
                                           text of DIR/api.key; else 401
  publisher.py list CSV      prints the shipped layout (NNNN,DD.MM.YYYY,n1..n6) of CSV as a
                             results list ("N. DD.MM.YYYY a,b,c,d,e,f")
  publisher.py api LOTTO PLUS COUNT
                             prints the operator's JSON for the last COUNT draws of the two
                             shipped CSV files, newest first, Lotto Plus within the Lotto items

Prints "listening on http://127.0.0.1:PORT" first when serving.
"""
import http.server
import json
import os
import sys


def rows(csv):
    return [line.strip().split(",") for line in open(csv) if line.strip()]


def as_list(csv):
    for number, date, *numbers in rows(csv):
        print("%d. %s %s" % (int(number), date, ",".join(str(int(n)) for n in numbers)))


def as_api(lotto, plus, count):
    plus_by_number = {r[0]: r for r in rows(plus)}
    items = []
    for number, date, *numbers in reversed(rows(lotto)[-int(count):]):
        iso = "%s-%s-%sT20:00:00Z" % (date[6:10], date[3:5], date[0:2])
        results = [{"drawDate": iso, "drawSystemId": int(number), "gameType": "Lotto",
                    "resultsJson": [int(n) for n in numbers], "specialResults": []}]
        if number in plus_by_number:
            results.append({"drawDate": iso, "drawSystemId": int(number), "gameType": "LottoPlus",
                            "resultsJson": [int(n) for n in plus_by_number[number][2:]],
                            "specialResults": []})
        items.append({"drawSystemId": int(number), "drawDate": iso, "gameType": "Lotto",
                      "multiplierValue": 0, "results": results})
    print(json.dumps({"totalRows": len(items), "items": items, "meta": {}, "code": 200}))


def serve(folder):
    class Handler(http.server.BaseHTTPRequestHandler):
        def log_message(self, *args):
            pass

        def answer(self, status, body, kind="text/plain"):
            self.send_response(status)
            self.send_header("Content-Type", kind)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)

        def do_GET(self):
            path = self.path.split("?")[0]
            if path == "/api/lotteries/draw-results/by-gametype":
                key = open(os.path.join(folder, "api.key")).read().strip()
                if self.headers.get("secret") != key:
                    self.answer(401, b"no key")
                    return
                self.answer(200, open(os.path.join(folder, "api.json"), "rb").read(),
                            "application/json")
                return
            name = os.path.join(folder, os.path.basename(path))
            if not os.path.isfile(name):
                self.answer(404, b"not found")
                return
            self.answer(200, open(name, "rb").read())

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    print("listening on http://127.0.0.1:%d" % server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    if sys.argv[1] == "list":
        as_list(sys.argv[2])
    elif sys.argv[1] == "api":
        as_api(*sys.argv[2:5])
    else:
        serve(sys.argv[1])
