#!/bin/sh
# The program's main job on a demo terminal: a "server share" holds a newer
# TALLYRA4.EXE, the terminal an older one in c:\POS, and Kestrup2 runs
# unattended as a terminal's start-up script starts it. Afterwards it prints
# what happened. Uses a fresh private Wine prefix under build/demo; needs an X
# display (tools/with-display gives it one).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
demo=$top/build/demo
build=$top/build/x64

# The shipped 32-bit program where this machine runs 32-bit Windows programs.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    program=$top/dist/Kestrup2.exe
else
    program=$top/dist/x64/Kestrup2.exe
fi

export WINEPREFIX="$demo/prefix"
export WINEDEBUG=-all
rm -rf "$demo"
mkdir -p "$demo/share/terminal"
echo "Preparing a demo terminal in $WINEPREFIX ..."
"$top/tools/wine-prefix"

# The server share, seen by the terminal as drive S:.
ln -s "$demo/share" "$WINEPREFIX/dosdevices/s:"
cp "$build/standin/new/TALLYRA4.exe" "$demo/share/terminal/TALLYRA4.EXE"
mkdir -p "$WINEPREFIX/drive_c/POS"
cp "$build/standin/old/TALLYRA4.exe" "$WINEPREFIX/drive_c/POS/TALLYRA4.EXE"
touch -d "2024-03-05 10:00:00" "$WINEPREFIX/drive_c/POS/TALLYRA4.EXE"

# The stand-in point-of-sale program writes what it was started with here.
export KESTRUP_STANDIN_REPORT='C:\standin-report.txt'
report="$WINEPREFIX/drive_c/standin-report.txt"

set -- -SRC 'S:\terminal' -SHELL 'c:\pos\tallyra4.exe' -PARAM demo 1 -DELAY 2
printf 'Running: Kestrup2.exe %s\n' "$*"
wineserver -p 30
start=$(date +%s)
"$top/tools/wine-run" "$program" "$@" &
pid=$!
# Photograph the screen once the window's light green shows.
i=0
while [ $i -lt 40 ] && kill -0 "$pid" 2>/dev/null; do
    sleep 0.25
    import -window root "$demo/demo.png" 2>/dev/null || true
    if convert "$demo/demo.png" -format %c histogram:info:- 2>/dev/null | grep -qi '#64FF64'; then
        sleep 0.3
        import -window root "$demo/demo.png" 2>/dev/null || true
        break
    fi
    i=$((i + 1))
done
status=0
wait "$pid" || status=$?
echo "Kestrup2 ended after $(($(date +%s) - start)) s with exit status $status"
i=0
while [ ! -f "$report" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
wineserver -k 2>/dev/null || true

echo
echo "Backup of the replaced program:"
# Windows finds names without regard to case; folders keep the case they were made with.
find "$WINEPREFIX/drive_c" -ipath '*/pos/backup/ty*' -type f | while read -r file; do
    printf '  C:\\pos\\Backup\\%s\\%s, %s bytes, last written %s\n' \
        "$(basename "$(dirname "$file")")" "$(basename "$file")" "$(stat -c %s "$file")" \
        "$(date -r "$file" '+%Y-%m-%d %H:%M')"
done

if cmp -s "$WINEPREFIX/drive_c/POS/TALLYRA4.EXE" "$demo/share/terminal/TALLYRA4.EXE"; then
    printf '%s\n' 'Installed c:\POS\TALLYRA4.EXE: the new version from the share'
else
    printf '%s\n' 'Installed c:\POS\TALLYRA4.EXE: NOT the new version'
fi

echo
echo "The point-of-sale program was started with:"
if [ -f "$report" ]; then
    sed 's/^/  /; s/\r$//' "$report"
else
    echo "  (it did not start)"
fi
echo
echo "Screenshot during the run: $demo/demo.png"
