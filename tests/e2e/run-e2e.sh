#!/usr/bin/env bash
# End-to-end test of kestavel.exe: runs the driver and the program under Wine in a virtual X
# server, with a speed.txt of the test's own, then checks the screenshot's pixels.
# Usage: tests/e2e/run-e2e.sh [windows build folder]   (default build/windows)
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build/windows}
exe=$build/kestavel.exe
driver=$build/kestavel_e2e_driver.exe
VERDICT_PREFIX="E2E FAIL"
. "$root/tests/e2e/verdicts.sh"

[ -f "$exe" ] || fail_now "$exe is missing; 'make windows' builds it"
[ -f "$driver" ] || fail_now "$driver is missing; 'make windows' builds it"

expect_static "$exe" kestavel.exe

. "$root/scripts/lib/headless-wine.sh"
work=$(mktemp -d /tmp/kestavel-e2e.XXXXXX)
trap 'end_headless_run "$work"' EXIT
mkdir -p "$work/roster" "$work/empty" "$work/shots"

# The roster: a comment, a CR LF line, a refused line (number 0) and a negative speed.
printf '%s\n' '# テスト用の敵一覧' $'草原 野うさぎ 1 35\r' '森 灰色おおかみ 2 62' '洞窟 無効 0 99' \
  '城 影の騎士 3 -5' | iconv -f UTF-8 -t CP932 >"$work/roster/speed.txt" || fail_now "cannot write speed.txt"

wine_environment
export WINEPREFIX=$work/prefix
start_virtual_display || fail_now "no virtual X server"
prepare_wine_prefix || fail_now "no Wine prefix"

# Takes the screenshot when the driver asks for it.
watch_for_screenshot_requests "$work/shots" 600

timeout 480 wine "$driver" "$(windows_path "$exe")" "$(windows_path "$work/roster")" \
  "$(windows_path "$work/empty")" "$(windows_path "$work/shots")" >"$work/driver.log" 2>&1
status=$?
cat "$work/driver.log"
case $status in
  0) ;;
  124) fail "the driver did not finish within 480 s" ;;
  *) fail "the driver reported failures (exit status $status)" ;;
esac

# Pixels of the screenshot, in the window's client coordinates.
shot=$work/shots/screen.png
if [ ! -f "$shot" ] || [ ! -f "$work/shots/client-origin.txt" ]; then
  fail "no screenshot was taken"
else
  cp "$shot" "$root/build/e2e-screenshot.png" 2>/dev/null
  read -r ox oy <"$work/shots/client-origin.txt"
  ox=${ox//[^0-9-]/}
  oy=${oy//[^0-9-]/}
  # count_colour HEX x y width height: pixels of exactly that colour in the rectangle.
  count_colour() {
    convert "$shot" -crop "$4x$5+$((ox + $2))+$((oy + $3))" +repage txt:- | grep -ci "#$1\b"
  }
  expect_pixel() {  # expect_pixel HEX x y what
    local found
    found=$(convert "$shot" -crop "1x1+$((ox + $2))+$((oy + $3))" +repage txt:- | grep -o '#[0-9A-Fa-f]\{6\}' | head -1)
    [ "${found^^}" = "#$1" ] || fail "pixel ($2, $3), $4: expected #$1, found $found"
  }
  # ink_rows HEX x y width height: how many pixel rows of the rectangle hold that colour.
  ink_rows() {
    convert "$shot" -crop "$4x$5+$((ox + $2))+$((oy + $3))" +repage txt:- | grep -i "#$1\b" |
      awk -F'[,:]' '{print $2}' | sort -u | wc -l
  }
  expect_pixel 000000 670 20 "background right of the groups"
  expect_pixel 000000 20 520 "background below the groups"
  expect_pixel 000000 520 195 "background of label 1002 past its text"
  for label in "1002 30 185" "1003 30 215" "1008 30 430"; do
    set -- $label
    n=$(count_colour FFB4B4 "$2" "$3" 500 20)
    [ "$n" -ge 10 ] || fail "label $1: expected light red text (255,180,180), found $n such pixels"
  done
  # The bold 20-pixel result font stands taller than the default font of the headings.
  n=$(ink_rows FFB4B4 30 185 500 20)
  [ "$n" -ge 16 ] || fail "label 1002: expected the 20-pixel result font (16 or more rows of ink), found $n rows"
  n=$(ink_rows FFFFFF 10 30 500 20)
  [ "$n" -le 15 ] || fail "label 1000: expected the default font (at most 15 rows of ink), found $n rows"
  for label in "1000 10 30" "1005 30 355"; do
    set -- $label
    n=$(count_colour FFFFFF "$2" "$3" 500 20)
    [ "$n" -ge 10 ] || fail "label $1: expected white text, found $n white pixels"
    n=$(count_colour FFB4B4 "$2" "$3" 500 20)
    [ "$n" -eq 0 ] || fail "label $1: expected no light red, found $n pixels"
  done
fi

if [ $failures -eq 0 ]; then
  echo "end-to-end: every check passed"
  exit 0
fi
echo "end-to-end: $failures failure(s), listed above"
exit 1
