#!/usr/bin/env python3
"""Packs the release for players: build/dist/kestavel-VERSION-windows-x64.zip.

Usage: scripts/make-dist.py [--windows-build DIR] [--web-build DIR] [--out DIR]

The version is the one in CMakeLists.txt. Two runs on the same commit give the same bytes: the
entries keep a fixed order, fixed permissions and one timestamp, that of the commit
(SOURCE_DATE_EPOCH when set).
"""

import argparse
import os
import re
import subprocess
import sys
import time
import zipfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def project_version():
    with open(os.path.join(ROOT, "CMakeLists.txt"), encoding="utf-8") as f:
        match = re.search(r"project\(\s*kestavel\s+VERSION\s+([0-9]+\.[0-9]+\.[0-9]+)", f.read())
    if not match:
        sys.exit("make dist: no project(kestavel VERSION x.y.z) in CMakeLists.txt")
    return match.group(1)


def release_time():
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    if not epoch:
        try:
            epoch = subprocess.run(["git", "-C", ROOT, "log", "-1", "--format=%ct"], capture_output=True,
                                   text=True, check=True).stdout.strip()
        except (OSError, subprocess.CalledProcessError):
            epoch = ""
    # A zip stores no time zone: UTC, and no earlier than the format can hold.
    stamp = time.gmtime(int(epoch)) if epoch.isdigit() else None
    if stamp is None or stamp.tm_year < 1980:
        return (1980, 1, 1, 0, 0, 0)
    return tuple(stamp[:6])


def players_guide(version):
    """The guide as Notepad shows it on any Windows: UTF-8 with a byte order mark, CR LF."""
    with open(os.path.join(ROOT, "docs", "README-ja.txt"), encoding="utf-8") as f:
        text = f.read().replace("\r\n", "\n").replace("@VERSION@", version)
    return b"\xef\xbb\xbf" + text.replace("\n", "\r\n").encode("utf-8")


def with_crlf(data):
    """Text bytes with CR LF line ends, so that every Notepad shows its lines (Shift-JIS and
    UTF-8 alike: neither has a byte 0x0A inside a character)."""
    return data.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")


def read(path):
    with open(path, "rb") as f:
        return f.read()


def main():
    parser = argparse.ArgumentParser(description="Packs the release zip for players.")
    parser.add_argument("--windows-build", default=os.path.join(ROOT, "build", "windows"))
    parser.add_argument("--web-build", default=os.path.join(ROOT, "build", "web"))
    parser.add_argument("--out", default=os.path.join(ROOT, "build", "dist"))
    args = parser.parse_args()

    version = project_version()
    programs = [("kestavel.exe", "the window's build ('make windows')"),
                ("kestavel-cli.exe", "the Windows build of the command line (cli/, 'make windows')")]
    for name, made_by in programs:
        if not os.path.isfile(os.path.join(args.windows_build, name)):
            sys.exit(f"make dist: {os.path.join(args.windows_build, name)} is missing; {made_by} makes it")
    page = os.path.join(args.web_build, "kestavel.html")
    if not os.path.isfile(page):
        sys.exit(f"make dist: {page} is missing; the page's one-file build ('make web') makes it")

    # In the order a player reads the folder: the programs and the page, the example, the guide, the JSON and
    # CSV keys (where kestavel-cli's --help points, the same path as in the source), the licence.
    entries = [(name, read(os.path.join(args.windows_build, name)), 0o755) for name, _ in programs]
    entries += [("kestavel.html", read(page), 0o644)]
    entries += [("speed.txt", with_crlf(read(os.path.join(ROOT, "examples", "speed.txt"))), 0o644),
                ("README-ja.txt", players_guide(version), 0o644),
                ("docs/cli-json.md", with_crlf(read(os.path.join(ROOT, "docs", "cli-json.md"))), 0o644),
                ("LICENSE", read(os.path.join(ROOT, "LICENSE")), 0o644)]

    os.makedirs(args.out, exist_ok=True)
    target = os.path.join(args.out, f"kestavel-{version}-windows-x64.zip")
    partial = target + ".partial"
    stamp = release_time()
    with zipfile.ZipFile(partial, "w") as archive:
        for name, data, mode in entries:
            info = zipfile.ZipInfo(name, date_time=stamp)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 3  # Unix, so that the permissions below are read as such
            info.external_attr = (0o100000 | mode) << 16
            archive.writestr(info, data, compresslevel=9)
    os.replace(partial, target)
    print(target)


if __name__ == "__main__":
    main()
