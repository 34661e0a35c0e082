#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""help2man.py VENDRILO-CLI VERSION OUT: the man page of vendrilo-cli, written from its --help."""
import datetime
import re
import subprocess
import sys

cli, version, out = sys.argv[1:4]
help_text = subprocess.run([cli, "--help"], capture_output=True, text=True, check=True).stdout


def roff(text):
    text = text.replace("\\", "\\e").replace("-", "\\-")
    return "\\&" + text if text[:1] in (".", "'") else text


sections, current = {}, "intro"
for line in help_text.splitlines():
    if line.startswith("Global options"):
        current = "options"
    elif line.startswith("Commands:"):
        current = "commands"
    elif current == "commands" and line and not line.startswith(" "):
        current = "after"
    sections.setdefault(current, []).append(line)


def entries(lines):
    """(term, description) pairs from "  TERM   description" lines; deeper lines continue."""
    result = []
    for line in lines[1:]:
        if not line.strip():
            continue
        m = re.match(r"^(\s+)(\S.*?)(?:\s{2,}(.*))?$", line)
        indent, term, text = len(m.group(1)), m.group(2), m.group(3) or ""
        if indent >= 6 and result and not term.startswith("-"):
            result[-1][1] += " " + line.strip()
        elif indent == 4 and result:
            result[-1][1] += "\n.RS\n.TP\n.B %s\n%s\n.RE" % (roff(term), roff(text))
        else:
            result.append([term, roff(text)])
    return result


intro = sections["intro"]
usage = intro[0].replace("Usage: ", "")
description = " ".join(l.strip() for l in intro[1:] if l.strip())
page = [
    '.TH VENDRILO\\-CLI 1 "%s" "vendrilo\\-cli %s" "User Commands"' % (
        datetime.date.today().strftime("%Y-%m-%d") if len(sys.argv) < 5 else sys.argv[4],
        version),
    ".SH NAME",
    "vendrilo\\-cli \\- the core of the lottery program Vendrilo on the command line",
    ".SH SYNOPSIS",
    ".B vendrilo\\-cli",
    roff(usage.split(" ", 1)[1]),
    ".SH DESCRIPTION",
    roff(description),
    ".SH OPTIONS",
    "The global options stand before the command.",
]
for term, text in entries(sections["options"]):
    page += [".TP", ".B " + roff(term), text]
page.append(".SH COMMANDS")
for term, text in entries(sections["commands"]):
    page += [".TP", ".B " + roff(term), text]
page += [".PP", roff(" ".join(l.strip() for l in sections.get("after", []) if l.strip()))]
page += [
    ".SH FILES",
    ".TP",
    ".I ZahlenPL.dat",
    "The draw file in the program folder: beside the program when that folder can be written, "
    "else \\fI~/.local/share/Vendrilo/\\fR. A first start writes the shipped Polish Lotto history "
    "there.",
    ".TP",
    ".I ~/.config/Quirlend/Pelvano.conf",
    "The settings the window stores, read with \\fB\\-\\-settings\\fR.",
    ".SH EXIT STATUS",
    "0 on success; 2 for a usage error, an unreadable file or a bad value; 3 when a command "
    "cannot run (for example a generation run that cannot start).",
    ".SH SEE ALSO",
    "The manual \\fIVendrilo.pdf\\fR in \\fI/usr/share/vendrilo/\\fR.",
]
with open(out, "w") as f:
    f.write("\n".join(page) + "\n")
