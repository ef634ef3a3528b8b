#!/usr/bin/env bash
# Configures and builds everything (program, tests, benchmarks) into build/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
cmake --preset default >/dev/null
cmake --build --preset default
