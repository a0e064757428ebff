#!/usr/bin/env bash
# kestavel-cli.exe under Wine against the native kestavel-cli: for the same arguments (seeded, in
# JSON where there is JSON) both must give the same stdout and stderr, byte for byte, and the same
# exit status. The roster is a file with a Japanese name holding every double-byte code of code
# page 932, so that both programs' code page tables are held to each other too.
# Usage: tests/e2e/run-cli-e2e.sh NATIVE_CLI [windows build folder]   (default build/windows)
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
native=$(realpath "$1")
build=$(realpath "${2:-$root/build/windows}")
exe=$build/kestavel-cli.exe
VERDICT_PREFIX="CLI E2E FAIL"
. "$root/tests/e2e/verdicts.sh"

[ -x "$native" ] || fail_now "$native is missing; 'make native' builds it"
[ -f "$exe" ] || fail_now "$exe is missing; 'make windows' builds it"

expect_static "$exe" kestavel-cli.exe

. "$root/scripts/lib/headless-wine.sh"
work=$(mktemp -d /tmp/kestavel-cli-e2e.XXXXXX)
trap 'end_headless_run "$work"' EXIT

roster=名簿/敵一覧.txt
mkdir -p "$work/${roster%/*}"
{
  printf '%s\n' '# テスト用の敵一覧' $'草原 野うさぎ 1 35\r' '森 灰色おおかみ 2 62' '洞窟 無効 0 99' '城 影の騎士 3 -5' |
    iconv -f UTF-8 -t CP932
  printf 'ctl a\001b\177c 4 7\nsub a\032b 6 9\nkana \xb1\xb2\xdf\xa0\x80\xfd\xfe\xff 5 8\n'
  # One row per lead byte, its name every trail byte after it.
  for lead in $(seq 129 159) $(seq 224 252); do
    printf 'lead%d ' "$lead"
    for trail in $(seq 64 126) $(seq 128 252); do printf "\\x$(printf %02x "$lead")\\x$(printf %02x "$trail")"; done
    printf ' %d %d\n' "$lead" "$lead"
  done
} >"$work/$roster" || fail_now "cannot write the roster"
# A name code page 932 cannot hold reaches the file only as UTF-16.
beyond_cp932=名簿/敵と적.txt
cp "$work/$roster" "$work/$beyond_cp932"

wine_environment
export WINEPREFIX=$work/prefix
prepare_wine_prefix || fail_now "no Wine prefix"

# Each case names its language, as the Windows program takes the user's display language and the
# native one the locale's variables (the environment above is Japanese for both).
allies="--allies 60,50,40,30,20"
ja="--lang ja"
en="--lang en"
cases=(
  "$en rate $allies --enemy-speed 50 --enemies 2 --seed 12345 --json"
  "$en rate $allies --enemy-speed 50 --enemies 9 --exact --seed 4294967295 --json"
  "$ja rate $allies --enemy-speed 50 --enemies 2 --exact --seed 7"
  "$en rate $allies --enemy-speed 50 --enemies 2 --exact --seed 7"
  "$en estimate --first-strike 95 $allies --seed 99 --json"
  "$en estimate --shut-out 95 --enemies 9 --allies 119 --seed 2 --json"
  "$en estimate --first-strike 95 $allies --exact --json"
  "$en estimate --observed 7/20 --enemies 3 $allies --json"
  "$ja estimate --first-strike 60 --observed 19/20 $allies --json"
  "$ja estimate --observed 0/20 --allies 150"
  "$en estimate --observed 0/20 --allies 150"
  "$ja estimate --first-strike 5 --allies 150 --seed 1 --json"
  "$en curve $allies --enemies 2 --csv"
  "$ja curve $allies --enemies 3 --from 20 --to 90 --simulate --seed 5 --observed 7/20"
  "$en roster $roster --json"
  "$en roster $beyond_cp932 --json"
  "$ja roster $roster"
  "$en roster $roster --encoding cp932"
  "--encoding cp932 $ja rate $allies --enemy-speed 50 --enemies 2 --seed 3 --exact"
  "$en rate $allies --enemy-speed 50 --enemies 10 --seed 1 --json"
  "$ja rate $allies --enemy-speed 50 --enemies 10 --seed 1 --json"
  "$en roster 名簿/ない.txt"
  "--encoding cp932 $ja roster 名簿/é€ない.txt"
  "$ja rate --allies 1,2,3,4,5,6 --enemy-speed 5 --enemies 1"
  "$ja need --shut-out 90 --allies 60 --enemy-speed 2000000000 --enemies 2"
  "$ja rate --help"
  "$en estimate --shut-out 95 --enemies 9 --allies 119 --seed 2 --threads 3 --json"
  "$en curve $allies --enemies 1 --from 20 --to 90 --simulate --seed 5 --threads 3 --csv"
)
cd "$work" || fail_now "no work folder"
n=0
for args in "${cases[@]}"; do
  n=$((n + 1))
  # shellcheck disable=SC2086 # each case is split into its words on purpose
  "$native" $args >"native.$n.out" 2>"native.$n.err"
  native_status=$?
  # shellcheck disable=SC2086
  timeout 120 wine "$exe" $args >"wine.$n.out" 2>"wine.$n.err"
  wine_status=$?
  [ "$wine_status" -eq "$native_status" ] || fail "$args: exit status $wine_status under Wine, $native_status natively"
  [ -s "native.$n.out" ] || [ -s "native.$n.err" ] || fail "$args: the native program wrote nothing"
  cmp -s "native.$n.out" "wine.$n.out" || { fail "$args: stdout differs"; diff "native.$n.out" "wine.$n.out" | head -5; }
  cmp -s "native.$n.err" "wine.$n.err" || { fail "$args: stderr differs"; diff "native.$n.err" "wine.$n.err" | head -5; }
