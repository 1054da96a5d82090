#!/usr/bin/env bash
# Cross-builds the core, qlt.exe and the core and CLI test suites for 64-bit
# Windows with MinGW-w64, then runs them under Wine: the test suites, and qlt.exe
# check / generate on the example files and a generated corpus, whose output must
# match the Linux build's byte for byte (apart from the console's CR LF).
# Where scripts/windows-qt.sh has built Qt for Windows, it also builds the window
# (quillet.exe), runs its tests under Wine, packs the installer and the portable
# zip (scripts/windows-package.sh) and drives the installed program under Wine
# (scripts/windows-app-test.sh).
#   scripts/windows-build.sh [--no-tests]
# Needs the packages of `scripts/setup.sh --windows` (it installs them).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scripts/setup.sh --windows

deps=build/windows-deps
build=build/windows
linux=build/test
toolchain=$root/cmake/mingw-w64-x86_64.cmake
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$root}" CCACHE_NOHASHDIR=1
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
jobs=$(nproc)
qt=${QUILLET_WINDOWS_QT:-/var/cache/quillet/windows-qt-6.4.2}
app=OFF
[[ -f $qt/.built-qtbase && -f $qt/.built-qscintilla && -f $qt/.built-curl ]] && app=ON
targets=(qlt core_tests cli_tests windows_tests)
[[ $app == ON ]] && targets+=(quillet app_tests platform_tests windows_app_tests)

# GoogleTest is packaged as source only: build it for Windows once. The JSON
# library is headers: give the cross build its own copy, so nothing from /usr
# is on the include path of a Windows compile.
if [[ ! -f $deps/lib/libgtest.a ]]; then
  cmake -S /usr/src/googletest -B $deps/gtest-build -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$root/$deps" "${launcher[@]}" >/dev/null
  cmake --build $deps/gtest-build -j"$jobs" >/dev/null
  cmake --install $deps/gtest-build >/dev/null
fi
if [[ ! -d $deps/include/nlohmann ]]; then
  mkdir -p $deps/include $deps/share/cmake
  cp -r /usr/include/nlohmann $deps/include/
  cp -r /usr/share/cmake/nlohmann_json $deps/share/cmake/
fi

# Qt's tools (moc, rcc, uic) are the host's, of the same version.
cmake -S . -B $build -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQUILLET_WINDOWS_PREFIX="$root/$deps;$qt" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_BUILD_TYPE=Release -DQUILLET_BUILD_APP=$app -DQUILLET_WERROR=ON "${launcher[@]}" >/dev/null
cmake --build $build -j"$jobs" -t "${targets[@]}"
[[ $app == ON ]] || echo "windows-build: skipped the window (quillet.exe, its installer and its Wine tests): no Qt for Windows in $qt; scripts/windows-qt.sh builds it once"
[[ $app == ON ]] && scripts/windows-package.sh "$build" "$qt"
[[ ${1:-} == --no-tests ]] && exit 0

