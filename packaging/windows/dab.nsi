; dab-setup.exe: dab for one user, in a folder of that user's, so the program keeps the child's pictures
; beside itself as it always has. The uninstaller removes what was installed, by name, and so never a
; picture the child saved. Made by makensis with PROGRAM (dab32.exe), FILES (the generated data-file
; macros DAB_INSTALL_DATA and DAB_REMOVE_DATA), SETTINGS (the parents' dab.ini, every key commented out)
; and OUTFILE defined.
; 64-bit, so that it runs where the 64-bit program does (Wine without its 32-bit half too).
Target amd64-unicode
SetCompressor /SOLID lzma
Name "dab"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\dab"
ShowInstDetails nevershow
!include "${FILES}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\dab"

Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "dab"
  SetOutPath "$INSTDIR"
  File "${PROGRAM}"
  File "${SETTINGS}"
  !insertmacro DAB_INSTALL_DATA
  WriteUninstaller "$INSTDIR\uninstall.exe"
  ; The shortcut's working folder is the output path set above: the program's own folder.
  CreateShortcut "$SMPROGRAMS\dab.lnk" "$INSTDIR\dab32.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "dab"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\dab32.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\dab.lnk"
  Delete "$INSTDIR\dab32.exe"
  Delete "$INSTDIR\dab.ini"
  !insertmacro DAB_REMOVE_DATA
  Delete "$INSTDIR\uninstall.exe"
  ; Removed only when empty: the child's saved pictures keep the folder.
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
