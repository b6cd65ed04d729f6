#!/usr/bin/env bash
# Fails when a C++ file of the program, its tests, benchmarks or fuzz targets is not laid out as
# .clang-format says, naming each such file. With file arguments it checks only those.
# To lay a file out: clang-format -i FILE
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -gt 0 ]; then
  files=("$@")
else
  mapfile -t files < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' 'fuzz/*.cpp')
fi
unformatted=0
for file in "${files[@]}"; do
  if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then
    echo "not formatted: $file (clang-format -i $file)"
    unformatted=$((unformatted + 1))
  fi
done
if [ "$unformatted" -gt 0 ]; then
  echo "$unformatted file(s) not formatted" >&2
  exit 1
fi
echo "every file formatted"
