#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS (default 60).
# Usage: fuzz/run.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --fuzz
seconds=${1:-60}; shift || true
build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B $build -G Ninja -DKOBALIND_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(sed -n 's/.*kobalind_add_fuzzer(\([a-z_]*\).*/\1/p' fuzz/*.cmake)
fi
cmake --build $build --target "${targets[@]}"
for t in "${targets[@]}"; do
  mkdir -p fuzz/corpus/$t fuzz/crashes/$t fuzz/out/$t
  echo "== $t for ${seconds}s"
  $build/fuzz/$t fuzz/out/$t fuzz/corpus/$t -max_total_time="$seconds" -artifact_prefix=fuzz/crashes/$t/ -print_final_stats=1 2>&1 | tail -n 3
done
