#!/usr/bin/env bash
# The release zip as a player gets it: built twice (the bytes must agree), checked entry by entry,
# unpacked into an empty folder, and both programs run from there under Wine.
# Usage: tests/e2e/run-dist.sh [windows build folder] [web build folder]
#        (default build/windows and build/web)
# Exit status 0 passed, 1 failed, 77 skipped (no kestavel-cli.exe in the build yet).
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build/windows}
web=${2:-$root/build/web}
driver=$build/kestavel_e2e_driver.exe
VERDICT_PREFIX="DIST FAIL"
. "$root/tests/e2e/verdicts.sh"

if [ ! -f "$build/kestavel-cli.exe" ]; then
  echo "SKIP: $build/kestavel-cli.exe is missing (the Windows build of the command line makes it);"
  echo "      the release zip cannot be made without it"
  exit 77
fi
[ -f "$build/kestavel.exe" ] || fail_now "$build/kestavel.exe is missing; 'make windows' builds it"
[ -f "$driver" ] || fail_now "$driver is missing; 'make windows' builds it"
[ -f "$web/kestavel.html" ] || fail_now "$web/kestavel.html is missing; 'make web' builds it"

work=$(mktemp -d /tmp/kestavel-dist.XXXXXX)
. "$root/scripts/lib/headless-wine.sh"
trap 'end_headless_run "$work"' EXIT

# Two builds, the same bytes.
for run in first second; do
  python3 "$root/scripts/make-dist.py" --windows-build "$build" --web-build "$web" --out "$work/$run" >"$work/$run.log" 2>&1 ||
    fail_now "make-dist.py failed: $(cat "$work/$run.log")"
done
zip=$(cat "$work/first.log")
name=$(basename "$zip")
[ -f "$zip" ] || fail_now "make-dist.py named no zip: $zip"
cmp -s "$zip" "$work/second/$name" || fail "two builds of the zip differ"

# The entries, their bytes and the guide's form; then the zip unpacked into an empty folder.
mkdir "$work/unpacked"
python3 - "$zip" "$build" "$root" "$work/unpacked" "$web" <<'PY' || fail "the zip's contents (listed above)"
import os, re, sys, zipfile
zip_path, build, root, unpacked, web = sys.argv[1:]
problems = []
version = re.fullmatch(r"kestavel-(\d+\.\d+\.\d+)-windows-x64\.zip", os.path.basename(zip_path))
if not version:
    problems.append(f"zip name {os.path.basename(zip_path)}")
with zipfile.ZipFile(zip_path) as archive:
    names = archive.namelist()
    expected = ["kestavel.exe", "kestavel-cli.exe", "kestavel.html", "speed.txt", "README-ja.txt", "docs/cli-json.md", "LICENSE"]
    if names != expected:
        problems.append(f"entries {names}, expected {expected}")
    same = {"kestavel.exe": os.path.join(build, "kestavel.exe"),
            "kestavel-cli.exe": os.path.join(build, "kestavel-cli.exe"),
            "kestavel.html": os.path.join(web, "kestavel.html"),
            "LICENSE": os.path.join(root, "LICENSE")}
    for entry, source in same.items():
        if entry in names and archive.read(entry) != open(source, "rb").read():
            problems.append(f"{entry} differs from {source}")
    # The texts a player opens in Notepad: CR LF line ends, else the source's bytes.
    texts = {"speed.txt": os.path.join(root, "examples", "speed.txt"),
             "docs/cli-json.md": os.path.join(root, "docs", "cli-json.md"),
             "README-ja.txt": None}
    for entry, source in texts.items():
        if entry not in names:
            continue
        text = archive.read(entry)
        if text.count(b"\n") != text.count(b"\r\n") or text.count(b"\r") != text.count(b"\r\n"):
            problems.append(f"{entry} has line ends other than CR LF")
        if source and text.replace(b"\r\n", b"\n") != open(source, "rb").read().replace(b"\r\n", b"\n"):
            problems.append(f"{entry} differs from {source} in more than its line ends")
    if "README-ja.txt" in names:
        guide = archive.read("README-ja.txt")
        if not guide.startswith(b"\xef\xbb\xbf"):
            problems.append("README-ja.txt does not start with the UTF-8 byte order mark")
        try:
            text = guide.decode("utf-8")
            if version and f"Kestavel {version.group(1)}" not in text or "@VERSION@" in text:
                problems.append("README-ja.txt does not name the version")
        except UnicodeDecodeError as error:
            problems.append(f"README-ja.txt is not UTF-8: {error}")
    archive.extractall(unpacked)
for problem in problems:
    print("   " + problem)
sys.exit(1 if problems else 0)
PY
version=$(sed -n 's/^kestavel-\(.*\)-windows-x64\.zip$/\1/p' <<<"$name")

wine_environment
export WINEPREFIX=$work/prefix
start_virtual_display || fail_now "no virtual X server"
prepare_wine_prefix || fail_now "no Wine prefix"

# The window from the unpacked folder: version resources, and the example roster in its list.
timeout 300 wine "$driver" --release "$(windows_path "$work/unpacked")" "$(windows_path "$work")\\list.txt" \
  >"$work/driver.log" 2>&1
status=$?
cat "$work/driver.log"
[ $status -eq 0 ] || fail "the driver reported failures (exit status $status)"

# The command line from the same folder, as a player types it there.
(cd "$work/unpacked" && timeout 120 wine kestavel-cli.exe --version >"$work/version.txt" 2>&1)
grep -qx "$version" <(tr -d '\r' <"$work/version.txt") ||
  fail "kestavel-cli.exe --version: expected $version, got '$(cat "$work/version.txt")'"
# Its help points at the JSON and CSV keys by a path that holds them in the folder (in either
# language the help speaks).
(cd "$work/unpacked" && timeout 120 wine kestavel-cli.exe rate --help >"$work/help.txt" 2>&1)
keys=$(grep -o '[A-Za-z0-9_./-]*\.md' "$work/help.txt" | head -1)
[ -n "$keys" ] && [ -f "$work/unpacked/$keys" ] ||
  fail "kestavel-cli.exe rate --help points at '$keys' for the JSON keys, which the unpacked folder lacks"
(cd "$work/unpacked" && timeout 120 wine kestavel-cli.exe roster speed.txt >"$work/roster.txt" 2>"$work/roster.err")
status=$?
[ $status -eq 0 ] || fail "kestavel-cli.exe roster speed.txt: exit status $status ($(cat "$work/roster.err"))"

# Both list the example's eight rows alike: the window its entries, the command line each with
# its speed.
python3 - "$work/roster.txt" "$work/list.txt" <<'PY' || fail "the rows of speed.txt (listed above)"
import sys
import os
def lines(path):
    if not os.path.exists(path):
        return []
    data = open(path, "rb").read()
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError:
        text = data.decode("cp932")
    return [line for line in text.replace("\r\n", "\n").split("\n") if line]
rows, entries = lines(sys.argv[1]), lines(sys.argv[2])
problems = []
if len(rows) != 8 or rows[0] != "草原1) 野うさぎ\t35" or rows[-1] != "城2) 黒い魔術師\t95":
    problems.append(f"kestavel-cli.exe roster: {rows}")
if entries != [row.split("\t")[0] for row in rows]:
    problems.append(f"the window's list {entries} against the command line's {rows}")
for problem in problems:
    print("   " + problem)
sys.exit(1 if problems else 0)
PY

if [ $failures -eq 0 ]; then
  echo "release zip $name: every check passed"
  exit 0
fi
echo "release zip: $failures failure(s), listed above"
exit 1
