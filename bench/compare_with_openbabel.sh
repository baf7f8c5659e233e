#!/bin/sh
# Load and parse of the large output (see LargeOutput.h) beside Open Babel's
# reading of it (Debian's openbabel), each in a fresh process, median of
# five wall-clock times.
# Usage: bench/compare_with_openbabel.sh BUILD_DIR   (configured with -DQUIVERA_BENCH=ON)
set -eu
bench="${1:?usage: $0 BUILD_DIR}/bench/GaussianOutputBench"
command -v obabel >/dev/null || { echo "obabel is not installed (apt-get install openbabel)" >&2; exit 1; }
file=$(mktemp --suffix=.out)
trap 'rm -f "$file"' EXIT
"$bench" --write "$file"

# Median wall-clock milliseconds of five runs of the command.
median_ms() {
  for run in 1 2 3 4 5; do
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
  done | sort -n | sed -n 3p
}

ours=$(median_ms "$bench" --read "$file")
theirs=$(median_ms obabel -ig09 "$file" -oxyz -O /dev/null)
echo "file: $(($(stat -c %s "$file") / 1000000)) MB"
echo "load and parse: $ours ms"
echo "Open Babel:     $theirs ms"
awk -v a="$theirs" -v b="$ours" 'BEGIN { printf "ratio: %.1fx\n", a / (b > 0 ? b : 1) }'
