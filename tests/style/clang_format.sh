#!/bin/sh
# Every tracked C++ source and header is formatted as .clang-format says; prints what differs.
#   clang_format.sh CLANG_FORMAT SOURCE_DIR
set -eu
cd "$2"
git ls-files -z '*.cpp' '*.h' | xargs -0 "$1" --dry-run -Werror --style=file
echo "formatted as .clang-format says"
