; SPDX-FileCopyrightText: 2026 The Tavrel developers
; SPDX-License-Identifier: GPL-3.0-or-later
; The Tavrel installer (NSIS, Modern UI 2). It installs for the current user without administrator rights unless
; "everyone who uses this computer" is chosen, puts Tavrel in the Start menu, optionally on the desktop, registers
; the uninstaller with Windows, and brings an earlier install up to date in its place.
;
; Made in two runs of makensis by packaging/CMakeLists.txt. The first, given UNINSTALLER_OUT, makes the uninstaller,
; with version information of its own, copies it to that file and signs it when a certificate is given; the second
; makes the installer, which carries that uninstaller:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.15 -DVERSION_MAJOR=1 -DVERSION_MINOR=15 -DFILE_VERSION=1.15.0.0
;            -DICON=tavrel.ico -DWIZARD_BITMAP=wizard.bmp -DWEBSITE=https://... -DSIGN_SCRIPT=sign.sh
;            -DSIGN_PKCS12= -DSIGN_TIMESTAMP= -DUNINSTALLER_OUT=uninstaller.exe -DOUTFILE=scratch.exe installer.nsi
;   makensis (the same) -DPROGRAM=tavrel.exe -DLICENSE_FILE=LICENSE.txt -DNOTICES_FILE=THIRD-PARTY-NOTICES.txt
;            -DUNINSTALLER_FILE=uninstaller.exe -DOUTFILE=Tavrel-1.15-setup.exe installer.nsi
; The uninstaller is signed by SIGN_SCRIPT (packaging/windows/sign.sh) with the certificate SIGN_PKCS12, if any.
; It is a program of its own rather than NSIS' uninstaller, which goes on from a copy of itself and ends at once with
; status 0, whatever becomes of the removal: this one removes the program where it stands and ends with the truth.
;
; Command line (besides NSIS' own /S and /D=folder):
;   /AllUsers        install for everyone (asks for administrator rights); /S with administrator rights does so too
;   /CurrentUser     install for the current user
;   /AllowDowngrade  replace a newer Tavrel without asking
; What the command line says is done, whatever is installed already, so that a script gets the same install on
; every computer: /D= names the folder, as it does for any NSIS installer, and /AllUsers, /CurrentUser (or /S with
; administrator rights, which means everyone) whom it is for. An earlier install that they put elsewhere, or for the
; others, is moved: removed before anything is installed, so that there is only ever one Tavrel on the computer.
; Where the command line says nothing, an earlier install is brought up to date where it is, for whoever it was
; installed for. While the Tavrel of an install that is to change or go is open, nothing is changed (status 2).
; The uninstaller keeps the user's setting; its /RemoveSettings option (or the box on its page) removes it as well.
; The uninstaller ends with status 0 only when Tavrel is removed: 2 when Tavrel is open, 5 without the administrator
; rights that an install for everyone needs. The installer ends with 2 when Tavrel is open or a newer one is
; installed, 5 without those rights.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel user

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh
!include nsDialogs.nsh
!include Sections.nsh

!define PUBLISHER "The Tavrel developers"
!define DESCRIPTION "Your sun sign on the Kabbalah Tree of Life"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrel"
!define APP_PATHS_KEY "Software\Microsoft\Windows\CurrentVersion\App Paths\tavrel.exe"
!define SETTINGS_KEY "Software\Tavrel"
!define UNINSTALLER "Uninstall Tavrel.exe"

Name "Tavrel"
OutFile "${OUTFILE}"
BrandingText "Tavrel ${VERSION}"
InstallDir ""

VIProductVersion "${FILE_VERSION}"
VIFileVersion "${FILE_VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "Tavrel"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}"
!ifdef UNINSTALLER_OUT
VIAddVersionKey /LANG=1033 "FileDescription" "Tavrel ${VERSION} Uninstaller"
VIAddVersionKey /LANG=1033 "OriginalFilename" "${UNINSTALLER}"
!else
VIAddVersionKey /LANG=1033 "FileDescription" "Tavrel ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "OriginalFilename" "Tavrel-${VERSION}-setup.exe"
!endif

Var Params           ; the command line
Var MachineDir       ; folder of an earlier install for everyone, if any
Var MadeFolder       ; the outermost folder that the install makes above its own, if any
!ifndef UNINSTALLER_OUT
Var Mode             ; "user" or "machine"
Var ModeFixed        ; 1 when the command line or an earlier install decides the mode
Var UserDir          ; folder of an earlier install for the current user, if any
Var UserVersion
Var MachineVersion
Var CustomDir        ; the folder given with /D=, if any
Var OldDir           ; the earlier install that this one brings up to date, if any
Var OldVersion
Var OtherDir         ; an earlier install for the others, which this one replaces
Var OtherVersion
Var MovedDir         ; an earlier install for the same people, which /D= moves into another folder
Var AbortText        ; what the question asks when the user stops the installation
Var UpdateNote       ; what the welcome page says this install does
Var RadioUser
Var RadioMachine
!endif

; ---- Look and texts --------------------------------------------------------------------------------------------

!define MUI_ICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WIZARD_BITMAP}"
!define MUI_ABORTWARNING

