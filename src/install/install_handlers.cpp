// Not built yet: the install procedure and the launch. Until then the buttons do nothing.
#include "install/install_handlers.h"

void ChineseInstall() {}
void EnglishInstall() {}
void ChineseLaunchInstalledProgram() {}
void EnglishLaunchInstalledProgram() {}
