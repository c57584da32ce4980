// Binding of the declared version services: the real lookup on the platform, and a function
// that cannot be bound, which stops the program with a message naming library and function.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "fake_version_services.h"
#include "sysinfo/bound_functions.h"
#include "sysinfo/product_name.h"

namespace {

std::vector<std::string> StopMessages;

// Stands in for the run-time error stop: records the message and, like the stop, never returns
// to its caller: it ends the thread that runs the routine.
void RecordStopAndEndThread(const char* message)
{
    StopMessages.push_back(message);
    ExitThread(0xFFFFFFFFu);
}

void RecordStop(const char* message) { StopMessages.push_back(message); }

class StopReplaced {
public:
    explicit StopReplaced(void (*stop)(const char*))
    {
        StopMessages.clear();
        UnboundFunctionStop = stop;
    }
    ~StopReplaced() { UnboundFunctionStop = StopOnUnboundFunction; }
};

// A fake platform of the version that lacks one export, bound in place of the real functions,
// with the stop replaced by one that ends the routine's thread.
struct PlatformWithoutExport {
    PlatformWithoutExport(const char* missing, int32_t major, int32_t minor)
    {
        platform.major = major;
        platform.minor = minor;
        platform.unexported.insert(missing);
    }
    FakePlatform platform;
    FakeVersionServices fake{platform};
    StopReplaced stop{RecordStopAndEndThread};
};

struct RoutineRun {
    bool returned = false;
};

DWORD WINAPI RunRoutine(void* parameter)
{
    const Text name = GetWindowsProductName();
    static_cast<RoutineRun*>(parameter)->returned = true;
    return 0;
}

// Runs the routine on a thread of its own, so that a stop that ends the thread ends only it.
DWORD RunRoutineOnThread(RoutineRun& run)
{
    const HANDLE thread = CreateThread(nullptr, 0, RunRoutine, &run, 0, nullptr);
    if (!thread) return 0;
    WaitForSingleObject(thread, INFINITE);
    DWORD exitCode = 0;
    GetExitCodeThread(thread, &exitCode);
    CloseHandle(thread);
    return exitCode;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(FunctionBinding, UnboundFunctionStopsBeforeItWouldRun)
{
    struct Case {
        const char* missing;
        const char* library;
        int32_t major;
        int32_t minor;
        std::vector<std::string> callsBeforeStop;
    };
    const Case cases[] = {
        {"GetVersionExA", "kernel32.dll", 10, 0, {}},
        {"GetSystemInfo", "kernel32.dll", 10, 0, {"GetVersionExA"}},
        {"IsWow64Process", "kernel32.dll", 6, 1, {"GetVersionExA", "GetSystemInfo"}},
        {"RtlGetNtVersionNumbers", "ntdll.dll", 6, 1, {"GetVersionExA", "GetSystemInfo", "IsWow64Process"}},
        {"GetSystemMetrics", "User32.dll", 5, 2,
         {"GetVersionExA", "GetSystemInfo", "IsWow64Process", "RtlGetNtVersionNumbers"}},
        {"RtlGetProductInfo", "ntdll.dll", 10, 0,
         {"GetVersionExA", "GetSystemInfo", "IsWow64Process", "RtlGetNtVersionNumbers"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.missing);
        PlatformWithoutExport without(c.missing, c.major, c.minor);
        FakePlatform& platform = without.platform;

        RoutineRun run;
        const DWORD exitCode = RunRoutineOnThread(run);

        EXPECT_EQ(exitCode, 0xFFFFFFFFu) << "the stop ends the routine";
        EXPECT_FALSE(run.returned) << "the routine never returns after the stop";
        EXPECT_EQ(platform.calls, c.callsBeforeStop);
        ASSERT_EQ(StopMessages.size(), 1u);
        EXPECT_TRUE(Contains(StopMessages[0], c.library)) << StopMessages[0];
        EXPECT_TRUE(Contains(StopMessages[0], c.missing)) << StopMessages[0];
    }
}

TEST(FunctionBinding, PathsNotTakenNeverReachAMissingFunction)
{
    // A 6.1 system never asks for GetSystemMetrics, a 5.1 system never for RtlGetProductInfo.
    struct Case {
        const char* missing;
        int32_t major;
        int32_t minor;
        const char* expected;
    };
    const Case cases[] = {
        {"GetSystemMetrics", 6, 1, "Windows 7"},
        {"RtlGetProductInfo", 5, 1, "Windows XP"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.missing);
        PlatformWithoutExport without(c.missing, c.major, c.minor);

        RoutineRun run;
        EXPECT_EQ(RunRoutineOnThread(run), 0u);
        EXPECT_TRUE(run.returned);
        EXPECT_TRUE(StopMessages.empty());
    }
}

TEST(FunctionBinding, RealLookupFindsEachDeclaredFunctionInItsSystemLibrary)
{
    ForgetBoundFunctions();
    for (DeclaredFunction& function : DeclaredFunctions) {
        SCOPED_TRACE(function.name);
        const HMODULE module = LoadLibraryA(function.library);
        ASSERT_NE(module, nullptr) << function.library;
        const auto expected = reinterpret_cast<FunctionAddress>(GetProcAddress(module, function.name));
        ASSERT_NE(expected, nullptr) << "the platform lacks the function";

        EXPECT_EQ(BindFunction(function), expected);
        EXPECT_EQ(function.address, expected) << "the address is kept";
    }
    ForgetBoundFunctions();
}

TEST(FunctionBinding, RealLookupReportsWhatCannotBeBound)
{
    struct Case {
        const char* library;
        const char* name;
    };
    const Case cases[] = {
        {"kernel32.dll", "NelvarNoSuchExport"},
        {"ntdll.dll", "RtlNelvarNoSuchExport"},
        {"nelvar_no_such_library.dll", "GetVersionExA"},
    };
    StopReplaced stop(RecordStop);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StopMessages.clear();
        DeclaredFunction function = {c.library, c.name, nullptr};

        EXPECT_EQ(BindFunction(function), nullptr);

        ASSERT_EQ(StopMessages.size(), 1u);
        EXPECT_TRUE(Contains(StopMessages[0], c.library)) << StopMessages[0];
        EXPECT_TRUE(Contains(StopMessages[0], c.name)) << StopMessages[0];
    }
}
