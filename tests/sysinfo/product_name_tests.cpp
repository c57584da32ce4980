// The Windows product name, with fake version services: every row of the name table, the
// product-type check, and which services are bound and called on each path.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "fake_version_services.h"
#include "sysinfo/product_name.h"

namespace {

// Which services a run reaches.
enum class Reach {
    VersionOnly,      // GetVersionExA failed
    Base,             // GetVersionExA, GetSystemInfo, IsWow64Process, RtlGetNtVersionNumbers
    WithMetrics,      // ... then GetSystemMetrics (version 5.2 only)
    WithProductInfo,  // ... then RtlGetProductInfo (major >= 6 only)
};

std::vector<std::string> ExpectedCalls(Reach reach)
{
    std::vector<std::string> calls = {"GetVersionExA"};
    if (reach == Reach::VersionOnly) return calls;
    calls.insert(calls.end(), {"GetSystemInfo", "IsWow64Process", "RtlGetNtVersionNumbers"});
    if (reach == Reach::WithMetrics) calls.push_back("GetSystemMetrics");
    if (reach == Reach::WithProductInfo) calls.push_back("RtlGetProductInfo");
    return calls;
}

std::string LibraryOf(const std::string& function)
{
    if (function == "RtlGetNtVersionNumbers" || function == "RtlGetProductInfo") return "ntdll.dll";
    if (function == "GetSystemMetrics") return "User32.dll";
    return "kernel32.dll";
}

// Stands for the ProductName text of the registry, read independently by the test.
const char* const RegistryName = "<registry ProductName>";

std::string RegistryProductName()
{
    char text[512] = {};
    DWORD size = sizeof(text);
    const LSTATUS status = RegGetValueA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                                        "ProductName", RRF_RT_REG_SZ, nullptr, text, &size);
    return status == ERROR_SUCCESS ? text : "";
}

struct NameCase {
    const char* what;
    BOOL versionResult;
    int32_t major;
    int32_t minor;
    BYTE productType;
    WORD suiteMask;
    DWORD architectureWord;
    int serverR2Metric;
    uint32_t productInfoType;  // 0: RtlGetProductInfo sets no type
    const char* expected;
    Reach reach;
};

