#!/usr/bin/env bash
# The round-trip check over real drawings: each file of scripts/svg-corpus-files.sh is read and written back by
# `trimora convert`, and both are rendered by rsvg-convert and compared. One line a file, then
# "N of M render the same, R refused, C crashed". Usage: check-svg-corpus.sh [BUILD_DIR [WORK_DIR]].
set -euo pipefail
here=$(dirname "$0")
build=${1:-build/release}
work=${2:-$(mktemp -d -t trimora-corpus.XXXXXX)}
mapfile -t files < <("$here/svg-corpus-files.sh")
"$build/bench/svg/svg_corpus_check" "$build/headless/cli/trimora" "$work" "${files[@]}"
