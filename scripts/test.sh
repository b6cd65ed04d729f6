#!/usr/bin/env bash
# Sets up the machine, builds Korvath Diag and runs the whole test suite:
# the logic alone (no windows), everything, and everything again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

run() {
  local dir=$1
  shift
  echo "== $dir =="
  bash scripts/build.sh "$dir" "$@"
  ctest --test-dir "$dir" --output-on-failure --timeout 600 --parallel "$(nproc)"
}

run build-core -DKORVATH_GUI=OFF
run build
run build-sanitize -DKORVATH_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
