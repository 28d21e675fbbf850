; The Quill Box installer and its uninstaller, for one architecture.
; scripts/package.sh compiles it with:
;   /DARCH=x64|x86       which program it installs (x64 is built as a 64-bit installer)
;   /DVERSION=1.1.0      the program's version; /DFILE_VERSION=1.1.0.0 for the version resource
;   /DSTAGE=<folder>     the files to install, as they lie beside the program
;   /DFILES=<file.nsh>   the install and uninstall lines for exactly those files
;   /DSIZE_KB=<n>        their size, shown in the Apps list
;   /DICON=<file.ico>     the program's icon, for the setup and the uninstaller
;   /DOUTFILE=<file.exe>
; Silent mode (/S) and a chosen folder (/D=C:\Path, last on the command line) work as in
; every NSIS installer.

Unicode true
!if "${ARCH}" == "x64"
  Target amd64-unicode
  !define PROGRAM_FILES "$PROGRAMFILES64"
!else
  Target x86-unicode
  !define PROGRAM_FILES "$PROGRAMFILES"
!endif

!define PRODUCT "Quill Box"
!define PUBLISHER "Quill Box"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\QuillBox"
!define UNINSTALLER "uninstall.exe"
; The names the program window and the console program hold while they run.
!define INSTANCE_NAME "VantorelQuillbox"
!define COMPANION_NAME "VantorelQuillboxCli"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "${PROGRAM_FILES}\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
; A program file that cannot be written stops the setup (in silent mode too) instead of
; being skipped while the setup reports success.
AllowSkipFiles off
SetCompressor /SOLID lzma
ManifestDPIAware true
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${FILE_VERSION}"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} ${VERSION} setup (${ARCH})"
VIAddVersionKey /LANG=0 "FileVersion" "${FILE_VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${FILE_VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PUBLISHER}"

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\QuillBox.exe"

!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"

LangString RunningText ${LANG_ENGLISH} "Quill Box or its console program is running, so its files can be neither replaced nor removed. Close it, then choose Retry. In use:"
LangString RunningText ${LANG_GERMAN} "Quill Box oder sein Konsolenprogramm wird ausgeführt, daher können seine Dateien weder ersetzt noch entfernt werden. Schließen Sie es, und klicken Sie dann auf „Wiederholen“. In Verwendung:"
LangString RunningText ${LANG_FRENCH} "Quill Box ou son programme en console est en cours d'exécution : ses fichiers ne peuvent être ni remplacés ni supprimés. Fermez-le, puis choisissez Recommencer. En cours d'utilisation :"
LangString NotRemovedText ${LANG_ENGLISH} "Some files of Quill Box could not be removed. Close every Quill Box program, then run the uninstaller again."
LangString NotRemovedText ${LANG_GERMAN} "Einige Dateien von Quill Box konnten nicht entfernt werden. Schließen Sie alle Quill Box-Programme, und führen Sie die Deinstallation erneut aus."
LangString NotRemovedText ${LANG_FRENCH} "Certains fichiers de Quill Box n'ont pas pu être supprimés. Fermez tous les programmes Quill Box, puis relancez la désinstallation."
LangString KeptText ${LANG_ENGLISH} "Quill Box is removed. Your backups and the error log were kept:"
LangString KeptText ${LANG_GERMAN} "Quill Box wurde entfernt. Ihre Sicherungen und das Fehlerprotokoll wurden behalten:"
LangString KeptText ${LANG_FRENCH} "Quill Box a été supprimé. Vos sauvegardes et le journal des erreurs ont été conservés :"

!include "${FILES}"

; Files in use cannot be replaced or removed, and the program and its console program may
; run from another folder or a copy: a running one is known by the name it holds, a program
; file in use by the system's refusal to open it for writing. Leaves what is in use in $0,
; empty when nothing is.
!macro FileInUse file
  ${If} $0 == ""
  ${AndIf} ${FileExists} "$INSTDIR\${file}"
    ClearErrors
    FileOpen $1 "$INSTDIR\${file}" a
    ${If} ${Errors}
      StrCpy $0 "$INSTDIR\${file}"
    ${Else}
      FileClose $1
    ${EndIf}
  ${EndIf}
