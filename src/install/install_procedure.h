#pragma once
// The installation that a setup window's 按钮4 runs: the installing page, the six files of the
// window's language in the fixed install directory, the desktop shortcut and the finish window.
// Every step is checked; a failed step is told in a box whose Retry repeats the step and whose
// Cancel ends the setup program with exit code 1, without the finish window. What was written stays.
#include "install/payload_catalogue.h"
#include "windows/identifiers.h"

void InstallProcedure(InstallLanguage language);

// The steps before the first wait: removes the six installed files. False when the user cancelled.
bool RemoveInstalledFiles(InstallLanguage language, WindowId owner);
// The steps between the waits: the install directory, the six files and the desktop shortcut.
// False when the user cancelled.
bool PlaceInstalledFiles(InstallLanguage language, WindowId owner);

// The waits before the directory is created and before the finish window opens, in milliseconds.
constexpr int32_t WaitBeforeWriting = 500;
constexpr int32_t WaitBeforeFinishing = 3000;
