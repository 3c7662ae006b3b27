# Sourced by the robustness scripts: a demo terminal in a Wine prefix of the
# script's own, one unattended run of Kestrup2 on it, and the checks of what
# the run left. Needs an X display (tools/with-display gives it one).
#   ROBUSTNESS_BUILD  the x64 build tree to run (default build/x64)

top=$(cd "$(dirname "$0")/../.." && pwd)
build=${ROBUSTNESS_BUILD:-$top/build/x64}
program=$build/Kestrup2.exe
export WINEDEBUG=-all
export KESTRUP_STANDIN_REPORT='C:\standin-report.txt'
failures=0

# Makes the prefix under $1 and sets the paths on its drive c:.
make_terminal_prefix() {
    export WINEPREFIX="$1/prefix"
    mkdir -p "$1"
    "$top/tools/wine-prefix"
    drive_c=$WINEPREFIX/drive_c
    pos=$drive_c/POS
    report=$drive_c/standin-report.txt
}

# A runnable copy of a stand-in build padded to $3 bytes: $1 old|new, $2 path.
padded_standin() {
    standin=$build/standin/$1/TALLYRA4.exe
    { cat "$standin"; head -c $(($3 - $(stat -c %s "$standin"))) /dev/urandom; } >"$2"
}

# Puts the old program in place as c:\POS\TALLYRA4.EXE, dated 5 March 2024.
install_old() {
    cp "$1" "$pos/TALLYRA4.EXE"
    touch -d "2024-03-05 12:00:00 UTC" "$pos/TALLYRA4.EXE"
}

seconds_since() {
    awk -v now="$(date +%s.%N)" -v then="$1" -v extra="${2:-0}" 'BEGIN { printf "%.1f", now - then + extra }'
}

# One unattended run, as the start-up script starts it, with no wait; sets
# run_status (124: still running after $2 seconds, then ended) and run_seconds.
run_unattended() {
    rm -f "$report"
    start=$(date +%s.%N)
    run_status=0
    timeout -k 5 "$2" "$top/tools/wine-run" "$program" -SRC "$1" \
        -SHELL 'c:\pos\tallyra4.exe' -PARAM robust 1 -DELAY 0 || run_status=$?
    run_seconds=$(seconds_since "$start")
    i=0
    while [ ! -f "$report" ] && [ $i -lt 50 ]; do sleep 0.2; i=$((i + 1)); done
    launched=$(sed -n 's/^version: \([a-z]*\).*/\1/p' "$report" 2>/dev/null || true)
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}

# Checks what the run left: $1 the installed program (a file to compare
# with), $2 the backup copy (a file, or "none"), $3 the launched version.
check() {
    problems=""
    cmp -s "$pos/TALLYRA4.EXE" "$1" || problems="$problems; installed program is not $(basename "$1")"
    backup=$(find "$pos" -ipath '*/backup/ty*/tallyra4.exe' 2>/dev/null | head -n 1)
    if [ "$2" = none ]; then
        [ -z "$backup" ] || problems="$problems; unexpected backup copy $backup"
    else
        [ -n "$backup" ] && cmp -s "$backup" "$2" || problems="$problems; backup copy is not $(basename "$2")"
    fi
    leftovers=$(find "$pos" -iname '*.tmp' | tr '\n' ' ')
    [ -z "$leftovers" ] || problems="$problems; temporary files left: $leftovers"
    [ "$run_status" = 2 ] || problems="$problems; exit status $run_status, not 2"
    [ "$launched" = "$3" ] || problems="$problems; launched '${launched:-nothing}', not $3"
    if [ -z "$problems" ]; then
        printf '  ok    %s\n' "$scenario"
    else
        printf '  FAIL  %s:%s\n' "$scenario" "$problems"
        failures=$((failures + 1))
    fi
    printf '        exit status %s after %s s; launched %s; backup %s\n' "$run_status" \
        "$run_seconds" "${launched:-nothing}" "${backup:+${backup#"$drive_c"/}}"
}
