#!/usr/bin/env bash
# The whole test suite: installs, builds, runs every test in a normal build and
# again under AddressSanitizer + UndefinedBehaviorSanitizer, checks the house
# rules, and ends with one "N passed, N failed" line.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/install-deps.sh" || exit 1
"$root/scripts/check-layers.sh" || exit 1

export QT_QPA_PLATFORM=offscreen
export QT_ENABLE_HIGHDPI_SCALING=0
# One compiler cache for every checkout of the project on this machine.
export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=1
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=0
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

passed=0; failed=0
run_config() {
  local name=$1; shift
  echo "== $name: build"
  if ! "$root/scripts/build.sh" "$root/build/$name" "$@"; then
    echo "== $name: build failed"; failed=$((failed + 1)); return
  fi
  echo "== $name: test"
  local log="$root/build/$name/ctest.log"
  (cd "$root/build/$name" && ctest -j "$(nproc)" --output-on-failure --timeout 300) | tee "$log"
  local p f
  p=$(grep -c -E '^\s*[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed' "$log" || true)
  f=$(grep -c -E '^\s*[0-9]+/[0-9]+ Test +#[0-9]+: .*(\*\*\*|Failed|Not Run|Timeout)' "$log" || true)
  passed=$((passed + p)); failed=$((failed + f))
  grep -q -E '100% tests passed|No tests were found' "$log" || [ "$f" -gt 0 ] || failed=$((failed + 1))
}
run_config release -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_config sanitize -DCMAKE_BUILD_TYPE=Debug -DMONITOR_SANITIZE=ON -DMONITOR_BUILD_BENCH=OFF
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
