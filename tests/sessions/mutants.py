#!/usr/bin/env python3
"""Mutation check of the golden sessions: how many single-value changes to the panels' layout and
operation tables the sessions catch.

Each mutant changes one value of one table (a number gets 1 added, a flag or a table condition
its opposite, a text an "X" appended, widget names aside), rebuilds oru-host, and reruns every session
(tests/sessions/**/*.oru against the expected *.json beside it). A mutant is caught when one
output differs or the host fails. Mutants are drawn with a fixed seed and named by table and
value position, so that the same mutants can be run before and after a change of the sessions or
of the files the tables live in.

    python3 tests/sessions/mutants.py [--count 250] [--seed 17] [--list] [--host-root DIR]

Builds in build/mutants (Debug, core and scripted host only) and runs the sessions in the host
folder of the dev build (build/dev/tests/sessions/host: configure and build the dev preset first).
Not part of the test command: a run takes about ten seconds per mutant. Needs python3.
"""
import argparse
import pathlib
import random
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]

# The tables, by folder of src/ and name.
TABLES = [
    ("tournage", "kInventory"), ("tournage", "kCases"), ("tournage", "kVisibility"),
    ("tournage", "kLayouts"), ("tournage", "kOverrides"), ("tournage", "kPassLabel"),
    ("tournage", "kPageWidgets"), ("tournage", "kLongTurning"), ("tournage", "kFacingSens"),
    ("tournage", "kRoughing"), ("tournage", "kFinishing"), ("tournage", "kPlungeToolTop"),
    ("tournage", "kGroovingToolTop"), ("tournage", "kGroovingFace"), ("tournage", "kDrilling"),
    ("tournage", "kChamfering"), ("tournage", "kCounterboring"), ("tournage", "kTapping"),
    ("tournage", "kOptionGroups"), ("tournage", "kOptionStates"), ("tournage", "kToAxis"),
    ("fraisage", "kInventory"), ("fraisage", "kOperations"), ("fraisage", "kEngagements"),
    ("fraisage", "kCompact"), ("fraisage", "kFull"), ("fraisage", "kFamilies"),
    ("fraisage", "kApproaches"),
]

# Tables whose texts name widgets and frames: only their numbers change (a misspelt widget name
# stops every panel at its creation, which says nothing of the sessions).
STRUCTURAL = {"kInventory", "kPageWidgets"}

# Conditions and flags of the tables and their opposites.
FLIPS = {
    "T": "F", "F": "T", "Y": "n", "n": "Y", "nd": "d", "d": "nd", "a": "Y", "on": "off",
    "off": "on", "yes": "no", "no": "yes", "true": "false", "false": "true", "O0": "N0",
    "N0": "O0", "O1": "N1", "N1": "O1", "L0": "LN0", "LN0": "L0", "MP": "F", "LS": "F",
    "G1": "F", "O2": "F", "MPL": "F", "L01": "F", "Opt0": "OptNot0", "OptNot0": "Opt0",
    "Opt1": "OptNot1", "OptNot1": "Opt1", "Opt23": "OptNot23", "OptNot23": "Opt23",
    "X": "Z", "Z": "X", "m": "p", "p": "m", "Eq": "Ne", "Ne": "Eq",
}

TOKEN = re.compile(r'//[^\n]*|"(?:[^"\\]|\\.)*"|-?\b\d+\b|\b[A-Za-z_]\w*\b')


def table_span(text, name):
    """The text between the braces of `name[] = {...};` or `name = {...};`, as (start, end)."""
    m = re.search(r"\b" + name + r"(\[\])?\s*=\s*\{", text)
    if not m:
        return None
    depth, i = 0, m.end() - 1
    while i < len(text):
        c = text[i]
        if c == "/" and text.startswith("//", i):
            i = text.index("\n", i)
            continue
        if c == '"':
            i += 1
            while text[i] != '"':
                i += 2 if text[i] == "\\" else 1
        elif c == "{":
            depth += 1
        elif c == "}":
            depth -= 1
            if depth == 0:
                return m.end(), i
        i += 1
    return None


