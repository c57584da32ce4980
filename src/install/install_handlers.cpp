#include "install/install_handlers.h"

#include "install/install_procedure.h"
#include "install/launch.h"

void ChineseInstall() { InstallProcedure(InstallLanguage::Chinese); }
void EnglishInstall() { InstallProcedure(InstallLanguage::English); }
void ChineseLaunchInstalledProgram() { LaunchInstalledProgram(InstallLanguage::Chinese, ChineseFinishWindow); }
void EnglishLaunchInstalledProgram() { LaunchInstalledProgram(InstallLanguage::English, EnglishFinishWindow); }
