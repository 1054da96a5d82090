#!/usr/bin/env bash
# Installs what is missing, builds the tests with AddressSanitizer and UBSan
# (warnings as errors), runs the static analysis (scripts/lint.sh, which keeps
# clang-tidy's results for unchanged files in $build/tidy-cache) and every test,
# then the Windows cross-build's tests under Wine (scripts/windows-build.sh).
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh --test
build=build/test
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Paths relative to the tree, so clones and worktrees share one compiler cache.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}" CCACHE_NOHASHDIR=1
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DQUILLET_SANITIZE=ON -DQUILLET_WERROR=ON "${launcher[@]}"
cmake --build "$build" -j"$(nproc)"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
python3 -m unittest discover -s tests/scripts -p '*_test.py'
scripts/lint.sh "$build"
(cd "$build" && ctest --output-on-failure --timeout 300 -j"$(nproc)")
# The Windows cross-build and its tests under Wine, where MinGW-w64 and Wine are installed;
# the window's too where scripts/windows-qt.sh has built Qt for Windows (else it says so).
if command -v x86_64-w64-mingw32-g++-posix >/dev/null && command -v wine >/dev/null; then
  scripts/windows-build.sh
fi
