#!/usr/bin/env python3
"""Fails when a part includes a header of a part above it.

The layers, bottom to top:
  platform/        core, sys, gui: the Win32/MFC stand-in; knows nothing of the library.
                   Inside platform/gui, one way: draw < codecs < theme < window < controls
                   < dialog < menu (pop-up menus run the dialogs' modal loop) < mfc (the MFC
                   fronts: draw/mfc, window/cwnd_*, controls/mfc_*) < command < toolkit
                   < family < automation < display < reset < startup.cpp. Public headers: win32 < mfc < toolkit, family.
  resources/       the resource module and its compiler; never the library.
  src/, include/misc/  the library: frame < geometry, services < data, ui < datadlg < cutnode, grid (each part
                   names the parts it may include below); nothing Linux-specific.

Each #include is resolved the way the build resolves it (the including file's folder, its
part's folder, then the public include roots); system headers resolve to nothing and are
checked only for the library's Linux rule. Every public header also keeps its declarations
inside its MISC_PUBLIC_BEGIN ... MISC_PUBLIC_END block (misc_export.h), so the shared libraries,
built with hidden visibility, export them. Standard library only; run from anywhere.
"""
import os
import re
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
PUBLIC_ROOTS = ["platform/include", "include", "resources/include"]
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')

# platform/gui: private units in their order, and how files map to them (first match wins).
GUI_ORDER = ["draw", "codecs", "theme", "window", "controls", "dialog", "menu", "mfc", "command",
             "toolkit", "family", "automation", "display", "reset", "startup"]
GUI_UNITS = [
    (r"draw/mfc/", "mfc"),
    (r"draw/", "draw"),
    (r"theme/", "theme"),
    (r"family/(imagecodecs\.h|imagefile_(bmp|jpeg|png)\.cpp)$", "codecs"),
    (r"window/cwnd_", "mfc"),
    (r"window/", "window"),
    (r"menu/", "menu"),
    (r"controls/mfc_", "mfc"),
    (r"controls/", "controls"),
    (r"dialog/", "dialog"),
    (r"command/", "command"),
    (r"toolkit/", "toolkit"),
    (r"family/", "family"),
    (r"automation/", "automation"),
    (r"display/", "display"),
    (r"reset/", "reset"),
    (r"startup\.cpp$", "startup"),
]
# platform/include: which public header folders each may include.
PUBLIC_ALLOWED = {
    "win32": {"win32", "top"},
    "mfc": {"win32", "mfc", "top"},
    "toolkit": {"win32", "mfc", "toolkit", "top"},
    "family": {"win32", "mfc", "family", "top"},
    "top": {"win32", "mfc", "toolkit", "family", "top"},
}
# The library's parts and the parts each may include (itself always).
LIB_ALLOWED = {
    "frame": set(),
    "geometry": {"frame"},
    "services": {"frame"},
    "data": {"frame", "geometry"},
    "ui": {"frame", "geometry"},
    "datadlg": {"frame", "geometry", "services", "data", "ui"},
    "cutnode": {"frame", "geometry", "services", "data", "ui", "datadlg"},
    "grid": {"frame", "geometry", "services", "data", "ui", "datadlg"},
}
# System headers the library must not include (it calls the platform layer, not Linux).
LINUX_HEADERS = re.compile(
    r"^(unistd\.h|fcntl\.h|dirent\.h|pthread\.h|dlfcn\.h|signal\.h|termios\.h|pwd\.h|grp\.h|"
    r"poll\.h|netdb\.h|spawn\.h|syslog\.h|sched\.h|sys/.*|linux/.*|netinet/.*|arpa/.*)$")


def unit_of(rel):
    """The unit a repository-relative path belongs to, e.g. ('gui', 'window'), or None."""
    parts = rel.split("/")
    if rel.startswith("platform/include/"):
        return ("public", parts[2] if len(parts) > 3 else "top")
    if rel.startswith("platform/gui/"):
        inner = rel[len("platform/gui/"):]
        for pattern, unit in GUI_UNITS:
            if re.match(pattern, inner):
                return ("gui", unit)
        return ("gui", "?" + inner.split("/")[0])
    if rel.startswith("platform/"):
        return ("platform", parts[1])
    if rel.startswith("resources/"):
        return ("resources", "resources")
    if rel.startswith("src/"):
        return ("lib", parts[1])
    if rel.startswith("include/misc/"):
        name = parts[2]
        if len(parts) == 3:
            name = name[:-2] if name.endswith(".h") else name
            return ("lib", "all" if name == "misc" else name)
        return ("lib", name)
    return None


def part_folder(rel):
    parts = rel.split("/")
    if parts[0] in ("platform", "src") and len(parts) > 2:
        return "/".join(parts[:2])
    if parts[0] == "resources":
        return "resources/compiler/lib" if rel.startswith("resources/compiler/lib/") else "resources/" + parts[1]
    return None


def resolve(rel, quote, name):
    dirs = []
    if quote == '"':
        dirs.append(os.path.dirname(rel))
    folder = part_folder(rel)
    if folder:
        dirs.append(folder)
    dirs += PUBLIC_ROOTS
    for d in dirs:
        cand = os.path.normpath(os.path.join(d, name))
        if os.path.isfile(os.path.join(ROOT, cand)):
            return cand
    return None


