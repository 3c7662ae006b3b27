#!/bin/sh
# Makes the README's pictures of every screen, docs/screenshots/*.png, from the
# built program: tools/driver/Screenshots.cpp brings each screen up inside
# Wine's virtual desktop, in a fresh prefix of its own, and writes .bmp files
# that ImageMagick turns into PNG.
#   tools/screenshots.sh [BUILD_FOLDER]   (default: build/x64)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
build=$(cd "${1:-$root/build/x64}" && pwd)
work="$root/build/screenshots"
out="$root/docs/screenshots"

[ -f "$build/screenshots.exe" ] && [ -f "$build/Kestrup2.exe" ] ||
    { echo "screenshots: build $build first (make program)" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$work/bmp" "$out"
WINEPREFIX="$work/prefix"
export WINEPREFIX
# Wine's own fonts in the prefix's Fonts folder, where Windows keeps them: this
# Wine does not find them in its data folder, and without Marlett the caption
# buttons show letters ("r" for the close box) instead of their symbols.
wine_fonts=${WINE_FONTS:-/usr/share/wine/fonts}
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
if [ -d "$wine_fonts" ]; then
    cp "$wine_fonts"/* "$WINEPREFIX/drive_c/windows/Fonts/"
fi
# One time zone on both sides of Wine, whatever the machine's.
TZ=UTC0
export TZ

# Drive Z: is the Unix root; forward slashes serve as well as backslashes.
"$here/with-display" sh -c '
    "$1/wine-run" "$2/screenshots.exe" "Z:$3"; s=$?
    wineserver -k 2>/dev/null
    exit $s' sh "$here" "$build" "$work/bmp"

for bmp in "$work"/bmp/*.bmp; do
    name=$(basename "$bmp" .bmp)
    # No time stamps in the files: the same screens give the same bytes.
    convert "$bmp" -strip -define png:exclude-chunks=date,time "$out/$name.png"
    echo "docs/screenshots/$name.png"
done