const NameCase NameCases[] = {
    // GetVersionExA fails: nothing else is bound or called.
    {"version query fails", FALSE, 10, 0, 1, 0, 0, 0, 48, "", Reach::VersionOnly},
    {"version query fails on 5.2", FALSE, 5, 2, 1, 0, 0, 1, 48, "", Reach::VersionOnly},
    // 10.0 (GetVersionExA says 6.2; RtlGetNtVersionNumbers decides).
    {"10.0 workstation", TRUE, 10, 0, 1, 0, 0, 0, 48, "Windows 10", Reach::WithProductInfo},
    {"10.0 workstation, type 101", TRUE, 10, 0, 1, 0, 0, 0, 101, "获取失败，请检查版本:10.0", Reach::WithProductInfo},
    {"10.0 server", TRUE, 10, 0, 3, 0, 0, 0, 7, RegistryName, Reach::WithProductInfo},
    {"10.0 domain controller", TRUE, 10, 0, 2, 0, 0, 0, 8, RegistryName, Reach::WithProductInfo},
    {"10.0 server, no type", TRUE, 10, 0, 3, 0, 0, 0, 0, "获取失败，请检查版本:10.0", Reach::WithProductInfo},
    {"10.1", TRUE, 10, 1, 1, 0, 0, 0, 48, "", Reach::WithProductInfo},
    {"10.1, no type", TRUE, 10, 1, 1, 0, 0, 0, 0, "获取失败，请检查版本:10.1", Reach::WithProductInfo},
    {"11.0", TRUE, 11, 0, 1, 0, 0, 0, 48, "", Reach::WithProductInfo},
    {"7.0, no type", TRUE, 7, 0, 1, 0, 0, 0, 0, "获取失败，请检查版本:7.0", Reach::WithProductInfo},
    // 6.x
    {"6.0 workstation", TRUE, 6, 0, 1, 0, 0, 0, 6, "Windows Vista", Reach::WithProductInfo},
    {"6.0 server", TRUE, 6, 0, 3, 0, 0, 0, 7, "Windows Server 2008", Reach::WithProductInfo},
    {"6.1 workstation", TRUE, 6, 1, 1, 0, 0, 0, 48, "Windows 7", Reach::WithProductInfo},
    {"6.1 server", TRUE, 6, 1, 3, 0, 0, 0, 8, "Windows Server 2008 R2", Reach::WithProductInfo},
    {"6.2 workstation", TRUE, 6, 2, 1, 0, 0, 0, 48, "Windows 8", Reach::WithProductInfo},
    {"6.2 server", TRUE, 6, 2, 3, 0, 0, 0, 7, "Windows Server 2012", Reach::WithProductInfo},
    {"6.3 workstation", TRUE, 6, 3, 1, 0, 0, 0, 4, "Windows 8.1", Reach::WithProductInfo},
    {"6.3 domain controller, type 121", TRUE, 6, 3, 2, 0, 0, 0, 121, "Windows Server 2012 R2",
     Reach::WithProductInfo},
    {"6.4, type 48", TRUE, 6, 4, 1, 0, 0, 0, 48, "", Reach::WithProductInfo},
    {"6.4, no type", TRUE, 6, 4, 1, 0, 0, 0, 0, "获取失败，请检查版本:6.4", Reach::WithProductInfo},
    {"6.-1, no type", TRUE, 6, -1, 1, 0, 0, 0, 0, "获取失败，请检查版本:6.-1", Reach::WithProductInfo},
    // The list of known product types, at its gaps and beyond its byte range.
    {"6.1, type 5", TRUE, 6, 1, 1, 0, 0, 0, 5, "获取失败，请检查版本:6.1", Reach::WithProductInfo},
    {"6.1, type 24", TRUE, 6, 1, 1, 0, 0, 0, 24, "获取失败，请检查版本:6.1", Reach::WithProductInfo},
    {"6.1, type 26", TRUE, 6, 1, 1, 0, 0, 0, 26, "获取失败，请检查版本:6.1", Reach::WithProductInfo},
    {"6.1, type 49", TRUE, 6, 1, 1, 0, 0, 0, 49, "获取失败，请检查版本:6.1", Reach::WithProductInfo},
    {"6.1, type 25", TRUE, 6, 1, 1, 0, 0, 0, 25, "Windows 7", Reach::WithProductInfo},
    {"6.1, type 23", TRUE, 6, 1, 1, 0, 0, 0, 23, "Windows 7", Reach::WithProductInfo},
    {"6.1, type 1", TRUE, 6, 1, 1, 0, 0, 0, 1, "Windows 7", Reach::WithProductInfo},
    {"6.1, type 0x130", TRUE, 6, 1, 1, 0, 0, 0, 0x130, "获取失败，请检查版本:6.1", Reach::WithProductInfo},
    {"6.1, type 0x10000079", TRUE, 6, 1, 1, 0, 0, 0, 0x10000079, "获取失败，请检查版本:6.1",
     Reach::WithProductInfo},
    // 5.x: no product type is asked for.
    {"5.0", TRUE, 5, 0, 3, 0, 0, 0, 0, "Windows 2000", Reach::Base},
    {"5.1", TRUE, 5, 1, 1, 0, 0, 0, 0, "Windows XP", Reach::Base},
    {"5.1 with both suite bits", TRUE, 5, 1, 1, 0xA000, 9, 0, 0, "Windows XP", Reach::Base},
    {"5.3", TRUE, 5, 3, 1, 0, 0, 0, 0, "", Reach::Base},
    // 5.2: first matching row wins; GetSystemMetrics is always asked first.
    {"5.2 R2 metric before everything", TRUE, 5, 2, 1, 0xA000, 9, 1, 0, "Windows Server 2003 R2, ",
     Reach::WithMetrics},
    {"5.2 both suite bits", TRUE, 5, 2, 3, 0xA000, 0, 0, 0, "Windows Storage Server 2003", Reach::WithMetrics},
    {"5.2 storage suite", TRUE, 5, 2, 3, 0x2000, 0, 0, 0, "Windows Storage Server 2003", Reach::WithMetrics},
    {"5.2 home server suite", TRUE, 5, 2, 3, 0x8000, 0, 0, 0, "Windows Home Server", Reach::WithMetrics},
    {"5.2 home server suite before x64", TRUE, 5, 2, 1, 0x8000, 9, 0, 0, "Windows Home Server", Reach::WithMetrics},
    {"5.2 workstation x64", TRUE, 5, 2, 1, 0, 9, 0, 0, "Windows XP Professional x64 Edition", Reach::WithMetrics},
    {"5.2 workstation x86", TRUE, 5, 2, 1, 0, 0, 0, 0, "Windows Server 2003, ", Reach::WithMetrics},
    {"5.2 server x64", TRUE, 5, 2, 3, 0, 9, 0, 0, "Windows Server 2003, ", Reach::WithMetrics},
    {"5.2 workstation, x64 with reserved half set", TRUE, 5, 2, 1, 0, 0x00010009, 0, 0, "Windows Server 2003, ",
     Reach::WithMetrics},
    {"5.2 other suite bits", TRUE, 5, 2, 3, 0x5FFF, 0, 0, 0, "Windows Server 2003, ", Reach::WithMetrics},
    // 4.x and the rest.
    {"4.10", TRUE, 4, 10, 1, 0, 0, 0, 0, "Windows 98", Reach::Base},
    {"4.0", TRUE, 4, 0, 1, 0, 0, 0, 0, "", Reach::Base},
    {"4.90", TRUE, 4, 90, 1, 0, 0, 0, 0, "", Reach::Base},
    {"3.51", TRUE, 3, 51, 1, 0, 0, 0, 0, "", Reach::Base},
    {"major -1 is below 6 (signed)", TRUE, -1, 0, 1, 0, 0, 0, 0, "", Reach::Base},
};

}  // namespace