!ifndef UNINSTALLER_OUT
!define MUI_ABORTWARNING_TEXT "$AbortText"
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipWhenRelaunched
!define MUI_WELCOMEPAGE_TITLE "Tavrel ${VERSION}"
!define MUI_WELCOMEPAGE_TEXT "Tavrel gives you a reading of your sun sign on the Kabbalah Tree of Life: \
your two spheres with their archangels and chakras, and the path of the Tree that joins them.$\r$\n$\r$\n\
$UpdateNote$\r$\n$\r$\nPlease close Tavrel if it is open, then choose Next."
!insertmacro MUI_PAGE_WELCOME

!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipWhenRelaunched
!define MUI_PAGE_HEADER_TEXT "Licence"
!define MUI_PAGE_HEADER_SUBTEXT "Tavrel is yours to use, copy, change and share."
!define MUI_LICENSEPAGE_TEXT_TOP "Tavrel is free software, under the GNU General Public License, version 3 or later."
!define MUI_LICENSEPAGE_TEXT_BOTTOM "This licence gives you the right to use, copy, change and share Tavrel; you \
need not accept it to use Tavrel. The software by others that Tavrel contains is listed, with its licences, in \
THIRD-PARTY-NOTICES.txt beside the program."
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${LICENSE_FILE}"

Page custom ModePage ModePageLeave

!define MUI_PAGE_CUSTOMFUNCTION_SHOW ComponentsShow
!define MUI_COMPONENTSPAGE_TEXT_TOP "Tavrel is put in your Start menu. A shortcut on the desktop is up to you."
!define MUI_COMPONENTSPAGE_SMALLDESC
!insertmacro MUI_PAGE_COMPONENTS

!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipFolderWhenUpdating
!define MUI_DIRECTORYPAGE_TEXT_TOP "Tavrel will be installed in this folder. To use another one, choose Browse."
!insertmacro MUI_PAGE_DIRECTORY

!insertmacro MUI_PAGE_INSTFILES

!define MUI_PAGE_CUSTOMFUNCTION_SHOW FinishShow
!define MUI_FINISHPAGE_TITLE "Tavrel is ready"
!define MUI_FINISHPAGE_TEXT "Tavrel ${VERSION} is installed. You find it in the Start menu.$\r$\n$\r$\n\
To remove it, use Apps (or Programs and Features) in the Windows settings."
!define MUI_FINISHPAGE_RUN "$INSTDIR\tavrel.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Open Tavrel now"
!insertmacro MUI_PAGE_FINISH
!else
Caption "Tavrel Uninstall"
InstallButtonText "$(^UninstallBtn)"
SpaceTexts none ; (removing takes no space)
!define MUI_ABORTWARNING_TEXT "Tavrel stays installed. Stop removing it?"
!define MUI_PAGE_HEADER_TEXT "Uninstall Tavrel"
!define MUI_PAGE_HEADER_SUBTEXT "Remove Tavrel from your computer."
!define MUI_COMPONENTSPAGE_TEXT_TOP "Tavrel will be removed from $INSTDIR. Close Tavrel if it is open. Its one \
setting, the day it last offered to look for an update, stays unless you tick the box."
!define MUI_COMPONENTSPAGE_TEXT_COMPLIST "Select components to uninstall:"
!insertmacro MUI_PAGE_COMPONENTS
!define MUI_PAGE_HEADER_TEXT "Uninstalling"
!define MUI_PAGE_HEADER_SUBTEXT "Please wait while Tavrel is being uninstalled."
!define MUI_INSTFILESPAGE_FINISHHEADER_TEXT "Uninstallation Complete"
!define MUI_INSTFILESPAGE_FINISHHEADER_SUBTEXT "Uninstall was completed successfully."
!define MUI_INSTFILESPAGE_ABORTHEADER_TEXT "Uninstallation Aborted"
!define MUI_INSTFILESPAGE_ABORTHEADER_SUBTEXT "Uninstall was not completed successfully."
!insertmacro MUI_PAGE_INSTFILES
!endif

