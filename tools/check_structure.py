#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the shape of the sources that a reader relies on.

  check_structure.py SRC_DIR

- Every file under SRC_DIR stays under 400 lines and opens with its licence's SPDX line.
- Every function body stays under 60 lines, except the data tables listed below.
- The folders of src/core are layers: a file includes only headers of its own folder or of a
  folder below it, in the order of LAYERS.

Function bodies are found the way the repository's clang-format lays them out: a line that holds
only "{" after a signature, up to the line that holds only "}" at the same indentation, so that
bodies written inside a class count as well as those at the left margin.
Exit status 1 with one line per finding.
"""
import os
import re
import sys

LAYERS = ["io", "texts", "draws", "options", "sheet", "wheels", "charts", "tipfiles", "submit",
          "evaluation", "generator", "money", "ledger", "program"]
# Headers every layer may include: they include nothing of the program themselves (checked), so
# that they can add no dependency. The fixed texts, so that even a file error is told in the
# user's language.
LEAVES = {"core/texts/textlist.h"}
# Functions that are data: their length is the length of their table.
TABLES = {"optionTable", "MessageList::defaults", "allPageLabels", "globalOptions"}
MAX_FILE_LINES = 400
SPDX_LINE = "// SPDX-License-Identifier: GPL-3.0-or-later"
MAX_FUNCTION_LINES = 60


def function_name(signature):
    m = re.search(r"([A-Za-z_][\w:~]*)\s*\(", signature)
    return m.group(1) if m else signature.strip()


def check_file(path, rel, findings):
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    if lines[0] != SPDX_LINE:
        findings.append("%s: the first line is not \"%s\"" % (rel, SPDX_LINE))
    if len(lines) > MAX_FILE_LINES:
        findings.append("%s: %d lines (at most %d)" % (rel, len(lines), MAX_FILE_LINES))
    open_bodies = []  # (indent, line of the "{", signature) of the bodies around this line
    for i, line in enumerate(lines):
        brace = re.match(r"^(\s*)\{$", line)
        if brace and i > 0:
            indent = brace.group(1)
            # The signature: the lines just above, back to a blank line or the end of the
            # previous statement.
            above = []
            for prev in reversed(lines[max(0, i - 5):i]):
                if not prev.strip() or prev.rstrip().endswith((";", "}", "{")):
                    break
                above.insert(0, prev)
            if "(" in "".join(above):
                open_bodies.append((indent, i, " ".join(above)))
            continue
        closing = re.match(r"^(\s*)\}$", line)
        if closing and open_bodies and open_bodies[-1][0] == closing.group(1):
            _, start, signature = open_bodies.pop()
            body = i - start - 1
            name = function_name(signature)
            if body > MAX_FUNCTION_LINES and name.split("::")[-1] not in TABLES \
                    and name not in TABLES:
                findings.append("%s:%d: %s has %d lines (at most %d)"
                                % (rel, start + 1, name, body, MAX_FUNCTION_LINES))
    parts = rel.split("/")
    if len(parts) > 2 and parts[0] == "core" and parts[1] in LAYERS:
        own = LAYERS.index(parts[1])
        for n, line in enumerate(lines, 1):
            m = re.match(r'#include "core/(\w+)/', line)
            leaf = re.match(r'#include "(core/[\w/]+\.h)"', line)
            if leaf and leaf.group(1) in LEAVES:
                continue
            if m and (m.group(1) not in LAYERS or LAYERS.index(m.group(1)) > own):
                findings.append("%s:%d: %s includes from the higher layer %s"
                                % (rel, n, parts[1], m.group(1)))
    elif len(parts) > 2 and parts[0] == "core":
        findings.append("%s: core folder %s is no known layer" % (rel, parts[1]))
    if rel in LEAVES:
        for n, line in enumerate(lines, 1):
            if re.match(r'#include "', line):
                findings.append("%s:%d: a header every layer includes includes %s"
                                % (rel, n, line.split()[1]))


def main():
    src = sys.argv[1] if len(sys.argv) > 1 else "src"
    findings = []
    for root, _, files in os.walk(src):
        for name in sorted(files):
            if name.endswith((".cpp", ".h")):
                path = os.path.join(root, name)
                check_file(path, os.path.relpath(path, src), findings)
    for f in findings:
        print(f)
    return 1 if findings else 0


if __name__ == "__main__":
    sys.exit(main())
