; Quillet's Windows installer, for one user (no administrator rights needed).
; Built by scripts/windows-build.sh:
;   makensis -DVERSION=x.y.z -DLISTS=dir -DOUTFILE=file -DICON=file quillet.nsi
; LISTS holds install.nsh and uninstall.nsh, which name each file to install
; and to remove, so the uninstaller removes exactly what was installed.
Unicode true
Target amd64-unicode
!include MUI2.nsh
!include StrFunc.nsh
${Using:StrFunc} UnStrRep

Name "Quillet ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Quillet"
InstallDirRegKey HKCU "Software\Quillet" "InstallFolder"
RequestExecutionLevel user
SetCompressor /SOLID lzma
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillet"
; The verb sits under the file types' shell keys beside "open", which stays
; their default action: a double-click still runs the file.
!define VERB_KEY_BAT "Software\Classes\SystemFileAssociations\.bat\shell\Quillet.Edit"
!define VERB_KEY_CMD "Software\Classes\SystemFileAssociations\.cmd\shell\Quillet.Edit"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Quillet" SecMain
  SectionIn RO
  SetOutPath "$INSTDIR"
  !include "${LISTS}/install.nsh"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKCU "Software\Quillet" "InstallFolder" "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\Quillet.lnk" "$INSTDIR\quillet.exe"
  WriteRegStr HKCU "${VERB_KEY_BAT}" "" "Edit with Quillet"
  WriteRegStr HKCU "${VERB_KEY_BAT}\command" "" '"$INSTDIR\quillet.exe" "%1"'
  WriteRegStr HKCU "${VERB_KEY_CMD}" "" "Edit with Quillet"
  WriteRegStr HKCU "${VERB_KEY_CMD}\command" "" '"$INSTDIR\quillet.exe" "%1"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Quillet"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quillet.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; qlt.exe alone sits in bin, so the PATH gains no DLLs that other programs could pick up.
Section "qlt on the PATH" SecPath
  ReadRegStr $0 HKCU "Environment" "Path"
  StrCmp $0 "" 0 +3
    WriteRegExpandStr HKCU "Environment" "Path" "$INSTDIR\bin"
    Goto +2
  WriteRegExpandStr HKCU "Environment" "Path" "$0;$INSTDIR\bin"
  WriteRegDWORD HKCU "Software\Quillet" "OnPath" 1
  SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=500
SectionEnd

Section "Uninstall"
  ReadRegDWORD $1 HKCU "Software\Quillet" "OnPath"
  StrCmp $1 1 0 path_done
    ReadRegStr $0 HKCU "Environment" "Path"
    ${UnStrRep} $0 $0 ";$INSTDIR\bin" ""
    ${UnStrRep} $0 $0 "$INSTDIR\bin" ""
    WriteRegExpandStr HKCU "Environment" "Path" $0
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=500
  path_done:
  !include "${LISTS}/uninstall.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Quillet.lnk"
  DeleteRegKey HKCU "${VERB_KEY_BAT}"
  DeleteRegKey HKCU "${VERB_KEY_CMD}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; Only the installer's own key: the program's settings live under the
  ; maker's key and stay.
  DeleteRegKey HKCU "Software\Quillet"
SectionEnd
