#!/usr/bin/env bash
# Installs the Debian packages Quorvex needs to build, test and run.
# Quick when everything is present: one dpkg-query per package, no apt call.
# Usage: scripts/install-deps.sh [--dev]   (--dev adds the screenshot tools)
set -euo pipefail

packages=(g++ make cmake qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-wqy-microhei xdg-utils qt6-translations-l10n)
# icons rendered at build time; the Debian package and the desktop's checkers
packages+=(librsvg2-bin dpkg-dev desktop-file-utils appstream lintian man-db)
# the engine's comparison benchmark only; everything builds without it
packages+=(libmuparser-dev)
if [ "${1:-}" = "--dev" ]; then
    packages+=(xvfb xauth imagemagick clang clang-format)
fi

missing=()
for p in "${packages[@]}"; do
    if [ "$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null)" != installed ]; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "Missing packages (${missing[*]}) and neither root nor sudo is available." >&2
    exit 1
fi
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
