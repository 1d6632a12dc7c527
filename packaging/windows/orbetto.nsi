; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer: Italian, for every user of the PC, one Start-menu
; entry and an uninstaller in "App e funzionalità"; nothing else is written.
; makensis -DVERSIONE=x.y.z -DCARTELLA=<the program folder> -DELENCO=<folder
; with file.nsh and rimuovi.nsh> -DUSCITA=<setup.exe> orbetto.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include "MUI2.nsh"

!define NOME "Orbetto - Uso dell'orbetto"
!define CHIAVE "Software\Microsoft\Windows\CurrentVersion\Uninstall\Orbetto"

Name "${NOME}"
OutFile "${USCITA}"
InstallDir "$PROGRAMFILES64\Orbetto"
InstallDirRegKey HKLM "${CHIAVE}" "InstallLocation"
BrandingText "Orbetto ${VERSIONE}"

VIProductVersion "${VERSIONE}.0"
VIAddVersionKey /LANG=1040 "ProductName" "Orbetto"
VIAddVersionKey /LANG=1040 "FileDescription" "Installazione di ${NOME}"
VIAddVersionKey /LANG=1040 "FileVersion" "${VERSIONE}"
VIAddVersionKey /LANG=1040 "ProductVersion" "${VERSIONE}"
VIAddVersionKey /LANG=1040 "CompanyName" "Progetto Orbetto"
VIAddVersionKey /LANG=1040 "LegalCopyright" "2026 Progetto Orbetto, GPL-3.0-or-later"

!define MUI_ICON "${CARTELLA}/orbetto.ico"
!define MUI_UNICON "${CARTELLA}/orbetto.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\orbetto.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${CARTELLA}/LICENSE"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

Section
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  ; One line a file (made by scripts/windows.sh), so that the uninstaller
  ; removes exactly these and never a folder the teacher chose.
  !include "${ELENCO}/file.nsh"
  WriteUninstaller "$INSTDIR\disinstalla.exe"
  CreateShortcut "$SMPROGRAMS\${NOME}.lnk" "$INSTDIR\orbetto.exe" "" "$INSTDIR\orbetto.ico" 0
  ; A launcher for each class year: the numbers of that year at once.
  CreateShortcut "$SMPROGRAMS\${NOME} - classe prima.lnk" "$INSTDIR\orbetto.exe" "--classe prima" "$INSTDIR\orbetto.ico" 0
  CreateShortcut "$SMPROGRAMS\${NOME} - classe seconda.lnk" "$INSTDIR\orbetto.exe" "--classe seconda" "$INSTDIR\orbetto.ico" 0
  CreateShortcut "$SMPROGRAMS\${NOME} - classe terza.lnk" "$INSTDIR\orbetto.exe" "--classe terza" "$INSTDIR\orbetto.ico" 0
  CreateShortcut "$SMPROGRAMS\${NOME} - classe quarta.lnk" "$INSTDIR\orbetto.exe" "--classe quarta" "$INSTDIR\orbetto.ico" 0
  WriteRegStr HKLM "${CHIAVE}" "DisplayName" "${NOME}"
  WriteRegStr HKLM "${CHIAVE}" "DisplayVersion" "${VERSIONE}"
  WriteRegStr HKLM "${CHIAVE}" "DisplayIcon" "$INSTDIR\orbetto.ico"
  WriteRegStr HKLM "${CHIAVE}" "Publisher" "Progetto Orbetto"
  WriteRegStr HKLM "${CHIAVE}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${CHIAVE}" "UninstallString" '"$INSTDIR\disinstalla.exe"'
  WriteRegStr HKLM "${CHIAVE}" "QuietUninstallString" '"$INSTDIR\disinstalla.exe" /S'
  WriteRegDWORD HKLM "${CHIAVE}" "NoModify" 1
  WriteRegDWORD HKLM "${CHIAVE}" "NoRepair" 1
  WriteRegDWORD HKLM "${CHIAVE}" "EstimatedSize" ${KILOBYTE}
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\${NOME}.lnk"
  Delete "$SMPROGRAMS\${NOME} - classe prima.lnk"
  Delete "$SMPROGRAMS\${NOME} - classe seconda.lnk"
  Delete "$SMPROGRAMS\${NOME} - classe terza.lnk"
  Delete "$SMPROGRAMS\${NOME} - classe quarta.lnk"
  !include "${ELENCO}/rimuovi.nsh"
  Delete "$INSTDIR\disinstalla.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${CHIAVE}"
SectionEnd
