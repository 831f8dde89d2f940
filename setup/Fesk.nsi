; The setup program of Fesk: a per-user install that needs no administrator.
;
;   makensis -INPUTCHARSET UTF8 -DVERSION=2.3 -DSTAGE=<folder> -DICON=<fesk.ico>
;            -DOUTFILE=<Fesk-2.3-setup.exe> setup/Fesk.nsi
;
; STAGE holds what the zip holds: Fesk.exe, FeskINI.exe, Fesk.html, the
; sample Fesk.Ini and FESK.TBL, and お読みください.txt.  scripts/pack-release.sh
; calls this.
;
; Installs into %LOCALAPPDATA%\Programs\Fesk, where the user can write, so
; the settings stay beside the programs as in the zip.  An upgrade first ends
; a running Fesk (and FeskINI) the way a user ends it, by a close request
; that the program confirms with its own box; it never kills them.  It keeps
; the user's Fesk.Ini and FESK.TBL.  The uninstaller removes what the setup
; put there, the shortcuts, the uninstall entry and the Run value "Fesk" when
; that starts the Fesk of this folder; the settings files stay.

Unicode true
Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma

!ifndef VERSION | STAGE | ICON | OUTFILE
  !error "give -DVERSION=, -DSTAGE=, -DICON= and -DOUTFILE="
!endif

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Fesk"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define UNINSTALLER "Uninstall.exe"

Name "Fesk ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Fesk"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "$(Welcome)"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Fesk.exe"
!define MUI_FINISHPAGE_RUN_TEXT "$(StartFeskNow)"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

LangString Welcome ${LANG_JAPANESE} "Fesk ${VERSION} (マウス・アクション ランチャー) を、このユーザーのためにインストールします。管理者の権限は要りません。$\r$\n$\r$\nFesk が動作中の時は、インストールの前に終了の確認があります。設定 (Fesk.Ini, FESK.TBL) はそのまま残ります。$\r$\n$\r$\n続けるには [次へ] をクリックしてください。"
LangString StartFeskNow ${LANG_JAPANESE} "Fesk を起動する(&R)"
LangString Ending ${LANG_JAPANESE} "動作中の $0 を終了しています..."
LangString StillRunning ${LANG_JAPANESE} "$0 が動作中です。$\r$\n$\r$\n$0 を終了してから「再試行」を押してください。"
LangString LauncherShortcut ${LANG_JAPANESE} "マウス・アクションでプログラムを起動します"
LangString EditorShortcut ${LANG_JAPANESE} "FESK に登録するプログラムを設定します"
LangString SettingsKept ${LANG_JAPANESE} "設定ファイル (Fesk.Ini, FESK.TBL) は残しました: $INSTDIR"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductName" "Fesk"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileDescription" "Fesk ${VERSION} セットアップ"
VIAddVersionKey /LANG=${LANG_JAPANESE} "LegalCopyright" "Fesk"

Var FeskWasRunning

; Ends one of the programs as a user ends it: a close request to its main
; window (class $R0), which the program answers with its own question
; ("FESKを終了します。" for Fesk), then a wait until its single-instance
; mutex ($R1) is gone.  When it still runs (the user kept it, or nobody
; answered a silent setup), the user is asked to end it and retry; Cancel,
; and any silent setup, gives up.  $R2: 1 when it was running.
!macro END_PROGRAM_FUNCTION un
Function ${un}EndProgram
  StrCpy $R2 0
  retry:
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w R1) p.r1'
    ${If} $1 P= 0
      Return
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p r1)'
    StrCpy $R2 1
    DetailPrint "$(Ending)"
    FindWindow $2 $R0
    ${If} $2 P<> 0
      System::Call 'user32::PostMessageW(p r2, i ${WM_CLOSE}, p 0, p 0)'
    ${EndIf}
    ; A minute for the program to ask; while its question is up, as long as
    ; the user takes (five minutes at most); once it has gone, a few
    ; seconds for the program to end.
    StrCpy $3 0
    StrCpy $4 240
    StrCpy $6 0
    ${Do}
      Sleep 250
      System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w R1) p.r1'
      ${If} $1 P= 0
        Sleep 500  ; the process ends right after it lets the mutex go
        Return
      ${EndIf}
      System::Call 'kernel32::CloseHandle(p r1)'
      FindWindow $5 "#32770" "終了確認"
      ${If} $5 P<> 0
        StrCpy $4 20
        StrCpy $3 0
      ${EndIf}
      IntOp $3 $3 + 1
      IntOp $6 $6 + 1
      ${If} $6 >= 1200
        ${ExitDo}
      ${EndIf}
    ${LoopUntil} $3 >= $4
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(StillRunning)" /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Quit
FunctionEnd
!macroend
!insertmacro END_PROGRAM_FUNCTION ""
!insertmacro END_PROGRAM_FUNCTION "un."

