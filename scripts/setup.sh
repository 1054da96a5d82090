#!/usr/bin/env bash
# Installs the Debian packages Quillet needs to build and run (and, with
# --test, to run its tests). Idempotent: does nothing when all are present.
set -euo pipefail

BUILD_PACKAGES=(cmake make g++ pkg-config ccache
  qt6-base-dev libqscintilla2-qt6-dev nlohmann-json3-dev libcurl4-openssl-dev
  fonts-dejavu-core ca-certificates
  # The desktop's own file dialogs: GTK's, and the XDG portal's; Qt picks the
  # one the desktop asks for and falls back to its own dialog without either.
  qt6-gtk-platformtheme qt6-xdgdesktopportal-platformtheme)
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth poppler-utils dovecot-pop3d openssl clang clang-tidy cppcheck
  neovim emacs-nox elpa-eglot python3-jsonschema)
# The Windows cross-build (scripts/windows-build.sh, which ./test.sh runs) and Run through Wine.
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64 googletest wine wine64)

packages=("${BUILD_PACKAGES[@]}")
case "${1:-}" in
  --test) packages+=("${TEST_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}") ;;
  --windows) packages+=("${WINDOWS_PACKAGES[@]}") ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "setup: installing ${missing[*]}" >&2
SUDO=()
if [[ $(id -u) -ne 0 ]]; then
  if command -v sudo >/dev/null; then SUDO=(sudo); else
    echo "setup: these Debian packages are missing and I am not root: ${missing[*]}" >&2
    exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
"${SUDO[@]}" apt-get install -y -q --no-install-recommends -o DPkg::Lock::Timeout=600 "${missing[@]}"
