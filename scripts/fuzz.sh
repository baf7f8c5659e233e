#!/bin/sh
# Builds the libFuzzer targets (clang, AddressSanitizer, UBSan) into
# build-fuzz/ and runs each target twice, seeded with fuzz/seeds and the
# shared sample files: first with a fixed seed and number of runs, so that
# what CI finds a run here finds too, then briefly with a seed that changes
# from run to run, to reach further over time. Fails when a fixed run finds
# a crash, a hang or runaway memory; what either run finds is kept in
# build-fuzz/artifacts and printed in base64 into the log, with the seed, so
# that it can be replayed from the log alone (base64 -d > input; then
# build-fuzz/fuzz/fuzz_TARGET input).
# QUIVERA_FUZZ_BUDGET is the time of the whole run in seconds (two thirds
# for the fixed runs, a third for the changing ones, shared by the targets);
# QUIVERA_FUZZ_SEED sets the fixed seed and QUIVERA_FUZZ_RANDOM_SEED the
# other one.
set -eu
cd "$(dirname "$0")/.."

scripts/install-packages.sh clang-14 libclang-rt-14-dev

CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUIVERA_FUZZ=ON -DQUIVERA_GUI=OFF -DQUIVERA_TESTS=OFF >/dev/null
targets="gaussian_input gaussian_output gaussian_output_animation mopac_input tinker_xyz road animation spectrum"
# Only the targets and what they link: the rest of the tree is not built here.
cmake --build build-fuzz --target $(for t in $targets; do printf 'fuzz_%s ' "$t"; done)

budget="${QUIVERA_FUZZ_BUDGET:-900}"
count=$(echo $targets | wc -w)
fixed_seconds=$((budget * 2 / 3 / count))
random_seconds=$((budget / 3 / count))
seed="${QUIVERA_FUZZ_SEED:-1}"
random_seed="${QUIVERA_FUZZ_RANDOM_SEED:-$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')}"
testdata="${QUIVERA_TESTDATA:-../shared/testdata}"
artifacts=build-fuzz/artifacts
rm -rf "$artifacts"
mkdir -p "$artifacts"
failed=""
found=""

# corpus folder, folder of fuzz/seeds, prefix of every file (may be empty),
# then the sample folders (of the shared test data) or example files.
add_seeds() {
  corpus="$1"
  prefix="$3"
  sources="fuzz/seeds/$2"
  shift 3
  for source in $sources "$@"; do
    if [ -f "$source" ]; then
      files="$source"
    elif [ -d "$source" ]; then
      files="$source/*"
    elif [ -d "$testdata/$source" ]; then
      files="$testdata/$source/*"
    else
      echo "fuzz: $testdata/$source is missing; not seeding with it"
      continue
    fi
    for file in $files; do
      { printf '%s' "$prefix"; cat "$file"; } >"$corpus/$prefix$(basename "$file")"
    done
  done
}

# target, runs of the fixed-seed run, longest input, corpus folder
run() {
  target="$1"
  runs="$2"
  max_len="$3"
  corpus="$4"
  for pass in fixed random; do
    if [ "$pass" = fixed ]; then
      this_seed="$seed"; limits="-runs=$runs -max_total_time=$fixed_seconds"
    else
      this_seed="$random_seed"; limits="-max_total_time=$random_seconds"
    fi
    log="$artifacts/$target-$pass.log"
    echo "fuzz: $target, $pass seed $this_seed ($limits)"
    # shellcheck disable=SC2086
    if build-fuzz/fuzz/fuzz_"$target" -seed="$this_seed" $limits -rss_limit_mb=2048 -timeout=10 \
        -max_len="$max_len" -print_final_stats=1 -artifact_prefix="$artifacts/$target-$pass-" \
        "$corpus" >"$log" 2>&1; then
      grep -E "^stat::(number_of_executed_units|peak_rss_mb)" "$log" || true
    else
      tail -n 60 "$log"
      for input in "$artifacts/$target-$pass-"*; do
        [ -f "$input" ] || continue
        echo "fuzz: $target failed with seed $this_seed on this input (base64):"
        base64 -w 0 "$input"
        echo
      done
      # The fixed runs decide the result, so that a run is the same
      # everywhere; what a changing seed finds is reported to be replayed.
      if [ "$pass" = fixed ]; then
        failed="$failed $target"
      else
        found="$found $target"
      fi
    fi
  done
  rm -rf "$corpus"
}

# The Gaussian-output targets and the whole road take real outputs whole:
# their frequency sections lie 147 to 242 KB into the file.
small=16384
large=262144

# The fixed runs end within their time on two busy cores, so that each is
# the same run everywhere.
for entry in gaussian_input:gaussian_input:gaussian_in:60000:$small \
            gaussian_output:gaussian_output:gaussian_out:6000:$large \
            gaussian_output_animation:gaussian_output:gaussian_out:6000:$large \
            mopac_input:mopac_input:mopac:150000:$small \
            tinker_xyz:tinker_xyz:tinker:60000:$small \
            animation:animation:examples/water.qva:32000:$small; do
  IFS=: read -r target seeds samples runs max_len <<EOF
$entry
EOF
  corpus="$(mktemp -d)"
  add_seeds "$corpus" "$seeds" "" "$samples"
  run "$target" "$runs" "$max_len" "$corpus"
done

# The road target reads its file type from the first byte (0 to 3: Gaussian
# input, Gaussian output, MOPAC input, TINKER XYZ).
corpus="$(mktemp -d)"
add_seeds "$corpus" gaussian_input 0 gaussian_in
add_seeds "$corpus" gaussian_output 1 gaussian_out
add_seeds "$corpus" mopac_input 2 mopac
add_seeds "$corpus" tinker_xyz 3 tinker
run road 2000 "$large" "$corpus"

# The spectrum target reads its format from the first byte (even: two
# columns, odd: JCAMP-DX); the JCAMP-DX samples are read as both, as a user
# may pick either filter for any file.
corpus="$(mktemp -d)"
add_seeds "$corpus" spectrum/text 0 spectra/jcamp
add_seeds "$corpus" spectrum/jcamp 1 spectra/jcamp
run spectrum 60000 "$small" "$corpus"

if [ -n "$found" ]; then
  echo "fuzz: the changing seed $random_seed found failures in:$found (replay the inputs above)"
fi
if [ -n "$failed" ]; then
  echo "fuzz: failures in:$failed (inputs in $artifacts)"
  exit 1
fi
echo "fuzz: no failures"
