#!/usr/bin/env bash
# The long monkey runs, on demand (docs/host-app.md): a run of 100,000 random
# steps, then a soak of 10 minutes with the monitoring thread reading as fast
# as it can, resident memory sampled every two seconds. Each ends with the
# program's summary line; the soak's samples stay in <out>/soak/soak-samples.csv.
#   scripts/soak.sh [--build <dir>] [--out <dir>] [--seed <n>] [--steps <n>] [--seconds <n>]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/release
out=$root/out/soak
seed=1
steps=100000
seconds=600
while [ $# -gt 0 ]; do
  case $1 in
    --build) build=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    --steps) steps=$2; shift 2 ;;
    --seconds) seconds=$2; shift 2 ;;
    *) echo "unknown argument $1" >&2; exit 2 ;;
  esac
done
export QT_QPA_PLATFORM=offscreen QT_ENABLE_HIGHDPI_SCALING=0
cmake --build "$build" --target quarn Monitor skin_images vistrano_sample vistrano_language -j "$(nproc)" >/dev/null
cd "$build/bin"
status=0
run() {
  local name=$1; shift
  rm -rf "${out:?}/$name"
  mkdir -p "$out/$name"
  echo "== $name: $*"
  ./quarn --project Projects/sample.json --seed "$seed" --screenshots "$out/$name" \
          --config-dir "$out/$name/config" "$@" 2>"$out/$name/stderr.log" | grep '^quarn:' || status=1
  grep '^quarn: monkey failed' "$out/$name/stderr.log" && status=1
  return 0
}
# --steps 0 leaves the step run out (the program refuses a monkey of 0 steps).
[ "$steps" -gt 0 ] && run steps --monkey "$steps"
run soak --monkey 100000000 --soak "$seconds"
exit $status