!insertmacro MUI_LANGUAGE "English"

; ---- Shared ----------------------------------------------------------------------------------------------------

; A running Tavrel holds its program file, which then cannot be opened for writing: wait until the user has closed
; the Tavrel of the folder $R9 (if any), or give up (status 2) saying so. The file is opened, not changed.
!macro EnsureNotRunning outcome
Function EnsureNotRunning
  retry:
  ${If} $R9 != ""
  ${AndIf} ${FileExists} "$R9\tavrel.exe"
    ClearErrors
    FileOpen $R7 "$R9\tavrel.exe" a
    ${If} ${Errors}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Tavrel is open. Please close it, then choose Retry." \
        /SD IDCANCEL IDRETRY retry
      Abort "Tavrel is open, so it ${outcome}."
    ${EndIf}
    FileClose $R7
  ${EndIf}
FunctionEnd
!macroend

; Removes the folders from above ${dir} up to ${made}, the outermost that the installer made, as far as they are
; empty; nothing when ${made} is empty or not above ${dir}.
!macro RemoveMadeFolders dir made
  StrLen $R0 "${made}\"
  StrCpy $R1 "${dir}" $R0
  ${If} "${made}" != ""
  ${AndIf} $R1 == "${made}\"
    StrCpy $R1 "${dir}"
    ${Do}
      ${GetParent} $R1 $R1
      RMDir $R1
    ${LoopUntil} $R1 == "${made}"
  ${EndIf}
!macroend

!macro IsAdmin result
  UserInfo::GetAccountType
  Pop ${result}
!macroend

; ${result} becomes 1 when ${option} is on the command line, 0 when it is not.
!macro HasOption option result
  ClearErrors
  ${GetOptions} $Params "${option}" ${result}
  StrCpy ${result} 1
  IfErrors 0 +2
  StrCpy ${result} 0
!macroend

!ifndef UNINSTALLER_OUT
; ---- Installer -------------------------------------------------------------------------------------------------

!insertmacro EnsureNotRunning "cannot be changed"

Function SetMode ; $Mode -> shell folders, the earlier install of that scope, the folder
  ${If} $Mode == "machine"
    SetShellVarContext all
    StrCpy $OldDir $MachineDir
    StrCpy $OldVersion $MachineVersion
    StrCpy $OtherDir $UserDir
    StrCpy $OtherVersion $UserVersion
    StrCpy $INSTDIR "$PROGRAMFILES64\Tavrel"
  ${Else}
    SetShellVarContext current
    StrCpy $OldDir $UserDir
    StrCpy $OldVersion $UserVersion
    StrCpy $OtherDir $MachineDir
    StrCpy $OtherVersion $MachineVersion
    GetKnownFolderPath $INSTDIR {5CD7AEE2-2219-4A67-B85D-6C9CE15660CB} ; the user's own programs folder
    ${If} $INSTDIR == ""
      StrCpy $INSTDIR "$LOCALAPPDATA\Programs"
    ${EndIf}
    StrCpy $INSTDIR "$INSTDIR\Tavrel"
  ${EndIf}
  StrCpy $MovedDir ""
  ${If} $OldDir != ""
  ${AndIf} $CustomDir != ""
  ${AndIf} $CustomDir != $OldDir
    StrCpy $MovedDir $OldDir
    StrCpy $OldDir ""
  ${EndIf}
  ${If} $OldDir != ""
    StrCpy $INSTDIR $OldDir
    ${If} $OldVersion == "${VERSION}"
      StrCpy $UpdateNote "Tavrel ${VERSION} is installed in $OldDir. It is installed there again, and your \
setting is kept."
    ${Else}
      StrCpy $UpdateNote "Tavrel $OldVersion is installed in $OldDir. It is brought up to date there, \
$OldVersion → ${VERSION}, and your setting is kept."
    ${EndIf}
  ${Else}
    ${If} $CustomDir != ""
      StrCpy $INSTDIR $CustomDir
    ${EndIf}
    ${If} $MovedDir != ""
      StrCpy $UpdateNote "Tavrel $OldVersion is installed in $MovedDir. Tavrel ${VERSION} is installed in \
another folder instead, and your setting is kept."
    ${ElseIf} $OtherDir != "" ; (a user without rights reaches here only with an install of their own)
    ${AndIf} $Mode == "machine"
      StrCpy $UpdateNote "Tavrel $OtherVersion is installed for you alone in $OtherDir. Tavrel ${VERSION} is \
installed for everyone instead, and your setting is kept."
    ${ElseIf} $OtherDir != ""
      StrCpy $UpdateNote "Tavrel $OtherVersion is installed for everyone in $OtherDir. Tavrel ${VERSION} is \
installed for you alone instead, and your setting is kept."
    ${Else}
      StrCpy $UpdateNote "This puts Tavrel ${VERSION} on your computer."
    ${EndIf}
  ${EndIf}
  StrCpy $AbortText "Tavrel is not installed yet. Stop the installation?"
  ${If} $OldDir != ""
    StrCpy $AbortText "Tavrel $OldVersion stays as it is. Stop the installation?"
  ${ElseIf} $MovedDir != ""
    StrCpy $AbortText "Tavrel $OldVersion stays as it is. Stop the installation?"
  ${ElseIf} $OtherDir != ""
    StrCpy $AbortText "Tavrel $OtherVersion stays as it is. Stop the installation?"
  ${EndIf}
