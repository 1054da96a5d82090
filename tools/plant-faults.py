#!/usr/bin/env python3
"""Plant one fault of each kind the command interpreter rules look for into
copies of real batch files, check the copies, and report the share of planted
faults that got a new finding on the faulty line (block faults: anywhere from
the block's first line to the end of the file).

usage: plant-faults.py QLT CORPUS_DIR [--work DIR] [--per-kind N] [--seed S]

QLT is the qlt program; CORPUS_DIR holds .bat/.cmd files (searched
recursively). Copies go to DIR (default /tmp/planted); nothing is written
elsewhere.
"""
import argparse
import json
import os
import random
import re
import subprocess
import sys

I = re.IGNORECASE


def lead(line):
    return re.match(r"^[\s@]*", line).end()


def word_at(line, name):
    m = re.match(r"^[\s@]*(%s)\b" % name, line, I)
    return m


# Each planter takes the lines and returns (new_lines, line_index, first_allowed) or None.
def near_miss(lines, r):
    for i in r.sample(range(len(lines)), len(lines)):
        m = re.match(r"^([\s@]*)(echo|goto|call|setlocal|endlocal|pause|shift|pushd|title|color)\b", lines[i], I)
        if m:
            w = m.group(2)
            typo = w[0] + w[2] + w[1] + w[3:] if len(w) > 4 else w[:-1] + chr(ord(w[-1]) + 1)
            return lines[:i] + [m.group(1) + typo + lines[i][m.end():]] + lines[i + 1:], i, i
    return None


def exit_backslash(lines, r):
    return sub_line(lines, r, r"\bexit\s+/b\b", lambda m: m.group(0)[:-2] + "\\b")


def missing_label(lines, r):
    return sub_line(lines, r, r"\bgoto\s+:?(?!eof\b)[A-Za-z_][\w.-]*", lambda m: m.group(0) + "zz")


def missing_call_label(lines, r):
    return sub_line(lines, r, r"\bcall\s+:(?!eof\b)[A-Za-z_][\w.-]*", lambda m: m.group(0) + "zz")


def block_open(lines, r):
    opens = []
    pairs = []
    for i, line in enumerate(lines):
        s = line.strip()
        if re.match(r"^\)", s) and opens:
            pairs.append((opens.pop(), i))
        if s.endswith("(") and not s.lower().startswith(("rem", "::")):
            opens.append(i)
    pairs = [(o, c) for o, c in pairs if lines[c].strip() == ")"]
    if not pairs:
        return None
    o, c = r.choice(pairs)
    return lines[:c] + lines[c + 1:], None, o


def stray_close(lines, r):
    depth = 0
    spots = []
    for i, line in enumerate(lines):
        s = line.strip()
        depth += s.count("(") - s.count(")")
        if depth == 0 and s and not s.startswith(":") and re.match(r"^[\s@]*(echo|set|call|if)\b", line, I):
            spots.append(i)
    if not spots:
        return None
    i = r.choice(spots)
    return lines[:i + 1] + [")"] + lines[i + 1:], i + 1, i + 1


def else_alone(lines, r):
    spots = [i for i, line in enumerate(lines) if re.match(r"^\s*\)\s*else\s*\(\s*$", line, I)]
    if not spots:
        return None
    i = r.choice(spots)
    indent = lines[i][:lead(lines[i])]
    return lines[:i] + [indent + ")", indent + "else ("] + lines[i + 1:], i + 1, i + 1


def unclosed_quote(lines, r):
    return sub_line(lines, r, r'"[^"%!]*"(?=[^"]*(>|\||&))', lambda m: m.group(0)[:-1])


def for_without_do(lines, r):
    return sub_line(lines, r, r"(\bfor\b.*\))\s+do\b", lambda m: m.group(1))


def for_one_percent(lines, r):
    def plant(m):
        return m.group(0).replace("%%", "%")
    return sub_line(lines, r, r"\bfor\b(\s+/[a-z](\s+\"[^\"]*\")?)?\s+%%[a-z]\b", plant)


def for_options(lines, r):
    return sub_line(lines, r, r"(\bfor\s+/f\s+\"[^\"]*)\b(tokens|delims)=", lambda m: m.group(1) + m.group(2)[:-1] + "=")


