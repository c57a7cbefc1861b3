#!/usr/bin/env bash
# Builds the libFuzzer targets in build-fuzz/ (clang with ASan and UBSan),
# writes the seed corpora, checks that a page slower than the timeout ends at
# the targets' render limit and runs every target for SECONDS (default 60).
# Exits non-zero on any finding; the input that caused it is kept as
# build-fuzz/findings/TARGET-crash-... and the run's output in
# build-fuzz/TARGET.log. The corpora grown in build-fuzz/corpus/TARGET are
# reused by later runs.
#   tools/run-fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
dir=build-fuzz
targets=(fuzz_template_reader fuzz_template_open fuzz_job_heads fuzz_pdf_background fuzz_background_form)

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLIMARK_FUZZ=ON \
    "${launcher[@]}"
cmake --build "$dir" -j"$(nproc)" --target "${targets[@]}" make_fuzz_corpus

export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

seeds="$dir/corpus/seeds"
slow="$dir/corpus/slow"
rm -rf "$seeds" "$slow"
"$dir/fuzz/make_fuzz_corpus" "$seeds/template" "$seeds/pdf" "$slow" 2>/dev/null

mkdir -p "$dir/findings"
status=0
# A page that renders for longer than -timeout is stopped by the targets'
# render limit, and is no finding.
if ! "$dir/fuzz/fuzz_pdf_background" -timeout=20 "$slow/slow-page.pdf" >"$dir/slow-page.log" 2>&1; then
    echo "fuzz_pdf_background: a slow page runs past the render limit, see $dir/slow-page.log"
    tail -n 20 "$dir/slow-page.log"
    status=1
fi
for target in "${targets[@]}"; do
    seed="$seeds/template"
    options=()
    case "$target" in
    fuzz_pdf_background | fuzz_background_form) seed="$seeds/pdf" ;;
    # Texts of a few thousand characters are long enough for the job's
    # heads; the 64 KB seeds would keep it at a few inputs a second.
    fuzz_job_heads) options=(-max_len=8192) ;;
    esac
    work="$dir/corpus/$target"
    log="$dir/$target.log"
    mkdir -p "$work"
    # A single input that runs for 20 seconds is a finding as well.
    if "$dir/fuzz/$target" -max_total_time="$seconds" -timeout=20 -print_final_stats=1 "${options[@]}" \
        -artifact_prefix="$dir/findings/$target-" "$work" "$seed" >"$log" 2>&1; then
        echo "$target: $(grep -E '^#[0-9]+' "$log" | tail -1)"
    else
        echo "$target: FINDING, see $log"
        tail -n 40 "$log"
        status=1
    fi
done
exit "$status"
