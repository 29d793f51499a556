#!/usr/bin/env bash
# Installs what is missing, builds Kinwheel (the program alone, no tests or
# tools) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target kinwheel
exec build/release/app/kinwheel "$@"