# Wine: a private prefix made once, no debug chatter.
export WINEPREFIX=${WINEPREFIX:-/tmp/quillet-wine-$(id -u)} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[[ -f $WINEPREFIX/system.reg ]] || wineboot -i >/dev/null 2>&1
# The tests hold absolute paths of this tree (/work/...); from C: they reach it
# through a link of the same name.
top=${root#/}
top=${top%%/*}
[[ -e $WINEPREFIX/drive_c/$top ]] || ln -s "/$top" "$WINEPREFIX/drive_c/$top"
wine=(wine)
command -v wine64 >/dev/null && [[ ! -x /usr/bin/wine ]] && wine=(wine64)
winpath() { echo "Z:${1//\//\\}"; }
export WINEPATH
WINEPATH=$(winpath "$root/$build/src/cli")
# The window's tests find the Qt DLLs and plugins in the prefix, and the MinGW
# runtime those DLLs import beside the cross compiler.
runtime="$(winpath /usr/lib/gcc/x86_64-w64-mingw32/12-posix);$(winpath /usr/x86_64-w64-mingw32/lib)"
[[ $app == ON ]] && WINEPATH="$WINEPATH;$(winpath "$qt/bin");$runtime" && export QT_PLUGIN_PATH QT_QPA_PLATFORM=offscreen &&
  QT_PLUGIN_PATH=$(winpath "$qt/plugins")

# Tests that check POSIX behaviour (permission bits, signals, forked children)
# have Windows counterparts in windows_tests.
posix_only=$(grep -v '^#' tests/platform/windows/posix_only.txt | paste -sd: || true)
status=0
suites=(tests/core_tests tests/cli/cli_tests tests/platform/windows/windows_tests)
[[ $app == ON ]] && suites+=(tests/app/app_tests tests/platform/platform_tests)
for suite in "${suites[@]}"; do
  # From the Wine C: drive, so that the tests' temporary folders share the current drive.
  (cd "$WINEPREFIX/drive_c" && "${wine[@]}" "$root/$build/$suite.exe" --gtest_brief=1 "--gtest_filter=-$posix_only") \
    >"$build/$(basename $suite).log" 2>&1 || status=1
  tail -n 3 "$build/$(basename $suite).log" | tr -d '\r'
done
[[ $status -eq 0 ]] || { echo "windows-build: a test suite failed under Wine (logs in $build/)" >&2; exit 1; }

# The same inputs through the Linux qlt and qlt.exe.
[[ -x $linux/src/cli/qlt ]] || cmake --build $linux -j"$jobs" -t qlt >/dev/null
work=$build/compare
rm -rf "$work" && mkdir -p "$work/corpus"
generator=../shared/tools/gen-corpus.py
if [[ -f $generator ]]; then python3 "$generator" "$work/corpus" --files 200 --seed 23 >/dev/null
else echo "windows-build: no $generator; comparing on the example files only" >&2; fi
cp resources/Examples/*.bat "$work/corpus/"
compare() { # LABEL ARGS...: qlt on Linux and qlt.exe under Wine, run in $work
  local label=$1
  shift
  (cd "$work" && "$root/$linux/src/cli/qlt" "$@" >linux.out 2>linux.err; echo $? >>linux.err) || true
  (cd "$work" && "${wine[@]}" "$root/$build/src/cli/qlt.exe" "$@" >windows.out 2>windows.err; echo $? >>windows.err) || true
  if ! cmp -s "$work/linux.out" <(tr -d '\r' <"$work/windows.out") ||
     ! cmp -s "$work/linux.err" <(tr -d '\r' <"$work/windows.err"); then
    echo "windows-build: qlt.exe $label differs from qlt:" >&2
    diff "$work/linux.out" <(tr -d '\r' <"$work/windows.out") | head -n 5 >&2 || true
    status=1
  fi
}
mapfile -t files < <(cd "$work" && ls corpus/*.bat)
compare "check (text)" check "${files[@]}"
compare "check (json)" check --format json --spans "${files[@]}"
cat >"$work/plan.json" <<'PLAN'
{"fields": {"CheckBox4": true, "Memo1": ["C:\\Data Files\\a.txt", "corpus\\Backup.bat"], "Edit4": "D:\\Backup",
            "CheckBox23": true, "RadioButton32": true}}
PLAN
compare "generate" generate plan.json
cp "$work/corpus/Backup.bat" "$work/linux.bat" && cp "$work/corpus/Backup.bat" "$work/windows.bat"
(cd "$work" && "$root/$linux/src/cli/qlt" generate plan.json --into linux.bat >/dev/null 2>&1) || true
(cd "$work" && "${wine[@]}" "$root/$build/src/cli/qlt.exe" generate plan.json --into windows.bat >/dev/null 2>&1) || true
cmp -s "$work/linux.bat" "$work/windows.bat" || { echo "windows-build: generate --into differs" >&2; status=1; }
[[ $status -eq 0 ]] && echo "windows-build: qlt.exe under Wine matches qlt on ${#files[@]} files"
[[ $status -eq 0 && $app == ON ]] && { scripts/windows-app-test.sh "$build" "$qt" || status=1; }
exit $status
