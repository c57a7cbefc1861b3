#!/usr/bin/env bash
# Fails when a C++ file differs from the committed .clang-format.
#   tools/check-format.sh         check and list the files that differ
#   tools/check-format.sh --fix   format them in place
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [[ "${1:-}" == "--fix" ]]; then
    clang-format -i "${files[@]}"
    exit 0
fi
bad=()
for f in "${files[@]}"; do
    clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done
if ((${#bad[@]})); then
    echo "Not formatted with .clang-format (tools/check-format.sh --fix formats them):"
    printf '  %s\n' "${bad[@]}"
    exit 1
fi
echo "All ${#files[@]} C++ files are formatted."
