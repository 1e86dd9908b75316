#!/usr/bin/env python3
"""Puts a public header's declarations between MISC_PUBLIC_BEGIN and MISC_PUBLIC_END.

    scripts/mark-public-headers.py platform/include/win32/new_header.h ...

The block opens after the header's leading #include lines (with `#include "misc_export.h"`) and
closes at the end of the file; headers already marked, and headers holding only #include and
#define lines, are left alone. scripts/check-layers.py fails on an unmarked public header, and on
a declaration added after MISC_PUBLIC_END. Standard library only.
"""
import sys


def mark(path):
    with open(path, encoding="utf-8") as fh:
        lines = fh.read().split("\n")
    if path.endswith("misc_export.h") or any(l.strip() == "MISC_PUBLIC_BEGIN" for l in lines):
        return "already marked"
    depth, incomment, insert, outer_if = 0, False, None, None
    for i, line in enumerate(lines):
        t = line.strip()
        if incomment:
            incomment = "*/" not in t
            continue
        if t.startswith("/*"):
            incomment = "*/" not in t
            continue
        if not t or t.startswith("//"):
            continue
        if t.startswith("#"):
            directive = t[1:].strip()
            if directive.startswith("if"):
                if depth == 0:
                    outer_if = i
                depth += 1
            elif directive.startswith("endif"):
                depth -= 1
            continue
        # The first declaration; inside a conditional block the block opens before it.
        insert = i if depth == 0 else outer_if
        break
    if insert is None:
        return "no declarations"
    while insert > 0 and lines[insert - 1].strip().startswith("//"):
        insert -= 1  # the comment above the first declaration stays with it
    lines[insert:insert] = ['#include "misc_export.h"', "MISC_PUBLIC_BEGIN", ""]
    while lines and lines[-1] == "":
        lines.pop()
    lines += ["", "MISC_PUBLIC_END", ""]
    with open(path, "w", encoding="utf-8") as fh:
        fh.write("\n".join(lines))
    return "marked"


if __name__ == "__main__":
    for p in sys.argv[1:]:
        print("%s: %s" % (p, mark(p)))
