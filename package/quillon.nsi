; The Windows installer of Quillon, built by makensis with:
;   /DVERSION=1.02 /DEXE=<quillon.exe> /DCHM=<Quillon.chm> /DURL=<brenmark.url>
;   /DREADME=<README.txt> /DICON=<quillon.ico> /DOUTFILE=<Quillon-1.02-setup.exe>
;   /DWORDS=<installer_words.nsh, the other languages' pages and texts, from the PO files>
; For one user, without administrator rights: the program goes to
; %LOCALAPPDATA%\Programs\Quillon, a shortcut to the Start menu and an entry to "Apps &
; features" under HKCU. The user's files stay in %APPDATA%\Quillon, where the installed program
; keeps them: an install over an older version leaves them alone, and the uninstaller removes
; them only when the user asks.
; quillon.exe is a 64-bit program; so is its installer (and Wine without 32-bit support runs it).
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define PRODUCT "Quillon"
!define PUBLISHER "The Quillon developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillon"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\quillon.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
; The installer speaks the user's Windows display language where Quillon has it, English
; otherwise. The English texts are here; the other languages come from the PO files.
!insertmacro MUI_LANGUAGE "English"
LangString UserFilesSection ${LANG_ENGLISH} "Your settings and tape (%APPDATA%\Quillon)"
!include "${WORDS}"

Section "Quillon" SecProgram
  SectionIn RO
  ; The working folder of the shortcut below: the manual and the home page are found there.
  SetOutPath "$INSTDIR"
  File "/oname=quillon.exe" "${EXE}"
  File "/oname=Quillon.chm" "${CHM}"
  File "/oname=brenmark.url" "${URL}"
  File "/oname=README.txt" "${README}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\quillon.exe" "" "$INSTDIR\quillon.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quillon.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "un.Quillon" UnSecProgram
  SectionIn RO
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$INSTDIR\quillon.exe"
  Delete "$INSTDIR\Quillon.chm"
  Delete "$INSTDIR\brenmark.url"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; Off unless the user ticks it: the settings and the tape outlive the program.
Section /o "un.$(UserFilesSection)" UnSecUserFiles
  Delete "$APPDATA\${PRODUCT}\Quillon.ini"
  Delete "$APPDATA\${PRODUCT}\Quillon.tape"
  RMDir "$APPDATA\${PRODUCT}"
SectionEnd
