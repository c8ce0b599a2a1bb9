#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Tavrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs a code checker over the program's own sources (reading/, shell/, ui/, app/ and their headers), as the build
folder's compile_commands.json compiles them, several files at once; fails on any finding, and ends with status 77
(which CTest counts as skipped) when the checker is not installed.
Usage: checkers.py clang-tidy|clazy|clang-format BUILD-DIR
clang-tidy takes its checks from .clang-tidy; clazy runs its level 2 (which includes levels 0 and 1);
clang-format reads each file as it is, and packaging's C++ files too, and names each place where the style of
.clang-format would change it, with the lines it would write there. A file whose source (for clang-tidy and clazy:
with everything it includes), the checker and its configuration are unchanged since it was found clean is not
checked again: its clean result is kept in BUILD-DIR/checkers/."""
import concurrent.futures
import difflib
import hashlib
import json
import os
import re
import shlex
import shutil
import subprocess
import sys
import time
from pathlib import Path

SOURCE = Path(__file__).resolve().parents[2]
OWN = f"^{re.escape(str(SOURCE))}/(reading|shell|ui|app)/"
FORMATTED = ["reading", "shell", "ui", "app", "packaging"]
TOOLS = {"clang-tidy": ["clang-tidy", "--quiet", f"--header-filter={OWN}"],
         "clazy": ["clazy-standalone", "--checks=level2", f"--header-filter={OWN}"],
         "clang-format": ["clang-format", "--style=file"]}
CONFIG = {"clang-tidy": ".clang-tidy", "clazy": ".clang-tidy", "clang-format": ".clang-format"}
FINDING = re.compile(r"^(/\S+?):(\d+):(\d+): (warning|error): (.*)$", re.M)


def preprocessed(entry):
    """The source as the compiler sees it, with every header it includes."""
    argv = shlex.split(entry["command"])
    at = argv.index("-o")
    argv[at:at + 2] = []
    argv[argv.index("-c")] = "-E"
    return subprocess.run(argv, cwd=entry["directory"], capture_output=True, check=True).stdout


def unformatted(file, formatted):
    """Each place where clang-format would change `file`, as a finding followed by the lines it would write."""
    old = Path(file).read_text().splitlines()
    new = formatted.splitlines()
    out = ""
    for tag, i1, i2, j1, j2 in difflib.SequenceMatcher(None, old, new, autojunk=False).get_opcodes():
        if tag != "equal":
            out += (f"{file}:{min(i1 + 1, len(old))}:1: warning: not as .clang-format says; clang-format would write "
                    f"the + lines for the - lines [clang-format]\n")
            out += "".join(f"    -{line}\n" for line in old[i1:i2]) + "".join(f"    +{line}\n" for line in new[j1:j2])
    return out


def main(tool, build):
    argv = TOOLS[tool]
    if not shutil.which(argv[0]):
        print(f"SKIP: {argv[0]} is not installed (scripts/setup.sh --tests installs it)")
        return 77
    began = time.monotonic()
    if tool == "clang-format":
        entries = [{"file": str(f), "command": ""} for folder in FORMATTED
                   for f in sorted((SOURCE / folder).rglob("*")) if f.suffix in (".cpp", ".h")]
    else:
        entries = [e for e in json.loads((Path(build) / "compile_commands.json").read_text())
                   if re.match(OWN, e["file"]) and e["file"].endswith(".cpp")]
    config = (SOURCE / CONFIG[tool]).read_bytes() + subprocess.run(
        [argv[0], "--version"], capture_output=True).stdout + " ".join(argv).encode()
    cache = Path(build) / "checkers" / tool
    cache.mkdir(parents=True, exist_ok=True)

    def check(entry):
        """(status, what the checker said, whether it ran)"""
        if tool == "clang-format":  # the file name counts too: it tells clang-format which include is the main one
            source = entry["file"].encode() + Path(entry["file"]).read_bytes()
        else:
            source = entry["command"].encode() + preprocessed(entry)
        mark = cache / hashlib.sha256(config + source).hexdigest()
        if mark.exists():
            return 0, "", False
        if tool == "clang-format":
            done = subprocess.run([*argv, entry["file"]], capture_output=True, text=True)
            said = done.stderr + (unformatted(entry["file"], done.stdout) if done.returncode == 0 else "")
        else:
            done = subprocess.run([*argv, "-p", build, entry["file"]], capture_output=True, text=True)
            said = done.stdout + done.stderr
        if done.returncode == 0 and not FINDING.search(said):
            mark.touch()
        return done.returncode, said, True

    with concurrent.futures.ThreadPoolExecutor(os.cpu_count()) as pool:
        results = list(pool.map(check, entries))
    findings = sorted({m.group(0) for _, out, _ in results for m in FINDING.finditer(out)})
    if tool == "clang-format":  # each place with the lines clang-format would write there
        print("".join(out for _, out, _ in results).replace(f"{SOURCE}/", ""), end="")
    else:
        for line in findings:
            print(line.replace(f"{SOURCE}/", ""))
    failed = [(e["file"], status, out) for e, (status, out, _) in zip(entries, results)
              if status and not FINDING.search(out)]
    for file, status, out in failed:
        print(f"{tool} ended with status {status} on {file}:\n{out[-2000:]}")
    print(f"{tool}: {len(entries)} files ({sum(r[2] for r in results)} checked, the others unchanged since found "
          f"clean) in {time.monotonic() - began:.0f} s: {len(findings)} findings")
    return 1 if findings or failed else 0


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[1] not in TOOLS:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
