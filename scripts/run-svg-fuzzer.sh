#!/usr/bin/env bash
# Runs the SVG reader and writer fuzzer of a fuzz build for SECONDS, seeded with the test fixtures, the earlier
# findings and, when installed, the drawings of the round-trip check. Its working corpus stays in the build tree
# between runs; a finding is written to BUILD_DIR/findings and ends the run with a non-zero status: keep it as a
# regression file in tests/data/svg/fuzz. Usage: run-svg-fuzzer.sh BUILD_DIR SECONDS.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1
seconds=$2
corpus="$build/fuzz-corpus"
seeds="$build/fuzz-seeds"
mkdir -p "$corpus" "$seeds" "$build/findings"
find "$here/../tests/data/svg" -name '*.svg' -exec cp -t "$seeds" {} +
if "$here/svg-corpus-files.sh" >"$build/corpus-files.txt" 2>/dev/null; then
    # Small drawings only: the fuzzer mutates the whole input every time.
    while read -r f; do
        [ "$(stat -c %s "$f")" -le 32768 ] && cp "$f" "$seeds/$(echo "$f" | md5sum | cut -c1-12).svg"
    done <"$build/corpus-files.txt"
fi
# A hang is an input that takes more than a second; the memory limit stops a runaway before the machine does.
"$build/tests/fuzz/svg_fuzzer" -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 -max_len=32768 \
    -print_final_stats=1 -artifact_prefix="$build/findings/" "$corpus" "$seeds"
