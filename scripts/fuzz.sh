#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, AddressSanitizer and UBSan
# (build-fuzz/) and runs each for a bounded time on a copy of its corpus.
#   scripts/fuzz.sh               every target, 45 s each
#   SKIORA_FUZZ_SEKUNDEN=600 scripts/fuzz.sh hpgl_dxf
#   scripts/fuzz.sh --ci          what CI runs: a fixed seed and a fixed number
#                                 of runs from the repository's corpus alone, so
#                                 CI explores about what the same run here did
#                                 before a commit (not byte for byte: temporary
#                                 names and timing differ), and a fault shows up
#                                 here first; the open-ended search is the timed
#                                 mode
# A crash, a leak, a timeout or a sanitizer report fails the run; the input
# that did it is kept in build-fuzz/funde/ (copy it into fuzz/korpus/NAME/
# once the fault is mended, so the normal tests replay it).
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden=${SKIORA_FUZZ_SEKUNDEN:-45}
ci=0
if [ "${1:-}" = "--ci" ]; then
  ci=1
  shift
fi
# Runs per target in CI mode: 10 to 40 s each on a 2-core machine.
declare -A laeufe=([befehlszeile]=600000 [hpgl_dxf]=30000 [konfig]=20000)
if ! command -v clang++ >/dev/null; then
  echo "fuzz: clang++ is not installed (Debian: clang libclang-rt-dev)" >&2
  exit 1
fi
ziele=("$@")
if [ ${#ziele[@]} -eq 0 ]; then
  ziele=()
  for d in fuzz/korpus/*/; do ziele+=("$(basename "$d")"); done
fi
dir=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSKIORA_FUZZ=ON -DSKIORA_WITH_QT=OFF -DSKIORA_BENCH=OFF >/dev/null
cmake --build "$dir" -j "$(nproc)" --target "${ziele[@]/#/fuzz_}"
mkdir -p "$dir/funde"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for ziel in "${ziele[@]}"; do
  korpus="$dir/korpus/$ziel"
  [ $ci -eq 1 ] && rm -rf "$korpus"
  mkdir -p "$korpus"
  cp -n fuzz/korpus/"$ziel"/* "$korpus"/ 2>/dev/null || true
  woerter=()
  [ -f "fuzz/$ziel.dict" ] && woerter=(-dict="fuzz/$ziel.dict")
  grenze=(-max_total_time="$sekunden")
  if [ $ci -eq 1 ]; then
    # The time limit only guards a slow machine: it cuts the same sequence short.
    grenze=(-seed=1 -runs="${laeufe[$ziel]:-10000}" -max_total_time=120)
    echo "fuzz: $ziel, ${laeufe[$ziel]:-10000} runs from seed 1"
  else
    echo "fuzz: $ziel for $sekunden s"
  fi
  if ! "$dir/fuzz/fuzz_$ziel" "$korpus" "${woerter[@]}" "${grenze[@]}" \
      -timeout=10 -rss_limit_mb=2048 -max_len=8192 -print_final_stats=1 \
      -artifact_prefix="$dir/funde/$ziel-" 2>"$dir/$ziel.log"; then
    status=1
    echo "fuzz: $ziel FOUND A FAULT, see $dir/$ziel.log and $dir/funde/" >&2
  fi
  # The figures: executions, speed, coverage (cov: edges, ft: features).
  grep -E '^#[0-9]+ +DONE|stat::number_of_executed_units|stat::average_exec_per_sec' \
    "$dir/$ziel.log" || tail -5 "$dir/$ziel.log"
done
exit $status