def set_blank(lines, r):
    return sub_line(lines, r, r"^([\s@]*set\s+\"?)([A-Za-z_][\w]*)=", lambda m: m.group(1) + m.group(2) + " =")


def set_arithmetic(lines, r):
    return sub_line(lines, r, r"^([\s@]*set\s+/a\s+\"?[A-Za-z_]\w*\s*[-+*/]?=\s*)", lambda m: m.group(1) + "(")


def if_unquoted(lines, r):
    return sub_line(lines, r, r"\bif\s+(/i\s+)?(not\s+)?\"(%~?[0-9])\"\s*==\s*\"([^\"%]+)\"",
                    lambda m: m.group(0).replace('"', ""))


def if_operator(lines, r):
    return sub_line(lines, r, r"\bif\s+(/i\s+)?(not\s+)?\S+?==", lambda m: m.group(0)[:-1])


def delayed_off(lines, r):
    if any(re.search(r"enabledelayedexpansion|/v:on", l, I) for l in lines):
        return None
    return sub_line(lines, r, r"^([\s@]*echo\b[^%\n]*)%([A-Za-z_]\w*)%", lambda m: m.group(1) + "!" + m.group(2) + "!")


def stale_read(lines, r):
    depth = 0
    spots = []
    for i, line in enumerate(lines):
        s = line.strip()
        m = re.match(r"^[\s@]*set\s+\"?([A-Za-z_]\w*)=", line, I)
        if depth > 0 and m and not s.endswith("(") and "(" not in s:
            spots.append((i, m.group(1)))
        depth = max(depth + s.count("(") - s.count(")"), 0)
    if not spots:
        return None
    i, name = r.choice(spots)
    indent = lines[i][:lead(lines[i])]
    return lines[:i + 1] + [indent + "echo %" + name + "%"] + lines[i + 1:], i + 1, i + 1


def redirect_blank(lines, r):
    return sub_line(lines, r, r">\s*nul\b", lambda m: "> %TEMP%\\my logs\\out.txt")


def short_misspelling(lines, r):
    return sub_line(lines, r, r"^([\s@]*)(set|echo|if)(\s+(?:\"?\w+=|\w|\"%|not\b|exist\b))",
                    lambda m: m.group(1) + {"set": "sey", "echo": "eco", "if": "iff"}[m.group(2).lower()] + m.group(3))


def unclosed_program_quote(lines, r):
    return sub_line(lines, r, r"^([\s@]*)\"([^\"%]+\.exe)\"(\s+\S)", lambda m: m.group(1) + '"' + m.group(2) + m.group(3))


def if_unquoted_empty(lines, r):
    return sub_line(lines, r, r"\bif\s+(not\s+)?\"(%\w+%)\"\s*==\s*\"\"", lambda m: m.group(0).replace('"' + m.group(2) + '"', m.group(2)))


def tilde_syntax(lines, r):
    return sub_line(lines, r, r"%~([a-z]*)([0-9])", lambda m: "%~q" + m.group(2))


def cd_unc(lines, r):
    return sub_line(lines, r, r"^([\s@]*)cd\s+(/d\s+)?\S.*$", lambda m: m.group(1) + "cd \\\\server\\share")


def caret_blank(lines, r):
    return sub_line(lines, r, r"\^$", lambda m: "^ ")


def typographic_quotes(lines, r):
    return sub_line(lines, r, r"^([\s@]*(?:copy|move|del|cd|pushd|type|call|set)\s+)\"([^\"]*)\"",
                    lambda m: m.group(1) + "\u201c" + m.group(2) + "\u201d")


def removed_command(lines, r):
    return sub_line(lines, r, r"\b(rd|rmdir)\s+/s\s+/q\b|\bstart\s+/min\b|\bchoice\s+/c\s+yn\b",
                    lambda m: {"r": "deltree /y", "s": "start /m", "c": "choice /c:yn /t:n,5"}[m.group(0)[0].lower()])


def set_prompt(lines, r):
    return sub_line(lines, r, r"\bset\s+/p\s+\"\w+=", lambda m: 'set /p "')


def set_caret(lines, r):
    return sub_line(lines, r, r"\bset\s+/a\s+(\w+)=(\w+)$", lambda m: "set /a %s=%s^2" % (m.group(1), m.group(2)))


def echo_percent(lines, r):
    return sub_line(lines, r, r"^([\s@]*echo\s+[A-Za-z][^%&|<>^]*)$", lambda m: m.group(1) + " 50%")