done

# Without --lang both take the system's: Japanese for a Japanese locale (under Wine, the display
# language it derives from it), English for the C locale.
for locale in ja_JP.UTF-8:不正 C:valid; do
  n=$((n + 1))
  words=${locale#*:}
  locale=${locale%:*}
  # shellcheck disable=SC2086
  LC_ALL=$locale LANG=$locale "$native" rate $allies --enemy-speed 0 --enemies 2 >/dev/null 2>"native.$locale.err"
  # shellcheck disable=SC2086
  LC_ALL=$locale LANG=$locale timeout 120 wine "$exe" rate $allies --enemy-speed 0 --enemies 2 >/dev/null 2>"wine.$locale.err"
  cmp -s "native.$locale.err" "wine.$locale.err" || fail "the $locale locale: the message differs from the native program's"
  grep -q "$words" "wine.$locale.err" || fail "the $locale locale: not the language expected: $(cat "wine.$locale.err")"
done

# Standard input is read as bytes (a 0x1A byte ends nothing), and a chart reaches a Japanese path.
n=$((n + 1))
"$native" --lang ja roster - <"$roster" >native.stdin.out 2>native.stdin.err
timeout 120 wine "$exe" --lang ja roster - <"$roster" >wine.stdin.out 2>wine.stdin.err
cmp -s native.stdin.out wine.stdin.out || fail "roster -: stdout differs from the native program's"
cmp -s native.stdin.err wine.stdin.err || fail "roster -: stderr differs from the native program's"
chart="$ja curve $allies --enemies 2 --observed 7/20 --svg"
n=$((n + 1))
# shellcheck disable=SC2086
"$native" $chart 名簿/ネイティブ.svg && timeout 120 wine "$exe" $chart 名簿/曲線.svg >wine.svg.log 2>&1
cmp -s 名簿/ネイティブ.svg 名簿/曲線.svg || fail "the chart written under Wine differs from the native one"

# Every trial path gives the same results on both builds, and both name it (JSON trialPath). A
# path this CPU cannot run is refused by both alike.
heavy="$en estimate --shut-out 95 --enemies 9 --allies 119 --seed 2 --json"
for path in plain portable sse41 avx2 avx512; do
  n=$((n + 1))
  # shellcheck disable=SC2086
  KESTAVEL_TRIAL_PATH=$path "$native" $heavy >"native.$path.out" 2>&1
  # shellcheck disable=SC2086
  KESTAVEL_TRIAL_PATH=$path timeout 120 wine "$exe" $heavy >"wine.$path.out" 2>&1
  cmp -s "native.$path.out" "wine.$path.out" || fail "$heavy on the $path path differs from the native program"
done

if [ $failures -eq 0 ]; then
  echo "kestavel-cli.exe: the native program's output in all $n cases"
  exit 0
fi
echo "kestavel-cli.exe: $failures failure(s), listed above"
exit 1
