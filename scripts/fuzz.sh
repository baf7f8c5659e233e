#!/bin/sh
# Builds the libFuzzer targets (clang, AddressSanitizer, UBSan) into
# build-fuzz/ and runs each file type's target for a bounded number of runs, seeded with
# fuzz/seeds and the shared sample files. Fails when any target finds a crash,
# a hang or runaway memory; the input that did it is kept in build-fuzz/artifacts.
# QUIVERA_FUZZ_RUNS, QUIVERA_FUZZ_SEED and QUIVERA_FUZZ_SECONDS change the runs
# per target, the seed and the time cap.
set -eu
cd "$(dirname "$0")/.."

scripts/install-packages.sh clang-14 libclang-rt-14-dev

CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUIVERA_FUZZ=ON -DQUIVERA_GUI=OFF -DQUIVERA_TESTS=OFF >/dev/null
targets="gaussian_input gaussian_output gaussian_output_animation mopac_input tinker_xyz animation"
# Only the targets and what they link: the rest of the tree is not built here.
cmake --build build-fuzz --target $(for t in $targets; do printf 'fuzz_%s ' "$t"; done)

# A fixed seed and a fixed number of runs make the run the same each time:
# what CI can find, a run here finds first. The time only caps a slow machine.
runs="${QUIVERA_FUZZ_RUNS:-150000}"
seed="${QUIVERA_FUZZ_SEED:-1}"
seconds="${QUIVERA_FUZZ_SECONDS:-300}"
testdata="${QUIVERA_TESTDATA:-../shared/testdata}"
mkdir -p build-fuzz/artifacts
failed=""

# target, its folder of fuzz/seeds, then the sample folders (of the shared
# test data) or the example files that seed it
run() {
  target="$1"
  seeds="$2"
  shift 2
  corpus="$(mktemp -d)"
  cp fuzz/seeds/"$seeds"/* "$corpus"/
  for folder in "$@"; do
    if [ -f "$folder" ]; then
      cp "$folder" "$corpus"/
    elif [ -d "$testdata/$folder" ]; then
      cp "$testdata/$folder"/* "$corpus"/
    else
      echo "fuzz: $testdata/$folder is missing; seeding $target with fuzz/seeds only"
    fi
  done
  echo "fuzz: $target, $runs runs from seed $seed, at most ${seconds} s"
  if ! build-fuzz/fuzz/fuzz_"$target" -seed="$seed" -runs="$runs" -max_total_time="$seconds" \
      -rss_limit_mb=2048 -timeout=10 \
      -max_len=16384 -print_final_stats=1 -artifact_prefix=build-fuzz/artifacts/"$target"- \
      "$corpus" >build-fuzz/artifacts/"$target".log 2>&1; then
    tail -n 60 build-fuzz/artifacts/"$target".log
    failed="$failed $target"
  else
    grep -E "^stat::(number_of_executed_units|peak_rss_mb)" build-fuzz/artifacts/"$target".log || true
  fi
  rm -rf "$corpus"
}

run gaussian_input gaussian_input gaussian_in
run gaussian_output gaussian_output gaussian_out
run gaussian_output_animation gaussian_output gaussian_out
run mopac_input mopac_input mopac
run tinker_xyz tinker_xyz tinker
run animation animation examples/water.qva

if [ -n "$failed" ]; then
  echo "fuzz: failures in:$failed (inputs in build-fuzz/artifacts)"
  exit 1
fi
echo "fuzz: no failures"
