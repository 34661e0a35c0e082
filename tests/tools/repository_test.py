#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Two promises about the repository itself.

1. docs/ARCHITECTURE.md names only what exists, and names every folder of src/, src/core/ and
   tests/: a file named in it (`src/gui/languages.cpp`, textlist.h) is in the repository, and a
   folder of its layer map is one.
2. tools/check_structure.py finds long function bodies wherever clang-format puts them: at the
   left margin, inside a class, inside a class inside a namespace; and only real bodies.
"""
import os
import re
import subprocess
import sys
import tempfile

ROOT = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else ".")
failures = []


def fail(message):
    failures.append(message)
    print("FAIL: " + message)


def tracked_files():
    out = subprocess.run(["git", "-C", ROOT, "ls-files"], capture_output=True, text=True)
    if out.returncode == 0 and out.stdout:
        return out.stdout.split()
    found = []  # not a checkout: the files on disk
    for root, _, files in os.walk(ROOT):
        found += [os.path.relpath(os.path.join(root, f), ROOT) for f in files]
    return found


def check_architecture():
    text = open(os.path.join(ROOT, "docs/ARCHITECTURE.md"), encoding="utf-8").read()
    files = tracked_files()
    basenames = {os.path.basename(f) for f in files}
    folders = {os.path.dirname(f) for f in files}
    sources = "".join(open(os.path.join(ROOT, f), encoding="utf-8", errors="replace").read()
                      for f in files if f.startswith("src/") and f.endswith((".h", ".cpp")))
    for d in list(folders):
        while d:
            d = os.path.dirname(d)
            folders.add(d)

    def exists(path):
        path = path.rstrip("/")
        for prefix in ("", "src/", "src/core/", "src/core/program/", "data/land/", "docs/"):
            if prefix + path in folders or (prefix + path) in files:
                return True
        # A file of the program folder that the program itself writes: named in its sources.
        return "/" not in path and (path in basenames or '"%s"' % path in sources)

    # Every file name the text mentions, with or without its folder.
    pattern = r"[\w./*<>-]*\w\.(?:cpp|h|md|py|sh|csv|txt|dat)\b(?:\.(?:<\w+>|[a-z]{2}\b))?"
    for name in sorted(set(re.findall(pattern, text))):
        if "<" not in name and "*" not in name and not exists(name):
            fail("docs/ARCHITECTURE.md names %s, which is not in the repository" % name)
    # Folders in backticks, and the folders of the layer map (a name ending in "/" at the start of
    # a line of the code block, placed under the folder above it by its indentation).
    for name in re.findall(r"`([\w./-]+/)`", text):
        if not exists(name):
            fail("docs/ARCHITECTURE.md names the folder %s, which does not exist" % name)
    block = text.split("```")[1] if "```" in text else ""
    stack = []
    mapped = set()
    for line in block.split("\n"):
        m = re.match(r"^( *)([\w-]+/)\s", line + " ")
        if not m:
            continue
        depth = len(m.group(1)) // 2
        stack = stack[:depth] + [m.group(2)]
        path = "".join(stack).rstrip("/")
        mapped.add(path)
        if path not in folders:
            fail("the layer map of docs/ARCHITECTURE.md shows %s/, which does not exist" % path)
    for parent in ("src", "src/core"):
        for d in sorted(os.listdir(os.path.join(ROOT, parent))):
            if os.path.isdir(os.path.join(ROOT, parent, d)) and parent + "/" + d not in mapped:
                fail("the layer map of docs/ARCHITECTURE.md leaves out %s/%s/" % (parent, d))
    for d in sorted(os.listdir(os.path.join(ROOT, "tests"))):
        if os.path.isdir(os.path.join(ROOT, "tests", d)) and \
                not re.search(r"\b%s/" % re.escape(d), block):
            fail("the layer map of docs/ARCHITECTURE.md leaves out tests/%s/" % d)


def body(lines, indent=""):
    return "\n".join(indent + "    x += %d;" % i for i in range(lines))


# (source, the function names the check must report as too long)
CASES = [
    ("int f()\n{\n%s\n}\n" % body(61), ["f"]),
    ("int f()\n{\n%s\n}\n" % body(60), []),
    ("struct K {\n    int run() const\n    {\n%s\n    }\n};\n" % body(61, "    "), ["run"]),
    ("namespace {\nstruct K {\n    template <int G> int run(int a,\n                             int b) const\n"
     "    {\n%s\n        {\n            x = 1;\n        }\n    }\n};\n} // namespace\n"
     % body(58, "    "), ["run"]),
    ("struct K {\n    int a()\n    {\n%s\n    }\n    int b()\n    {\n%s\n    }\n};\n"
     % (body(40, "    "), body(40, "    ")), []),
    ("const int table[] = {\n%s\n};\nstruct S {\n    int v;\n};\n" % ",\n".join(["1"] * 80), []),
]


def check_structure_check():
    script = os.path.join(ROOT, "tools/check_structure.py")
    for n, (source, expected) in enumerate(CASES):
        with tempfile.TemporaryDirectory() as src:
            os.makedirs(os.path.join(src, "gui"))
            with open(os.path.join(src, "gui", "case.cpp"), "w", encoding="utf-8") as f:
                f.write("// SPDX-License-Identifier: GPL-3.0-or-later\n" + source)
            out = subprocess.run([sys.executable, script, src], capture_output=True, text=True)
            found = re.findall(r": (\w+) has \d+ lines", out.stdout)
            if found != expected or (out.returncode != 0) != bool(expected):
                fail("structure case %d: reported %s (exit %d), expected %s"
                     % (n, found, out.returncode, expected))
    # The layers: io may use the fixed texts (a leaf) but not the draws above it; the leaf may
    # include nothing of the program.
    layer_cases = [
        ({"core/io/a.cpp": '#include "core/texts/textlist.h"\n'}, []),
        ({"core/io/a.cpp": '#include "core/draws/drawfile.h"\n'}, ["core/io/a.cpp:2"]),
        ({"core/texts/textlist.h": '#include "core/io/result.h"\n'}, ["core/texts/textlist.h:2"]),
    ]
    for n, (files, expected) in enumerate(layer_cases):
        with tempfile.TemporaryDirectory() as src:
            for name, text in files.items():
                os.makedirs(os.path.dirname(os.path.join(src, name)), exist_ok=True)
                with open(os.path.join(src, name), "w", encoding="utf-8") as f:
                    f.write("// SPDX-License-Identifier: GPL-3.0-or-later\n" + text)
            out = subprocess.run([sys.executable, script, src], capture_output=True, text=True)
            found = re.findall(r"^(\S+:\d+): ", out.stdout, re.M)
            if found != expected:
                fail("layer case %d: reported %s, expected %s" % (n, found, expected))
    out = subprocess.run([sys.executable, script, os.path.join(ROOT, "src")],
                         capture_output=True, text=True)
    if out.returncode != 0:
        fail("tools/check_structure.py src:\n" + out.stdout)


check_architecture()
check_structure_check()
print("repository: %d failures" % len(failures))
sys.exit(1 if failures else 0)
