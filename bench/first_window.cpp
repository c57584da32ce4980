// Times programs from their start to their first visible top-level window, interleaved.
//
//   first-window.exe <handshake folder> <rounds> [--hold] <program> [[--hold] <program>...]
//
// Each round starts every program in turn (the order turning by one each round) with
// CreateProcess, polls EnumWindows / IsWindowVisible for a visible top-level window of that
// process, and prints "window <n> <program> <milliseconds>" (QueryPerformanceCounter), n
// counting the measurements from 1. It then waits until the file "release-<n>" exists in the
// handshake folder (up to 120 s), so that the caller can read the process's memory, and ends
// the program. --hold passes the argument "hold" to the program that follows.
// Exit code 0 when every program showed a window; 2 when one did not.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Search {
    DWORD processId;
    bool found;
};

BOOL CALLBACK CheckWindow(HWND window, LPARAM parameter)
{
    Search* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window)) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

LARGE_INTEGER frequency;

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Program {
    const char* path;
    bool hold;
};

// Measures one program; false when it showed no window.
bool Measure(const char* folder, int number, const Program& program)
{
    char commandLine[2048];
    std::snprintf(commandLine, sizeof commandLine, "\"%s\"%s", program.path, program.hold ? " hold" : "");
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start, now;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(program.path, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "CreateProcess failed for %s: error %lu\n", program.path, GetLastError());
        return false;
    }
    Search search{process.dwProcessId, false};
    bool shown = false;
    for (;;) {
        EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
        QueryPerformanceCounter(&now);
        if (search.found) {
            shown = true;
            break;
        }
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) {
            std::fprintf(stderr, "%s ended before showing a window\n", program.path);
            break;
        }
        if (Milliseconds(start, now) > 120000.0) {
            std::fprintf(stderr, "%s showed no window within 120 s\n", program.path);
            break;
        }
        Sleep(1);
    }
    if (shown) {
        std::printf("window %d %s %.1f\n", number, program.path, Milliseconds(start, now));
        std::fflush(stdout);
        char release[1024];
        std::snprintf(release, sizeof release, "%s\\release-%d", folder, number);
        for (int i = 0; i < 12000 && GetFileAttributesA(release) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(10);
    }
    if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0 && !TerminateProcess(process.hProcess, 0)) {
        std::fprintf(stderr, "TerminateProcess failed: error %lu\n", GetLastError());
        shown = false;
    }
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return shown;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: first-window.exe <handshake folder> <rounds> [--hold] <program>...\n");
        return 1;
    }
    const char* folder = argv[1];
    const int rounds = std::atoi(argv[2]);
    Program programs[32];
    int count = 0;
    bool hold = false;
    for (int i = 3; i < argc && count < 32; ++i) {
        if (std::strcmp(argv[i], "--hold") == 0) {
            hold = true;
            continue;
        }
        programs[count++] = {argv[i], hold};
        hold = false;
    }
    QueryPerformanceFrequency(&frequency);
    int number = 0;
    for (int round = 0; round < rounds; ++round) {
        for (int i = 0; i < count; ++i) {
            if (!Measure(folder, ++number, programs[(i + round) % count])) return 2;
        }
    }
    return 0;
}
