#!/bin/sh
# Renders the main window off screen at 1x and 2x device pixel ratio into BUILD/screenshots/.
# Usage: tools/screenshots/take-screenshots.sh [BUILD_FOLDER]   (default: build)
set -eu
cd "$(dirname "$0")/../.."
build="${1:-build}"
cmake --build "$build" --target tarabead_screenshots
out="$build/screenshots"
for scale in 1 2; do
    QT_QPA_PLATFORM=offscreen QT_QPA_PLATFORMTHEME= QT_SCALE_FACTOR=$scale \
        "$build/tools/screenshots/tarabead_screenshots" "$out/${scale}x"
done
