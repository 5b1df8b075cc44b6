; The installer of MX 주식계산기 for Windows, built by tools/windows/package:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.05 -DFILES=<staged files> -DICON=<mx_cal.ico>
;            -DOUTFILE=<setup.exe>
; It installs for the current user, without administrator rights, into the user's own program
; folder, adds a Start-menu entry and an uninstaller. Nothing is put beside the programs that
; would make them portable, so that the settings live in %APPDATA%\mx_cal; uninstalling
; removes only what was installed, and the settings stay.
; A 64-bit installer for the 64-bit programs (it also runs under a Wine without 32-bit support).
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define NAME "MX 주식계산기"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\mx_cal"

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1042 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1042 "FileDescription" "${NAME} 설치"
VIAddVersionKey /LANG=1042 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1042 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1042 "LegalCopyright" "MIT License"

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\mx_cal.exe"
!insertmacro MUI_PAGE_LICENSE "${FILES}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Korean"

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "${FILES}/mx_cal.exe"
    File "${FILES}/mx_cal_sheet.exe"
    File "${FILES}/README.md"
    File "${FILES}/LICENSE.txt"
    SetOutPath "$INSTDIR\licenses"
    File "${FILES}/licenses/*.txt"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\mx_cal.exe"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\mx_cal.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "MX 주식계산기 contributors"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what the installer put there goes; the folder itself stays when the user left something
; in it, and the settings folder %APPDATA%\mx_cal is not touched.
Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\${NAME}.lnk"
    Delete "$INSTDIR\mx_cal.exe"
    Delete "$INSTDIR\mx_cal_sheet.exe"
    Delete "$INSTDIR\README.md"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\licenses\Qt.txt"
    Delete "$INSTDIR\licenses\LGPL-3.txt"
    Delete "$INSTDIR\licenses\GPL-3.txt"
    Delete "$INSTDIR\licenses\mingw-w64.txt"
    Delete "$INSTDIR\licenses\gcc-runtime.txt"
    RMDir "$INSTDIR\licenses"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
