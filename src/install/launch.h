#pragma once
// Starting the installed main program.
#include "install/payload_catalogue.h"
#include "windows/identifiers.h"

// Starts the program by its full path (never searched for), with that path in quotation marks
// as its command line, in the given current directory; waits at most 1000 ms for it to become
// idle and keeps no hold on it. On failure the last error holds the reason.
bool RunProgram(const char* programPath, const char* currentDirectory);

// Starts the installed main program in the install directory, tells a failure in a box of the
// language, and asks for the finish window to go.
void LaunchInstalledProgram(InstallLanguage language, WindowId finishWindow);