FunctionEnd

; Starts this installer again with administrator rights, for everyone; this copy ends.
Function Relaunch
  ClearErrors
  ExecShell "runas" "$EXEPATH" "$Params /AllUsers /Elevated"
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONEXCLAMATION "Installing Tavrel for everyone needs administrator rights, which were not given." /SD IDOK
    Return
  ${EndIf}
  Quit
FunctionEnd

; A newer Tavrel is replaced by this older one only when the user says so.
Function RefuseDowngrade
  !insertmacro HasOption "/AllowDowngrade" $0
  ${If} $0 == 1
    Return
  ${EndIf}
  ${For} $1 0 1
    ${If} $1 == 0
      StrCpy $2 $UserVersion
    ${Else}
      StrCpy $2 $MachineVersion
    ${EndIf}
    ${If} $2 != ""
      ${VersionCompare} $2 "${VERSION}" $3
      ${If} $3 == 1
        MessageBox MB_YESNO|MB_ICONEXCLAMATION|MB_DEFBUTTON2 "Tavrel $2 is installed, which is newer than this \
Tavrel ${VERSION}.$\r$\n$\r$\nReplace it with the older version?" /SD IDNO IDYES older
        SetErrorLevel 2 ; stopped by the installer
        Quit
        older:
        Return
      ${EndIf}
    ${EndIf}
  ${Next}
FunctionEnd

Function .onInit
  ${GetParameters} $Params
  ReadRegStr $UserDir HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ReadRegStr $UserVersion HKCU "${UNINSTALL_KEY}" "DisplayVersion"
  ReadRegStr $MachineDir HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ReadRegStr $MachineVersion HKLM "${UNINSTALL_KEY}" "DisplayVersion"
  StrCpy $CustomDir $INSTDIR ; NSIS has set it from /D=

  ; For whom: as the command line says, else as the earlier install is, else as the user chooses on the second page.
  StrCpy $Mode "user"
  StrCpy $ModeFixed 0
  ${If} $UserDir != ""
    StrCpy $ModeFixed 1
  ${ElseIf} $MachineDir != ""
    StrCpy $Mode "machine"
    StrCpy $ModeFixed 1
  ${EndIf}
  !insertmacro HasOption "/CurrentUser" $2
  ${If} $2 == 1
    StrCpy $Mode "user"
    StrCpy $ModeFixed 1
  ${EndIf}
  !insertmacro HasOption "/AllUsers" $0
  !insertmacro IsAdmin $1
  ; Silent with administrator rights, as deployment tools run it: for everyone, unless /CurrentUser is given.
  ${If} ${Silent}
  ${AndIf} $1 == "Admin"
  ${AndIf} $2 == 0
    StrCpy $0 1
  ${EndIf}
  ${If} $0 == 1
    StrCpy $Mode "machine"
    StrCpy $ModeFixed 1
  ${EndIf}

  ${If} $Mode == "machine"
  ${AndIf} $1 != "Admin"
    !insertmacro HasOption "/Elevated" $0
    ${If} $0 == 0
      Call Relaunch
    ${Else}
      MessageBox MB_OK|MB_ICONSTOP "Installing Tavrel for everyone needs administrator rights." /SD IDOK
    ${EndIf}
    SetErrorLevel 5 ; access denied
    Quit
  ${EndIf}
  ${If} $Mode == "user"
  ${AndIf} $MachineDir != ""
  ${AndIf} $UserDir == ""
  ${AndIf} $1 != "Admin"
    MessageBox MB_OK|MB_ICONSTOP "Tavrel is installed for everyone who uses this computer. To install it only for \
you instead, an administrator must remove that one first." /SD IDOK
    SetErrorLevel 5 ; access denied
    Quit
  ${EndIf}

  Call SetMode
  Call RefuseDowngrade
  Call RememberDesktopShortcut
