; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer of Kelvara Utility: for the current user, without administrator rights.
;   makensis -DVERSION=x.y.z -DSOURCE=<portable folder> -DFILES=<files.nsh> -DOUTFILE=<setup.exe> installer.nsi
; FILES lists the portable folder's files and folders (written by setup.sh), so that the uninstaller
; removes exactly what was installed: a player's own files (the settings, the saved clock, a
; character file) stay unless the player asks for them to go.
; A 64-bit installer for the 64-bit program: it runs where the program can, and writes the 64-bit registry.
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define NAME "Kelvara Utility"
!define EXE "kelvara-utility.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KelvaraUtility"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${NAME}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${NAME} installer"
VIAddVersionKey "LegalCopyright" "GPL-3.0-or-later"

!define MUI_ICON "${SOURCE}\kelvara-utility.ico"
!define MUI_UNICON "${SOURCE}\kelvara-utility.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!insertmacro MUI_PAGE_LICENSE "${SOURCE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Waits while the program in $INSTDIR runs (its file cannot be opened for writing then): asks the
; player to close it, or in silent mode gives up after a while with status 2.
!macro WaitUntilClosed un
Function ${un}WaitUntilClosed
    StrCpy $1 0
    ${Do}
        ${IfNot} ${FileExists} "$INSTDIR\${EXE}"
            Return
        ${EndIf}
        ClearErrors
        FileOpen $0 "$INSTDIR\${EXE}" a
        ${IfNot} ${Errors}
            FileClose $0
            Return
        ${EndIf}
        IfSilent 0 +5
            IntOp $1 $1 + 1
            IntCmp $1 30 0 +2 0
                Quit
            Sleep 1000
        IfSilent +3 0
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${NAME} is running. Close it (Exit in its File menu or its tray icon), then choose Retry." /SD IDCANCEL IDRETRY +2
            Quit
    ${Loop}
FunctionEnd
!macroend
!insertmacro WaitUntilClosed ""
!insertmacro WaitUntilClosed "un."

Section "Install"
    SetShellVarContext current
    Call WaitUntilClosed
    SetOutPath "$INSTDIR"
    File /r "${SOURCE}\*"
    ; Installed, the program keeps the player's files in the user's application data folder.
    FileOpen $0 "$INSTDIR\kelvara-utility.installed" w
    FileWrite $0 "This folder was installed; the program keeps its files in the user's application data folder.$\r$\n"
    FileClose $0
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\${EXE}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Kelvara Utility developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Call un.WaitUntilClosed
    !include "${FILES}"
    Delete "$INSTDIR\kelvara-utility.installed"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${NAME}.lnk"
    ; Start at login that starts this copy goes with it; one that starts another copy (a portable folder) stays.
    ReadRegStr $0 HKCU "${RUN_KEY}" "${NAME}"
    StrLen $2 '"$INSTDIR\${EXE}"'
    StrCpy $1 $0 $2
    ${If} $1 == '"$INSTDIR\${EXE}"'
        DeleteRegValue HKCU "${RUN_KEY}" "${NAME}"
    ${EndIf}
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    IfSilent done
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "Also remove your settings, the saved clock and the other files ${NAME} keeps in $LOCALAPPDATA\${NAME}?" IDNO done
    RMDir /r "$LOCALAPPDATA\${NAME}"
    done:
SectionEnd
