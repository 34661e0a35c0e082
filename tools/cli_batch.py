# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs many vendrilo-cli invocations through one `vendrilo-cli batch` process.

A checker hands over its argument lists, does its own work while the tool answers, and then
gets every invocation's exit status and standard output, in order. Starting the tool once per
case would cost far more than the cases themselves.
"""

import re
import shlex
import subprocess
import threading

MARKER = re.compile(rb"--- exit (\d+)\n")


class Batch:
    """One `vendrilo-cli batch` process working through a list of argument lists."""

    def __init__(self, cli, cases, env=None):
        self.cli = cli
        self.env = env
        self.count = len(cases)
        text = "".join(shlex.join(str(a) for a in args) + "\n" for args in cases)
        self._proc = subprocess.Popen([cli, "batch"], stdin=subprocess.PIPE,
                                      stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=env)
        self._out = self._err = b""
        self._thread = threading.Thread(target=self._talk, args=(text.encode("utf-8"),))
        self._thread.start()

    def _talk(self, data):
        self._out, self._err = self._proc.communicate(data)

    def results(self):
        """[(exit status, stdout text)] of every case; raises when the batch broke off."""
        self._thread.join()
        results = []
        start = 0
        pos = 0
        out = self._out
        # A marker counts only at the start of a line: outputs end with a line end.
        while len(results) < self.count:
            m = MARKER.search(out, pos)
            if not m:
                break
            if m.start() != start and out[m.start() - 1:m.start()] != b"\n":
                pos = m.end()
                continue
            results.append((int(m.group(1)), out[start:m.start()].decode("utf-8", "replace")))
            start = pos = m.end()
        if len(results) != self.count or start != len(out) or self._proc.returncode != 0:
            raise RuntimeError("%s batch answered %d of %d cases (exit %s): %s" % (
                self.cli, len(results), self.count, self._proc.returncode,
                self._err.decode("utf-8", "replace").strip()[-500:]))
        return results


def run_one(cli, args, env=None):
    """One invocation on its own, with its stderr: for showing the details of a mismatch."""
    p = subprocess.run([cli] + [str(a) for a in args], capture_output=True, env=env)
    return p.returncode, p.stdout.decode("utf-8", "replace"), p.stderr.decode("utf-8", "replace")
