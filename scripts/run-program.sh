#!/usr/bin/env bash
# Starts build/windows/kestavel.exe with the sample roster in examples/: on Windows directly, on
# Linux under Wine in Japanese. Without a display it runs in a virtual X server for a moment,
# saves a screenshot to build/screenshot.png and ends the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe=$root/build/windows/kestavel.exe
cd "$root/examples"

case "$(uname -s)" in
  MINGW* | MSYS* | CYGWIN*) exec "$exe" ;;
esac

. "$root/scripts/lib/headless-wine.sh"
wine_environment
export WINEPREFIX=${WINEPREFIX:-$root/build/wine-prefix}

if [ -n "${DISPLAY:-}" ]; then
  prepare_wine_prefix
  wine "$exe"
  exit 0
fi

trap stop_wine_and_display EXIT
start_virtual_display
prepare_wine_prefix
log=$root/build/run.log
wine "$exe" >"$log" 2>&1 &
if ! wait_for_x_window 120 Kestavel; then
  echo "the window did not appear within 120 s; see $log" >&2
  exit 1
fi
sleep 2  # the roster list and the first paint
import -window root -crop 760x700+0+0 "$root/build/screenshot.png"
echo "No display: the program ran in a virtual X server ($DISPLAY)."
echo "Screenshot: $root/build/screenshot.png"