def violation(src, dst, header):
    """A reason when unit src may not include `header` of unit dst, else None."""
    (skind, sname), (dkind, dname) = src, dst
    if skind in ("public", "platform", "gui"):
        if dkind in ("lib", "resources"):
            return "the platform includes the library or the resource module"
        if skind == "public" and dkind != "public":
            return "a public platform header includes a private one"
        if skind == "public":
            if dname not in PUBLIC_ALLOWED.get(sname, set()):
                return "public header folder %s is below %s" % (sname, dname)
            return None
        if dkind == "public":
            return None
        if skind == "platform" and dkind == "platform" and sname != dname:
            return "platform/%s includes private headers of platform/%s" % (sname, dname)
        if skind != dkind and "gui" in (skind, dkind):
            return "platform/%s and platform/gui share no private headers" % (sname if skind == "platform" else dname)
        if skind == "gui":
            for name in (sname, dname):
                if name.startswith("?"):
                    return "platform/gui/%s has no place in the layer table of scripts/check-layers.py" % name[1:]
            if GUI_ORDER.index(dname) > GUI_ORDER.index(sname):
                return "gui %s includes %s, which is above it" % (sname, dname)
        return None
    if skind == "resources":
        if dkind == "lib":
            return "the resource module includes the library"
        return None
    if skind == "lib":
        if dkind in ("public", "resources"):
            return None
        if dkind in ("platform", "gui"):
            return "the library includes private platform headers"
        if dname == "all" or sname == "all":
            return None if sname == "all" else "the library includes the umbrella header misc/misc.h"
        if dname not in LIB_ALLOWED or sname not in LIB_ALLOWED:
            return "library part %s has no place in the layer table of scripts/check-layers.py" % (
                sname if sname not in LIB_ALLOWED else dname)
        if dname != sname and dname not in LIB_ALLOWED[sname]:
            return "library part %s includes %s, which is not below it" % (sname, dname)
        if header.startswith("src/") and not header.startswith("src/%s/" % sname):
            return "library part %s includes private headers of %s" % (sname, dname)
    return None


def code_lines(lines):
    """Line numbers (1-based) of lines that are neither preprocessor, comment nor blank."""
    result, incomment = [], False
    for n, line in enumerate(lines, 1):
        t = line.strip()
        if incomment:
            incomment = "*/" not in t
            continue
        if t.startswith("/*"):
            incomment = "*/" not in t
            continue
        if not t or t.startswith("//") or t.startswith("#") or t.startswith("MISC_PUBLIC_"):
            continue
        result.append(n)
    return result


def export_block_faults(rel, lines):
    """A public header's declarations must lie between MISC_PUBLIC_BEGIN and MISC_PUBLIC_END
    (misc_export.h), the end marker last, or the shared libraries would not export them."""
    if rel.endswith("misc_export.h"):
        return []
    code = code_lines(lines)
    if not code:
        return []
    begin = [n for n, l in enumerate(lines, 1) if l.strip() == "MISC_PUBLIC_BEGIN"]
    end = [n for n, l in enumerate(lines, 1) if l.strip() == "MISC_PUBLIC_END"]
    if len(begin) != 1 or len(end) != 1:
        return ["%s: a public header needs one MISC_PUBLIC_BEGIN and one MISC_PUBLIC_END" % rel]
    if code[0] < begin[0] or code[-1] > end[0]:
        n = code[0] if code[0] < begin[0] else code[-1]
        return ["%s:%d: a declaration outside MISC_PUBLIC_BEGIN ... MISC_PUBLIC_END" % (rel, n)]
    return []


def main():
    failures = []
    for top in ("platform", "resources", "src", "include"):
        for dirpath, _, files in os.walk(os.path.join(ROOT, top)):
            for f in sorted(files):
                if not f.endswith((".h", ".hpp", ".cpp", ".c")):
                    continue
                rel = os.path.relpath(os.path.join(dirpath, f), ROOT)
                src = unit_of(rel)
                if src is None:
                    continue
                with open(os.path.join(ROOT, rel), encoding="utf-8", errors="replace") as fh:
                    lines = fh.readlines()
                if f.endswith(".h") and rel.startswith(("platform/include/", "include/", "resources/include/")):
                    failures += export_block_faults(rel, lines)
                for n, line in enumerate(lines, 1):
                    m = INCLUDE.match(line)
                    if not m:
                        continue
                    quote, name = m.groups()
                    target = resolve(rel, quote, name)
                    if target is None:
                        if src[0] == "lib" and LINUX_HEADERS.match(name):
                            failures.append("%s:%d: the library includes the Linux header <%s>" % (rel, n, name))
                        continue
                    dst = unit_of(target)
                    if dst is None:
                        continue
                    why = violation(src, dst, target)
                    if why:
                        failures.append("%s:%d: %s (%s)" % (rel, n, why, name))
    for f in failures:
        print(f)
    if failures:
        print("check-layers: %d fault(s)" % len(failures), file=sys.stderr)
        return 1
    print("check-layers: every include runs down the layers; public headers export their declarations")
    return 0


if __name__ == "__main__":
    sys.exit(main())
