#!/usr/bin/env bash
# Packs the Windows build: a folder holding quillet.exe, the DLLs and Qt plugins
# it loads (and no others), the MinGW runtime, help, Examples and bin/qlt.exe;
# then Quillet-VERSION-setup.exe (NSIS) and Quillet-VERSION-portable.zip of it.
#   scripts/windows-package.sh BUILD QT_PREFIX     (called by scripts/windows-build.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
qt=$2
need=()
for p in nsis zip; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
done
if ((${#need[@]})); then
  SUDO=()
  [[ $(id -u) -eq 0 ]] || SUDO=(sudo)
  "${SUDO[@]}" apt-get install -y -q --no-install-recommends -o DPkg::Lock::Timeout=600 "${need[@]}" >/dev/null
fi
version=$(sed -n 's/^project(Quillet VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
# Absolute: makensis reads the lists and the files from the script's folder.
out=$(realpath -m "$build/package")
stage=$out/Quillet-$version
rm -rf "$out" && mkdir -p "$stage/bin" "$stage/platforms" "$stage/styles"
cp "$build/src/app/quillet.exe" "$stage/"
cp "$build/src/cli/qlt.exe" "$stage/bin/"
cp -r resources/help resources/Examples "$stage/"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"

# The DLLs the program and its plugins import, followed through each DLL found,
# as windeployqt does: from the Qt prefix or MinGW's runtime. Names found in
# neither are Windows' own.
search=("$qt/bin" /usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib)
queue=("$stage/quillet.exe" "$stage/platforms/qwindows.dll" "$stage/styles/qwindowsvistastyle.dll")
while ((${#queue[@]})); do
  file=${queue[0]}
  queue=("${queue[@]:1}")
  while read -r dll; do
    [[ -e $stage/$dll ]] && continue
    for dir in "${search[@]}"; do
      if [[ -f $dir/$dll ]]; then
        cp "$dir/$dll" "$stage/"
        queue+=("$stage/$dll")
        break
      fi
    done
  done < <(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p')
done

# What the installer copies and the uninstaller removes, file by file.
lists=$out/lists
mkdir -p "$lists"
(cd "$stage" && find . -type d | sed 's|^\./\?||' | sort) >"$lists/dirs"
{
  while read -r dir; do
    echo "SetOutPath \"\$INSTDIR${dir:+\\${dir//\//\\}}\""
    find "$stage/${dir:-.}" -maxdepth 1 -type f | sort | sed 's|.*|  File "&"|'
  done <"$lists/dirs"
} >"$lists/install.nsh"
{
  (cd "$stage" && find . -type f | sed 's|^\./||' | sort) | sed 's|/|\\|g; s|.*|Delete "$INSTDIR\\&"|'
  sort -r "$lists/dirs" | grep -v '^$' | sed 's|/|\\|g; s|.*|RMDir "$INSTDIR\\&"|'
} >"$lists/uninstall.nsh"

setup=$out/Quillet-$version-setup.exe
makensis -V2 -DVERSION="$version" -DLISTS="$lists" -DOUTFILE="$setup" \
  -DICON="$PWD/packaging/windows/quillet.ico" packaging/windows/quillet.nsi
(cd "$out" && zip -qr "Quillet-$version-portable.zip" "Quillet-$version")
echo "windows-package: $setup ($(du -k "$setup" | cut -f1) KB), $out/Quillet-$version-portable.zip;" \
  "$(find "$stage" -name '*.dll' | wc -l) DLLs"
