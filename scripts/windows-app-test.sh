#!/usr/bin/env bash
# The Windows window under Wine, as a user meets it: the installer run silently
# into a fresh Wine prefix, the installed quillet.exe driven with xdotool under
# Xvfb and openbox (open an example, F7, type a line, Ctrl+S, close, exit), a
# screenshot after F7 (BUILD/windows-wine.png), then the uninstaller
# run silently: the folder and the context-menu verb go, the settings stay.
# Also runs windows_app_tests (the launcher through the .bat association).
#   scripts/windows-app-test.sh BUILD QT_PREFIX     (called by scripts/windows-build.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$1
qt=$2
if [[ -z ${QUILLET_IN_XVFB:-} ]]; then
  need=()
  # Wine's own fonts and DejaVu (standing in for Windows' fonts, below); xdotool drives the window.
  for p in fonts-wine fonts-dejavu-core xvfb xauth openbox xdotool imagemagick; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
  done
  if ((${#need[@]})); then
    SUDO=()
    [[ $(id -u) -eq 0 ]] || SUDO=(sudo)
    "${SUDO[@]}" apt-get install -y -q --no-install-recommends -o DPkg::Lock::Timeout=600 "${need[@]}" >/dev/null
  fi
  exec env QUILLET_IN_XVFB=1 xvfb-run -a -s "-screen 0 1280x900x24" "$0" "$@"
fi
fail() { echo "windows-app-test: $*" >&2; exit 1; }
version=$(sed -n 's/^project(Quillet VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
setup=$root/$build/package/Quillet-$version-setup.exe
[[ -f $setup ]] || fail "no $setup (scripts/windows-package.sh makes it)"

export WINEPREFIX=$root/$build/wine-install WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
# Wine has none of the faces Windows programs ask for (Segoe UI, Tahoma, Courier
# New): without stand-ins it draws menus and the editor in a serif fallback.
for face in "Segoe UI" "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "Arial" "MS Sans Serif"; do
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d "DejaVu Sans" /f >/dev/null 2>&1
done
for face in "Courier New" "Consolas" "Lucida Console"; do
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d "DejaVu Sans Mono" /f >/dev/null 2>&1
done
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null || true; wineserver -k 2>/dev/null || true' EXIT
winpath() { echo "Z:${1//\//\\}"; }
within() { # SECONDS COMMAND...: true when COMMAND ends in time
  timeout "$1" "${@:2}"
}

# The launcher through Qt's .bat association (the real windows platform).
runtime="$(winpath /usr/lib/gcc/x86_64-w64-mingw32/12-posix);$(winpath /usr/x86_64-w64-mingw32/lib)"
(cd "$WINEPREFIX/drive_c" && WINEPATH="$(winpath "$qt/bin");$runtime" QT_PLUGIN_PATH="$(winpath "$qt/plugins")" \
  QT_QPA_PLATFORM=windows within 300 wine "$root/$build/tests/platform/windows/windows_app_tests.exe" --gtest_brief=1) \
  >"$build/windows_app_tests.log" 2>&1 || { tail -n 20 "$build/windows_app_tests.log" | tr -d '\r' >&2; fail "windows_app_tests failed"; }
tail -n 1 "$build/windows_app_tests.log" | tr -d '\r'
wineserver -w

within 300 wine "$setup" /S || fail "the installer failed"
wineserver -w
local_data=$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')
programs=$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')
installed=$(winepath -u "$local_data\\Programs\\Quillet")
for f in quillet.exe bin/qlt.exe platforms/qwindows.dll Examples/Mistakes.bat uninstall.exe; do
  [[ -f $installed/$f ]] || fail "the installer left out $f"
done
[[ -f $(winepath -u "$programs\\Microsoft\\Windows\\Start Menu\\Programs\\Quillet.lnk") ]] || fail "no Start-menu entry"
verb='HKCU\Software\Classes\SystemFileAssociations\.bat\shell\Quillet.Edit\command'
wine reg query "$verb" 2>/dev/null | grep -q 'quillet.exe' || fail "no Edit with Quillet on .bat files"
wine reg query 'HKCU\Environment' /v Path 2>/dev/null | grep -qi 'Quillet\\bin' || fail "qlt.exe is not on the PATH"

# The installed program, driven as a user would.
mkdir -p "$WINEPREFIX/drive_c/work"
cp resources/Examples/Mistakes.bat "$WINEPREFIX/drive_c/work/"
file=$WINEPREFIX/drive_c/work/Mistakes.bat
# Findings go to the Problems list rather than one box each.
wine reg add 'HKCU\Software\Marrowfen Software\Quillet\Options' /v ProblemReport /t REG_SZ /d 2 /f >/dev/null 2>&1
wine "$installed/quillet.exe" 'C:\work\Mistakes.bat' >"$build/quillet-wine.log" 2>&1 &
window=$(within 180 xdotool search --sync --onlyvisible --name 'Mistakes' | head -n 1) || fail "no window opened"
xdotool windowactivate --sync "$window" && sleep 2
# A first start shows the Welcome page: on to the editor (Advanced Layout),
# whose help page opens the first time; close it and come back.
xdotool key --window "$window" alt+a && sleep 3
help=$(within 30 xdotool search --sync --onlyvisible --name 'Quillet Help' | head -n 1) || fail "no help page on the first Advanced layout"
xdotool key --window "$help" Escape && sleep 1
xdotool search --onlyvisible --name 'Quillet Help' >/dev/null && xdotool windowclose "$help" && sleep 1
xdotool windowactivate --sync "$window" && sleep 1
xdotool key --window "$window" F7 && sleep 3
# Into the build folder; QUILLET_UPDATE_SCREENSHOTS=1 also replaces the README's picture.
import -window root "$build/windows-wine.png"
[[ -n ${QUILLET_UPDATE_SCREENSHOTS:-} ]] && cp "$build/windows-wine.png" docs/screenshots/windows-wine.png
xdotool key --window "$window" ctrl+End Return && xdotool type --window "$window" 'REM typed under Wine'
xdotool key --window "$window" ctrl+s
within 30 bash -c "until grep -q 'REM typed under Wine' '$file'; do sleep 1; done" ||
  fail "Ctrl+S did not write the typed line to $file"
xdotool key --window "$window" ctrl+F4 && sleep 1
xdotool key --window "$window" alt+F4 && sleep 2
# Quillet asks "Are you sure you want to exit?": Yes is the default.
box=$(within 30 xdotool search --sync --onlyvisible --name 'Confirm' | head -n 1) || fail "no exit question"
xdotool windowactivate --sync "$box" && xdotool key --window "$box" Return
within 60 wineserver -w || fail "quillet.exe did not exit (a question left open?)"
settings='HKCU\Software\Marrowfen Software\Quillet'
wine reg query "$settings" >/dev/null 2>&1 || fail "no settings under $settings"

within 300 wine "$installed/uninstall.exe" /S || fail "the uninstaller failed"
wineserver -w
[[ ! -e $installed ]] || fail "the uninstaller left $installed: $(find "$installed" | head -n 5)"
! wine reg query "${verb%\\command}" >/dev/null 2>&1 || fail "the uninstaller left Edit with Quillet"
wine reg query "$settings" >/dev/null 2>&1 || fail "the uninstaller removed the settings"
echo "windows-app-test: installed, driven (F7, edit, Ctrl+S, exit) and uninstalled under Wine"
