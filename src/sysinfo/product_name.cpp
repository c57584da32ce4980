#include "sysinfo/product_name.h"

#include <windows.h>

#include "sysinfo/bound_functions.h"
#include "sysinfo/registry_text.h"

namespace {

const char ProductNamePath[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProductName";
const char UnknownProductTypeText[] = "获取失败，请检查版本:";

constexpr BYTE WorkstationType = 1;
constexpr DWORD X64Architecture = 9;
constexpr int ServerR2Metric = 89;
constexpr WORD StorageServerSuite = 0x2000;
constexpr WORD HomeServerSuite = 0x8000;

// The product types that RtlGetProductInfo reports for the systems the names cover.
constexpr uint8_t KnownProductTypes[] = {1,  2,  3,  4,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                                         15, 16, 17, 18, 19, 20, 21, 22, 23, 25, 48, 121};

// The names of version 6.0 to 6.3: workstation first, then server.
const char* const Version6Names[4][2] = {
    {"Windows Vista", "Windows Server 2008"},
    {"Windows 7", "Windows Server 2008 R2"},
    {"Windows 8", "Windows Server 2012"},
    {"Windows 8.1", "Windows Server 2012 R2"},
};

struct VersionFacts {
    int32_t major;
    int32_t minor;
    BYTE productType;
    WORD suiteMask;
    DWORD architectureWord;  // the first 32-bit word of the system information record
};

const char* Version52Name(const VersionFacts& facts)
{
    if (Bound::GetSystemMetrics(ServerR2Metric) != 0) return "Windows Server 2003 R2, ";
    if (facts.suiteMask & StorageServerSuite) return "Windows Storage Server 2003";
    if (facts.suiteMask & HomeServerSuite) return "Windows Home Server";
    if (facts.productType == WorkstationType && facts.architectureWord == X64Architecture) {
        return "Windows XP Professional x64 Edition";
    }
    return "Windows Server 2003, ";
}

// The first row of the name table that matches; the empty text where none gives a name.
Text BaseName(const VersionFacts& facts)
{
    const bool workstation = facts.productType == WorkstationType;
    switch (facts.major) {
    case 10:
        if (facts.minor != 0) return Text();
        return workstation ? Text("Windows 10") : ReadRegistryText(ProductNamePath);
    case 6:
        if (facts.minor < 0 || facts.minor > 3) return Text();
        return Text(Version6Names[facts.minor][workstation ? 0 : 1]);
    case 5:
        if (facts.minor == 0) return Text("Windows 2000");
        if (facts.minor == 1) return Text("Windows XP");
        if (facts.minor == 2) return Text(Version52Name(facts));
        return Text();
    case 4:
        return Text(facts.minor == 10 ? "Windows 98" : nullptr);
    default:
        return Text();
    }
}

bool IsKnownProductType(uint32_t productType)
{
    for (const uint8_t known : KnownProductTypes) {
        if (productType == known) return true;
    }
    return false;
}

Text UnknownProductTypeName(int32_t major, int32_t minor)
{
    char version[32];
    wsprintfA(version, "%d.%d", static_cast<int>(major), static_cast<int>(minor));
    return JoinTexts(UnknownProductTypeText, version);
}

}  // namespace

Text GetWindowsProductName()
{
    OSVERSIONINFOEXA versionRecord = {};
    static_assert(sizeof(versionRecord) == 156, "the version record is 156 bytes");
    versionRecord.dwOSVersionInfoSize = sizeof(versionRecord);
    if (!Bound::GetVersionExA(&versionRecord)) return Text();

    SYSTEM_INFO systemInformation = {};
    Bound::GetSystemInfo(&systemInformation);
    BOOL wow64 = FALSE;
    Bound::IsWow64Process(reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1)), &wow64);
    // The numbers that GetVersionExA reports are capped at 6.2 for this program; these are not.
    VersionFacts facts = {};
    uint32_t build = 0;
    Bound::RtlGetNtVersionNumbers(&facts.major, &facts.minor, &build);
    facts.productType = versionRecord.wProductType;
    facts.suiteMask = versionRecord.wSuiteMask;
    facts.architectureWord = systemInformation.dwOemId;  // architecture and reserved half, as one

    Text name = BaseName(facts);
    if (facts.major >= 6) {
        uint32_t productType = 0;
        Bound::RtlGetProductInfo(static_cast<uint32_t>(facts.major), static_cast<uint32_t>(facts.minor), 0, 0,
                                 &productType);
        if (!IsKnownProductType(productType)) name = UnknownProductTypeName(facts.major, facts.minor);
    }
    return name;
}
