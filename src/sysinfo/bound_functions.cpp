#include "sysinfo/bound_functions.h"

#include "shell/shell.h"
#include "sysinfo/library_search.h"

DeclaredFunction DeclaredFunctions[DeclaredFunctionCount] = {
    {"kernel32.dll", "GetVersionExA", nullptr},
    {"kernel32.dll", "GetSystemInfo", nullptr},
    {"kernel32.dll", "IsWow64Process", nullptr},
    {"ntdll.dll", "RtlGetNtVersionNumbers", nullptr},
    {"User32.dll", "GetSystemMetrics", nullptr},
    {"ntdll.dll", "RtlGetProductInfo", nullptr},
};

FunctionAddress LookUpSystemFunction(const char* library, const char* name)
{
    const HMODULE module = LoadSystemLibrary(library);
    if (!module) return nullptr;
    return reinterpret_cast<FunctionAddress>(GetProcAddress(module, name));
}

void StopOnUnboundFunction(const char* message) { RunTimeErrorStop(message); }

FunctionAddress (*LookUpFunction)(const char*, const char*) = LookUpSystemFunction;
void (*UnboundFunctionStop)(const char*) = StopOnUnboundFunction;

FunctionAddress BindFunction(DeclaredFunction& function)
{
    if (function.address) return function.address;
    function.address = LookUpFunction(function.library, function.name);
    if (!function.address) {
        // The names are the program's own short constants; the precision only keeps the
        // message inside its buffer.
        char message[320];
        wsprintfA(message,
                  "The function %.64s of the library %.64s could not be bound.\r\n"
                  "无法绑定库%.64s中的函数%.64s。",
                  function.name, function.library, function.library, function.name);
        UnboundFunctionStop(message);
    }
    return function.address;
}
