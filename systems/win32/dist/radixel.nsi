; The Radixel installer, made by the build's dist target:
;   makensis -DVERSION=1.2.3.4 -DSTAGE=DIR -DICON=radixel.ico -DHOMEPAGE=URL
;            -DWIZARD=wizard.bmp -DOUTFILE=setup.exe radixel.nsi
; STAGE holds radixel.exe, radixel-cli.exe, README.txt and LICENSE.txt.
;
; Modern UI pages: welcome, licence, for whom, folder, progress, and a
; finish page that offers to run Radixel; the uninstaller looks the same.
; It installs either for the current user alone, with no administrator
; rights, into the user's programs folder (%LOCALAPPDATA%\Programs) with the
; Start-menu shortcut and the uninstall entry under the current user, or for
; everyone, into Program Files with both under the machine. An
; administrator chooses on the "Choose Users" page (everyone by default); a
; standard user gets the per-user install without a question.
;
; Silent: /S installs (everyone when run as an administrator), /CurrentUser
; or /AllUsers picks the mode, /D=FOLDER (last) the folder; uninstall.exe /S
; removes the install it belongs to.
;
; Neither changes anything while Radixel runs from the folder: they ask the
; person to close it (Retry or Cancel), and in silent mode end with status 2.
; An install where one is already registered (for everyone, or for the
; current user) goes into the same folder; into another folder (/D=, or the
; folder page) it first removes the earlier copy with its own uninstaller,
; so that no copy is left without an uninstall entry.
Unicode true
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Radixel"

; MultiUser.nsh: an administrator is asked for the mode; a standard user
; runs without elevation and installs for themselves.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "Radixel"
!define MULTIUSER_INSTALLMODE_FUNCTION KeepCommandLineFolder
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh

Name "Radixel ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "Radixel ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "Radixel"
VIAddVersionKey /LANG=1033 "FileDescription" "Radixel installer"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "(C) 2026 The Radixel developers"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WIZARD}"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${WIZARD}"
!define MUI_ABORTWARNING
; The progress page stays when it is done, so that it shows how it went.
!define MUI_FINISHPAGE_NOAUTOCLOSE
!define MUI_UNFINISHPAGE_NOAUTOCLOSE
!define MUI_WELCOMEPAGE_TEXT "Radixel converts one number between hexadecimal, decimal and binary.$\r$\n$\r$\nThis will install Radixel ${VERSION} and radixel-cli, its command-line companion, on your computer.$\r$\n$\r$\n$_CLICK"
!define MUI_FINISHPAGE_RUN "$INSTDIR\radixel.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Run Radixel"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Show the README"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

; The welcome and finish pages unpack their picture into $PLUGINSDIR, in
; the installer and in the uninstaller makensis packs into it. It goes in
; without a date (File stores the source's modification time by default),
; so neither depends on when the picture was drawn; the program's files
; below keep theirs, the release's.
SetDateSave off
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_WELCOME
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_UNPAGE_FINISH
SetDateSave on

!insertmacro MUI_LANGUAGE "English"

; The folder given with /D=, which choosing the mode must not replace.
Var CommandLineFolder

Function .onInit
  StrCpy $CommandLineFolder $INSTDIR
  !insertmacro MULTIUSER_INIT
FunctionEnd

; Called whenever the mode is chosen: the folder given with /D=, else the
; folder of the install already registered for this mode, else the default.
Function KeepCommandLineFolder
  ${If} $CommandLineFolder != ""
    StrCpy $INSTDIR $CommandLineFolder
  ${Else}
    ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
      StrCpy $INSTDIR $0
    ${EndIf}
  ${EndIf}
FunctionEnd

; ${un}WaitUntilClosed: returns once neither program in the folder $R1 runs.
; Windows refuses to open a running program's file for writing. The person
; is asked to close Radixel and choose Retry; Cancel, or silent mode, ends
; the (un)installer with status 2 before it has changed anything.
!macro DEFINE_WAIT_UNTIL_CLOSED un
Function ${un}WaitUntilClosed
  ${Do}
    StrCpy $R0 ""
    ${ForEach} $R2 1 2 + 1
      ${If} $R2 == 1
        StrCpy $R3 "$R1\radixel.exe"
      ${Else}
        StrCpy $R3 "$R1\radixel-cli.exe"
      ${EndIf}
      ${If} ${FileExists} $R3
        ClearErrors
        FileOpen $R4 $R3 a
        ${If} ${Errors}
          StrCpy $R0 $R3
        ${Else}
          FileClose $R4
        ${EndIf}
      ${EndIf}
    ${Next}
    ${If} $R0 == ""
      Return
    ${EndIf}
    ${If} ${Silent}
      SetErrorLevel 2
      Quit
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Radixel is running ($R0).$\r$\n$\r$\nClose it, then choose Retry." IDRETRY retry
    SetErrorLevel 2
    Quit
    retry:
  ${Loop}
FunctionEnd
!macroend
!insertmacro DEFINE_WAIT_UNTIL_CLOSED ""
!insertmacro DEFINE_WAIT_UNTIL_CLOSED "un."

; The uninstaller removes the install it belongs to: the per-user one when
; the current user's uninstall entry names its folder, else the one for
; everyone.
Function un.onInit
  !insertmacro MULTIUSER_UNINIT
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    Call un.MultiUser.InstallMode.CurrentUser
  ${Else}
    Call un.MultiUser.InstallMode.AllUsers
  ${EndIf}
FunctionEnd

; SHCTX is HKLM for everyone and HKCU for the current user, as
; $SMPROGRAMS is their Start menu.
Section "Radixel"
  StrCpy $R1 $INSTDIR
  Call WaitUntilClosed
  ; An earlier install in another folder goes first, through its own
  ; uninstaller, run in place (_?=) so that its status can be read.
  ReadRegStr $R1 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $R1 != ""
  ${AndIf} $R1 != $INSTDIR
  ${AndIf} ${FileExists} "$R1\uninstall.exe"
    Call WaitUntilClosed
    ExecWait '"$R1\uninstall.exe" /S _?=$R1' $R2
    ${If} $R2 != 0
      MessageBox MB_OK|MB_ICONSTOP "The earlier Radixel in $R1 could not be removed." /SD IDOK
      SetErrorLevel 2
      Quit
    ${EndIf}
    Delete "$R1\uninstall.exe"
    RMDir "$R1"
  ${EndIf}

  SetOutPath "$INSTDIR"
  File "${STAGE}/radixel.exe"
  File "${STAGE}/radixel-cli.exe"
  File "${STAGE}/README.txt"
  File "${STAGE}/LICENSE.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Radixel.lnk" "$INSTDIR\radixel.exe"

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Radixel"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "The Radixel developers"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "${HOMEPAGE}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\radixel.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize 0 $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The shortcut and the uninstall entry go only once the files have gone,
; so that a copy that stays can still be uninstalled.
Section "Uninstall"
  StrCpy $R1 $INSTDIR
  Call un.WaitUntilClosed
  Delete "$INSTDIR\radixel.exe"
  Delete "$INSTDIR\radixel-cli.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  ${If} ${FileExists} "$INSTDIR\radixel.exe"
  ${OrIf} ${FileExists} "$INSTDIR\radixel-cli.exe"
    MessageBox MB_OK|MB_ICONSTOP "Radixel could not be removed from $INSTDIR." /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Radixel.lnk"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
