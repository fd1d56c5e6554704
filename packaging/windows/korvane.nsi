; Korvane's installer for one user: no administrator rights are asked for,
; so everything goes under the user's own profile and registry hive.
; scripts/windows-package.sh builds it with makensis, defining PACKAGING (the
; folder of build.nsh and files.nsh) and OUTFILE.

; The 32-bit default installs nothing on a 64-bit-only system.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include "${PACKAGING}/build.nsh"
!include "${PACKAGING}/files.nsh"
!include "MUI2.nsh"
!include "FileFunc.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Korvane"
!define BANK_TYPE "Korvane.QuestionBank"
!define MENU "$SMPROGRAMS\Korvane"

Name "Korvane ${KORVANE_VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Korvane"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Korvane ${KORVANE_VERSION}"

VIProductVersion "${KORVANE_VERSION_QUAD}"
VIAddVersionKey "ProductName" "Korvane"
VIAddVersionKey "ProductVersion" "${KORVANE_VERSION}"
VIAddVersionKey "FileVersion" "${KORVANE_VERSION}"
VIAddVersionKey "FileDescription" "Korvane ${KORVANE_VERSION} Setup"
VIAddVersionKey "CompanyName" "${KORVANE_PUBLISHER}"
VIAddVersionKey "LegalCopyright" "Copyright 1997, 2026 ${KORVANE_PUBLISHER}"

!define MUI_ICON "${KORVANE_ICONS}/icon.ico"
!define MUI_UNICON "${KORVANE_ICONS}/icon.ico"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Started without a bank, the game reads quarl3.tqz from the folder it starts
; in, so every entry starts in the install folder and names its bank there.
!macro CreateBankEntry FILE TITLE
  CreateShortCut "${MENU}\Korvane - ${TITLE}.lnk" "$INSTDIR\korvwin.exe" "${FILE}"
!macroend
!macro DeleteBankEntry FILE TITLE
  Delete "${MENU}\Korvane - ${TITLE}.lnk"
!macroend

Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section
  !insertmacro InstallFiles
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "${MENU}"
  SetOutPath "$INSTDIR"
  CreateShortCut "${MENU}\Korvane.lnk" "$INSTDIR\korvwin.exe"
  !insertmacro ForEachBank CreateBankEntry

!ifdef KORVANE_EDITOR
  CreateShortCut "${MENU}\Korvane Question Editor.lnk" "$INSTDIR\korvedit.exe"
  WriteRegStr HKCU "Software\Classes\.tqz" "" "${BANK_TYPE}"
  WriteRegStr HKCU "Software\Classes\.tqz\OpenWithProgids" "${BANK_TYPE}" ""
  WriteRegStr HKCU "Software\Classes\${BANK_TYPE}" "" "Korvane question bank"
  WriteRegStr HKCU "Software\Classes\${BANK_TYPE}\DefaultIcon" "" "$INSTDIR\korvedit.exe,0"
  WriteRegStr HKCU "Software\Classes\${BANK_TYPE}\shell\open\command" "" '"$INSTDIR\korvedit.exe" "%1"'
  ; SHCNE_ASSOCCHANGED: Explorer shows the new icon without a restart.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!endif

  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Korvane ${KORVANE_VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${KORVANE_VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${KORVANE_PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\korvwin.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes by name exactly what was installed: a bank a user saved in the
; install folder stays, and so does the folder that holds it.
Section Uninstall
  !insertmacro UninstallFiles
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  Delete "${MENU}\Korvane.lnk"
  Delete "${MENU}\Korvane Question Editor.lnk"
  !insertmacro ForEachBank DeleteBankEntry
  RMDir "${MENU}"

  ; The bank type goes, and .tqz only while it still names it.
  ReadRegStr $0 HKCU "Software\Classes\.tqz" ""
  StrCmp $0 "${BANK_TYPE}" 0 +2
    DeleteRegValue HKCU "Software\Classes\.tqz" ""
  DeleteRegValue HKCU "Software\Classes\.tqz\OpenWithProgids" "${BANK_TYPE}"
  DeleteRegKey /ifempty HKCU "Software\Classes\.tqz\OpenWithProgids"
  DeleteRegKey /ifempty HKCU "Software\Classes\.tqz"
  DeleteRegKey HKCU "Software\Classes\${BANK_TYPE}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  ; The editor's settings go; its recovery files are a user's unsaved work
  ; and stay, with their folders, when there are any.
  DeleteRegKey HKCU "Software\Korvane"
  RMDir "$LOCALAPPDATA\Korvane\korvedit\recovery"
  RMDir "$LOCALAPPDATA\Korvane\korvedit"
  RMDir "$LOCALAPPDATA\Korvane"

  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
