#!/usr/bin/env python3
"""Mutation testing for Lexiblast: plants one small fault at a time and asks whether a test fails.

    python3 tools/mutate.py [--seed 1] [--count 100] [paths ...]     # default path: src

Mutants are drawn at random (by seed) from the C++ sources under the given folders or files:
a relational operator swapped or its boundary moved, an arithmetic operator swapped, an integer
constant moved by one, a condition negated, a call or assignment removed, a boolean or a bool
function's result inverted. Comments, strings, preprocessor lines and declarations are skipped.

Each mutant is applied alone to a private copy of the tree (--work, kept between runs so that the
builds stay warm), only what the file affects is rebuilt, and the test executables that were
relinked are run: natively for the portable folders (src/words, src/rules), under Wine for the rest.
A mutant is caught when a test fails, survived when all pass, timed out, or did not build.
The report (stdout and <work>/report.md) shows the diff of every survivor.
"""

from __future__ import annotations

import argparse
import dataclasses
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

PORTABLE = ("src/words/", "src/rules/")
SOURCE_SUFFIXES = (".cpp", ".h")


@dataclasses.dataclass
class Mutant:
    path: str  # relative to the tree
    line: int  # 1-based
    kind: str
    before: str  # the whole original line
    after: str  # the whole mutated line

    def label(self) -> str:
        return f"{self.path}:{self.line} {self.kind}"

    def diff(self) -> str:
        return f"--- {self.path}:{self.line}\n-{self.before}\n+{self.after}"


# --- Finding mutation sites ---------------------------------------------------------------------


def mask_code(text: str) -> list[str]:
    """The file's lines with comments and string/char literals blanked out (same columns), so that
    patterns match code only. Preprocessor lines become empty."""
    out = []
    i, n = 0, len(text)
    buf = []
    state = "code"
    while i < n:
        c = text[i]
        nxt = text[i + 1] if i + 1 < n else ""
        if state == "code":
            if c == "/" and nxt == "/":
                state = "line_comment"
                buf.append("  ")
                i += 2
                continue
            if c == "/" and nxt == "*":
                state = "block_comment"
                buf.append("  ")
                i += 2
                continue
            if c == "R" and nxt == '"':
                m = re.match(r'R"([^(\s]*)\(', text[i:])
                if m:
                    end = text.find(")" + m.group(1) + '"', i)
                    end = n if end < 0 else end + len(m.group(1)) + 2
                    buf.append("".join("\n" if ch == "\n" else " " for ch in text[i:end]))
                    i = end
                    continue
            if c in "\"'":
                # A digit separator (1'000) is not a character literal.
                if c == "'" and i > 0 and text[i - 1].isalnum() and nxt.isalnum():
                    buf.append(c)
                    i += 1
                    continue
                state = c
                buf.append(" ")
                i += 1
                continue
            buf.append(c)
        elif state == "line_comment":
            if c == "\n":
                state = "code"
                buf.append(c)
            else:
                buf.append(" ")
        elif state == "block_comment":
            if c == "*" and nxt == "/":
                state = "code"
                buf.append("  ")
                i += 2
                continue
            buf.append("\n" if c == "\n" else " ")
        else:  # inside a string or character literal
            if c == "\\":
                buf.append("  ")
                i += 2
                continue
            if c == state:
                state = "code"
            buf.append("\n" if c == "\n" else " ")
        i += 1
    out = "".join(buf).split("\n")
    # Preprocessor lines, with their continuations.
    cont = False
    for k, line in enumerate(out):
        if cont or line.lstrip().startswith("#"):
            cont = line.rstrip().endswith("\\")
            out[k] = ""
    return out


