#!/usr/bin/env bash
# Installs the Debian packages listed in tools/debian-packages.txt that are not installed yet.
# A second run with everything present only checks and returns.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
missing=()
while read -r pkg; do
  pkg=${pkg%%#*}
  pkg=$(echo "$pkg" | xargs)
  [ -z "$pkg" ] && continue
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$pkg")
done < "$here/debian-packages.txt"
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing: ${missing[*]}"
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo_cmd apt-get update
$sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
