// Libraries are loaded from the system directory only: a library planted in the program's own
// folder (where this test program lies, beside nelvar_planted.dll) is never loaded.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "sysinfo/bound_functions.h"
#include "sysinfo/library_search.h"

namespace {

const char Planted[] = "nelvar_planted.dll";

std::string Lowercase(std::string text)
{
    if (!text.empty()) CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

std::string ModulePath(HMODULE module)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, MAX_PATH);
    return path;
}

std::string SystemDirectory()
{
    char path[MAX_PATH] = {};
    GetSystemDirectoryA(path, MAX_PATH);
    return path;
}

}  // namespace

// One test, in this order: the search restriction changes the whole process.
TEST(LibrarySearch, OnlyTheSystemDirectoryIsSearched)
{
    // The plant works: an unrestricted search finds it in the program's folder.
    const HMODULE plainly = LoadLibraryA(Planted);
    ASSERT_NE(plainly, nullptr) << "the planted library is not beside the test program";
    FreeLibrary(plainly);
    ASSERT_EQ(GetModuleHandleA(Planted), nullptr);

    EXPECT_EQ(LoadSystemLibrary(Planted), nullptr);
    EXPECT_EQ(LookUpSystemFunction(Planted, "PlantedMarker"), nullptr);
    EXPECT_EQ(GetModuleHandleA(Planted), nullptr);

    const HMODULE version = LoadSystemLibrary("version.dll");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(Lowercase(ModulePath(version)), Lowercase(SystemDirectory() + "\\version.dll"));
    EXPECT_NE(LookUpSystemFunction("kernel32.dll", "GetVersionExA"), nullptr);

    ASSERT_NE(GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories"), nullptr)
        << "the platform lacks SetDefaultDllDirectories: the restriction cannot be tested";
    RestrictLibrarySearch();

    EXPECT_EQ(LoadLibraryA(Planted), nullptr) << "a plain load still finds the planted library";
    EXPECT_EQ(GetModuleHandleA(Planted), nullptr);
    const HMODULE systemLibrary = LoadLibraryA("shlwapi.dll");
    EXPECT_NE(systemLibrary, nullptr) << "a plain load of a system library fails";
    if (systemLibrary) FreeLibrary(systemLibrary);
}
