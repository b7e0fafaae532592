#!/usr/bin/env bash
# Fails when a C++ source of the tree is not as clang-format (.clang-format)
# would write it; prints the files and the first lines of the difference.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
bad=()
for f in "${files[@]}"; do
  if ! clang-format --dry-run -Werror "$f" >/dev/null 2>&1; then bad+=("$f"); fi
done
if [[ ${#bad[@]} -gt 0 ]]; then
  echo "Not formatted (run: clang-format -i FILE):"
  printf '  %s\n' "${bad[@]}"
  clang-format --dry-run "${bad[0]}" 2>&1 | head -20
  exit 1
fi
echo "format: ${#files[@]} files as clang-format writes them"
