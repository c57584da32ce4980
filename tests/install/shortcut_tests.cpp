// The desktop shortcut: where it is saved, under which name, and what the shell link holds.
#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>

#include <optional>
#include <string>

#include "install/shortcut.h"
#include "test_support.h"

namespace {

constexpr const char* MainProgramPath = "C:\\Program Files\\nelvar\\nelvar.exe";

struct ShellLinkContents {
    std::wstring path, arguments, workingDirectory, description, iconLocation;
    int showCommand = 0;
    WORD hotKey = 0;
};

std::wstring Wide(const std::string& text)
{
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<size_t>(
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

// Reads a saved shell link back through the shell's own link object.
std::optional<ShellLinkContents> ReadShellLink(const std::string& file)
{
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link)))) {
        return std::nullopt;
    }
    IPersistFile* persist = nullptr;
    std::optional<ShellLinkContents> contents;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) &&
        SUCCEEDED(persist->Load(Wide(file).c_str(), STGM_READ))) {
        ShellLinkContents read;
        wchar_t text[1024];
        int iconIndex = 0;
        if (SUCCEEDED(link->GetPath(text, 1024, nullptr, SLGP_RAWPATH))) read.path = text;
        if (SUCCEEDED(link->GetArguments(text, 1024))) read.arguments = text;
        if (SUCCEEDED(link->GetWorkingDirectory(text, 1024))) read.workingDirectory = text;
        if (SUCCEEDED(link->GetDescription(text, 1024))) read.description = text;
        if (SUCCEEDED(link->GetIconLocation(text, 1024, &iconIndex))) read.iconLocation = text;
        link->GetHotkey(&read.hotKey);
        contents = read;
    }
    if (persist) persist->Release();
    link->Release();
    // The show command is read from the file's header (ShowCommand at offset 0x3C of the shell
    // link format): Wine's link object gives SW_SHOWNORMAL back for a saved SW_SHOW.
    const auto bytes = ReadWholeFile(file);
    if (contents && bytes && bytes->size() >= 0x40) {
        contents->showCommand = static_cast<int>(static_cast<unsigned char>((*bytes)[0x3C]) |
                                                 static_cast<unsigned char>((*bytes)[0x3D]) << 8);
    }
    return contents;
}

class ShortcutTest : public ::testing::Test {
protected:
    ComApartment apartment_;
    ScratchFolder folder_{"nelvar-shortcut-tests"};
};

}  // namespace

TEST(ShortcutFileName, DecidesTheLnkEndingFromTheFileNamePartAlone)
{
    struct Case { const char* name; const char* saved; };
    const Case cases[] = {
        {"C:\\users\\john.smith\\Desktop\\nelvar", "C:\\users\\john.smith\\Desktop\\nelvar.lnk"},
        {"C:\\users\\john\\Desktop\\nelvar", "C:\\users\\john\\Desktop\\nelvar.lnk"},
        {"C:\\users\\john\\Desktop\\nelvar.lnk", "C:\\users\\john\\Desktop\\nelvar.lnk"},
        {"C:\\users\\john\\Desktop\\nelvar.link", "C:\\users\\john\\Desktop\\nelvar.link"},
        {"C:/users/john.smith/nelvar", "C:/users/john.smith/nelvar.lnk"},
        {"nelvar", "nelvar.lnk"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(ShortcutFileName(c.name).Bytes(), c.saved) << c.name;
    }
}

TEST_F(ShortcutTest, SavesTheTargetAndTheShowCommandAndNothingElse)
{
    const std::string name = folder_ / "nelvar";
    ASSERT_TRUE(CreateShortcutFile(name.c_str(), MainProgramPath)) << "error " << GetLastError();
    EXPECT_EQ(FolderEntries(folder_.Path()), std::vector<std::string>{"nelvar.lnk"});

    const auto link = ReadShellLink(name + ".lnk");
    ASSERT_TRUE(link.has_value());
    EXPECT_EQ(link->path, L"C:\\Program Files\\nelvar\\nelvar.exe");
    EXPECT_EQ(link->showCommand, SW_SHOW);
    EXPECT_EQ(link->arguments, L"");
    EXPECT_EQ(link->workingDirectory, L"");
    EXPECT_EQ(link->description, L"");
    EXPECT_EQ(link->iconLocation, L"");
    EXPECT_EQ(link->hotKey, 0);
}

TEST_F(ShortcutTest, ANameBeyondThePathLimitSavesNothing)
{
    // With ".lnk" the name needs 260 characters and its terminating zero.
    const std::string longFolder = folder_.Path() + "\\";
    const std::string name = longFolder + std::string(MAX_PATH - 4 - longFolder.size(), 'n');
    ASSERT_EQ(name.size() + 4, static_cast<size_t>(MAX_PATH));
    SetLastError(0);
    EXPECT_FALSE(CreateShortcutFile(name.c_str(), MainProgramPath));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILENAME_EXCED_RANGE));
    EXPECT_FALSE(CreateShortcutFile("", MainProgramPath));
    EXPECT_TRUE(FolderEntries(folder_.Path()).empty());
}

TEST_F(ShortcutTest, GetDesktopDirectoryEndsInABackslash)
{
    const std::string desktop = folder_ / "Desktop";
    ASSERT_TRUE(CreateDirectoryA(desktop.c_str(), nullptr));
    for (const std::string& value : {desktop, desktop + "\\"}) {
        DesktopFolderOverride override(value);
        EXPECT_STREQ(GetDesktopDirectory().Bytes(), (desktop + "\\").c_str()) << "registry value " << value;
    }
}

TEST_F(ShortcutTest, CreateDesktopShortcutSavesNelvarLnkEvenBelowAFolderWithADot)
{
    const std::string desktop = folder_ / "john.smith";
    ASSERT_TRUE(CreateDirectoryA(desktop.c_str(), nullptr));
    DesktopFolderOverride override(desktop);
    // A second installation saves the shortcut again over the first.
    for (int run = 1; run <= 2; ++run) {
        Text shortcutPath;
        ASSERT_TRUE(CreateDesktopShortcut(&shortcutPath)) << "run " << run << ", error " << GetLastError();
        EXPECT_EQ(std::string(shortcutPath.Bytes()), desktop + "\\nelvar.lnk");
    }
    EXPECT_EQ(FolderEntries(desktop), std::vector<std::string>{"nelvar.lnk"});
    const auto link = ReadShellLink(desktop + "\\nelvar.lnk");
    ASSERT_TRUE(link.has_value());
    EXPECT_EQ(link->path, L"C:\\Program Files\\nelvar\\nelvar.exe");
}

TEST_F(ShortcutTest, AMissingDesktopFolderSavesNothingAnywhere)
{
    const std::string desktop = folder_ / "gone";
    DesktopFolderOverride override(desktop);
    char current[MAX_PATH];
    ASSERT_GT(GetCurrentDirectoryA(MAX_PATH, current), 0u);
    const std::string besideTest = std::string(current) + "\\nelvar.lnk";
    const bool wasBesideTest = FileExists(besideTest);

    Text shortcutPath;
    EXPECT_FALSE(CreateDesktopShortcut(&shortcutPath));
    EXPECT_FALSE(DirectoryExists(desktop));
    EXPECT_TRUE(FolderEntries(folder_.Path()).empty());
    EXPECT_EQ(FileExists(besideTest), wasBesideTest);
}
