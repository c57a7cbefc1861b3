#!/bin/bash
# Times the PDF export of numbered sheets, three heads on Letter, over a
# vector form and over a JPEG photo background, and prints for each case the
# wall time, the processor time (user and system; steadier than the wall time
# on a busy machine), the peak resident memory and the size of the PDF written.
#
#   tools/bench-export.sh [SHEETS [MANY_SHEETS]]    (defaults: 10000 and 1000000)
#
# SHEETS are exported over the form and over the photo, MANY_SHEETS over the
# form. BUILD_DIR (default: build) is configured with the benchmarks on if it
# has to be and the program and the input generator are built there; a new
# one is RelWithDebInfo. The inputs and outputs live in a temporary folder,
# removed at the end unless KEEP=1.
set -euo pipefail
cd "$(dirname "$0")/.."

sheets=${1:-10000}
many=${2:-1000000}
for n in "$sheets" "$many"; do
    [[ "$n" =~ ^[1-9][0-9]{0,9}$ ]] && ((n <= 2147483647)) || {
        echo "usage: $0 [SHEETS [MANY_SHEETS]]   (whole numbers from 1)" >&2
        exit 2
    }
done

build=${BUILD_DIR:-build}
if [[ -f "$build/CMakeCache.txt" ]]; then
    cmake -B "$build" -DTALLIMARK_BENCH=ON >/dev/null
else
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLIMARK_BENCH=ON >/dev/null
fi
cmake --build "$build" --target tallimark make_bench_export >/dev/null
program=$(realpath "$build/tallimark")

work=$(mktemp -d)
if [[ "${KEEP:-0}" == 1 ]]; then
    echo "inputs and outputs kept in $work"
else
    trap 'rm -rf "$work"' EXIT
fi
export QT_QPA_PLATFORM=offscreen
"$build/bench/make_bench_export" "$work" "$sheets" "$many" 2>/dev/null

mib() {
    awk -v b="$1" 'BEGIN { printf "%.1f", b / 1048576 }'
}

echo "backgrounds: form $(($(stat -c %s "$work/form.pdf") / 1024)) KiB, photo $(($(stat -c %s "$work/photo.pdf") / 1024)) KiB"
run() { # BACKGROUND SHEETS
    local out="$work/$1-$2.pdf" status=0
    /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$program" --export-pdf "$out" "$work/$1-$2.tmt" \
        >/dev/null 2>"$work/stderr" || status=$?
    if ((status != 0)); then
        printf '%-5s %9d sheets  FAILED (exit %d)\n' "$1" "$2" "$status"
        grep -v XDG_RUNTIME_DIR "$work/stderr" >&2 || true
        return
    fi
    read -r seconds user system kb <"$work/time"
    printf '%-5s %9d sheets  %9.2f s  cpu %9.2f s  peak RSS %7s MiB  output %9s MiB\n' "$1" "$2" "$seconds" \
        "$(awk -v u="$user" -v s="$system" 'BEGIN { print u + s }')" \
        "$(mib $((kb * 1024)))" "$(mib "$(stat -c %s "$out")")"
    rm -f "$out"
}

run form "$sheets"
run photo "$sheets"
run form "$many"
