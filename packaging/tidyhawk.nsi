; The installer: a per-user install that needs no administrator rights, into
; %LOCALAPPDATA%\Programs\Ace Tidyhawk, with a Start-menu shortcut, an entry among the
; installed programs and an uninstaller. Installing over an installed copy replaces its
; files where they are. Settings and the clean log are the user's: the uninstaller keeps
; them unless "Also remove my settings and clean log" is ticked (never when silent).
;
; Built by the release tree's `dist` target (cmake/dist.cmake), which defines TARGET
; (x86-unicode; amd64-unicode for the 64-bit build the tests run on machines without
; 32-bit support), VERSION, PRODUCT, PUBLISHER, COPYRIGHT, STAGE (the folder holding the
; files to install), ICON and OUTFILE.

Target ${TARGET}
ManifestDPIAware true
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include MUI2.nsh
!include FileFunc.nsh

!define EXE "WindowsTidyhawk.exe"
!define UNINSTALLER "Uninstall.exe"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\AceTidyhawk"
; The program's own keys and folder: its settings (settings/settings_store.h), the
; Explorer verb it writes (settings/explorer_verb.h) and its data folder with the clean
; log (TForm1::WorkOutDataFolder).
!define VENDOR_KEY "Software\Ambervale"
!define SETTINGS_KEY "${VENDOR_KEY}\Purgo"
!define DRIVE_VERB_KEY "Software\Classes\Drive\shell\Run Tidyhawk"
!define FOLDER_VERB_KEY "Software\Classes\Folder\shell\Run Tidyhawk"
!define VENDOR_FOLDER "$APPDATA\Ambervale"
!define DATA_FOLDER "${VENDOR_FOLDER}\Tidyhawk"

Name "${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"
SpaceTexts none
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
; An upgrade goes where the installed copy is, wherever that was chosen.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES

!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_COMPONENTSPAGE_TEXT_TOP "The program, its Start-menu shortcut and its Explorer menu entry are removed. Your settings and clean log stay unless you tick the box below."
!define MUI_COMPONENTSPAGE_TEXT_COMPLIST " "
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "${COPYRIGHT}"

Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "-${PRODUCT}"
  SetOutPath "$INSTDIR"
  File "${STAGE}/${EXE}"
  File "${STAGE}/help.html"
  File "${STAGE}/end.wav"
  File "${STAGE}/LICENSE.txt"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\${EXE}"
  Call WriteUninstallEntry
SectionEnd

Function WriteUninstallEntry
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
FunctionEnd

; Unticked at first, and so never taken by a silent uninstall.
Section /o "un.Also remove my settings and clean log"
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "${VENDOR_KEY}"
  RMDir /r "${DATA_FOLDER}"
  RMDir "${VENDOR_FOLDER}"
SectionEnd

; The folder itself goes only when nothing else was put in it. The uninstall entry goes
; last, so that its absence tells an uninstall is through.
Section "-un.${PRODUCT}"
  Delete "$INSTDIR\${EXE}"
  Delete "$INSTDIR\help.html"
  Delete "$INSTDIR\end.wav"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  Delete "${SHORTCUT}"
  DeleteRegKey HKCU "${DRIVE_VERB_KEY}"
  DeleteRegKey HKCU "${FOLDER_VERB_KEY}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
