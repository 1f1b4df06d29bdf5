#!/usr/bin/env bash
# Fails when a C++ file of the project is not formatted as .clang-format
# says, and names the files. To format them:
#   clang-format -i FILE...
set -euo pipefail
root="${1:?usage: check-format.sh PROJECT_FOLDER [CLANG_FORMAT]}"
clang_format="${2:-clang-format}"
cd "$root"
mapfile -t files < <(find src tests bench fuzz -type f \( -name '*.h' -o -name '*.cpp' \) | sort)
unformatted=()
for f in "${files[@]}"; do
  if ! "$clang_format" --dry-run --Werror "$f" >/dev/null 2>&1; then
    unformatted+=("$f")
  fi
done
if [ ${#unformatted[@]} -gt 0 ]; then
  printf 'not formatted: %s\n' "${unformatted[@]}"
  echo "${#unformatted[@]} of ${#files[@]} files differ from .clang-format; run: clang-format -i FILE..."
  exit 1
fi
echo "${#files[@]} files formatted as .clang-format says"