RELATIONAL = {"<": ["<=", ">"], "<=": ["<", ">"], ">": [">=", "<"], ">=": [">", "<"], "==": ["!="], "!=": ["=="]}
ARITHMETIC = {"+": ["-"], "-": ["+"], "*": ["/"], "/": ["*"], "%": ["*"], "+=": ["-="], "-=": ["+="]}
BINARY = re.compile(r"(?<=\S) (<=|>=|==|!=|<|>|\+=|-=|\+|-|\*|/|%) (?=\S)")
INTEGER = re.compile(r"(?<![\w.'])(\d+)(?![\w.'])")
BOOLEAN = re.compile(r"\b(true|false)\b")
CONDITION = re.compile(r"\b(if|while) \(")
DECLARATION = re.compile(
    r"^\s*(?:(?:const|constexpr|static|inline|extern|volatile|mutable|virtual|explicit|friend|typedef|using)\s+)*"
    r"[A-Za-z_][\w:]*(?:<[^;]*>)?[\s\*&]+[\*&]?[A-Za-z_]\w*\s*(?:=|\{|\(|;|\[|,)"
)
NOT_A_STATEMENT = re.compile(r"^\s*(return|break|continue|case|default|goto|throw|else|do|public|private|protected)\b")
ASSIGNS_OR_CALLS = re.compile(r"\(|(?<![=!<>])=(?!=)|\+\+|--")
SIGNATURE = re.compile(r"^(?:static |inline |constexpr |virtual |\[\[nodiscard\]\] )*(bool) [\w:~]+\(")
RETURN = re.compile(r"^(\s*)return (.+);\s*$")


def balanced_close(line: str, start: int) -> int:
    """Index of the ')' that closes the '(' at start, or -1 when it is not on this line."""
    depth = 0
    for k in range(start, len(line)):
        if line[k] == "(":
            depth += 1
        elif line[k] == ")":
            depth -= 1
            if depth == 0:
                return k
    return -1


def sites(path: str, text: str) -> list[Mutant]:
    raw = text.split("\n")
    masked = mask_code(text)
    found: list[Mutant] = []
    in_bool_function = False
    previous_end = "{"

    def add(k: int, kind: str, start: int, end: int, replacement: str) -> None:
        line = raw[k]
        found.append(Mutant(path, k + 1, kind, line, line[:start] + replacement + line[end:]))

    for k, code in enumerate(masked):
        stripped = code.strip()
        if not stripped:
            continue
        if not code[0].isspace() and "(" in code and not stripped.startswith("}"):
            in_bool_function = bool(SIGNATURE.match(code))
        declaration = bool(DECLARATION.match(code)) and not NOT_A_STATEMENT.match(code)
        if not declaration or "=" in code or "(" in code:
            for m in BINARY.finditer(code):
                op = m.group(1)
                before = code[: m.start()].rstrip()
                if before.endswith("operator") or before.endswith("template"):
                    continue
                table = RELATIONAL if op in RELATIONAL else ARITHMETIC
                kind = "relational" if op in RELATIONAL else "arithmetic"
                for to in table[op]:
                    add(k, kind, m.start(1), m.end(1), to)
            numbers = list(INTEGER.finditer(code))
            # A row of a data table (five numbers or more) would swamp the draw with entries whose
            # effect no player or test could tell by one unit.
            for m in numbers if len(numbers) < 5 else []:
                value = int(m.group(1))
                for to in (value + 1, value - 1):
                    if to >= 0:
                        add(k, "constant", m.start(1), m.end(1), str(to))
            for m in BOOLEAN.finditer(code):
                add(k, "boolean", m.start(1), m.end(1), "false" if m.group(1) == "true" else "true")
        for m in CONDITION.finditer(code):
            open_at = m.end() - 1
            close_at = balanced_close(code, open_at)
            if close_at > open_at + 1:
                inner = raw[k][open_at + 1 : close_at]
                add(k, "condition", open_at + 1, close_at, f"!({inner})")
        ends_statement = stripped.endswith(";") and balanced_close(code, code.find("(")) >= 0 if "(" in code else stripped.endswith(";")
        starts_statement = previous_end in "{};:)" or previous_end.endswith("else")
        if (
            ends_statement
            and starts_statement
            and not declaration
            and not NOT_A_STATEMENT.match(code)
            and ASSIGNS_OR_CALLS.search(code)
            and code.count("{") == code.count("}")
            and code[0].isspace()
        ):
            indent = raw[k][: len(raw[k]) - len(raw[k].lstrip())]
            found.append(Mutant(path, k + 1, "statement", raw[k], indent + ";"))
        m = RETURN.match(code)
        if m and in_bool_function and not BOOLEAN.search(m.group(2)):
            expr_start = len(m.group(1)) + len("return ")
            expr_end = code.rstrip().rfind(";")
            add(k, "return", expr_start, expr_end, f"!({raw[k][expr_start:expr_end]})")
        previous_end = stripped[-1] if stripped else previous_end
        if stripped.endswith("else"):
            previous_end = "else"
    return found


