#!/usr/bin/env bash
# Builds, once per machine, what the Windows window needs and Debian does not
# package for MinGW: Qt 6.4.2 (qtbase), QScintilla 2.13.3 and libcurl, all from
# Debian's own source packages, into one prefix outside the tree:
#   scripts/windows-qt.sh [PREFIX]     (default /var/cache/quillet/windows-qt-6.4.2)
# Each part leaves a stamp in PREFIX; a part whose stamp exists is not rebuilt,
# so running the script again on a complete prefix does nothing.
# Builds run with `nice -n 19` on QUILLET_JOBS (default 2) jobs.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
prefix=${1:-/var/cache/quillet/windows-qt-6.4.2}
work=${QUILLET_WINDOWS_QT_WORK:-$(dirname "$prefix")/src}
jobs=${QUILLET_JOBS:-2}
nice=(nice -n 19)
stamp() { echo "$prefix/.built-$1"; }
if [[ -f $(stamp qtbase) && -f $(stamp qscintilla) && -f $(stamp curl) ]]; then
  echo "windows-qt: $prefix is complete; nothing to do"
  exit 0
fi

SUDO=()
[[ $(id -u) -eq 0 ]] || SUDO=(sudo)
started=$SECONDS
step_start=$SECONDS
step() { # NAME: reports how long the previous step took and starts the next
  echo "windows-qt: $1 (previous step $(( (SECONDS - step_start) / 60 )) min $(( (SECONDS - step_start) % 60 )) s)"
  step_start=$SECONDS
}

