#!/bin/sh
# Pictures for the documentation, made by the amortix_screenshots tool under
# Xvfb into docs/screenshots/: the makers of SUITE (Tables, Comparison, Afford, Qualify
# or Graph) at each DPI of AMORTIX_SCREENSHOT_DPIS (default "96 144"; names
# made at other than 96 DPI end in "-<dpi>dpi"). AMORTIX_SCREENSHOT_LANG=fr makes
# the pictures in French (at 96 DPI, names ending in "-fr").
# Usage: scripts/screenshots.sh SUITE [build folder]   (default build/release, which the release preset makes)
set -e
cd "$(dirname "$0")/.."
suite=$1
build=${2:-build/release}
locale=en_US.UTF-8
dpis=${AMORTIX_SCREENSHOT_DPIS:-96 144}
if [ "${AMORTIX_SCREENSHOT_LANG:-en}" = fr ]; then
  locale=fr_CA.UTF-8
  dpis=96
fi
for dpi in $dpis; do
  suffix=""
  [ "$dpi" = 96 ] || suffix="-${dpi}dpi"
  [ "$locale" = en_US.UTF-8 ] || suffix="${suffix}-fr"
  LC_ALL= LC_MESSAGES= LANG=$locale AMORTIX_SCREENSHOTS="$PWD/docs/screenshots" AMORTIX_SCREENSHOT_SUFFIX="$suffix" \
    QT_QPA_PLATFORM=xcb QT_FONT_DPI=$dpi \
    xvfb-run -a -s "-screen 0 2400x1600x24" \
    "$build/tools/screenshots/amortix_screenshots" --gtest_filter="${suite}Screenshots.*"
done
