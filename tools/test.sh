#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash tools/install-deps.sh
bash tools/build.sh
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
ctest --preset default
