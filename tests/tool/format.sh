#!/bin/bash
# Every C++ source of the tree follows .clang-format.
#   format.sh SOURCE_DIR
set -euo pipefail
source "$(dirname "$0")/check.sh"
cd "$1"
mapfile -t sources < <(find benchmarks contract framework reader scheduler tests tools -name '*.cpp' -o -name '*.h' | sort)
((${#sources[@]} > 50)) || fail "only ${#sources[@]} sources found"
clang-format --dry-run -Werror "${sources[@]}" || fail "sources that do not follow .clang-format (clang-format -i fixes them)"
echo "format: ${#sources[@]} sources follow .clang-format"