FunctionEnd

Function SkipWhenRelaunched
  !insertmacro HasOption "/Elevated" $0
  ${If} $0 == 1
    Abort
  ${EndIf}
FunctionEnd

Function ModePage
  ${If} $ModeFixed == 1
    Abort
  ${EndIf}
  !insertmacro MUI_HEADER_TEXT "Who will use Tavrel?" "Install Tavrel for yourself, or for everyone who uses this computer."
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateRadioButton} 0 0 100% 24u "&Only for me (no administrator rights needed)"
  Pop $RadioUser
  ${NSD_CreateRadioButton} 0 30u 100% 24u "For &everyone who uses this computer (asks for administrator rights)"
  Pop $RadioMachine
  ${If} $Mode == "machine"
    ${NSD_Check} $RadioMachine
  ${Else}
    ${NSD_Check} $RadioUser
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function ModePageLeave
  ${NSD_GetState} $RadioMachine $0
  ${If} $0 == ${BST_CHECKED}
    !insertmacro IsAdmin $1
    ${If} $1 != "Admin"
      Call Relaunch
      Abort ; the rights were refused: stay on this page
    ${EndIf}
    StrCpy $Mode "machine"
  ${Else}
    StrCpy $Mode "user"
  ${EndIf}
  Call SetMode
FunctionEnd

; With the folder page skipped, the components page is the last before the install: its button says so.
Function ComponentsShow
  ${If} $OldDir != ""
    GetDlgItem $0 $HWNDPARENT 1
    SendMessage $0 ${WM_SETTEXT} 0 "STR:$(^InstallBtn)"
  ${EndIf}
FunctionEnd

Function SkipFolderWhenUpdating
  ${If} $OldDir != ""
    Abort
  ${EndIf}
FunctionEnd

Function FinishShow
  ; A program started from an installer with administrator rights would run with them too: not offered.
  ${If} $Mode == "machine"
    SendMessage $mui.FinishPage.Run ${BM_SETCHECK} ${BST_UNCHECKED} 0
    ShowWindow $mui.FinishPage.Run ${SW_HIDE}
  ${EndIf}
FunctionEnd

; $MadeFolder: the outermost of the folders above the program's own that do not exist yet, if any.
Function FindMadeFolder
  StrCpy $MadeFolder ""
  ${GetParent} $INSTDIR $0
  ${DoWhile} $0 != ""
    ${If} ${FileExists} "$0\*.*"
      ${ExitDo}
    ${EndIf}
    StrCpy $MadeFolder $0
    ${GetParent} $0 $0
  ${Loop}
FunctionEnd

; The earlier installs that this one replaces, in $R9, one after the other: the one for the others ($R8 "other"),
; unless only an administrator may remove it, then the one that /D= moves ($R8 "moved"), then "done"; $R9 is
; empty where there is none.
Function NextEarlierInstall
  ${If} $R8 == ""
    StrCpy $R8 "other"
    StrCpy $R9 $OtherDir
    !insertmacro IsAdmin $0
    ${If} $Mode == "user"
    ${AndIf} $0 != "Admin"
    ${AndIf} $OtherDir != ""
      DetailPrint "Tavrel stays installed for everyone in $OtherDir: only an administrator can remove it."
      StrCpy $R9 ""
    ${EndIf}
  ${ElseIf} $R8 == "other"
    StrCpy $R8 "moved"
    StrCpy $R9 $MovedDir
  ${Else}
    StrCpy $R8 "done"
    StrCpy $R9 ""
  ${EndIf}
  ${If} $R9 == $INSTDIR
    StrCpy $R9 ""
  ${EndIf}
