#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for SECONDS (default 5), starting from its seed
# corpus in tests/fuzz/corpus/. New inputs go to a scratch folder, not into the repository.
# A crash fails the run and leaves the input in build/fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-5}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2 >/dev/null
mkdir -p build/fuzz/findings
status=0
for target in roster_file roster_line field_number; do
  scratch=$(mktemp -d)
  log=build/fuzz/findings/$target.log
  if build/fuzz/tests/fuzz/fuzz_$target -max_total_time="$seconds" -max_len=65536 -timeout=30 \
       -artifact_prefix=build/fuzz/findings/$target- "$scratch" tests/fuzz/corpus/$target >"$log" 2>&1; then
    runs=$(grep -oE 'Done [0-9]+ runs' "$log" | grep -oE '[0-9]+' || echo 0)
    echo "fuzz $target: $runs executions in ${seconds}s, no crash"
  else
    echo "fuzz $target: FAILED, see $log"
    tail -n 30 "$log"
    status=1
  fi
  rm -rf "$scratch"
done
exit $status
