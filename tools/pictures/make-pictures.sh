#!/bin/sh
# Rebuilds the report pictures in reports/pictures/ and writes a contact
# sheet to build-pictures/contact-sheet.png. Needs the Debian packages
# qt6-base-dev, cmake, g++ and fonts-noto-core.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build="$root/build-pictures"

cmake -S "$here" -B "$build/cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/cmake" -j2
QT_QPA_PLATFORM=offscreen "$build/cmake/make_pictures" "$root/reports/pictures" "$build/contact-sheet.png"
