// Start-up: OLE, the current directory, the window layer and its definitions, the exit hook and
// the start window; then the main loop and shutdown.
#include <windows.h>

#include <ole2.h>

#include "shell/shell.h"
#include "shell/window_operations.h"
#include "sysinfo/library_search.h"
#include "sysinfo/startup_gate.h"
#include "windows/window_layer.h"

namespace {

// The folder of the program's own executable becomes the current directory, so that a program
// started later with no directory of its own inherits it. The path is walked character by
// character, so that the second byte of a double-byte character is never taken for a backslash.
void EnterExecutableFolder()
{
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    char* lastBackslash = nullptr;
    for (char* p = path; *p; p = CharNextA(p)) {
        if (*p == '\\') lastBackslash = p;
    }
    if (!lastBackslash) {
        SetCurrentDirectoryA("");  // fails and changes nothing
        return;
    }
    // A drive's root keeps its backslash: "C:" alone would name the drive's current folder.
    const bool driveRoot = lastBackslash == path + 2 && path[1] == ':';
    lastBackslash[driveRoot ? 1 : 0] = '\0';
    SetCurrentDirectoryA(path);
}

void ReleaseCurrentSystemName() { CurrentSystemName.Release(); }

uint32_t ProgramExitCode = 0;

}  // namespace

void SetProgramExitCode(uint32_t code) { ProgramExitCode = code; }

int RunSetupProgram()
{
    RestrictLibrarySearch();
    OleInitialize(nullptr);
    EnterExecutableFolder();
    if (!InitializeWindowLayer()) RunTimeErrorStop("The window layer could not be prepared. 窗口层无法初始化。");
    if (!ReadWindowDefinitions()) RunTimeErrorStop("The window definitions could not be loaded. 窗口定义无法加载。");
    RegisterExitHook(ReleaseCurrentSystemName);
    if (!LoadWindow(StartWindow, NoWindow, false)) {
        RunTimeErrorStop("The start window could not be loaded. 启动窗口无法加载。");
    }
    RunMainLoop();
    Shutdown();
    return static_cast<int>(ProgramExitCode);
}
