#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang into build-fuzz/ and runs each for SECONDS
# (default 20) on a copy of its seed corpus. Exits non-zero when a target finds a crash, a leak or
# undefined behaviour; the input that did it is kept in build-fuzz/findings/.
#   scripts/fuzz.sh [SECONDS]
# FUZZ_RUNS=N runs each target for N executions instead (no time limit).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
dir=build-fuzz

cmake -S . -B "$dir" -G Ninja -DKORVATH_FUZZ=ON -DKORVATH_GUI=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$dir" --parallel "$(nproc)" --target fuzz_targets >/dev/null

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p "$dir/findings"
status=0
for seeds in fuzz/corpus/*/; do
  name=$(basename "$seeds")
  corpus="$dir/corpus/$name"
  mkdir -p "$corpus"
  cp -n "$seeds"* "$corpus"/ 2>/dev/null || true
  if [[ -n "${FUZZ_RUNS:-}" ]]; then limit=(-runs="$FUZZ_RUNS"); else limit=(-max_total_time="$seconds"); fi
  # Language modules need room for a real one; the other inputs are short texts and records.
  max_len=1024
  [[ $name == language_module ]] && max_len=8192
  echo "== fuzz_$name =="
  if ! "$dir/fuzz/fuzz_$name" "${limit[@]}" -max_len=$max_len -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="$dir/findings/$name-" -print_final_stats=1 "$corpus" 2>"$dir/fuzz_$name.log"; then
    tail -n 60 "$dir/fuzz_$name.log"
    echo "fuzz_$name: finding kept in $dir/findings/" >&2
    status=1
  else
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb|^Done|cov:" "$dir/fuzz_$name.log" | tail -n 4
  fi
done
exit $status
