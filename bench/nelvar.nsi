; The same job as nelvar-setup.exe, done the way most installers do it, for comparison.
;   makensis -DPAYLOAD=<payload folder> -DLICENSE_ZH=<file> -DLICENSE_EN=<file> -DOUTFILE=<exe>
;            [-DNOCOMPRESS] [-DNOFILES] nelvar.nsi
; NOCOMPRESS stores everything uncompressed; NOFILES leaves out the six files (the stub alone).
Unicode true
!include "MUI2.nsh"

!ifdef NOCOMPRESS
SetCompress off
!endif

Name "nelvar"
OutFile "${OUTFILE}"
InstallDir "C:\Program Files\nelvar"
RequestExecutionLevel admin

!define MUI_FINISHPAGE_RUN "$INSTDIR\nelvar.exe"

!insertmacro MUI_PAGE_LICENSE $(AgreementText)
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_RESERVEFILE_LANGDLL

LicenseLangString AgreementText ${LANG_SIMPCHINESE} "${LICENSE_ZH}"
LicenseLangString AgreementText ${LANG_ENGLISH} "${LICENSE_EN}"

Function .onInit
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Section "nelvar"
  SetOutPath "$INSTDIR"
!ifndef NOFILES
  File "${PAYLOAD}/Corvex.exe"
  StrCmp $LANGUAGE ${LANG_SIMPCHINESE} 0 english
    File "/oname=nelvar.exe" "${PAYLOAD}/zh/nelvar.exe"
    Goto main_placed
  english:
    File "/oname=nelvar.exe" "${PAYLOAD}/en/nelvar.exe"
  main_placed:
  File "${PAYLOAD}/Lumbra.dll"
  File "${PAYLOAD}/Fenwy.dll"
  File "${PAYLOAD}/Pellot.png"
  File "${PAYLOAD}/Pellot2.jpg"
!endif
  CreateShortcut "$DESKTOP\nelvar.lnk" "$INSTDIR\nelvar.exe"
SectionEnd
