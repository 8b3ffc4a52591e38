#!/usr/bin/env bash
# Builds the Debian package (build/release/amortix_VERSION_ARCH.deb) from the
# Release build and checks it: lists its files and dependencies, installs it
# into a temporary root where amortix-cli runs a schedule, and removes it again.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j2
(cd build/release && cpack -G DEB)
deb=$(ls -t build/release/amortix_*.deb | head -n 1)

dpkg-deb --field "$deb" Package Version Depends
dpkg-deb -c "$deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/info" "$root/var/log"
touch "$root/var/lib/dpkg/status"
# The libraries it depends on are the host's, not the empty root's.
dpkg --root="$root" --force-not-root --force-depends --force-script-chrootless -i "$deb" >/dev/null 2>&1
schedule=$("$root/usr/bin/amortix-cli" schedule --principal 100000 --rate 10.125 --years 25 \
  --compounding semiannual)
head -n 13 <<<"$schedule"
dpkg --root="$root" --force-not-root --force-depends --force-script-chrootless -r amortix >/dev/null
left=$(find "$root" -path "$root/var" -prune -o -type f -print | wc -l)
[ "$left" = 0 ] || { echo "files left after removal: $left" >&2; exit 1; }
echo "Package $deb: installs, runs and removes cleanly."
