#!/usr/bin/env bash
# Every C++ file of the project is laid out as .clang-format says. Prints the
# files that are not, and how to fix them.
#   check_format.sh SOURCE_DIR
# Exits 77 (skipped) when clang-format is missing.
set -euo pipefail
cd "$1"
command -v clang-format >/dev/null || { echo "skipped: clang-format is missing"; exit 77; }

if [ -d .git ] && command -v git >/dev/null; then
  mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
  mapfile -t files < <(find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
fi

drifting=()
for file in "${files[@]}"; do
  if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then drifting+=("$file"); fi
done
if [ ${#drifting[@]} -gt 0 ]; then
  echo "${#drifting[@]} of ${#files[@]} files are not laid out as .clang-format says:"
  printf '  %s\n' "${drifting[@]}"
  echo "fix them with: clang-format -i ${drifting[*]}"
  exit 1
fi
echo "all ${#files[@]} files are laid out as .clang-format says"
