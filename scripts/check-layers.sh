#!/usr/bin/env bash
# The toolkit stays behind platform/ and controls/: no Qt header in the module.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
hits=$(grep -rn -E '#\s*include\s*[<"](Q[A-Za-z]+|Qt[A-Za-z]+/[A-Za-z]+)[>"]' \
  "$root/module" "$root/view" "$root/panes" "$root/settings" "$root/log" "$root/video" 2>/dev/null || true)
if [ -n "$hits" ]; then
  echo "Qt headers in module folders:"; echo "$hits"; exit 1
fi
echo "layer check: no Qt header in module folders"
