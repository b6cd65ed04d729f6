#!/usr/bin/env bash
# Sets up the machine, builds Korvath Diag and starts the workstation.
# Without a desktop session (no DISPLAY) it runs on a virtual screen (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --parallel "$(nproc)" --target korvath-diag
if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec build/src/korvath-diag
else
  echo "No desktop session: starting on a virtual screen (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" build/src/korvath-diag
fi
