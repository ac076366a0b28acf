#!/usr/bin/env bash
# The whole test suite: installs, builds, runs every test in a normal build and
# again under AddressSanitizer + UndefinedBehaviorSanitizer, checks the house
# rules, and ends with one "N passed, N failed" line.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/install-deps.sh" || exit 1
"$root/scripts/check-layers.sh" || exit 1
"$root/scripts/check-doc-tests.sh" || exit 1

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
  # ctest marks every outcome but a pass with "***" (Failed, Not Run, Timeout ...).
  p=$(grep -c -E '^\s*[0-9]+/[0-9]+ Test +#[0-9]+: .*\s+Passed\s+[0-9.]+ sec$' "$log" || true)
  f=$(grep -c -E '^\s*[0-9]+/[0-9]+ Test +#[0-9]+: .*\*\*\*' "$log" || true)
  passed=$((passed + p)); failed=$((failed + f))
  grep -q -E '100% tests passed|No tests were found' "$log" || [ "$f" -gt 0 ] || failed=$((failed + 1))
}
# The suites where the monitoring thread and the user interface thread meet,
# under ThreadSanitizer. Only they are built in this configuration.
run_threads() {
  local dir="$root/build/tsan" t
  echo "== tsan: build"
  # Some kernels place mappings where this ThreadSanitizer cannot run.
  [ "$(sysctl -n vm.mmap_rnd_bits 2>/dev/null || echo 28)" -le 28 ] || sysctl -q -w vm.mmap_rnd_bits=28 || true
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMONITOR_TSAN=ON -DMONITOR_BUILD_BENCH=OFF >/dev/null || { failed=$((failed + 1)); return; }
  for t in $thread_suites; do
    if ! cmake --build "$dir" --target "$t" -j "$(nproc)"; then
      echo "== tsan: $t failed to build"; failed=$((failed + 1)); continue
    fi
    echo "== tsan: $t"
    if (cd "$dir/bin" && TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 "./$t"); then
      passed=$((passed + 1))
    else
      failed=$((failed + 1))
    fi
  done
  # The whole program: the monkey drives the user interface thread while the
  # monitoring thread reads as fast as it can (docs/host-app.md, the soak).
  # The toolkit is not built with the sanitizer: the image scaling it hands to
  # its own thread pool synchronises where the sanitizer cannot see, so calls
  # made from the toolkit's libraries are not taken as races; ours are.
  echo "== tsan: monkey soak"
  if cmake --build "$dir" --target quarn Monitor skin_images vistrano_sample vistrano_language -j "$(nproc)" \
     && (cd "$dir/bin" && rm -rf "$dir/soak" \
         && TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:ignore_noninstrumented_modules=1 ./quarn --project Projects/sample.json \
              --monkey 100000 --seed 1 --soak 60 --screenshots "$dir/soak" --config-dir "$dir/soak/config"); then
    passed=$((passed + 1))
  else
    echo "== tsan: monkey soak failed"; failed=$((failed + 1))
  fi
}
thread_suites="hwbridge_thread_tests module_thread_tests"

run_config release -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_config sanitize -DCMAKE_BUILD_TYPE=Debug -DMONITOR_SANITIZE=ON -DMONITOR_BUILD_BENCH=OFF
run_threads
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
