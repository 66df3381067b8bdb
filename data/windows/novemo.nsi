; The Windows installer (makensis, built by the windows_dist target).
; For the current user without administrator rights, into
; %LOCALAPPDATA%\Programs\Novemo; for every user with /ALLUSERS from an
; administrator's prompt, into Program Files. A Start-menu shortcut, an entry
; in Apps & features, upgrades in place, /S for silent installs and removals,
; /D=FOLDER for a folder of one's own. The player's scores
; (%LOCALAPPDATA%\Novemo) are never touched.
;   makensis -DVERSION=1.2 -DPUBLISHER=... -DSTAGE=DIR -DICON=FILE -DOUTFILE=FILE novemo.nsi
; STAGE holds novemo.exe, novemo-generate.exe, COPYING.txt and README.txt.
;
; Whatever stops a setup or a removal (a running game, a folder that is not
; the game's own, missing rights) stops it before anything is changed, with a
; message, or in a silent run with a non-zero exit code:
;   32   Novemo runs from the folder (Windows cannot replace or delete it)
;   80   the chosen folder holds files, and no earlier Novemo
;   740  an install or removal for every user, without an administrator
;   5    files that cannot be written or removed, or permissions not set

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true
; A file that cannot be written stops the setup; it is never skipped.
AllowSkipFiles off

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

Var AllUsers ; 1 for an install for every user
Var Earlier  ; the folder of the install the uninstall entry records, if any

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_LICENSE "${STAGE}/COPYING.txt"
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE FolderPageLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; English first: the language of a Windows that speaks none of the others.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "PortugueseBR"
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "Polish"
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "Arabic"
; A message that a language lacks is an error, not English in its place.
!pragma warning error 6040
!include /CHARSET=UTF8 "languages.nsh"  ; beside this script: makensis works in its folder

; Says why, and ends with the exit code, before anything is changed.
!macro Refuse TEXT CODE
  MessageBox MB_ICONSTOP "${TEXT}" /SD IDOK
  SetErrorLevel ${CODE}
  Quit
!macroend

; Windows neither replaces nor deletes a program that runs, and it keeps a
; running program's file from being opened for writing: that tells.
!macro Running FILE
  ${If} ${FileExists} "${FILE}"
    ClearErrors
    FileOpen $R1 "${FILE}" a
    ${If} ${Errors}
      StrCpy $R0 1
    ${Else}
      FileClose $R1
    ${EndIf}
  ${EndIf}
!macroend

; Waits, asking, until no program of the folder in $0 runs; a silent run
; ends at once.
!macro WaitWhileRunning un
  Function ${un}WaitWhileRunning
    ${Do}
      StrCpy $R0 0
      !insertmacro Running "$0\novemo.exe"
      !insertmacro Running "$0\novemo-generate.exe"
      ${If} $R0 == 0
        Return
      ${EndIf}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(Running)" \
        /SD IDCANCEL IDRETRY again
      !insertmacro Refuse "$(RunningRefused)" 32
      again:
    ${Loop}
  FunctionEnd
!macroend
!insertmacro WaitWhileRunning ""
!insertmacro WaitWhileRunning "un."

Function .onInit
  ; /D= has set $INSTDIR already; without it the setup chooses the folder.
  StrCpy $R2 0
  ${If} $INSTDIR == "$LOCALAPPDATA\Programs\Novemo"
    StrCpy $R2 1
  ${EndIf}
  StrCpy $AllUsers 0
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/ALLUSERS" $1
  ${IfNot} ${Errors}
    UserInfo::GetAccountType
    Pop $1
    ${If} $1 != "Admin"
      !insertmacro Refuse "$(NeedAdminInstall)" 740
    ${EndIf}
    StrCpy $AllUsers 1
    SetShellVarContext all
    ${If} $R2 == 1
      StrCpy $INSTDIR "$PROGRAMFILES64\Novemo"
    ${EndIf}
  ${EndIf}
  ReadRegStr $Earlier SHCTX "${KEY}" "InstallLocation"
  ${If} $R2 == 1
  ${AndIf} $Earlier != ""
    StrCpy $INSTDIR $Earlier
  ${EndIf}
FunctionEnd

; $R0: why the folder in $INSTDIR cannot take the game, or empty. The game
; goes into a folder of its own: a new or empty one, or an earlier install's.
Function FolderProblem
  StrCpy $R0 ""
  ${DirState} "$INSTDIR" $1
  ${If} $1 == 1
  ${AndIf} $INSTDIR != $Earlier
  ${AndIfNot} ${FileExists} "$INSTDIR\novemo.exe"
    StrCpy $R0 "$(FolderNotEmpty)"
  ${EndIf}
FunctionEnd

Function FolderPageLeave
  Call FolderProblem
  ${If} $R0 != ""
    MessageBox MB_ICONEXCLAMATION $R0
    Abort
  ${EndIf}
FunctionEnd

Section
  Call FolderProblem
  ${If} $R0 != ""
    !insertmacro Refuse "$R0" 80
  ${EndIf}
  StrCpy $0 $INSTDIR
  Call WaitWhileRunning
  ; An earlier install elsewhere moves here: its own uninstaller removes it
  ; first, so no copy is left behind to remove this one's shortcut later.
  ${If} $Earlier != ""
  ${AndIf} $Earlier != $INSTDIR
  ${AndIf} ${FileExists} "$Earlier\uninstall.exe"
    StrCpy $0 $Earlier
    Call WaitWhileRunning
    ExecWait '"$Earlier\uninstall.exe" /S _?=$Earlier' $1
    ${If} $1 != 0
      !insertmacro Refuse "$(EarlierNotRemoved)" 5
    ${EndIf}
    Delete "$Earlier\uninstall.exe"
    RMDir "$Earlier"
  ${EndIf}
  ; Every user starts this copy: only administrators may change it, wherever
  ; the folder is (one outside Program Files would let any user write).
  ${If} $AllUsers == 1
    CreateDirectory "$INSTDIR"
    nsExec::Exec '"$SYSDIR\icacls.exe" "$INSTDIR" /inheritance:r /grant:r *S-1-5-32-544:(OI)(CI)F *S-1-5-18:(OI)(CI)F *S-1-5-32-545:(OI)(CI)RX'
    Pop $1
    ${If} $1 != 0
      !insertmacro Refuse "$(PermissionsNotSet)" 5
    ${EndIf}
  ${EndIf}
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

; Removed from wherever it was installed, for one user or for all; an
; install for every user only by an administrator.
Function un.onInit
  ReadRegStr $1 HKLM "${KEY}" "InstallLocation"
  ${If} $1 == $INSTDIR
    SetShellVarContext all
    UserInfo::GetAccountType
    Pop $1
    ${If} $1 != "Admin"
      !insertmacro Refuse "$(NeedAdminRemove)" 740
    ${EndIf}
  ${EndIf}
FunctionEnd

; The files the setup installed, and the shortcut and entry only while they
; are this install's own.
Section "Uninstall"
  StrCpy $0 $INSTDIR
  Call un.WaitWhileRunning
  ClearErrors
  Delete "$INSTDIR\novemo.exe"
  Delete "$INSTDIR\novemo-generate.exe"
  Delete "$INSTDIR\COPYING.txt"
  Delete "$INSTDIR\README.txt"
  ${If} ${Errors}
    !insertmacro Refuse "$(FilesNotRemoved)" 5
  ${EndIf}
  ; Run in place (_?=), the uninstaller cannot remove itself: whoever ran it does.
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  ReadRegStr $1 SHCTX "${KEY}" "InstallLocation"
  ${If} $1 == $INSTDIR
    Delete "${SHORTCUT}"
    DeleteRegKey SHCTX "${KEY}"
  ${EndIf}
SectionEnd
