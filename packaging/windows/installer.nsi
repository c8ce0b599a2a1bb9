; The Tavrel installer (NSIS, Modern UI 2). It installs for the current user without administrator rights unless
; "everyone who uses this computer" is chosen, puts Tavrel in the Start menu, optionally on the desktop, registers
; the uninstaller with Windows, and brings an earlier install up to date in its place.
;
; Made by the `installer` target of packaging/CMakeLists.txt:
;   makensis -DVERSION=1.15 -DFILE_VERSION=1.15.0.0 -DPROGRAM=tavrel.exe -DICON=tavrel.ico -DWIZARD_BITMAP=wizard.bmp
;            -DWEBSITE=https://... -DOUTFILE=Tavrel-1.15-setup.exe installer.nsi
;
; Command line (besides NSIS' own /S and /D=folder):
;   /AllUsers     install for everyone (asks for administrator rights)   /CurrentUser   install for the current user
; The uninstaller keeps the user's setting; its /RemoveSettings option (or the box on its page) removes it as well.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel user

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include nsDialogs.nsh
!include Sections.nsh

!define PUBLISHER "The Tavrel developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrel"
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
VIAddVersionKey /LANG=1033 "FileDescription" "Tavrel ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}"

Var Mode             ; "user" or "machine"
Var ModeFixed        ; 1 when the command line or an earlier install decides the mode
Var UserDir          ; folder of an earlier install for the current user, if any
Var MachineDir       ; folder of an earlier install for everyone, if any
Var RadioUser
Var RadioMachine

; ---- Look and texts --------------------------------------------------------------------------------------------

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WIZARD_BITMAP}"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${WIZARD_BITMAP}"
!define MUI_ABORTWARNING
!define MUI_ABORTWARNING_TEXT "Tavrel is not installed yet. Stop the installation?"
!define MUI_UNABORTWARNING

!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipWhenRelaunched
!define MUI_WELCOMEPAGE_TITLE "Tavrel ${VERSION}"
!define MUI_WELCOMEPAGE_TEXT "Tavrel gives you a reading of your sun sign on the Kabbalah Tree of Life: \
your two spheres with their archangels and chakras, and the path of the Tree that joins them.$\r$\n$\r$\n\
This puts Tavrel ${VERSION} on your computer. If Tavrel is installed already, it is brought up to date in \
the same place, and your setting is kept.$\r$\n$\r$\nPlease close Tavrel if it is open, then choose Next."
!insertmacro MUI_PAGE_WELCOME

Page custom ModePage ModePageLeave

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

!define MUI_UNCONFIRMPAGE_TEXT_TOP "Tavrel will be removed from this folder. Close Tavrel if it is open."
!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_COMPONENTSPAGE_TEXT_TOP "Tavrel keeps one setting: the day it last offered to look for an update. \
It stays unless you tick the box."
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; ---- Shared ----------------------------------------------------------------------------------------------------

; A running Tavrel holds its program file: wait until the user has closed it, or give up.
!macro EnsureNotRunning un
Function ${un}EnsureNotRunning
  retry:
  ClearErrors
  IfFileExists "$INSTDIR\tavrel.exe" 0 done
  Delete "$INSTDIR\tavrel.exe"
  IfErrors 0 done
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Tavrel is open. Please close it, then choose Retry." \
    /SD IDCANCEL IDRETRY retry
  Abort "Tavrel is open, so it cannot be changed."
  done:
FunctionEnd
!macroend
!insertmacro EnsureNotRunning ""
!insertmacro EnsureNotRunning "un."

!macro IsAdmin result
  UserInfo::GetAccountType
  Pop ${result}
!macroend

; ---- Installer -------------------------------------------------------------------------------------------------

Function SetMode ; $Mode -> shell folders, registry root and default folder
  ${If} $Mode == "machine"
    SetShellVarContext all
    StrCpy $INSTDIR "$PROGRAMFILES64\Tavrel"
    ${If} $MachineDir != ""
      StrCpy $INSTDIR $MachineDir
    ${EndIf}
  ${Else}
    SetShellVarContext current
    GetKnownFolderPath $INSTDIR {5CD7AEE2-2219-4A67-B85D-6C9CE15660CB} ; the user's own programs folder
    ${If} $INSTDIR == ""
      StrCpy $INSTDIR "$LOCALAPPDATA\Programs"
    ${EndIf}
    StrCpy $INSTDIR "$INSTDIR\Tavrel"
    ${If} $UserDir != ""
      StrCpy $INSTDIR $UserDir
    ${EndIf}
  ${EndIf}
FunctionEnd