!macro END_PROGRAMS un
  StrCpy $0 "FESK プログラム登録"
  StrCpy $R0 "TFFeskINI"
  StrCpy $R1 "MutexObjectForFeskINI"
  Call ${un}EndProgram
  StrCpy $0 "Fesk"
  StrCpy $R0 "TFFesk1"
  StrCpy $R1 "MutexObjectForFesk"
  Call ${un}EndProgram
!macroend

Section "Fesk"
  !insertmacro END_PROGRAMS ""
  StrCpy $FeskWasRunning $R2

  SetOutPath "$INSTDIR"
  File "${STAGE}\Fesk.exe"
  File "${STAGE}\FeskINI.exe"
  File "${STAGE}\Fesk.html"
  File "${STAGE}\お読みください.txt"
  ; The samples only where the user has no settings yet.
  SetOverwrite off
  File "${STAGE}\Fesk.Ini"
  File "${STAGE}\FESK.TBL"
  SetOverwrite on
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  CreateDirectory "$SMPROGRAMS\Fesk"
  CreateShortcut "$SMPROGRAMS\Fesk\Fesk.lnk" "$INSTDIR\Fesk.exe" "" "$INSTDIR\Fesk.exe" 0 SW_SHOWNORMAL "" "$(LauncherShortcut)"
  CreateShortcut "$SMPROGRAMS\Fesk\FeskINI.lnk" "$INSTDIR\FeskINI.exe" "" "$INSTDIR\FeskINI.exe" 0 SW_SHOWNORMAL "" "$(EditorShortcut)"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Fesk"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Fesk.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K /G=0" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

  ; A silent upgrade that ended Fesk starts it again; an interactive one
  ; offers it on its last page.
  ${If} ${Silent}
  ${AndIf} $FeskWasRunning == 1
    Exec '"$INSTDIR\Fesk.exe"'
  ${EndIf}
SectionEnd

Section "Uninstall"
  !insertmacro END_PROGRAMS "un."

  ; The Run value of "Windows起動時に自動起動", when it starts this Fesk:
  ; '"<folder>\Fesk.exe"', compared without regard to case.
  ReadRegStr $0 HKCU "${RUN_KEY}" "Fesk"
  StrCpy $1 $0 1
  ${If} $1 == '"'
    StrCpy $0 $0 "" 1
  ${EndIf}
  StrLen $2 "$INSTDIR\"
  StrCpy $1 $0 $2
  ${If} $0 != ""
  ${AndIf} $1 == "$INSTDIR\"
    DeleteRegValue HKCU "${RUN_KEY}" "Fesk"
  ${EndIf}

  Delete "$INSTDIR\Fesk.exe"
  Delete "$INSTDIR\FeskINI.exe"
  Delete "$INSTDIR\Fesk.html"
  Delete "$INSTDIR\お読みください.txt"
  ; A write the programs could not finish leaves its new content beside.
  Delete "$INSTDIR\Fesk.Ini.new"
  Delete "$INSTDIR\${UNINSTALLER}"
  Delete "$SMPROGRAMS\Fesk\Fesk.lnk"
  Delete "$SMPROGRAMS\Fesk\FeskINI.lnk"
  RMDir "$SMPROGRAMS\Fesk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; Only when empty: the user's Fesk.Ini and FESK.TBL stay.
  RMDir "$INSTDIR"
  ${If} ${FileExists} "$INSTDIR\Fesk.Ini"
  ${OrIf} ${FileExists} "$INSTDIR\FESK.TBL"
    DetailPrint "$(SettingsKept)"
  ${EndIf}
SectionEnd
