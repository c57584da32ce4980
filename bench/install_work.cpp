// The install work of the setup program against raw writes of the same bytes, in one process,
// interleaved.
//
//   install-work.exe <repetitions> <wait repetitions>
//
// Each repetition times, in turn:
//   raw    CreateDirectoryA and six CreateFileA / WriteFile / CloseHandle of the six installed
//          files (the install directory is emptied first, outside the timing);
//   steps  the setup program's own steps apart from the two waits: the removal of the six
//          files, the install directory, the six writes and the desktop shortcut.
//   parts  the same steps once more, each part timed alone: the six removals, the install
//          directory with the six writes, and the desktop shortcut;
// Then each of the two waits runs <wait repetitions> times, with the process's CPU time (user
// and kernel) read before and after.
// Prints one line per figure and repetition: "<figure> <value>", times in milliseconds.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "install/file_operations.h"
#include "install/install_procedure.h"
#include "install/message_wait.h"
#include "install/payload_catalogue.h"
#include "install/shortcut.h"

namespace {

LARGE_INTEGER frequency;

double Now()
{
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double ProcessCpuMilliseconds()
{
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) {
        std::fprintf(stderr, "GetProcessTimes failed: error %lu\n", GetLastError());
        std::exit(1);
    }
    const auto value = [](FILETIME t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
    };
    return (value(kernel) + value(user)) / 10000.0;
}

void Fail(const char* what, const char* path)
{
    std::fprintf(stderr, "%s failed for %s: error %lu\n", what, path, GetLastError());
    std::exit(1);
}

// The six installed files are removed, outside any timing.
void EmptyInstallDirectory()
{
    const PayloadEntry* const* files = InstallList(InstallLanguage::English);
    for (uint32_t i = 0; i < InstallFileCount; ++i) {
        const Text path = InstallPath(files[i]->name);
        if (!DeleteFileA(path.Bytes()) && GetLastError() != ERROR_FILE_NOT_FOUND && GetLastError() != ERROR_PATH_NOT_FOUND) {
            Fail("DeleteFileA", path.Bytes());
        }
    }
}

void RawWrites()
{
    if (!CreateDirectoryA(InstallRoot, nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) Fail("CreateDirectoryA", InstallRoot);
    const PayloadEntry* const* files = InstallList(InstallLanguage::English);
    for (uint32_t i = 0; i < InstallFileCount; ++i) {
        const Text path = InstallPath(files[i]->name);
        HANDLE file = CreateFileA(path.Bytes(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) Fail("CreateFileA", path.Bytes());
        const ByteView bytes = files[i]->Bytes();
        DWORD written = 0;
        if (!WriteFile(file, bytes.bytes, bytes.length, &written, nullptr) || written != bytes.length) Fail("WriteFile", path.Bytes());
        if (!CloseHandle(file)) Fail("CloseHandle", path.Bytes());
    }
}

void SetupSteps()
{
    if (!RemoveInstalledFiles(InstallLanguage::English, NoWindow)) Fail("RemoveInstalledFiles", InstallRoot);
    if (!PlaceInstalledFiles(InstallLanguage::English, NoWindow)) Fail("PlaceInstalledFiles", InstallRoot);
}

// The setup steps' parts, each timed alone.
void TimeSetupStepParts()
{
    const PayloadEntry* const* files = InstallList(InstallLanguage::English);
    double start = Now();
    for (uint32_t i = 0; i < InstallFileCount; ++i) {
        const Text path = InstallPath(files[i]->name);
        if (!RemoveFileIfPresent(path.Bytes())) Fail("RemoveFileIfPresent", path.Bytes());
    }
    std::printf("removals-ms %.2f\n", Now() - start);
    start = Now();
    if (!CreateDirectoryIfMissing(InstallRoot)) Fail("CreateDirectoryIfMissing", InstallRoot);
    for (uint32_t i = 0; i < InstallFileCount; ++i) {
        const Text path = InstallPath(files[i]->name);
        if (!WriteBytesToFile(path.Bytes(), files[i]->Bytes())) Fail("WriteBytesToFile", path.Bytes());
    }
    std::printf("directory-and-writes-ms %.2f\n", Now() - start);
    start = Now();
    Text shortcutPath;
    if (!CreateDesktopShortcut(&shortcutPath)) Fail("CreateDesktopShortcut", shortcutPath.Bytes());
    std::printf("shortcut-ms %.2f\n", Now() - start);
}

void TimeWait(const char* figure, int32_t milliseconds)
{
    const double cpuBefore = ProcessCpuMilliseconds();
    const double before = Now();
    WaitDispatchingMessages(milliseconds);
    const double wall = Now() - before;
    const double cpu = ProcessCpuMilliseconds() - cpuBefore;
    std::printf("%s-cpu-ms %.1f\n%s-wall-ms %.1f\n", figure, cpu, figure, wall);
}

}  // namespace

int main(int argc, char** argv)
{
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 15;
    const int waitRepetitions = argc > 2 ? std::atoi(argv[2]) : 3;
    QueryPerformanceFrequency(&frequency);
    if (FAILED(OleInitialize(nullptr))) Fail("OleInitialize", "");

    uint64_t payloadBytes = 0;
    const PayloadEntry* const* files = InstallList(InstallLanguage::English);
    for (uint32_t i = 0; i < InstallFileCount; ++i) payloadBytes += files[i]->Bytes().length;
    std::printf("installed-bytes %llu\n", static_cast<unsigned long long>(payloadBytes));

    // One untimed round of each, so that neither pays for first use alone.
    EmptyInstallDirectory();
    RawWrites();
    SetupSteps();
    for (int r = 0; r < repetitions; ++r) {
        EmptyInstallDirectory();
        double start = Now();
        RawWrites();
        std::printf("raw-writes-ms %.2f\n", Now() - start);
        // The setup steps find the six files in place and remove them first, as on a second install.
        start = Now();
        SetupSteps();
        std::printf("install-steps-ms %.2f\n", Now() - start);
        TimeSetupStepParts();
        std::fflush(stdout);
    }
    for (int r = 0; r < waitRepetitions; ++r) {
        TimeWait("wait-before-writing", WaitBeforeWriting);
        TimeWait("wait-before-finishing", WaitBeforeFinishing);
        std::fflush(stdout);
    }
    OleUninitialize();
    return 0;
}