def collect(tree: Path, paths: list[str]) -> list[Mutant]:
    files: list[Path] = []
    for p in paths:
        full = tree / p
        if full.is_dir():
            files += sorted(f for f in full.rglob("*") if f.suffix in SOURCE_SUFFIXES)
        elif full.suffix in SOURCE_SUFFIXES:
            files.append(full)
        else:
            sys.exit(f"not a source folder or file: {p}")
    mutants: list[Mutant] = []
    for f in files:
        mutants += sites(f.relative_to(tree).as_posix(), f.read_text(encoding="utf-8", errors="replace"))
    return mutants


def relocate(tree: Path, draw: list[Mutant]) -> list[Mutant]:
    """The mutants of an earlier draw, each moved to the line nearest its old place that still reads
    as it did; one whose line is gone is left out, and said so."""
    def lines_of(path: Path) -> list[str]:
        return path.read_text(encoding="utf-8", errors="surrogateescape").split("\n") if path.is_file() else []

    kept = []
    for m in draw:
        places = [k + 1 for k, line in enumerate(lines_of(tree / m.path)) if line == m.before]
        if places:
            kept.append(dataclasses.replace(m, line=min(places, key=lambda k: abs(k - m.line))))
            continue
        # A file split or a function moved: the line may now live in one other file.
        elsewhere = [(str(f.relative_to(tree)), k + 1) for f in sorted((tree / "src").rglob("*"))
                     if f.suffix in (".cpp", ".h", ".rc")
                     for k, line in enumerate(lines_of(f)) if line == m.before]
        if len({path for path, _ in elsewhere}) == 1 and len(elsewhere) == 1:
            path, line = elsewhere[0]
            print(f"moved to {path}:{line}: {m.label()}")
            kept.append(dataclasses.replace(m, path=path, line=line))
            continue
        print(f"left out, its line is {'gone' if not elsewhere else 'in several places'}: {m.label()}")
    return kept


# --- The private tree, its builds and its tests --------------------------------------------------


def run(cmd, cwd=None, timeout=None, env=None) -> tuple[int, str]:
    """Runs a command in its own process group; on timeout the whole group is killed and the
    result is -999."""
    p = subprocess.Popen(
        cmd, cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
        start_new_session=True, errors="replace",
    )
    try:
        out, _ = p.communicate(timeout=timeout)
        return p.returncode, out
    except subprocess.TimeoutExpired:
        os.killpg(p.pid, signal.SIGKILL)
        out, _ = p.communicate()
        return -999, out or ""


