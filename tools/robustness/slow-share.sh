#!/bin/sh
# The source share as a slow or failing server: a FUSE file system
# (slowshare.py) mapped as drive S:, from which an unattended update copies a
# 2 MiB program. Four servers: one that reads at 256 KiB/s, one that is lost
# after 1 MiB, one that stops answering after 1 MiB for 15 s, and one that
# stops answering for good (the run is watched for 30 s, then the server comes
# back). Each time the installed program must be the old one or the new one,
# whole, the backup copy the old program, no temporary file left, and the run
# must end with status 2 once the server has answered. Needs /dev/fuse and
# python3-fuse; exits 77 where they are missing.
#   tools/with-display tools/robustness/slow-share.sh
set -eu
. "$(dirname "$0")/terminal.sh"
work=$top/build/robustness/slow-share
mib=1048576
size=$((2 * mib))
mnt=$work/share
files=$work/share-files
stall=$work/server-stopped

if [ ! -c /dev/fuse ] || ! /usr/bin/python3 -c 'import fuse' 2>/dev/null; then
    echo "no /dev/fuse or no python3-fuse here: skipped"
    exit 77
fi
make_terminal_prefix "$work"
mkdir -p "$pos" "$mnt" "$files/terminal"
padded_standin old "$work/old.exe" $size
padded_standin new "$work/new.exe" $size
cp "$work/new.exe" "$files/terminal/TALLYRA4.EXE"
touch -d "2024-06-01 12:00:00 UTC" "$files/terminal/TALLYRA4.EXE"
rm -f "$WINEPREFIX/dosdevices/s:"
ln -s "$mnt" "$WINEPREFIX/dosdevices/s:"

server=""
stop_server() {
    rm -f "$stall"
    if mountpoint -q "$mnt"; then umount "$mnt" 2>/dev/null || umount -l "$mnt" || true; fi
    [ -z "$server" ] || wait "$server" 2>/dev/null || true
    server=""
}
trap stop_server EXIT

# Mounts the share with the given SLOWSHARE_ settings.
start_server() {
    stop_server
    env SLOWSHARE_ROOT="$files" "$@" /usr/bin/python3 "$top/tools/robustness/slowshare.py" \
        "$mnt" -f -o direct_io,ro &
    server=$!
    i=0
    until mountpoint -q "$mnt"; do
        i=$((i + 1))
        [ $i -lt 50 ] || { echo "the FUSE share did not mount"; exit 1; }
        sleep 0.1
    done
}

printf '%s\n' "the share S:\\terminal on FUSE; programs of $((size / mib)) MiB; $program"

scenario="a slow server, 256 KiB/s: the update takes about 8 s longer and succeeds"
start_server SLOWSHARE_RATE=262144
install_old "$work/old.exe"
rm -rf "$pos/backup"
run_unattended 'S:\terminal' 120
check "$work/new.exe" "$work/old.exe" new

scenario="a server lost after 1 MiB: the installation fails, the old program stays"
start_server SLOWSHARE_FAIL_AFTER=$mib
install_old "$work/old.exe"
rm -rf "$pos/backup"
run_unattended 'S:\terminal' 120
check "$work/old.exe" "$work/old.exe" old

scenario="a server that stops answering for 15 s after 1 MiB: the run waits, then succeeds"
start_server SLOWSHARE_STALL_AFTER=$mib SLOWSHARE_STALL_FILE="$stall"
touch "$stall"
install_old "$work/old.exe"
rm -rf "$pos/backup"
(sleep 15 && rm -f "$stall") &
run_unattended 'S:\terminal' 120
check "$work/new.exe" "$work/old.exe" new

scenario="a server that stops answering for good after 1 MiB: still waiting after 30 s"
start_server SLOWSHARE_STALL_AFTER=$mib SLOWSHARE_STALL_FILE="$stall"
touch "$stall"
install_old "$work/old.exe"
rm -rf "$pos/backup"
rm -f "$report"
"$top/tools/wine-run" "$program" -SRC 'S:\terminal' -SHELL 'c:\pos\tallyra4.exe' \
    -PARAM robust 1 -DELAY 0 &
waiting=$!
sleep 30
if kill -0 $waiting 2>/dev/null && [ ! -f "$report" ] && cmp -s "$pos/TALLYRA4.EXE" "$work/old.exe"; then
    echo "  ok    $scenario"
    echo "        the run still waits for the server, nothing started; the old program in place"
else
    echo "  FAIL  $scenario: the run did not wait, or c:\\POS changed"
    failures=$((failures + 1))
fi
# The server answers again: the run goes on as if it had been slow.
scenario="...and when that server answers again after 30 s"
start=$(date +%s.%N)
rm -f "$stall"
run_status=0
wait $waiting || run_status=$?
run_seconds=$(seconds_since "$start" 30)
i=0
while [ ! -f "$report" ] && [ $i -lt 50 ]; do sleep 0.2; i=$((i + 1)); done
launched=$(sed -n 's/^version: \([a-z]*\).*/\1/p' "$report" 2>/dev/null || true)
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
check "$work/new.exe" "$work/old.exe" new

[ $failures -eq 0 ]
