; The Radixel installer, made by the build's dist target:
;   makensis -DVERSION=1.2.3.4 -DSTAGE=DIR -DICON=radixel.ico -DOUTFILE=setup.exe radixel.nsi
; STAGE holds radixel.exe, radixel-cli.exe, README.txt and LICENSE.txt.
; Installs into Program Files for every user, adds a Start-menu shortcut and
; registers the uninstaller in Add/Remove Programs; /S installs and
; uninstalls without a window.
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Radixel"

Name "Radixel ${VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$PROGRAMFILES\Radixel"
LicenseData "${STAGE}/LICENSE.txt"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "Radixel"
VIAddVersionKey /LANG=1033 "FileDescription" "Radixel installer"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "(C) 2026 The Radixel developers"

Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "Radixel"
  SetOutPath "$INSTDIR"
  File "${STAGE}/radixel.exe"
  File "${STAGE}/radixel-cli.exe"
  File "${STAGE}/README.txt"
  File "${STAGE}/LICENSE.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Radixel.lnk" "$INSTDIR\radixel.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Radixel"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Radixel developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\radixel.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize 0 $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\Radixel.lnk"
  Delete "$INSTDIR\radixel.exe"
  Delete "$INSTDIR\radixel-cli.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
