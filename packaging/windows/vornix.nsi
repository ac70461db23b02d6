; The Windows installer: Vornix-<version>-setup.exe, built by makensis on Linux.
; Defines given by the build: VERSION, ARCH (x64 or x86), EXE, LICENSE, README,
; ICON, OUTFILE, and, to sign the installer and its uninstaller, SIGN (a command
; taking the file as %1). Only the architecture differs between the two installers.
Unicode true
!if "${ARCH}" == "x86"
Target x86-unicode
!define PROGRAM_FILES "$PROGRAMFILES"
!else
Target amd64-unicode
!define PROGRAM_FILES "$PROGRAMFILES64"
!endif
SetCompressor /SOLID lzma
ManifestDPIAware true

!include "LogicLib.nsh"
!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "WinVer.nsh"

!define DISPLAY_NAME "Vornix 求根及点坐标运算"
!define PUBLISHER "Vornix"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vornix"

!ifdef SIGN
!finalize '${SIGN} "%1"'
!uninstfinalize '${SIGN} "%1"'
!endif

Name "${DISPLAY_NAME}"
OutFile "${OUTFILE}"
InstallDir "${PROGRAM_FILES}\Vornix"
; An earlier installation is replaced where it stands.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "Vornix"
VIAddVersionKey /LANG=0 "FileDescription" "${DISPLAY_NAME} 安装程序"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "MIT License"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\vornix.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "English"

LangString ProgramSection ${LANG_SIMPCHINESE} "Vornix（必需）"
LangString ProgramSection ${LANG_ENGLISH} "Vornix (required)"
LangString DesktopSection ${LANG_SIMPCHINESE} "桌面快捷方式"
LangString DesktopSection ${LANG_ENGLISH} "Desktop shortcut"
LangString ProgramText ${LANG_SIMPCHINESE} "程序、许可证和说明，以及开始菜单中的快捷方式。"
LangString ProgramText ${LANG_ENGLISH} "The program, its licence and notes, and a Start menu shortcut."
LangString DesktopText ${LANG_SIMPCHINESE} "在所有用户的桌面上放一个快捷方式。"
LangString DesktopText ${LANG_ENGLISH} "A shortcut on every user's desktop."
LangString TooOld ${LANG_SIMPCHINESE} "Vornix 需要 Windows 7 SP1 或更新版本的 Windows，无法在这台电脑上安装。"
LangString TooOld ${LANG_ENGLISH} "Vornix needs Windows 7 SP1 or a later Windows; it cannot be installed on this computer."

Function RefuseOldWindows
    MessageBox MB_OK|MB_ICONSTOP "$(TooOld)" /SD IDOK
    Abort
FunctionEnd

Function .onInit
    SetShellVarContext all
    !insertmacro MUI_LANGDLL_DISPLAY
    ; The program starts on Windows 7 SP1 and later only.
    ${IfNot} ${AtLeastWin7}
        Call RefuseOldWindows
    ${ElseIf} ${IsWin7}
    ${AndIfNot} ${AtLeastServicePack} 1
        Call RefuseOldWindows
    ${EndIf}
    ; Replace an earlier version: its own uninstaller removes it first, so
    ; that nothing of it stays behind and there is one entry in Apps & features.
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} ${FileExists} "$0\uninstall.exe"
        ExecWait '"$0\uninstall.exe" /S _?=$0'
        Delete "$0\uninstall.exe"
        RMDir "$0"
    ${EndIf}
FunctionEnd

Section "$(ProgramSection)" ProgramSection
    SectionIn RO
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "/oname=vornix.exe" "${EXE}"
    File "/oname=LICENSE.txt" "${LICENSE}"
    File "/oname=说明.txt" "${README}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${DISPLAY_NAME}.lnk" "$INSTDIR\vornix.exe"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${DISPLAY_NAME}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vornix.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "$(DesktopSection)" DesktopSection
    SetShellVarContext all
    CreateShortcut "$DESKTOP\${DISPLAY_NAME}.lnk" "$INSTDIR\vornix.exe"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${ProgramSection} "$(ProgramText)"
    !insertmacro MUI_DESCRIPTION_TEXT ${DesktopSection} "$(DesktopText)"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function un.onInit
    SetShellVarContext all
FunctionEnd

; Exactly what the installer put there, and the folder if nothing else is in it.
Section "Uninstall"
    Delete "$INSTDIR\vornix.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\说明.txt"
    ; This runs from a copy of the uninstaller, started by the one in the folder,
    ; which may not have ended yet on a busy machine: try again for up to ten seconds.
    StrCpy $1 0
    delete_uninstaller:
    ClearErrors
    Delete "$INSTDIR\uninstall.exe"
    IfErrors 0 uninstaller_deleted
    IntOp $1 $1 + 1
    IntCmp $1 100 uninstaller_deleted 0 uninstaller_deleted
    Sleep 100
    Goto delete_uninstaller
    uninstaller_deleted:
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${DISPLAY_NAME}.lnk"
    Delete "$DESKTOP\${DISPLAY_NAME}.lnk"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
