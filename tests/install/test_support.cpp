#include "test_support.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

#include "built_payload_files.h"

namespace {

// Ends the test program when the ground a test stands on cannot be prepared: loudly, never as a pass.
[[noreturn]] void StopTest(const std::string& reason)
{
    std::fprintf(stderr, "installation tests: %s\n", reason.c_str());
    std::fflush(stderr);
    std::abort();
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool WriteWholeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

bool FileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

void RemoveTree(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        for (const std::string& name : FolderEntries(path)) RemoveTree(path + "\\" + name);
        RemoveDirectoryA(path.c_str());
    } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
    }
}

ScratchFolder::ScratchFolder(const std::string& name)
{
    char temporary[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, temporary);
    if (length == 0 || length >= MAX_PATH) StopTest("no temporary folder");
    path_ = std::string(temporary) + name + "-" + std::to_string(GetCurrentProcessId());
    RemoveTree(path_);
    if (!CreateDirectoryA(path_.c_str(), nullptr)) StopTest("cannot create " + path_);
}

ScratchFolder::~ScratchFolder() { RemoveTree(path_); }

HeldFile::HeldFile(const std::string& path)
{
    handle_ = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

void HeldFile::Close()
{
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
}

FakeFailureBox* FakeFailureBox::current_ = nullptr;

FakeFailureBox::FakeFailureBox(std::function<int(const BoxCall&)> answer)
    : answer_(std::move(answer)), previous_(FailureMessageBox)
{
    current_ = this;
    FailureMessageBox = &FakeFailureBox::Show;
}

FakeFailureBox::~FakeFailureBox()
{
    FailureMessageBox = previous_;
    current_ = nullptr;
}

int FakeFailureBox::Show(const char* text, uint32_t style, const char* title, WindowId owner)
{
    current_->calls_.push_back({text ? text : "", style, title ? title : "", owner});
    return current_->answer_(current_->calls_.back());
}

std::string SystemTextOf(DWORD error)
{
    wchar_t text[512] = {};
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                                  512, nullptr);
    while (length > 0 && (text[length - 1] == L'\r' || text[length - 1] == L'\n' || text[length - 1] == L' ')) --length;
    char gbk[1024] = {};
    const int converted =
        WideCharToMultiByte(936, 0, text, static_cast<int>(length), gbk, sizeof(gbk), nullptr, nullptr);
    return std::string(gbk, converted > 0 ? static_cast<size_t>(converted) : 0);
}

std::string BuiltPayload(size_t storageIndex)
{
    const auto bytes = ReadWholeFile(BuiltPayloadFiles[storageIndex]);
    if (!bytes) StopTest(std::string("cannot read ") + BuiltPayloadFiles[storageIndex]);
    return *bytes;
}

namespace {

constexpr const char* UserShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

void SetDesktopValue(DWORD type, const BYTE* data, DWORD size)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, UserShellFolders, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        StopTest("cannot open the shell-folder key");
    }
    const LONG result = RegSetValueExA(key, "Desktop", 0, type, data, size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) StopTest("cannot set the desktop folder");
}

}  // namespace

DesktopFolderOverride::DesktopFolderOverride(const std::string& folder)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, UserShellFolders, 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
        DWORD size = 0;
        if (RegQueryValueExA(key, "Desktop", nullptr, &type_, nullptr, &size) == ERROR_SUCCESS) {
            value_.resize(size);
            hadValue_ = RegQueryValueExA(key, "Desktop", nullptr, &type_, value_.data(), &size) == ERROR_SUCCESS;
        }
        RegCloseKey(key);
    }
    SetDesktopValue(REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(folder.c_str()), static_cast<DWORD>(folder.size() + 1));
}

DesktopFolderOverride::~DesktopFolderOverride()
{
    if (hadValue_) {
        SetDesktopValue(type_, value_.data(), static_cast<DWORD>(value_.size()));
        return;
    }
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, UserShellFolders, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueA(key, "Desktop");
        RegCloseKey(key);
    }
}

ComApartment::ComApartment()
{
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) StopTest("COM not initialised");
}

ComApartment::~ComApartment() { CoUninitialize(); }

InstallationTest::InstallationTest()
{
    RemoveTree("C:\\Program Files\\nelvar");
    desktop_ = scratch_ / "john.smith";
    if (!CreateDirectoryA(desktop_.c_str(), nullptr)) StopTest("cannot create " + desktop_);
    desktopOverride_.emplace(desktop_);
}

InstallationTest::~InstallationTest()
{
    desktopOverride_.reset();
    RemoveTree("C:\\Program Files\\nelvar");
}

std::string InstallationTest::InstalledFile(const std::string& name) const
{
    return "C:\\Program Files\\nelvar\\" + name;
}

const size_t* InstallOrder(bool chinese)
{
    static const size_t chineseOrder[] = {0, 6, 2, 3, 4, 5};
    static const size_t englishOrder[] = {0, 1, 2, 3, 4, 5};
    return chinese ? chineseOrder : englishOrder;
}
