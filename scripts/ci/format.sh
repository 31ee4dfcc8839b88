#!/usr/bin/env bash
# Every C++ file of the project follows .clang-format; prints the files that
# do not and fails.
set -euo pipefail
cd "$(dirname "$0")/../.."
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "format: $(git ls-files '*.cpp' '*.h' | wc -l) files follow .clang-format"
