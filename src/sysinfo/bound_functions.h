#pragma once
// The version services that the program does not link at build time. Each is declared by its
// library's file name and its export name, and bound on its first call: the library is loaded,
// the function looked up, and the address kept for every later call. A function that cannot be
// bound ends the program with the run-time error stop, naming the library and the function.
#include <windows.h>

#include <cstdint>

using FunctionAddress = void (*)();

struct DeclaredFunction {
    const char* library;
    const char* name;
    FunctionAddress address;  // nullptr until bound
};

enum DeclaredFunctionIndex : uint32_t {
    GetVersionExAIndex,
    GetSystemInfoIndex,
    IsWow64ProcessIndex,
    RtlGetNtVersionNumbersIndex,
    GetSystemMetricsIndex,
    RtlGetProductInfoIndex,
    DeclaredFunctionCount
};

extern DeclaredFunction DeclaredFunctions[DeclaredFunctionCount];

// Finds a function in a library of the system directory; nullptr when the library cannot be
// loaded or does not export the function.
FunctionAddress LookUpSystemFunction(const char* library, const char* name);
// Ends the program with the run-time error stop; never returns.
void StopOnUnboundFunction(const char* message);

// How functions are looked up, and what ends the program when one cannot be bound. The
// program's own unless a test puts fakes here; the stop must never return.
extern FunctionAddress (*LookUpFunction)(const char* library, const char* name);
extern void (*UnboundFunctionStop)(const char* message);

// The function's address, looked up on its first call and kept.
FunctionAddress BindFunction(DeclaredFunction& function);

// The declared functions, called through their binding.
namespace Bound {

inline BOOL GetVersionExA(OSVERSIONINFOEXA* record)
{
    using Function = BOOL(WINAPI*)(OSVERSIONINFOEXA*);
    return reinterpret_cast<Function>(BindFunction(DeclaredFunctions[GetVersionExAIndex]))(record);
}

inline void GetSystemInfo(SYSTEM_INFO* record)
{
    using Function = void(WINAPI*)(SYSTEM_INFO*);
    reinterpret_cast<Function>(BindFunction(DeclaredFunctions[GetSystemInfoIndex]))(record);
}

inline BOOL IsWow64Process(HANDLE process, BOOL* wow64)
{
    using Function = BOOL(WINAPI*)(HANDLE, BOOL*);
    return reinterpret_cast<Function>(BindFunction(DeclaredFunctions[IsWow64ProcessIndex]))(process, wow64);
}

inline void RtlGetNtVersionNumbers(int32_t* major, int32_t* minor, uint32_t* build)
{
    using Function = void(WINAPI*)(int32_t*, int32_t*, uint32_t*);
    reinterpret_cast<Function>(BindFunction(DeclaredFunctions[RtlGetNtVersionNumbersIndex]))(major, minor, build);
}

inline int GetSystemMetrics(int index)
{
    using Function = int(WINAPI*)(int);
    return reinterpret_cast<Function>(BindFunction(DeclaredFunctions[GetSystemMetricsIndex]))(index);
}

inline BOOLEAN RtlGetProductInfo(uint32_t major, uint32_t minor, uint32_t servicePackMajor,
                                 uint32_t servicePackMinor, uint32_t* productType)
{
    using Function = BOOLEAN(WINAPI*)(DWORD, DWORD, DWORD, DWORD, DWORD*);
    static_assert(sizeof(DWORD) == sizeof(uint32_t), "the product type is a 32-bit value");
    return reinterpret_cast<Function>(BindFunction(DeclaredFunctions[RtlGetProductInfoIndex]))(
        major, minor, servicePackMajor, servicePackMinor, reinterpret_cast<DWORD*>(productType));
}

}  // namespace Bound
