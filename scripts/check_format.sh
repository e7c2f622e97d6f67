#!/usr/bin/env bash
# Fails, naming the files, when a C++ source of the tree differs from the committed
# .clang-format. `bash scripts/check_format.sh --fix` formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files -co --exclude-standard '*.cpp' '*.h')
else
    mapfile -t files < <(find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
fi
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
off=()
for f in "${files[@]}"; do
    [ -f "$f" ] || continue
    clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || off+=("$f")
done
if [ ${#off[@]} -ne 0 ]; then
    echo "Not formatted with .clang-format (bash scripts/check_format.sh --fix):" >&2
    printf '  %s\n' "${off[@]}" >&2
    exit 1
fi
