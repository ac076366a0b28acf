#!/usr/bin/env bash
# Every test the hostile-inputs catalogue names exists: `Suite.Name`, or
# `Suite.Prefix…` for a name that begins so, or `Suite.*` for a suite.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
missing=0
while read -r ref; do
  suite=${ref%%.*}; name=${ref#*.}; name=${name%…}; name=${name%\*}
  if ! grep -rqE "TEST(_F|_P)?\(\s*$suite,\s*$name" "$root/tests"; then
    echo "docs/hostile-inputs.md names $ref, which no test in tests/ is"; missing=1
  fi
done < <(grep -o '`[A-Z][A-Za-z0-9]*\.[A-Za-z0-9*]*…\?`' "$root/docs/hostile-inputs.md" | tr -d '`' | sort -u)
[ "$missing" -eq 0 ] && echo "catalogue check: every test named in docs/hostile-inputs.md exists"
exit "$missing"
