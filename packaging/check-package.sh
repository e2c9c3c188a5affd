#!/bin/sh
# Checks a built Debian package: its control fields, then unpacks it into a scratch root and runs
# the installed command-line companion on a worked example.
# Usage: packaging/check-package.sh path/to/tarabead_1.20_amd64.deb
set -eu
deb="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tarabead ] || { echo "wrong package name: $(field Package)"; exit 1; }
[ "$(field Version)" = 1.20 ] || { echo "wrong version: $(field Version)"; exit 1; }
[ -n "$(field Maintainer)" ] || { echo "no maintainer"; exit 1; }
depends="$(field Depends)"
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 libc6 libstdc++6; do
    case "$depends" in
        *"$lib"*) ;;
        *) echo "Depends lacks $lib: $depends"; exit 1 ;;
    esac
done

dpkg -x "$deb" "$scratch"
for f in usr/bin/tarabead usr/bin/tarabead-cli \
         usr/share/applications/org.tarabead.Tarabead.desktop \
         usr/share/metainfo/org.tarabead.Tarabead.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/tarabead.svg; do
    [ -e "$scratch/$f" ] || { echo "missing from the package: $f"; exit 1; }
done
name="$("$scratch/usr/bin/tarabead-cli" nakshatra --date 1947-08-15 --time 0:00 --zone 34 --longitude 77:13E)"
[ "$name" = Pushya ] || { echo "installed tarabead-cli printed '$name', expected Pushya"; exit 1; }
echo "package ok: $(basename "$deb"), Depends: $depends"
