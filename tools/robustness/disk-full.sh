#!/bin/sh
# c:\POS on a small disk (a tmpfs mounted on the prefix's drive_c/POS) that
# fills up during an unattended update, at three sizes: no room for the
# backup copy, room for the backup copy but not for the new program, room for
# both. Each time the installed program must be the old one or the new one,
# whole; a backup copy, if there is one, the old program, whole; no temporary
# file left; the run must end with status 2 and start the program that is in
# place. Needs root (mount); exits 77 where a tmpfs cannot be mounted.
#   tools/with-display tools/robustness/disk-full.sh
set -eu
. "$(dirname "$0")/terminal.sh"
work=$top/build/robustness/disk-full
mib=1048576
size=$((3 * mib)) # each program file

make_terminal_prefix "$work"
mkdir -p "$pos" "$drive_c/share"
padded_standin old "$work/old.exe" $size
padded_standin new "$work/new.exe" $size
cp "$work/new.exe" "$drive_c/share/TALLYRA4.EXE"
touch -d "2024-06-01 12:00:00 UTC" "$drive_c/share/TALLYRA4.EXE"

unmount() { mountpoint -q "$pos" && umount "$pos" || true; }
trap unmount EXIT

echo "c:\\POS on a tmpfs; programs of $((size / mib)) MiB; $program"
for case in "4 none old" "7 old old" "10 old new"; do
    set -- $case
    disk_mib=$1 backup_expected=$2 version=$3
    unmount
    rm -rf "$pos"
    mkdir -p "$pos"
    if ! mount -t tmpfs -o size=${disk_mib}m kestrup-pos "$pos" 2>/dev/null; then
        echo "cannot mount a tmpfs on $pos here (needs root and mount rights): skipped"
        exit 77
    fi
    install_old "$work/old.exe"
    case $disk_mib in
    4) scenario="a $disk_mib MiB disk: no room for the backup copy" ;;
    7) scenario="a $disk_mib MiB disk: room for the backup copy, none for the new program" ;;
    *) scenario="a $disk_mib MiB disk: room for both" ;;
    esac
    run_unattended 'c:\share' 60
    [ "$backup_expected" = none ] && backup_file=none || backup_file=$work/old.exe
    [ "$version" = new ] && installed=$work/new.exe || installed=$work/old.exe
    check "$installed" "$backup_file" "$version"
    echo "        disk use afterwards: $(df -Pk "$pos" | awk 'NR == 2 { print $3 " of " $2 " KiB" }')"
done
[ $failures -eq 0 ]