!macroend
!macro NameHeld name program
  ${If} $0 == ""
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${name}") p .r1'
    ${If} $1 P<> 0
      System::Call 'kernel32::CloseHandle(p r1)'
      StrCpy $0 "${program}"
    ${EndIf}
  ${EndIf}
!macroend
!macro ProgramInUse un
  Function ${un}ProgramInUse
    StrCpy $0 ""
    !insertmacro NameHeld "${INSTANCE_NAME}" "QuillBox.exe"
    !insertmacro NameHeld "${COMPANION_NAME}" "quillbox-cli.exe"
    !insertmacro ForEachProgram FileInUse
  FunctionEnd
!macroend
!insertmacro ProgramInUse ""
!insertmacro ProgramInUse "un."

; Asks until nothing is in use. In silent mode there is nobody to ask, so the setup stops
; with status 2 before it has touched anything.
!macro WaitForProgramToClose un
  Function ${un}WaitForProgramToClose
    retry:
    Call ${un}ProgramInUse
    ${If} $0 != ""
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(RunningText)$\r$\n$0" /SD IDCANCEL IDRETRY retry
      SetErrorLevel 2
      Quit
    ${EndIf}
  FunctionEnd
!macroend
!insertmacro WaitForProgramToClose ""
!insertmacro WaitForProgramToClose "un."

; The folder chosen on the directory page may hold a copy in use.
Function DirectoryLeave
  Call ProgramInUse
  ${If} $0 != ""
    MessageBox MB_OK|MB_ICONEXCLAMATION "$(RunningText)$\r$\n$0"
    Abort
  ${EndIf}
FunctionEnd

Function .onInit
  !if "${ARCH}" == "x64"
    SetRegView 64
  !endif
  Call WaitForProgramToClose
FunctionEnd

Section "Quill Box" SecProgram
  SectionIn RO
  SetShellVarContext all
  !insertmacro InstallFiles
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\QuillBox.exe" "" "$INSTDIR\QuillBox.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\QuillBox.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function un.onInit
  !if "${ARCH}" == "x64"
    SetRegView 64
  !endif
  Call un.WaitForProgramToClose
FunctionEnd

; Removes what the installer put there and nothing else: the backups the cleaner wrote
; (Backups\), the error log and anything else the user keeps in the folder stay, and the
; folder with them.
Section "Uninstall"
  SetShellVarContext all
  ; A file that cannot be removed keeps the uninstaller and the entry, so that the user can
  ; run it again once the file is free; the removal is not reported as done.
  ClearErrors
  !insertmacro UninstallFiles
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONSTOP "$(NotRemovedText)" /SD IDOK
    SetErrorLevel 2
    Abort
  ${EndIf}
  !insertmacro RemoveFolders
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  StrCpy $1 ""
  ${If} ${FileExists} "$INSTDIR\Backups\*.*"
    StrCpy $1 "$1$\r$\n$INSTDIR\Backups"
  ${EndIf}
  ${If} ${FileExists} "$INSTDIR\PROGRAM.LOG"
    StrCpy $1 "$1$\r$\n$INSTDIR\PROGRAM.LOG"
  ${EndIf}
  SetShellVarContext current
  ${If} ${FileExists} "$LOCALAPPDATA\${PRODUCT}\Backups\*.*"
    StrCpy $1 "$1$\r$\n$LOCALAPPDATA\${PRODUCT}\Backups"
  ${EndIf}
  ${If} $1 != ""
    DetailPrint "$(KeptText)$1"
    MessageBox MB_OK|MB_ICONINFORMATION "$(KeptText)$\r$\n$1" /SD IDOK
  ${EndIf}
SectionEnd
