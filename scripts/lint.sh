#!/usr/bin/env bash
# Static analysis of src/ and tests/: clang-tidy (checks in .clang-tidy) and cppcheck.
# Needs a compile_commands.json: ./scripts/lint.sh BUILD_DIR (GCC-only warning
# flags in it are not clang-tidy's business, hence the extra argument). Exits non-zero
# on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
[[ -f "$build/compile_commands.json" ]] || { echo "lint: no $build/compile_commands.json" >&2; exit 2; }

# Windows-only sources (windows.h) are checked by the cross-build's -Werror instead.
mapfile -t sources < <(find src tests -name '*.cpp' -not -name '*_windows.cpp' -not -path '*/platform/windows/*' | sort)
# Files whose content, headers and compile command did not change since their
# last check keep that result (scripts/tidy_cached.py, cache in $build/tidy-cache).
scripts/tidy_cached.py "$build" "${sources[@]}" > "$build/clang-tidy.log" || {
  grep -E "(warning|error):" "$build/clang-tidy.log" >&2 || cat "$build/clang-tidy.log" >&2
  echo "lint: clang-tidy found problems" >&2
  exit 1
}

echo "lint: cppcheck" >&2
cppcheck --std=c++20 --enable=warning,performance,portability --inline-suppr --quiet \
  --error-exitcode=1 -I src -i src/core/text/file_io_windows.cpp src/core src/cli
cppcheck --std=c++20 --enable=warning,performance,portability --library=qt --inline-suppr --quiet \
  --error-exitcode=1 -I src -i src/platform/windows src/platform src/app
cppcheck --std=c++20 --enable=warning,performance,portability --library=googletest --inline-suppr --quiet \
  --error-exitcode=1 -I src -I tests tests/core tests/cli tests/support
cppcheck --std=c++20 --enable=warning,performance,portability --library=googletest --library=qt --inline-suppr \
  --quiet --error-exitcode=1 -I src -I tests -i tests/platform/windows tests/platform tests/app
echo "lint: clean" >&2