def call_without_colon(lines, r):
    return sub_line(lines, r, r"\bcall\s+:(?!eof\b)([A-Za-z_][\w]*)", lambda m: "call " + m.group(1))


def skip_zero(lines, r):
    return sub_line(lines, r, r"\bskip=[1-9]\d*", lambda m: "skip=0")


def exist_compare(lines, r):
    return sub_line(lines, r, r"\bif\s+(not\s+)?exist\s+(\"[^\"]+\"|\S+)", lambda m: m.group(0) + " == yes")


def glued_goto(lines, r):
    return sub_line(lines, r, r'(==\s*"[^"]*")\s+goto\b', lambda m: m.group(1) + "goto")


def sub_line(lines, r, pattern, plant):
    spots = [i for i, line in enumerate(lines)
             if re.search(pattern, line, I) and not re.match(r"^\s*(rem\b|::)", line, I)]
    if not spots:
        return None
    i = r.choice(spots)
    return lines[:i] + [re.sub(pattern, plant, lines[i], count=1, flags=I)] + lines[i + 1:], i, i


KINDS = [near_miss, exit_backslash, missing_label, missing_call_label, block_open, stray_close, else_alone,
         unclosed_quote, for_without_do, for_one_percent, for_options, set_blank, set_arithmetic, if_unquoted,
         if_operator, delayed_off, stale_read, redirect_blank, short_misspelling, unclosed_program_quote,
         if_unquoted_empty, tilde_syntax, cd_unc, caret_blank, typographic_quotes, removed_command, set_prompt,
         set_caret, echo_percent, call_without_colon, skip_zero, exist_compare, glued_goto]


def findings(qlt, paths):
    out = subprocess.run([qlt, "check", "--rules", "cmd", "--format", "json"] + paths, capture_output=True)
    report = json.loads(out.stdout.decode("utf-8", "replace"))
    return {f["path"]: {(m["line"], m["code"]) for m in f["messages"] if m["severity"] != "info"}
            for f in report["files"]}


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("qlt")
    ap.add_argument("corpus")
    ap.add_argument("--work", default="/tmp/planted")
    ap.add_argument("--per-kind", type=int, default=60)
    ap.add_argument("--seed", type=int, default=1)
    args = ap.parse_args()
    r = random.Random(args.seed)
    files = sorted(os.path.join(d, f) for d, _, fs in os.walk(args.corpus) for f in fs
                   if f.lower().endswith((".bat", ".cmd")))
    os.makedirs(args.work, exist_ok=True)
    total = found = 0
    for kind in KINDS:
        planted = []
        for path in r.sample(files, len(files)):
            if len(planted) >= args.per_kind:
                break
            data = open(path, "rb").read().decode("cp1252", "replace")
            lines = data.splitlines()
            if not lines or lines[0].startswith("/*"):
                continue
            result = kind(lines, r)
            if result is None:
                continue
            new_lines, line, first = result
            index = len(planted)
            original = os.path.join(args.work, "%s-%03d-a.bat" % (kind.__name__, index))
            copy = os.path.join(args.work, "%s-%03d-b.bat" % (kind.__name__, index))
            open(original, "w", encoding="cp1252", errors="replace", newline="\r\n").write("\n".join(lines) + "\n")
            open(copy, "w", encoding="cp1252", errors="replace", newline="\r\n").write("\n".join(new_lines) + "\n")
            planted.append((original, copy, line, first, len(new_lines)))
        if not planted:
            continue
        seen = findings(args.qlt, [p for o, c, *_ in planted for p in (o, c)])
        hits = 0
        for original, copy, line, first, count in planted:
            before = seen.get(original, set())
            new = seen.get(copy, set()) - before
            if line is None:
                ok = any(first + 1 <= l <= count for l, _ in new)
            else:
                ok = any(l == line + 1 for l, _ in new)
            hits += ok
            if not ok:
                print("missed %s: %s line %s" % (kind.__name__, copy, (line if line is not None else first) + 1))
        print("%-20s %3d/%3d" % (kind.__name__, hits, len(planted)))
        total += len(planted)
        found += hits
    print("recall %d/%d = %.1f%%" % (found, total, 100.0 * found / max(total, 1)))


if __name__ == "__main__":
    sys.exit(main())
