#!/usr/bin/env bash
# Test lines against the lines of the code they test, per area: non-blank
# lines of .cpp and .h files (comments included), as tracked by git.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { git ls-files -- "$@" | grep -E '\.(cpp|h)$' | xargs -r cat | grep -cv '^\s*$' || true; }
printf '%-10s %7s %7s %6s\n' area code tests ratio
total_code=0 total_tests=0
while read -r area code tests; do
  c=$(count ${code//,/ }); t=$(count ${tests//,/ })
  total_code=$((total_code + c)); total_tests=$((total_tests + t))
  printf '%-10s %7d %7d %5d%%\n' "$area" "$c" "$t" $((c ? 100 * t / c : 0))
done <<'AREAS'
module module,view,panes,settings,log,video tests/module,tests/view,tests/panes,tests/settings,tests/log,tests/video
controls controls tests/controls
platform platform tests/platform
sim sim tests/sim
host host tests/host
app app tests/app
skin skin tests/skin
AREAS
printf '%-10s %7d %7d %5d%%\n' all "$total_code" "$total_tests" $((100 * total_tests / total_code))
