#!/usr/bin/env bash
# Starts build/windows/kestavel.exe with the sample roster in examples/: on Windows directly, on
# Linux under Wine in Japanese. Without a display it runs in a virtual X server for a moment,
# driven by the end-to-end driver to an enemy's rates and an estimation, saves a screenshot to
# build/screenshot.png and ends the program.
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

work=$(mktemp -d /tmp/kestavel-run.XXXXXX)
trap 'end_headless_run "$work"' EXIT
start_virtual_display
prepare_wine_prefix
log=$root/build/run.log

# The end-to-end driver shows the program at work (森1) 灰色おおかみ chosen, its rates and an
# estimation table) and asks for the screenshot when the window shows them.
watch_for_screenshot_requests "$work" 180
if ! timeout 180 wine "$root/build/windows/kestavel_e2e_driver.exe" --show-at-work "$(windows_path "$exe")" \
  "$(windows_path "$root/examples")" "$(windows_path "$work")" 3 >"$log" 2>&1; then
  echo "the program did not show its results; see $log" >&2
  exit 1
fi
# The window from its left edge and from a little above its menu bar, to just below its last
# group (without a window manager the frame has no title bar to show).
read -r ox oy <"$work/client-origin.txt"
ox=${ox//[^0-9-]/}
oy=${oy//[^0-9-]/}
convert "$work/screen.png" -crop "700x560+$((ox - 4))+$((oy - 27))" +repage "$root/build/screenshot.png"
echo "No display: the program ran in a virtual X server ($DISPLAY)."
echo "Screenshot: $root/build/screenshot.png"
