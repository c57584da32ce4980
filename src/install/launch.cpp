#include "install/launch.h"

#include <windows.h>

#include "install/failure_box.h"
#include "shell/window_operations.h"

bool RunProgram(const char* programPath, const char* currentDirectory)
{
    const Text opened = JoinTexts("\"", programPath);
    const Text quoted = JoinTexts(opened.Bytes(), "\"");
    // The command line must be writable memory.
    char commandLine[MAX_PATH + 2];
    if (quoted.Length() >= sizeof(commandLine)) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    CopyMemory(commandLine, quoted.Bytes(), quoted.Length() + 1);

    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(programPath, commandLine, nullptr, nullptr, FALSE, 0, nullptr, currentDirectory, &startup,
                        &process)) {
        return false;
    }
    // The wait only lets the program come up before the setup program goes on; it has started either way.
    WaitForInputIdle(process.hProcess, 1000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

void LaunchInstalledProgram(InstallLanguage language, WindowId finishWindow)
{
    const Text program = InstallPath(MainProgramName);
    if (!RunProgram(program.Bytes(), InstallRoot)) {
        TellFailure(language, FailedStep::Launch, program.Bytes(), GetLastError(), finishWindow);
    }
    DestroyWindowRequest(finishWindow);
}