FunctionEnd

; The earlier install in $R9 goes: its uninstaller removes it, keeping the setting. Where it cannot, the
; installation stops (status 2) before anything is installed: never two Tavrels.
Function RemoveEarlierInstall
  ${If} $R9 == ""
    Return
  ${EndIf}
  StrCpy $2 $Mode ; whom it was installed for
  ${If} $R8 == "other"
  ${AndIf} $Mode == "user"
    StrCpy $2 "machine"
  ${ElseIf} $R8 == "other"
    StrCpy $2 "user"
  ${EndIf}
  ${If} $2 == "machine"
    ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "CreatedFolder"
  ${Else}
    ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "CreatedFolder"
  ${EndIf}
  ${If} ${FileExists} "$R9\${UNINSTALLER}"
    DetailPrint "Removing the earlier Tavrel from $R9"
    ClearErrors
    ExecWait '"$R9\${UNINSTALLER}" /S _?=$R9' $0
    ${If} ${Errors}
    ${OrIf} $0 != 0
      Abort "The earlier Tavrel in $R9 could not be removed, so nothing is changed."
    ${EndIf}
    Delete "$R9\${UNINSTALLER}"
    RMDir "$R9"
    !insertmacro RemoveMadeFolders $R9 $1
  ${EndIf}
  ${If} $2 == "machine"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    DeleteRegKey HKLM "${APP_PATHS_KEY}"
  ${Else}
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    DeleteRegKey HKCU "${APP_PATHS_KEY}"
  ${EndIf}
FunctionEnd

Section "Tavrel" SecProgram
  SectionIn RO
  ; Nothing changes until no Tavrel runs from this folder or from an earlier install that goes; then the earlier
  ; installs go, before this one is made.
  StrCpy $R9 $INSTDIR
  Call EnsureNotRunning
  StrCpy $R8 ""
  ${Do}
    Call NextEarlierInstall
    Call EnsureNotRunning
  ${LoopUntil} $R8 == "done"
  StrCpy $R8 ""
  ${Do}
    Call NextEarlierInstall
    Call RemoveEarlierInstall
  ${LoopUntil} $R8 == "done"
  ${If} $OldDir == ""
    Call FindMadeFolder
  ${EndIf}
  SetOutPath "$INSTDIR"
  File "/oname=tavrel.exe" "${PROGRAM}"
  File "/oname=LICENSE.txt" "${LICENSE_FILE}"
  File "/oname=THIRD-PARTY-NOTICES.txt" "${NOTICES_FILE}"
  File "/oname=${UNINSTALLER}" "${UNINSTALLER_FILE}"
  CreateShortcut "$SMPROGRAMS\Tavrel.lnk" "$INSTDIR\tavrel.exe" "" "$INSTDIR\tavrel.exe" 0 SW_SHOWNORMAL "" \
    "${DESCRIPTION}"

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Tavrel"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "VersionMajor" ${VERSION_MAJOR}
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "VersionMinor" ${VERSION_MINOR}
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Comments" "${DESCRIPTION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tavrel.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "${WEBSITE}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "HelpLink" "${WEBSITE}/tavrel/tavrel-help.html"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLUpdateInfo" "${WEBSITE}/tavrel/download-tavrel.html"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${If} $MadeFolder != ""
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "CreatedFolder" "$MadeFolder" ; removed with the program when empty
  ${EndIf}
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
  ; "tavrel" in the Run box
  WriteRegStr SHCTX "${APP_PATHS_KEY}" "" "$INSTDIR\tavrel.exe"
  WriteRegStr SHCTX "${APP_PATHS_KEY}" "Path" "$INSTDIR"
SectionEnd

Section /o "Desktop shortcut" SecDesktop
  CreateShortcut "$DESKTOP\Tavrel.lnk" "$INSTDIR\tavrel.exe" "" "$INSTDIR\tavrel.exe" 0 SW_SHOWNORMAL "" \
    "${DESCRIPTION}"
SectionEnd

Section "-No desktop shortcut"
  ${IfNot} ${SectionIsSelected} ${SecDesktop}
    Delete "$DESKTOP\Tavrel.lnk"
  ${EndIf}
SectionEnd

; An update, or a move, keeps the desktop shortcut if the earlier install has one, and leaves it out if not.
Function RememberDesktopShortcut
  ${If} $OldDir != ""
  ${OrIf} $MovedDir != ""
  ${AndIf} ${FileExists} "$DESKTOP\Tavrel.lnk"
    !insertmacro SelectSection ${SecDesktop}
  ${EndIf}
FunctionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "The Tavrel program and its Start menu entry."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecDesktop} "A shortcut to Tavrel on the desktop."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

