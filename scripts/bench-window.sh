#!/usr/bin/env bash
# The window's heaviest estimation beside the bare core's, both under Wine in a virtual X server
# (build/windows/kestavel_window_bench.exe prints the table). Part of `make bench`.
# Usage: scripts/bench-window.sh [repetitions]   (default 7)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/windows
repetitions=${1:-7}
for f in kestavel.exe kestavel_window_bench.exe; do
  [ -f "$build/$f" ] || { echo "$build/$f is missing; 'make windows' builds it" >&2; exit 1; }
done

. "$root/scripts/lib/headless-wine.sh"
wine_environment
# A prefix of its own, so that ending it at the close leaves any other Wine program running.
export WINEPREFIX=$root/build/wine-prefix-bench
log=$(mktemp /tmp/kestavel-bench-window.XXXXXX)
trap 'stop_wine_and_display; rm -f "$log"' EXIT
start_virtual_display
prepare_wine_prefix

status=0
timeout 600 wine "$build/kestavel_window_bench.exe" "$(windows_path "$build/kestavel.exe")" \
  "$(windows_path "$root/examples")" "$repetitions" >"$log" 2>&1 || status=$?
tr -d '\r' <"$log"
exit $status
