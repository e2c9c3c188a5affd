#!/bin/sh
# Renders data/icons/tarabead.svg into the PNG sizes under data/icons/hicolor/ and writes a sheet
# of all sizes to build-icon/icon-sheet.png. Needs the Debian packages qt6-base-dev, qt6-svg-dev,
# cmake and g++ (the program itself does not need Qt SVG).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build="$root/build-icon"

cmake -S "$here" -B "$build/cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/cmake" -j2
QT_QPA_PLATFORM=offscreen "$build/cmake/render_icon" "$root/data/icons/tarabead.svg" \
    "$root/data/icons/hicolor" "$build/icon-sheet.png"
