#include "fake_version_services.h"

#include <cstring>
#include <map>

#include "sysinfo/bound_functions.h"

namespace {

FakePlatform* Platform = nullptr;

void Note(const char* function) { Platform->calls.push_back(function); }

bool AllZero(const void* bytes, size_t size)
{
    const auto* p = static_cast<const unsigned char*>(bytes);
    for (size_t i = 0; i < size; ++i) {
        if (p[i] != 0) return false;
    }
    return true;
}

BOOL WINAPI FakeGetVersionExA(OSVERSIONINFOEXA* record)
{
    Note("GetVersionExA");
    if (record->dwOSVersionInfoSize != 156) Platform->problems.push_back("version record size is not 156");
    if (!AllZero(reinterpret_cast<const char*>(record) + sizeof(DWORD), 156 - sizeof(DWORD))) {
        Platform->problems.push_back("version record is not zero beyond its size field");
    }
    // What the platform reports to a program that declares no supported systems.
    record->dwMajorVersion = 6;
    record->dwMinorVersion = 2;
    record->wProductType = Platform->productType;
    record->wSuiteMask = Platform->suiteMask;
    return Platform->versionResult;
}

void WINAPI FakeGetSystemInfo(SYSTEM_INFO* record)
{
    Note("GetSystemInfo");
    if (!AllZero(record, sizeof(*record))) Platform->problems.push_back("system information record is not zero");
    std::memcpy(record, &Platform->architectureWord, sizeof(DWORD));
}

BOOL WINAPI FakeIsWow64Process(HANDLE process, BOOL* wow64)
{
    Note("IsWow64Process");
    if (process != reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1))) {
        Platform->problems.push_back("IsWow64Process was not given the current process (-1)");
    }
    if (!wow64 || *wow64 != 0) Platform->problems.push_back("the WOW64 flag is not zero before the call");
    if (wow64) *wow64 = TRUE;
    return TRUE;
}

void WINAPI FakeRtlGetNtVersionNumbers(int32_t* major, int32_t* minor, uint32_t* build)
{
    Note("RtlGetNtVersionNumbers");
    *major = Platform->major;
    *minor = Platform->minor;
    *build = 0xF0004563u;
}

int WINAPI FakeGetSystemMetrics(int index)
{
    Note("GetSystemMetrics");
    if (index != 89) Platform->problems.push_back("GetSystemMetrics was not asked for SM_SERVERR2 (89)");
    return Platform->serverR2Metric;
}

BOOLEAN WINAPI FakeRtlGetProductInfo(DWORD major, DWORD minor, DWORD spMajor, DWORD spMinor, DWORD* type)
{
    Note("RtlGetProductInfo");
    if (static_cast<int32_t>(major) != Platform->major || static_cast<int32_t>(minor) != Platform->minor ||
        spMajor != 0 || spMinor != 0) {
        Platform->problems.push_back("RtlGetProductInfo was not given major, minor, 0, 0");
    }
    if (*type != 0) Platform->problems.push_back("the product type is not 0 before RtlGetProductInfo");
    // 0 stands for a call that sets no type and fails; its result is not to be examined.
    if (Platform->productInfoType == 0) return FALSE;
    *type = Platform->productInfoType;
    return TRUE;
}

const std::map<std::string, FunctionAddress> FakeFunctions = {
    {"GetVersionExA", reinterpret_cast<FunctionAddress>(FakeGetVersionExA)},
    {"GetSystemInfo", reinterpret_cast<FunctionAddress>(FakeGetSystemInfo)},
    {"IsWow64Process", reinterpret_cast<FunctionAddress>(FakeIsWow64Process)},
    {"RtlGetNtVersionNumbers", reinterpret_cast<FunctionAddress>(FakeRtlGetNtVersionNumbers)},
    {"GetSystemMetrics", reinterpret_cast<FunctionAddress>(FakeGetSystemMetrics)},
    {"RtlGetProductInfo", reinterpret_cast<FunctionAddress>(FakeRtlGetProductInfo)},
};

FunctionAddress FakeLookUp(const char* library, const char* name)
{
    Platform->lookups.push_back(std::string(library) + "!" + name);
    if (Platform->unexported.count(name)) return nullptr;
    const auto found = FakeFunctions.find(name);
    return found == FakeFunctions.end() ? nullptr : found->second;
}

}  // namespace

void ForgetBoundFunctions()
{
    for (DeclaredFunction& function : DeclaredFunctions) function.address = nullptr;
}

FakeVersionServices::FakeVersionServices(FakePlatform& platform)
{
    Platform = &platform;
    ForgetBoundFunctions();
    LookUpFunction = FakeLookUp;
}

FakeVersionServices::~FakeVersionServices()
{
    ForgetBoundFunctions();
    LookUpFunction = LookUpSystemFunction;
    Platform = nullptr;
}
