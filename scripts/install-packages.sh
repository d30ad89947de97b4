#!/usr/bin/env bash
# Installs the Debian packages named on the command line that are missing:
# the everyday set (scripts/install-deps.sh) or the heavier tools that only
# one make target needs (benchmarks, Windows).
# As root it runs apt-get; otherwise it prints the one line to run and stops.
set -euo pipefail

missing=()
for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run as root:" >&2
    echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# Another install on the same machine holds dpkg's lock for a while: wait
# for it rather than fail.
lock=(-o DPkg::Lock::Timeout=900)
apt-get "${lock[@]}" update -qq
apt-get "${lock[@]}" install -y -qq --no-install-recommends "${missing[@]}"
