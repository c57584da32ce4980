// The program entry: nelvar-setup.exe takes no command line.
#include <windows.h>

#include "shell/shell.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RunSetupProgram(); }
