; The Quillmere setup: installs the program folder for the current user, without administrator
; rights, and writes an uninstaller that takes it away again.
;   makensis -WX -INPUTCHARSET UTF8 -DSTAGE=STAGE_FOLDER -DOUTFILE=SETUP.exe [-DSIGNER=SIGN_PROGRAM] Quillmere.nsi
; STAGE_FOLDER holds the folder Quillmere/ with what is installed, quillmere.ico, version.nsh,
; names.nsh (the names that the programs and the setup share) and books.nsh (the plan books);
; SIGN_PROGRAM, given the path of the uninstaller, signs it in place.
; The setup and the uninstaller speak English or Spanish, after the Windows display language.
Unicode true
Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma

!include LogicLib.nsh
!include MUI2.nsh
!include Sections.nsh
!include "${STAGE}/version.nsh"
!include "${STAGE}/names.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillmere"
; Exit code of a silent setup that found the reader open and changed nothing.
!define READER_OPEN_EXIT_CODE 2

Name "Quillmere"
Caption "$(SetupCaption)"
UninstallCaption "$(UninstallCaption)"
BrandingText "${CAPTION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Quillmere"
; An upgrade goes where the installed version is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

!ifdef SIGNER
    !uninstfinalize '"${SIGNER}" "%1"'
!endif

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey ProductName "Quillmere"
VIAddVersionKey CompanyName "Quillmere"
VIAddVersionKey LegalCopyright "The Quillmere developers"
VIAddVersionKey FileDescription "${CAPTION} Setup"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey ProductVersion "${VERSION}"

!define MUI_ICON "${STAGE}/quillmere.ico"
!define MUI_UNICON "${STAGE}/quillmere.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${READER_FILE_NAME}"
!define MUI_FINISHPAGE_RUN_TEXT "$(ShowVerseNow)"

!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Spanish"

; Our own texts; the standard pages take theirs from NSIS's language files.
LangString SetupCaption ${LANG_ENGLISH} "${CAPTION} Setup"
LangString SetupCaption ${LANG_SPANISH} "Instalación de ${CAPTION}"
LangString UninstallCaption ${LANG_ENGLISH} "${CAPTION} Uninstall"
LangString UninstallCaption ${LANG_SPANISH} "Desinstalación de ${CAPTION}"
LangString ShowVerseNow ${LANG_ENGLISH} "Show today's verse now"
LangString ShowVerseNow ${LANG_SPANISH} "Mostrar ahora el versículo de hoy"
LangString CloseReader ${LANG_ENGLISH} "Quillmere is open. Close it, then choose Retry."
LangString CloseReader ${LANG_SPANISH} "Quillmere está abierto. Ciérrelo y elija Reintentar."
LangString ProgramDescription ${LANG_ENGLISH} "The reader, the scheduler, the book tool and the Book of Proverbs, two or three verses a day."
LangString ProgramDescription ${LANG_SPANISH} "El lector, el planificador, la herramienta de libros y el libro de los Proverbios, con dos o tres versículos al día."

; NSIS speaks the language of the Windows display where the setup has it, in any of its countries
; (Spanish of Mexico reads Spanish), and else the first one loaded, English; no dialog asks, so a
; silent setup and the uninstaller follow it too.

; The programs cannot be replaced while a reader of this folder runs, whatever its version: the
; running program's file cannot be opened for writing. A silent run ends with an exit code and
; changes nothing, and a user is asked to close the reader.
!macro WaitForReaderClosed
    ${Do}
        ${IfNot} ${FileExists} "$INSTDIR\${READER_FILE_NAME}"
            ${Break}
        ${EndIf}
        ClearErrors
        FileOpen $0 "$INSTDIR\${READER_FILE_NAME}" a
        ${IfNot} ${Errors}
            FileClose $0
            ${Break}
        ${EndIf}
        ${If} ${Silent}
            SetErrorLevel ${READER_OPEN_EXIT_CODE}
            Quit
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(CloseReader)" IDRETRY +2
        Quit
    ${Loop}
