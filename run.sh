#!/usr/bin/env bash
# ./run.sh [ARGS]      build (Release) and start the Quillet window with ARGS
# ./run.sh qlt ARGS    build and run the command-line tool instead
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
build=build/release
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUILLET_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

if [[ "${1:-}" == "qlt" ]]; then
  shift
  exec "$build/src/cli/qlt" "$@"
fi
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "Quillet needs a display. Without one, run it under a virtual display: xvfb-run ./run.sh" >&2
  echo "The command-line tool needs none: ./run.sh qlt check FILE.bat   (./run.sh qlt --help for more)" >&2
  exit 1
fi
exec "$build/src/app/quillet" "$@"
