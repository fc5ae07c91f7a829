; The Windows installer of Spoonwise II: a per-user install, no administrator needed.
; Built by scripts/lib/windows-package, which passes everything machine-specific:
;   makensis -DSTAGE=<staged program> -DFILES=<file list .nsh> -DVERSION=2.0.0
;            -DOUTFILE=<setup.exe> -DICON=<spoonwise.ico> installer.nsi
; FILES defines the macros SpoonwiseInstallFiles and SpoonwiseRemoveFiles, made from the same
; sorted list, so the uninstaller removes exactly what was installed.

!ifndef STAGE | FILES | VERSION | OUTFILE | ICON
    !error "Pass STAGE, FILES, VERSION, OUTFILE and ICON with -D"
!endif

!define PRODUCT "Spoonwise II"
!define PUBLISHER "Pinchpot Software"
!define PROGRAM "spoonwise.exe"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Unicode true
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
; The files' own times would make the installer depend on when the stage was made.
SetDateSave off
SetCompressor /SOLID lzma

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright 2026 ${PUBLISHER}"

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "${FILES}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM}"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT}"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
    SetShellVarContext current
FunctionEnd

Function un.onInit
    SetShellVarContext current
FunctionEnd

Section "${PRODUCT}" SectionProgram
    SectionIn RO
    ; Remembered so that the uninstaller takes away the folder above the program's only if
    ; this installer made it (a fresh profile has no Programs folder yet).
    ${GetParent} "$INSTDIR" $3
    StrCpy $1 "0"
    IfFileExists "$3\*.*" +2 0
        StrCpy $1 "1"
    ; Installed again into the same folder: the first install's answer stands.
    ReadRegStr $4 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ReadRegDWORD $2 HKCU "${UNINSTALL_KEY}" "MadeParentFolder"
    StrCmp $4 $INSTDIR 0 +3
        StrCmp $2 "1" 0 +2
            StrCpy $1 "1"

    !insertmacro SpoonwiseInstallFiles
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${PROGRAM}" "" "$INSTDIR\${PROGRAM}" 0 \
        SW_SHOWNORMAL "" "${PRODUCT} kitchen volume converter"

    ; The program's files as packed, plus the uninstaller, which NSIS does not count.
    SectionGetSize ${SectionProgram} $0
    IntOp $0 $0 + 64
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM},0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "MadeParentFolder" $1
SectionEnd

Section "Uninstall"
    ; The shortcut and the key belong to the latest install; an older one in another folder
    ; leaves them alone.
    StrCpy $1 "0"
    ReadRegStr $4 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    StrCmp $4 $INSTDIR 0 files
    ReadRegDWORD $1 HKCU "${UNINSTALL_KEY}" "MadeParentFolder"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
files:
    !insertmacro SpoonwiseRemoveFiles
    Delete "$INSTDIR\${UNINSTALLER}"
    ; Not /r: whatever the user put there stays, and so does the folder then.
    RMDir "$INSTDIR"
    ${un.GetParent} "$INSTDIR" $3
    StrCmp $1 "1" 0 +2
        RMDir "$3"
SectionEnd
