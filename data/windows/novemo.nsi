; The Windows installer (makensis, built by the windows_dist target).
; For the current user without administrator rights, into
; %LOCALAPPDATA%\Programs\Novemo; for every user with /ALLUSERS from an
; administrator's prompt, into Program Files. A Start-menu shortcut, an entry
; in Apps & features, upgrades in place, /S for silent installs and removals.
; The player's scores (%LOCALAPPDATA%\Novemo) are never touched.
;   makensis -DVERSION=1.2 -DPUBLISHER=... -DSTAGE=DIR -DICON=FILE -DOUTFILE=FILE novemo.nsi
; STAGE holds novemo.exe, novemo-generate.exe, COPYING.txt and README.txt.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Novemo"
!define SHORTCUT "$SMPROGRAMS\Novemo.lnk"

Name "Novemo"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Novemo"
BrandingText "Novemo ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIFileVersion "${VERSION}.0.0"
VIAddVersionKey ProductName "Novemo"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey FileDescription "Novemo ${VERSION} setup"
VIAddVersionKey CompanyName "${PUBLISHER}"
VIAddVersionKey LegalCopyright "GPL-3.0-or-later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_LICENSE "${STAGE}/COPYING.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Every user's install needs an administrator; the folder of an earlier
; install is used again, so an upgrade leaves one copy.
Function .onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/ALLUSERS" $1
  ${IfNot} ${Errors}
    UserInfo::GetAccountType
    Pop $1
    ${If} $1 != "Admin"
      MessageBox MB_ICONSTOP "Installing Novemo for every user needs an administrator." /SD IDOK
      SetErrorLevel 740
      Quit
    ${EndIf}
    SetShellVarContext all
    StrCpy $INSTDIR "$PROGRAMFILES64\Novemo"
  ${EndIf}
  ReadRegStr $1 SHCTX "${KEY}" "InstallLocation"
  ${If} $1 != ""
    StrCpy $INSTDIR $1
  ${EndIf}
FunctionEnd

Section
  SetOutPath "$INSTDIR"
  File "${STAGE}/novemo.exe" "${STAGE}/novemo-generate.exe" "${STAGE}/COPYING.txt" "${STAGE}/README.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "${SHORTCUT}" "$INSTDIR\novemo.exe" "" "$INSTDIR\novemo.exe" 0
  WriteRegStr SHCTX "${KEY}" "DisplayName" "Novemo"
  WriteRegStr SHCTX "${KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${KEY}" "DisplayIcon" "$INSTDIR\novemo.exe,0"
  WriteRegStr SHCTX "${KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD SHCTX "${KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${KEY}" "EstimatedSize" $0
SectionEnd

; Removed from wherever it was installed, for one user or for all.
Function un.onInit
  ReadRegStr $1 HKLM "${KEY}" "InstallLocation"
  ${If} $1 == $INSTDIR
    SetShellVarContext all
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Delete "$INSTDIR\novemo.exe"
  Delete "$INSTDIR\novemo-generate.exe"
  Delete "$INSTDIR\COPYING.txt"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "${SHORTCUT}"
  DeleteRegKey SHCTX "${KEY}"
SectionEnd
