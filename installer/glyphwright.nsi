; The Windows installer: Glyphwright and its help for the current user, with
; no administrator's rights asked; a Start menu shortcut, the .glw file type
; and an uninstaller listed among the installed programs.
; makensis -DPROGRAM=glyphwright.exe -DHELP=glyphwright.html -DICON=program.ico -DOUTFILE=setup.exe
!include MUI2.nsh

; A 64-bit installer, as the program is 64-bit (and Wine runs it without its 32-bit part).
Target amd64-unicode
Name "Glyphwright"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Glyphwright"
SetCompressor /SOLID lzma

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Glyphwright"
; The values the program itself checks at start, so that it asks nothing.
!define CLASSES "Software\Classes"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\glyphwright.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "/oname=glyphwright.exe" "${PROGRAM}"
    File "/oname=glyphwright.html" "${HELP}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Glyphwright.lnk" "$INSTDIR\glyphwright.exe"

    WriteRegStr HKCU "${CLASSES}\.glw" "" "GLWfile"
    WriteRegStr HKCU "${CLASSES}\GLWfile" "" "Glyphwright File"
    WriteRegStr HKCU "${CLASSES}\GLWfile\DefaultIcon" "" "$INSTDIR\glyphwright.exe, 1"
    WriteRegStr HKCU "${CLASSES}\GLWfile\Shell\open\command" "" '"$INSTDIR\glyphwright.exe" %1'

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Glyphwright"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "1.4"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Brellow Software"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\glyphwright.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\Glyphwright.lnk"
    Delete "$INSTDIR\glyphwright.exe"
    Delete "$INSTDIR\glyphwright.html"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"

    ; The file type only while it is still this program's.
    ReadRegStr $0 HKCU "${CLASSES}\.glw" ""
    StrCmp $0 "GLWfile" 0 +2
        DeleteRegKey HKCU "${CLASSES}\.glw"
    DeleteRegKey HKCU "${CLASSES}\GLWfile"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ; The preferences, which the program writes when it ends.
    DeleteRegKey HKCU "Software\Brellow Software\Glyphwright"
    DeleteRegKey /ifempty HKCU "Software\Brellow Software"
SectionEnd
