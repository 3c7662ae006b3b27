#!/bin/sh
# make bench: runs the benchmark driver (tools/bench/Bench.cpp) under Wine in a
# prefix of its own, build/bench/prefix, and prints the machine it ran on and
# the figures. Needs an X display (tools/with-display gives it one).
#   BENCH_RUNS     runs per figure, the median is reported (default 5)
#   BENCH_SIZE_MB  size of the large program file (default 200)
#   BENCH_BUILD    the x64 build tree to measure (default build/x64)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BENCH_BUILD:-$top/build/x64}
runs=${BENCH_RUNS:-5}
size=${BENCH_SIZE_MB:-200}

export WINEPREFIX="$top/build/bench/prefix"
export WINEDEBUG=-all
mkdir -p "$top/build/bench"
"$top/tools/wine-prefix"

free_mb=$(df -Pm "$WINEPREFIX/drive_c" | awk 'NR == 2 { print $4 }')
if [ "$free_mb" -lt $((size * 6 + 100)) ]; then
    echo "bench: $((size * 6 + 100)) MB free needed under $WINEPREFIX, $free_mb MB there" >&2
    exit 1
fi

echo "Machine:"
echo "  CPU:    $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores"
echo "  memory: $(free -m | awk '/^Mem:/ { print $2 }') MB"
echo "  system: $(uname -sr), $(. /etc/os-release && echo "$PRETTY_NAME")"
echo "  Wine:   $("$("$top/tools/wine-loader")" --version)"
echo "  disk:   $(df -PT "$WINEPREFIX/drive_c" | awk 'NR == 2 { print $2 " on " $1 }')"
echo "  load before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo

# One wineserver for the whole run, so no program waits for one to start.
wineserver -p 60
status=0
"$top/tools/wine-run" "$build/bench/Bench.exe" --runs "$runs" --size-mb "$size" || status=$?
wineserver -k 2>/dev/null || true

echo
echo "  load after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
echo "Program files as shipped (make program):"
for exe in "$top/dist/Kestrup2.exe" "$top/dist/x64/Kestrup2.exe" "$build/bench/MinimalDialog.exe"; do
    [ -f "$exe" ] && printf '  %-40s %8s bytes\n' "${exe#"$top"/}" "$(stat -c %s "$exe")"
done
exit $status