!macroend

; Asks a waiting scheduler to end, and waits up to five seconds until it has, so that its program
; file is free.
!macro StopScheduler
    ${If} ${FileExists} "$INSTDIR\${SCHEDULER_FILE_NAME}"
        ExecWait '"$INSTDIR\${SCHEDULER_FILE_NAME}" QUIT'
    ${EndIf}
    ${For} $1 1 50
        FindWindow $0 "${SCHEDULER_WINDOW_CLASS}" "${SCHEDULER_WINDOW_TITLE}"
        ${If} $0 == 0
            ${Break}
        ${EndIf}
        Sleep 100
    ${Next}
!macroend

Section "Quillmere" Program
    SectionIn RO
    !insertmacro WaitForReaderClosed
    SetOutPath "$INSTDIR"
    !insertmacro StopScheduler
    File "${STAGE}/Quillmere/${READER_FILE_NAME}"
    File "${STAGE}/Quillmere/${SCHEDULER_FILE_NAME}"
    File "${STAGE}/Quillmere/quillbook.exe"
    File "${STAGE}/Quillmere/${DEFAULT_BOOK_FILE_NAME}"
    File "${STAGE}/Quillmere/${CHIME_FILE_NAME}"
    File "${STAGE}/Quillmere/README.txt"
    File "${STAGE}/Quillmere/LEAME.txt"
    File "${STAGE}/Quillmere/LICENSE"
    File "${STAGE}/Quillmere/readings-example.txt"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Quillmere.lnk" "$INSTDIR\${READER_FILE_NAME}"
SectionEnd

!include /CHARSET=UTF8 "${STAGE}/books.nsh"

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${Program} "$(ProgramDescription)"
    !insertmacro DescribePlanBooks
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Section "-Register"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Quillmere"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Quillmere"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${PRODUCT_URL}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${READER_FILE_NAME},0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    SectionGetSize ${Program} $0
    !insertmacro AddPlanBookSizes
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1

    ; A daily start that was armed before the upgrade stays armed.
    ${If} ${FileExists} "$INSTDIR\${SCHEDULE_FILE_NAME}"
        Exec '"$INSTDIR\${SCHEDULER_FILE_NAME}"'
    ${EndIf}
SectionEnd

Section "Uninstall"
    !insertmacro WaitForReaderClosed
    !insertmacro StopScheduler
    SetShellVarContext all
    Delete "$SMSTARTUP\${SCHEDULER_LINK_NAME}"
    SetShellVarContext current
    Delete "$SMSTARTUP\${SCHEDULER_LINK_NAME}"
    Delete "$INSTDIR\${READER_FILE_NAME}"
    Delete "$INSTDIR\${SCHEDULER_FILE_NAME}"
    Delete "$INSTDIR\quillbook.exe"
    Delete "$INSTDIR\${DEFAULT_BOOK_FILE_NAME}"
    !insertmacro DeletePlanBooks
    Delete "$INSTDIR\${CHIME_FILE_NAME}"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LEAME.txt"
    Delete "$INSTDIR\LICENSE"
    Delete "$INSTDIR\readings-example.txt"
    Delete "$INSTDIR\${SETTINGS_FILE_NAME}"
    Delete "$INSTDIR\${SETTINGS_FILE_NAME}.new"
    Delete "$INSTDIR\${SCHEDULE_FILE_NAME}"
    Delete "$INSTDIR\${SCHEDULE_FILE_NAME}.new"
    Delete "$INSTDIR\${PROGRESS_FILE_NAME}"
    Delete "$INSTDIR\${PROGRESS_FILE_NAME}.new"
    Delete "$INSTDIR\Uninstall.exe"
    ; Only an empty folder goes: books that the user added stay.
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Quillmere.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