def sync_tree(source: Path, tree: Path) -> None:
    """Copies the working tree (tracked and untracked, not ignored) into the private tree, touching
    only files whose content differs so that the builds there stay warm."""
    listed = subprocess.run(
        ["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
        cwd=source, stdout=subprocess.PIPE, check=True,
    ).stdout.decode().split("\0")
    for rel in filter(None, listed):
        src, dst = source / rel, tree / rel
        if not src.is_file():
            continue
        if dst.is_file() and dst.read_bytes() == src.read_bytes():
            continue
        dst.parent.mkdir(parents=True, exist_ok=True)
        shutil.copy2(src, dst)
        os.utime(dst)  # newer than anything built from the old content
    # A file deleted or moved away in the working tree goes here too: a stale header left behind
    # would be found before its new copy. The builds (build/) and other ignored files stay.
    kept = set(filter(None, listed))
    stale = [rel for f in tree.rglob("*") if f.is_file() and f.relative_to(tree).parts[0] not in ("build", ".git")
             and (rel := f.relative_to(tree).as_posix()) not in kept]
    ignored = subprocess.run(["git", "check-ignore", "--no-index", "--stdin"], cwd=source, check=False,
                             input="\n".join(stale), stdout=subprocess.PIPE, text=True).stdout.split("\n")
    for rel in set(stale) - set(ignored):
        (tree / rel).unlink()


class Build:
    """One CMake preset of the private tree and the tests it registers."""

    def __init__(self, tree: Path, preset: str):
        self.tree, self.preset = tree, preset
        self.dir = tree / "build" / preset
        self.tests: dict[str, Path] = {}  # ctest name -> executable it runs
        self.seconds: dict[str, float] = {}  # what each test takes unmutated

    def configure(self) -> None:
        code, out = run(["cmake", "--preset", self.preset], cwd=self.tree)
        if code != 0:
            sys.exit(f"configure {self.preset} failed:\n{out}")

    def build(self, timeout=None) -> tuple[int, str]:
        return run(["cmake", "--build", "--preset", self.preset], cwd=self.tree, timeout=timeout)

    def discover(self) -> None:
        code, out = run(["ctest", "--show-only=json-v1"], cwd=self.dir)
        info = json.loads(out)
        for test in info["tests"]:
            command = test.get("command") or []
            # The executable the test runs: a file of this build (wine, env and scripts are not).
            exe = next((c for c in command if Path(c).is_file() and Path(c).resolve().is_relative_to(self.dir.resolve())), None)
            if exe and test["name"] not in ("wine_prefix_setup", "wine_prefix_cleanup"):
                self.tests[test["name"]] = Path(exe)

    def stamps(self) -> dict[str, float]:
        return {name: exe.stat().st_mtime if exe.exists() else 0.0 for name, exe in self.tests.items()}

    def run_tests(self, names: list[str], timeout: float = 0) -> tuple[str, str]:
        """'pass', 'fail' or 'timeout' for the named tests, one at a time, stopping at the first
        that does not pass. Without a timeout each test gets three times its unmutated time and
        20 s; the unmutated run (no times known yet) records those times."""
        for name in names:
            cmd = ["ctest", "-R", f"^{re.escape(name)}$", "--output-on-failure"]
            if self.preset != "native":
                cmd += ["-FA", ".*"]  # the prefix and its server are already up
            limit = timeout or (3 * self.seconds[name] + 20 if name in self.seconds else 1200)
            started = time.monotonic()
            code, out = run(cmd, cwd=self.dir, timeout=limit)
            self.seconds.setdefault(name, time.monotonic() - started)
            if code == -999:
                return "timeout", out
            if code != 0:
                return "fail", out
        return "pass", ""


def start_wine(build: Build) -> None:
    code, out = run(["ctest", "-R", "^wine_prefix_setup$"], cwd=build.dir, timeout=600)
    if code != 0:
        sys.exit(f"the Wine prefix of {build.preset} could not be prepared:\n{out}")


def stop_wine(build: Build) -> None:
    # Also ends a Windows test process that a timed-out run left behind.
    run(["ctest", "-R", "^wine_prefix_cleanup$"], cwd=build.dir, timeout=120)


# --- The run ---------------------------------------------------------------------------------------


def main() -> int:
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("paths", nargs="*", default=["src"], help="source folders or files (default: src)")
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--count", type=int, default=100)
    ap.add_argument("--work", default="/tmp/lexiblast-mutate", help="private tree and builds (kept)")
    ap.add_argument("--timeout", type=float, default=0, help="seconds per test executable (default: 3x its unmutated time + 20)")
    ap.add_argument("--windows-preset", default="win64")
    ap.add_argument("--list", action="store_true", help="only count the mutation sites and print the draw")
    ap.add_argument("--only", default="", help="comma-separated positions (from 0) in the draw as run, after a replay has left out the faults whose line is gone (see --list)")
    ap.add_argument("--replay", default="", help="run the mutants of an earlier draw (its draw.json) again, "
                    "found by their line's text where the sources have moved since")
    args = ap.parse_args()

    if not args.list and not os.environ.get("DISPLAY"):
        # The Windows tests open real windows: run the whole session on one virtual screen.
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24", sys.executable, *sys.argv])

    source = Path(subprocess.run(["git", "rev-parse", "--show-toplevel"], stdout=subprocess.PIPE, check=True, text=True).stdout.strip())
    all_sites = collect(source, args.paths)
    draw = random.Random(args.seed).sample(all_sites, min(args.count, len(all_sites)))
    if args.replay:
        draw = relocate(source, [Mutant(**d) for d in json.loads(Path(args.replay).read_text())])
    kinds: dict[str, int] = {}
    for m in all_sites:
        kinds[m.kind] = kinds.get(m.kind, 0) + 1
    print(f"{len(all_sites)} mutation sites ({', '.join(f'{k} {v}' for k, v in sorted(kinds.items()))}); drawing {len(draw)} with seed {args.seed}")
    Path(args.work).mkdir(parents=True, exist_ok=True)
    (Path(args.work) / "draw.json").write_text(json.dumps([dataclasses.asdict(m) for m in draw], indent=1) + "\n")
    if args.list:
        for i, m in enumerate(draw):
            print(f"{i:3} {m.label()}\n    {m.after.strip()}")
        return 0
    chosen = [int(x) for x in args.only.split(",") if x.strip()] or list(range(len(draw)))

    tree = Path(args.work) / "tree"
    tree.mkdir(parents=True, exist_ok=True)
    sync_tree(source, tree)
    builds: dict[str, Build] = {}
    needed = {"native" if m.path.startswith(PORTABLE) else args.windows_preset for m in (draw[i] for i in chosen)}
    for preset in sorted(needed):
        b = Build(tree, preset)
        print(f"building {preset} (the first run builds from scratch)...", flush=True)
        b.configure()
        code, out = b.build()
        if code != 0:
            sys.exit(f"the unmutated tree does not build ({preset}):\n{out[-3000:]}")
        b.discover()
        if preset != "native":
            start_wine(b)
        verdict, out = b.run_tests(sorted(b.tests))
        if verdict != "pass":
            sys.exit(f"the unmutated tree fails its {preset} tests:\n{out[-3000:]}")
        total = sum(b.seconds.values())
        print(f"  {preset}: {len(b.tests)} test executables pass in {total:.0f} s", flush=True)
        builds[preset] = b

    results = []
    for n, index in enumerate(chosen, 1):
        m = draw[index]
        b = builds["native" if m.path.startswith(PORTABLE) else args.windows_preset]
        target = tree / m.path
        original = target.read_text(encoding="utf-8", errors="surrogateescape")
        lines = original.split("\n")
        assert lines[m.line - 1] == m.before, f"{m.label()}: the tree changed under the draw"
        lines[m.line - 1] = m.after
        started = time.monotonic()
        before = b.stamps()
        try:
            target.write_text("\n".join(lines), encoding="utf-8", errors="surrogateescape")
            code, out = b.build(timeout=900)
            if code != 0:
                status, detail = "did not build", ""
            else:
                after = b.stamps()
                affected = sorted((t for t in b.tests if after[t] != before[t]), key=lambda t: b.seconds.get(t, 0))
                if not affected:
                    status, detail = "survived", "no test executable links this code"
                else:
                    status, out = b.run_tests(affected, timeout=args.timeout)
                    status = {"pass": "survived", "fail": "caught", "timeout": "timed out"}[status]
                    detail = ", ".join(affected)
                    if status == "timed out" and b.preset != "native":
                        stop_wine(b)
                        start_wine(b)
        finally:
            target.write_text(original, encoding="utf-8", errors="surrogateescape")
        seconds = time.monotonic() - started
        results.append((index, m, status, detail, seconds))
        print(f"[{n}/{len(chosen)}] #{index} {m.label()}: {status} ({seconds:.0f} s)", flush=True)

    # Leave the private tree built from the unmutated sources.
    for b in builds.values():
        b.build()
        if b.preset != "native":
            stop_wine(b)
    return report(Path(args.work), args, results)


def report(work: Path, args, results) -> int:
    counts: dict[str, int] = {}
    for _, _, status, _, _ in results:
        counts[status] = counts.get(status, 0) + 1
    judged = counts.get("caught", 0) + counts.get("survived", 0) + counts.get("timed out", 0)
    score = 100.0 * (counts.get("caught", 0) + counts.get("timed out", 0)) / judged if judged else 0.0
    lines = [
        f"# Mutation run: seed {args.seed}, {len(results)} mutants of {' '.join(args.paths)}",
        "",
        "| caught | survived | timed out | did not build | score |",
        "|---|---|---|---|---|",
        f"| {counts.get('caught', 0)} | {counts.get('survived', 0)} | {counts.get('timed out', 0)} | "
        f"{counts.get('did not build', 0)} | {score:.1f}% |",
        "",
        "The score counts timed-out mutants as caught and leaves out those that did not build.",
        "",
        "| # | mutant | status | tests run | seconds |",
        "|---|---|---|---|---|",
    ]
    for index, m, status, detail, seconds in results:
        lines.append(f"| {index} | {m.label()} | {status} | {detail} | {seconds:.0f} |")
    survivors = [(i, m) for i, m, s, _, _ in results if s == "survived"]
    if survivors:
        lines += ["", "## Survivors", ""]
        for index, m in survivors:
            lines += [f"#{index} {m.kind}", "```diff", m.diff(), "```", ""]
    text = "\n".join(lines)
    print("\n" + text)
    (work / "report.md").write_text(text + "\n")
    print(f"\nreport written to {work / 'report.md'}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
