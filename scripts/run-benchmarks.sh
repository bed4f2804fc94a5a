#!/usr/bin/env bash
# Runs every benchmark program of a release build; each prints its own figures.
set -euo pipefail
build=${1:-build/release}
data=${TRIMORA_BENCH_DATA:-$(cd "$(dirname "$0")/../.." && pwd)/shared/bench-data}
found=0
while IFS= read -r exe; do
    found=1
    echo "== $(basename "$exe")"
    "$exe" "$data"
done < <(find "$build/bench" -type f -executable -name 'bench_*' | sort)
[ "$found" -eq 1 ] || echo "no benchmarks built in $build/bench"