TEST(WindowsProductName, NameTable)
{
    const std::string registryName = RegistryProductName();
    ASSERT_FALSE(registryName.empty()) << "the test needs a ProductName value in the Wine prefix's registry";

    for (const NameCase& c : NameCases) {
        SCOPED_TRACE(c.what);
        FakePlatform platform;
        platform.versionResult = c.versionResult;
        platform.major = c.major;
        platform.minor = c.minor;
        platform.productType = c.productType;
        platform.suiteMask = c.suiteMask;
        platform.architectureWord = c.architectureWord;
        platform.serverR2Metric = c.serverR2Metric;
        platform.productInfoType = c.productInfoType;
        FakeVersionServices fake(platform);

        const Text name = GetWindowsProductName();

        const std::string expected = c.expected == RegistryName ? registryName : c.expected;
        EXPECT_EQ(std::string(name.Bytes(), name.Length()), expected);
        EXPECT_EQ(name.Length(), expected.size());
        const std::vector<std::string> calls = ExpectedCalls(c.reach);
        EXPECT_EQ(platform.calls, calls);
        // Each function is bound at its first call, from its own library, and no other is.
        std::vector<std::string> lookups;
        for (const std::string& function : calls) lookups.push_back(LibraryOf(function) + "!" + function);
        EXPECT_EQ(platform.lookups, lookups);
        EXPECT_EQ(platform.problems, std::vector<std::string>());
    }
}

TEST(WindowsProductName, BoundAddressesAreKeptForLaterCalls)
{
    FakePlatform platform;
    platform.major = 6;
    platform.minor = 1;
    FakeVersionServices fake(platform);

    const Text first = GetWindowsProductName();
    const Text second = GetWindowsProductName();

    EXPECT_STREQ(first.Bytes(), "Windows 7");
    EXPECT_STREQ(second.Bytes(), "Windows 7");
    EXPECT_EQ(platform.calls.size(), 10u) << "both runs call all five services of a 6.1 system";
    EXPECT_EQ(platform.lookups.size(), 5u) << "each service is looked up once";
}

TEST(WindowsProductName, ResultIsANewTextEachTime)
{
    FakePlatform platform;  // 10.0 workstation
    FakeVersionServices fake(platform);
    Text first = GetWindowsProductName();
    const Text second = GetWindowsProductName();
    ASSERT_STREQ(first.Bytes(), "Windows 10");
    EXPECT_NE(static_cast<const void*>(first.Bytes()), static_cast<const void*>(second.Bytes()));
    first.Release();
    EXPECT_STREQ(second.Bytes(), "Windows 10") << "releasing one result leaves the other intact";
}