# --- Packages: the cross compiler, the host Qt of the same version (moc, rcc,
# uic run on Linux), Ninja, and dpkg-dev to unpack source packages.
step "packages"
scripts/setup.sh --windows
need=()
for p in qt6-base-dev-tools qt6-base-dev ninja-build dpkg-dev xz-utils; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
done
if ((${#need[@]})); then
  "${SUDO[@]}" apt-get install -y -q --no-install-recommends -o DPkg::Lock::Timeout=600 "${need[@]}"
fi
host_qt=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
[[ $host_qt == 6.4.2* ]] || { echo "windows-qt: the host Qt is $host_qt; a cross build needs 6.4.2" >&2; exit 1; }

# --- Sources: a deb-src entry for exactly the archive and suites of the
# machine's own Debian deb entry (deb822 or one-line form), then the sources.
step "sources"
src_list=/etc/apt/sources.list.d/quillet-deb-src.sources
if ! grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  if [[ -f /etc/apt/sources.list.d/debian.sources ]]; then
    # The same stanzas with Types: deb-src (comments dropped).
    grep -v '^#' /etc/apt/sources.list.d/debian.sources | sed 's/^Types: *deb$/Types: deb-src/' |
      "${SUDO[@]}" tee "$src_list" >/dev/null
  else
    src_list=/etc/apt/sources.list.d/quillet-deb-src.list
    grep -hE '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' | "${SUDO[@]}" tee "$src_list" >/dev/null
  fi
  "${SUDO[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
fi
mkdir -p "$work" "$prefix"
cd "$work"
fetch() { # PACKAGE VERSION: the Debian source package, unpacked into $work/PACKAGE
  [[ -d $1 ]] && return
  [[ -n $(ls "$1"_"$2"*.dsc 2>/dev/null) ]] || apt-get source --download-only "$1" >/dev/null
  local dsc
  dsc=$(ls "$1"_"$2"*.dsc 2>/dev/null | head -n 1)
  [[ -n $dsc ]] || { echo "windows-qt: Debian's $1 source is not version $2" >&2; exit 1; }
  # Upstream sources as released: the Debian patches are for the Linux packages.
  dpkg-source --no-check --skip-patches -x "$dsc" "$1" >/dev/null
}

# The toolchain: POSIX threads (std::thread), and nothing from Linux's /usr.
toolchain=$work/mingw-w64.cmake
cat >"$toolchain" <<TOOLCHAIN
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 $prefix)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TOOLCHAIN

# --- Qt 6.4.2: qtbase only.
if [[ ! -f $(stamp qtbase) ]]; then
  step "qtbase: unpack"
  fetch qt6-base 6.4.2
  qt=$work/qt6-base
  # The Windows window code calls isSoftwareGl() under dynamicgl alone, using
  # OpenGL types: guard it with the opengl feature so OpenGL can be left out.
  guard='#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)'
  file=$qt/src/plugins/platforms/windows/qwindowswindow.cpp
  grep -q 'QT_CONFIG(dynamicgl) && QT_CONFIG(opengl)' "$file" ||
    sed -i "/^static inline bool isSoftwareGl()\$/,/^}/s/^#if QT_CONFIG(dynamicgl)\$/$guard/" "$file"
  # QtGui builds its DirectWrite font engine and database only with Direct2D,
  # which is left out: the print engine and the platform plugin must not use them then.
  sed -i -E 's/^#if QT_CONFIG\((directwrite3?)\)$/#if QT_CONFIG(\1) \&\& QT_CONFIG(direct2d)/' \
    "$qt/src/printsupport/platform/windows/qprintengine_win.cpp" "$qt/src/plugins/platforms/windows/qwindowsintegration.cpp"
  step "qtbase: configure"
  opts=(
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -G Ninja -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_INSTALL_PREFIX="$prefix"
    # Tools (moc, rcc, uic) come from Debian's Qt of the same version.
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    # Quillet uses neither databases, D-Bus, QtConcurrent, QtXml nor OpenGL.
    -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_opengl=OFF
    # Its pictures are PNG (built into QtGui), and it draws through GDI: no image
    # format plugins, no Direct2D platform plugin.
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_direct2d=OFF
    # TLS on Windows is Schannel's; OpenSSL is not built for MinGW here.
    -DFEATURE_openssl=OFF
    # Debian's tarball lacks the Wacom tablet headers (src/3rdparty/wintab).
    -DFEATURE_tabletevent=OFF
    # Linux's copies of these libraries are not for Windows: use the bundled ones.
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_doubleconversion=OFF
  )
  [[ -f $work/qt-build/build.ninja ]] || "${nice[@]}" cmake -S "$qt" -B "$work/qt-build" "${opts[@]}" >"$work/qt-configure.log"
  step "qtbase: build"
  "${nice[@]}" cmake --build "$work/qt-build" -j"$jobs" >"$work/qt-build.log"
  cmake --install "$work/qt-build" >/dev/null
  touch "$(stamp qtbase)"
fi

# --- QScintilla 2.13.3. Its own build is qmake's; a short CMake file built on
# the cross Qt above does the same (the Qt 6 widget library, exported symbols).
if [[ ! -f $(stamp qscintilla) ]]; then
  step "qscintilla"
  fetch qscintilla2 2.13.3
  qs=$work/qscintilla2
  cat >"$qs/CMakeLists.txt" <<'QSCI'
cmake_minimum_required(VERSION 3.21)
project(qscintilla2_qt6 CXX)
set(CMAKE_CXX_STANDARD 17)
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets PrintSupport)
set(CMAKE_AUTOMOC ON)
file(GLOB sources src/*.cpp scintilla/src/*.cpp scintilla/lexlib/*.cpp scintilla/lexers/*.cpp)
# The project file leaves out the Lua lexer (it needs Lua).
list(FILTER sources EXCLUDE REGEX "LexLPeg\\.cpp$")
file(GLOB headers src/Qsci/*.h src/*.h)
add_library(qscintilla2_qt6 SHARED ${sources} ${headers})
target_compile_definitions(qscintilla2_qt6 PRIVATE QSCINTILLA_MAKE_DLL SCINTILLA_QT SCI_LEXER INCLUDE_DEPRECATED_FEATURES)
target_include_directories(qscintilla2_qt6 PRIVATE src scintilla/include scintilla/lexlib scintilla/src)
target_link_libraries(qscintilla2_qt6 PRIVATE Qt6::Widgets Qt6::PrintSupport)
install(TARGETS qscintilla2_qt6 RUNTIME DESTINATION bin ARCHIVE DESTINATION lib)
install(DIRECTORY src/Qsci DESTINATION include)
QSCI
  "${nice[@]}" cmake -S "$qs" -B "$work/qscintilla-build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >"$work/qscintilla.log"
  "${nice[@]}" cmake --build "$work/qscintilla-build" -j"$jobs" >>"$work/qscintilla.log"
  cmake --install "$work/qscintilla-build" >/dev/null
  touch "$(stamp qscintilla)"
fi

# --- libcurl with Schannel, Windows' own TLS: no OpenSSL to build or ship, and
# the certificates are the system's. Only what the POP3 client uses.
if [[ ! -f $(stamp curl) ]]; then
  step "curl"
  fetch curl 7.88.1
  opts=(
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -G Ninja -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=ON -DBUILD_CURL_EXE=OFF -DBUILD_TESTING=OFF
    -DCURL_USE_SCHANNEL=ON -DCURL_USE_OPENSSL=OFF -DCURL_USE_LIBSSH2=OFF -DUSE_LIBIDN2=OFF
    -DCURL_ZLIB=OFF -DCURL_BROTLI=OFF -DCURL_ZSTD=OFF -DUSE_NGHTTP2=OFF -DENABLE_UNIX_SOCKETS=OFF
    # Windows' own IDN conversion, so no libidn2 is needed.
    -DUSE_WIN32_IDN=ON
  )
  "${nice[@]}" cmake -S "$work/curl" -B "$work/curl-build" "${opts[@]}" >"$work/curl.log"
  "${nice[@]}" cmake --build "$work/curl-build" -j"$jobs" >>"$work/curl.log"
  cmake --install "$work/curl-build" >/dev/null
  touch "$(stamp curl)"
fi
step "done"
echo "windows-qt: $prefix complete in $(( (SECONDS - started) / 60 )) min"
