#!/usr/bin/env bash
# Installs what is missing, builds, and starts the diary. The program keeps all its files in
# its own folder (build/diary), as a portable program does.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash tools/install-deps.sh
bash tools/build.sh
if [ ! -x build/diary/ledgerleaf ]; then
  echo "The diary program is not built yet: the desk arrives with the start-up work." >&2
  exit 1
fi
exec build/diary/ledgerleaf