; Starts this installer again with administrator rights, for everyone; this copy ends.
Function Relaunch
  ${GetParameters} $0
  ClearErrors
  ExecShell "runas" "$EXEPATH" "$0 /AllUsers /Elevated"
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONEXCLAMATION "Installing Tavrel for everyone needs administrator rights, which were not given." /SD IDOK
    Return
  ${EndIf}
  Quit
FunctionEnd

Function .onInit
  ReadRegStr $UserDir HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ReadRegStr $MachineDir HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${GetParameters} $0
  StrCpy $Mode "user"
  StrCpy $ModeFixed 0
  ${If} $UserDir == ""
  ${AndIf} $MachineDir != ""
  ${AndIfNot} ${Silent}
    StrCpy $Mode "machine"
  ${EndIf}
  ClearErrors
  ${GetOptions} $0 "/CurrentUser" $1
  ${IfNot} ${Errors}
    StrCpy $Mode "user"
    StrCpy $ModeFixed 1
  ${EndIf}
  ClearErrors
  ${GetOptions} $0 "/AllUsers" $1
  ${IfNot} ${Errors}
    StrCpy $Mode "machine"
    StrCpy $ModeFixed 1
    !insertmacro IsAdmin $1
    ${If} $1 != "Admin"
      ClearErrors
      ${GetOptions} $0 "/Elevated" $1
      ${If} ${Errors}
        Call Relaunch
      ${Else}
        MessageBox MB_OK|MB_ICONSTOP "Installing Tavrel for everyone needs administrator rights." /SD IDOK
      ${EndIf}
      SetErrorLevel 5 ; access denied
      Quit
    ${EndIf}
  ${EndIf}
  ; NSIS has set $INSTDIR from /D=; keep it over the defaults.
  StrCpy $2 $INSTDIR
  Call SetMode
  ${If} $2 != ""
    StrCpy $INSTDIR $2
  ${EndIf}
FunctionEnd

Function SkipWhenRelaunched
  ClearErrors
  ${GetParameters} $0
  ${GetOptions} $0 "/Elevated" $1
  ${IfNot} ${Errors}
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

Function SkipFolderWhenUpdating
  ${If} $Mode == "machine"
  ${AndIf} $MachineDir != ""
    Abort
  ${EndIf}
  ${If} $Mode == "user"
  ${AndIf} $UserDir != ""
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

Section "Tavrel" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  Call EnsureNotRunning
  File "/oname=tavrel.exe" "${PROGRAM}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortcut "$SMPROGRAMS\Tavrel.lnk" "$INSTDIR\tavrel.exe" "" "$INSTDIR\tavrel.exe" 0 SW_SHOWNORMAL "" \
    "Your sun sign on the Kabbalah Tree of Life"

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Tavrel"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\tavrel.exe",0'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "${WEBSITE}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "Desktop shortcut" SecDesktop
  CreateShortcut "$DESKTOP\Tavrel.lnk" "$INSTDIR\tavrel.exe" "" "$INSTDIR\tavrel.exe" 0 SW_SHOWNORMAL "" \
    "Your sun sign on the Kabbalah Tree of Life"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "The Tavrel program and its Start menu entry."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecDesktop} "A shortcut to Tavrel on the desktop."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; ---- Uninstaller -----------------------------------------------------------------------------------------------


Section "-un.Program"
  Call un.EnsureNotRunning
  Delete "$INSTDIR\tavrel.exe"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Tavrel.lnk"
  Delete "$DESKTOP\Tavrel.lnk"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.Also remove my setting" UnSecSettings
  DeleteRegKey HKCU "${SETTINGS_KEY}\tavrel"
  DeleteRegKey /ifempty HKCU "${SETTINGS_KEY}"
SectionEnd

Function un.onInit
  ${GetParameters} $0
  ReadRegStr $MachineDir HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $MachineDir != ""
  ${AndIf} $MachineDir == $INSTDIR
    SetShellVarContext all
    !insertmacro IsAdmin $1
    ${If} $1 != "Admin"
      ClearErrors
      ${GetOptions} $0 "/Elevated" $1
      ${If} ${Errors}
        StrCpy $1 ""
        ${If} ${Silent}
          StrCpy $1 "/S"
        ${EndIf}
        ClearErrors
        ExecShell "runas" "$INSTDIR\${UNINSTALLER}" "$1 /Elevated"
        ${IfNot} ${Errors}
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
  ClearErrors
  ${GetOptions} $0 "/RemoveSettings" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${UnSecSettings}
  ${EndIf}
FunctionEnd

!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${UnSecSettings} "The day Tavrel last offered to look for an update, kept in the registry."
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END
