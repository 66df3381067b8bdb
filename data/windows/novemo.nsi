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
;   87   for every user, a folder outside Program Files, or one below
;        folders that do not exist yet
;   740  an install or removal for every user, without an administrator
;   5    permissions that could not be set, or files that could not be removed
;   2    a file that could not be written (NSIS's own code); what this setup
;        wrote into a new folder is removed again
; A move to another folder (/D on an upgrade) writes the new copy and its
; uninstaller first, removes the earlier copy next (its shortcut and entry
; go with it) and writes the shortcut and the entry last, so a failure at any
; step leaves a working copy and its entry. When the earlier copy cannot be
; removed entirely, the new one is installed all the same and the exit code
; is 5. The registered quiet removal runs in place (_?=), so that its exit
; code is the removal's.

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
Var Moving   ; 1 when that install is elsewhere and moves here

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

; $R0: why the folder in $INSTDIR cannot take the game, or empty; $R1 the
; exit code. The game goes into a folder of its own: a new or empty one, or
; an earlier install's. Every user starts an all-users copy: its folder goes
; where only administrators can change it and the folders above it, in
; Program Files, below folders that exist (new ones would let users in).
Function FolderProblem
  StrCpy $R0 ""
  ${If} $AllUsers == 1
    GetFullPathName $1 "$INSTDIR\.." ; empty when it does not exist
    StrLen $2 "$PROGRAMFILES64\"
    StrCpy $3 "$1\" $2
    ${If} $3 != "$PROGRAMFILES64\"
      StrCpy $R0 "$(AllUsersFolder)"
      StrCpy $R1 87
      Return
    ${EndIf}
  ${EndIf}
  StrCpy $R1 80
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
    !insertmacro Refuse "$R0" $R1
  ${EndIf}
  StrCpy $0 $INSTDIR
  Call WaitWhileRunning
  StrCpy $Moving 0
  ${If} $Earlier != ""
  ${AndIf} $Earlier != $INSTDIR
  ${AndIf} ${FileExists} "$Earlier\uninstall.exe"
    StrCpy $Moving 1
    StrCpy $0 $Earlier
    Call WaitWhileRunning
  ${EndIf}
  ; Only administrators may change the copy every user starts: the folder is
  ; theirs, then its access list is set.
  ${If} $AllUsers == 1
    CreateDirectory "$INSTDIR"
    nsExec::Exec '"$SYSDIR\icacls.exe" "$INSTDIR" /setowner *S-1-5-32-544'
    Pop $1
    ${If} $1 == 0
      nsExec::Exec '"$SYSDIR\icacls.exe" "$INSTDIR" /inheritance:r /grant:r *S-1-5-32-544:(OI)(CI)F *S-1-5-18:(OI)(CI)F *S-1-5-32-545:(OI)(CI)RX'
      Pop $1
    ${EndIf}
    ${If} $1 != 0
      RMDir "$INSTDIR"
      !insertmacro Refuse "$(PermissionsNotSet)" 5
    ${EndIf}
  ${EndIf}
  SetOutPath "$INSTDIR"
  File "${STAGE}/novemo.exe" "${STAGE}/novemo-generate.exe" "${STAGE}/COPYING.txt" "${STAGE}/README.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  ; The earlier copy goes once this one is complete; its own uninstaller
  ; removes it, with its shortcut and entry, so no copy is left behind to
  ; remove this one's later.
  StrCpy $R3 0
  ${If} $Moving == 1
    ExecWait '"$Earlier\uninstall.exe" /S _?=$Earlier' $1
    ${If} $1 == 0
      Delete "$Earlier\uninstall.exe"
      RMDir "$Earlier"
    ${Else}
      StrCpy $R3 1
    ${EndIf}
  ${EndIf}
  CreateShortCut "${SHORTCUT}" "$INSTDIR\novemo.exe" "" "$INSTDIR\novemo.exe" 0
  WriteRegStr SHCTX "${KEY}" "DisplayName" "Novemo"
  WriteRegStr SHCTX "${KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${KEY}" "DisplayIcon" "$INSTDIR\novemo.exe,0"
  WriteRegStr SHCTX "${KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
  WriteRegDWORD SHCTX "${KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${KEY}" "EstimatedSize" $0
  ${If} $R3 == 1
    MessageBox MB_ICONEXCLAMATION "$(EarlierNotRemovedEntirely)" /SD IDOK
    SetErrorLevel 5
  ${EndIf}
SectionEnd

; A file that could not be written: what this setup wrote into a folder of
; its own goes again, and an earlier copy stays as it was.
Function .onInstFailed
  ${If} $INSTDIR != $Earlier
    Delete "$INSTDIR\novemo.exe"
    Delete "$INSTDIR\novemo-generate.exe"
    Delete "$INSTDIR\COPYING.txt"
    Delete "$INSTDIR\README.txt"
    RMDir "$INSTDIR"
  ${EndIf}
FunctionEnd

; Removed from wherever it was installed, for one user or for all; an
; install for every user only by an administrator.
Function un.onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/CLEANUP" $1
  ${IfNot} ${Errors}
    ; The copy that removes the folder's uninstaller once that has ended.
    ${For} $1 1 100
      Delete "$INSTDIR\uninstall.exe"
      ${IfNot} ${FileExists} "$INSTDIR\uninstall.exe"
        ${Break}
      ${EndIf}
      Sleep 100
    ${Next}
    RMDir "$INSTDIR"
    Delete /REBOOTOK "$EXEPATH"
    Quit
  ${EndIf}
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
  ; Run in place (_?=: the registered quiet removal, a move), the uninstaller
  ; cannot delete itself: a copy of it does once it has ended.
  Delete "$INSTDIR\uninstall.exe"
  ${If} ${FileExists} "$INSTDIR\uninstall.exe"
    CopyFiles /SILENT "$INSTDIR\uninstall.exe" "$TEMP\novemo-uninstall.exe"
    Exec '"$TEMP\novemo-uninstall.exe" /S /CLEANUP _?=$INSTDIR'
  ${EndIf}
  RMDir "$INSTDIR"
  ReadRegStr $1 SHCTX "${KEY}" "InstallLocation"
  ${If} $1 == $INSTDIR
    Delete "${SHORTCUT}"
    DeleteRegKey SHCTX "${KEY}"
  ${EndIf}
SectionEnd
