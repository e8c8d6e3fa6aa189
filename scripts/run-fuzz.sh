#!/usr/bin/env bash
# Runs every fuzz harness built in a folder for a while each:
#   scripts/run-fuzz.sh BUILD_DIR SECONDS [NAME...]
# Each harness starts from its seeds and its failing inputs; what it
# discovers goes to BUILD_DIR/fuzz-corpus/<name> and a failing input to
# BUILD_DIR/fuzz-artifacts/<name>/, to be copied to tests/fuzz/failing/<name>/
# once the fault is mended. Exits non-zero when any harness failed.
set -uo pipefail
build=${1:?build folder}
seconds=${2:-60}
shift 2 || true
root=$(cd "$(dirname "$0")/.." && pwd)
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for exe in "$build"/fuzz/fuzz_*; do [ -x "$exe" ] && names+=("$(basename "$exe" | sed 's/^fuzz_//')"); done
fi
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/cmake/lsan.supp}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
failed=()
for name in "${names[@]}"; do
  exe="$build/fuzz/fuzz_$name"
  work="$build/fuzz-corpus/$name"
  artifacts="$build/fuzz-artifacts/$name/"
  mkdir -p "$work" "$artifacts"
  dirs=("$work" "$root/tests/fuzz/corpus/$name")
  [ -d "$root/tests/fuzz/failing/$name" ] && dirs+=("$root/tests/fuzz/failing/$name")
  echo "== $name: ${seconds}s"
  if ! "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
       -artifact_prefix="$artifacts" -print_final_stats=1 "${dirs[@]}" > "$build/fuzz-$name.log" 2>&1; then
    failed+=("$name")
    echo "   FAILED: see $build/fuzz-$name.log and $artifacts"
  fi
  grep -aE "stat::number_of_executed_units|cov: " "$build/fuzz-$name.log" | tail -2 | sed 's/^/   /'
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Harnesses that failed: ${failed[*]}"
  exit 1
fi
echo "Every harness ran ${seconds}s without a failure."
