#!/bin/sh
# Renders the program's windows (take-screenshots.sh) and copies the ones the README and the
# AppStream file show into docs/screenshots/.
# Usage: tools/screenshots/update-docs-screenshots.sh [BUILD_FOLDER]   (default: build)
set -eu
cd "$(dirname "$0")/../.."
build="${1:-build}"
tools/screenshots/take-screenshots.sh "$build"
mkdir -p docs/screenshots
cp "$build/screenshots/1x/frmMain-filled.png" docs/screenshots/birth-details.png
cp "$build/screenshots/1x/frmTarabeadResult-nakshatra.png" docs/screenshots/reading-nakshatra.png
cp "$build/screenshots/1x/frmTarabeadResult-rudraksha.png" docs/screenshots/reading-rudraksha.png
echo "docs/screenshots updated"