!else
; ---- Uninstaller -----------------------------------------------------------------------------------------------

!finalize 'cp "%1" "${UNINSTALLER_OUT}" && bash "${SIGN_SCRIPT}" "${UNINSTALLER_OUT}" "${SIGN_PKCS12}" "${SIGN_TIMESTAMP}"'

!insertmacro EnsureNotRunning "was not removed"

Section "-Program"
  StrCpy $R9 $INSTDIR
  Call EnsureNotRunning
  Delete "$INSTDIR\tavrel.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\THIRD-PARTY-NOTICES.txt"
  Delete "$SMPROGRAMS\Tavrel.lnk"
  Delete "$DESKTOP\Tavrel.lnk"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  DeleteRegKey SHCTX "${APP_PATHS_KEY}"
SectionEnd

Section /o "Also remove my setting" SecSettings
  DeleteRegKey HKCU "${SETTINGS_KEY}\tavrel"
  DeleteRegKey /ifempty HKCU "${SETTINGS_KEY}"
SectionEnd

; A running program's file cannot be deleted: once this one has ended, a copy of it in the temporary folder removes
; it, then the program folder and the folders above it that the installer made, as far as they are empty.
Function .onInstSuccess
  GetTempFileName $0
  CopyFiles /SILENT "$EXEPATH" $0
  SetOutPath $TEMP ; (not in the folder that is to go)
  Exec '"$0" /S /Made=$MadeFolder /Cleanup=$INSTDIR'
FunctionEnd

Function Cleanup
  ${For} $R2 1 100 ; up to ten seconds for the uninstaller to end
    ClearErrors
    Delete "$INSTDIR\${UNINSTALLER}"
    ${IfNot} ${Errors}
      ${Break}
    ${EndIf}
    Sleep 100
  ${Next}
  RMDir "$INSTDIR"
  ${GetOptions} $Params "/Made=" $MadeFolder
  !insertmacro RemoveMadeFolders $INSTDIR $MadeFolder
  Delete /REBOOTOK "$EXEPATH"
FunctionEnd

Function .onInit
  ${GetParameters} $Params
  ClearErrors
  ${GetOptions} $Params "/Cleanup=" $INSTDIR
  ${IfNot} ${Errors}
    Call Cleanup
    Quit
  ${EndIf}
  StrCpy $INSTDIR $EXEDIR
  ReadRegStr $MachineDir HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $MachineDir != ""
  ${AndIf} $MachineDir == $INSTDIR
    SetShellVarContext all
    !insertmacro IsAdmin $1
    ${If} $1 != "Admin"
      !insertmacro HasOption "/Elevated" $0
      ${If} $0 == 0
        StrCpy $1 ""
        ${If} ${Silent}
          StrCpy $1 "/S"
        ${EndIf}
        ClearErrors
        ExecShellWait "runas" "$EXEPATH" "$1 /Elevated"
        ${IfNot} ${Errors}
          ${If} ${FileExists} "$INSTDIR\tavrel.exe"
            SetErrorLevel 2 ; not removed
          ${EndIf}
          Quit
        ${EndIf}
      ${EndIf}
      MessageBox MB_OK|MB_ICONSTOP "Tavrel is installed for everyone: removing it needs administrator rights." /SD IDOK
      SetErrorLevel 5 ; access denied
      Quit
    ${EndIf}
  ${Else}
    SetShellVarContext current
  ${EndIf}
  ReadRegStr $MadeFolder SHCTX "${UNINSTALL_KEY}" "CreatedFolder"
  !insertmacro HasOption "/RemoveSettings" $0
  ${If} $0 == 1
    !insertmacro SelectSection ${SecSettings}
  ${EndIf}
FunctionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecSettings} "The day Tavrel last offered to look for an update, kept in the registry."
!insertmacro MUI_FUNCTION_DESCRIPTION_END
!endif
