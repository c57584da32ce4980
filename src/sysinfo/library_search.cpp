#include "sysinfo/library_search.h"

#include <cstring>

#include "common/text.h"

void RestrictLibrarySearch()
{
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    // kernel32 is in every process already; this finds it without searching anywhere.
    const HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
    if (!kernel32) return;
    const FARPROC address = GetProcAddress(kernel32, "SetDefaultDllDirectories");
    if (!address) return;  // an old system: LoadSystemLibrary still names the full path
    const auto setDefaultDllDirectories =
        reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void (*)()>(address));
    // Should it fail, the search stays as it was; the program's own loads name full paths.
    setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

HMODULE LoadSystemLibrary(const char* fileName)
{
    char path[MAX_PATH];
    const UINT folderLength = GetSystemDirectoryA(path, MAX_PATH);
    if (folderLength == 0 || folderLength >= MAX_PATH) return nullptr;
    // A root folder ends in its backslash; the last character is found by walking back, so that
    // the second byte of a double-byte character is never taken for one.
    const bool endsInBackslash = *CharPrevA(path, path + folderLength) == '\\';
    const uint32_t nameLength = TextLength(fileName);
    const uint32_t pathLength = folderLength + (endsInBackslash ? 0 : 1) + nameLength;
    if (nameLength == 0 || pathLength >= MAX_PATH) return nullptr;
    char* name = path + folderLength;
    if (!endsInBackslash) *name++ = '\\';
    std::memcpy(name, fileName, nameLength + 1);
    return LoadLibraryA(path);
}