def find_table(folder, name):
    for path in sorted((ROOT / "src" / folder).rglob("*.[ch]pp")):
        text = path.read_text()
        span = table_span(text, name)
        if span:
            return path, text, span
    raise SystemExit(f"table {folder}/{name} not found")


def candidates():
    """Every value that can be changed: (folder, table, position, path, start, end, new text)."""
    out = []
    for folder, name in TABLES:
        path, text, (start, end) = find_table(folder, name)
        position = 0
        for m in TOKEN.finditer(text, start, end):
            tok = m.group(0)
            if tok.startswith("//"):
                continue
            if tok.startswith('"'):
                if name in STRUCTURAL:
                    continue
                new = tok[:-1] + 'X"'
            elif re.fullmatch(r"-?\d+", tok):
                new = str(int(tok) + 1)
            elif tok in FLIPS and text[m.start() - 1] != ".":
                new = FLIPS[tok]
            else:
                continue
            out.append((folder, name, position, path, m.start(), m.end(), new, tok))
            position += 1
    return out


def sessions():
    return sorted((ROOT / "tests" / "sessions").rglob("*.oru"))


def run(cmd, **kw):
    return subprocess.run(cmd, cwd=ROOT, capture_output=True, text=True, **kw)


def caught(host, root):
    for script in sessions():
        expected = script.with_suffix(".json")
        r = run([str(host), "--root", str(root), str(script)])
        if r.returncode != 0 or not expected.exists() or r.stdout != expected.read_text():
            return script.relative_to(ROOT)
    return None


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--count", type=int, default=250)
    ap.add_argument("--seed", type=int, default=17)
    ap.add_argument("--list", action="store_true")
    ap.add_argument("--host-root", type=pathlib.Path,
                    default=ROOT / "build" / "dev" / "tests" / "sessions" / "host")
    args = ap.parse_args()

    all_mutants = candidates()
    rng = random.Random(args.seed)
    chosen = rng.sample(all_mutants, min(args.count, len(all_mutants)))
    if args.list:
        for folder, name, pos, path, s, e, new, old in chosen:
            print(f"{folder}/{name}#{pos}: {old} -> {new}")
        print(f"{len(chosen)} of {len(all_mutants)} values")
        return

    build = ROOT / "build" / "mutants"
    root = args.host_root
    if not root.is_dir():
        raise SystemExit("no session host folder: configure and build the dev preset first")
    if not (build / "build.ninja").exists():
        r = run(["cmake", "-S", ".", "-B", str(build), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug",
                 "-DORU_WITH_QT=OFF", "-DORU_BUILD_TESTS=OFF", "-DORU_BUILD_APPS=ON",
                 "-DORU_INSTALL=OFF"])
        if r.returncode:
            raise SystemExit(r.stdout + r.stderr)
    host = build / "apps" / "oru-host"
    r = run(["cmake", "--build", str(build), "-j1", "--target", "oru-host"])
    if r.returncode:
        raise SystemExit(r.stdout + r.stderr)
    unmutated = caught(host, root)
    if unmutated:
        raise SystemExit(f"the sessions fail without a mutant ({unmutated})")

    counted = killed = 0
    survivors = []
    for folder, name, pos, path, s, e, new, old in chosen:
        original = path.read_text()
        path.write_text(original[:s] + new + original[e:])
        try:
            b = run(["cmake", "--build", str(build), "-j1", "--target", "oru-host"])
            if b.returncode:
                print(f"{folder}/{name}#{pos}: {old} -> {new}: does not compile", flush=True)
                continue
            by = caught(host, root)
        finally:
            path.write_text(original)
        counted += 1
        if by:
            killed += 1
        else:
            survivors.append(f"{folder}/{name}#{pos}: {old} -> {new}")
        print(f"{folder}/{name}#{pos}: {old} -> {new}: {'caught by ' + str(by) if by else 'SURVIVED'}",
              flush=True)
    run(["cmake", "--build", str(build), "-j1", "--target", "oru-host"])
    print(f"caught {killed} of {counted} mutants")
    for s in survivors:
        print("  survived:", s)


if __name__ == "__main__":
    sys.exit(main())
