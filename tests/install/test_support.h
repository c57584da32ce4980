#pragma once
// Helpers of the installation tests: files read and written whole, a scratch folder that goes
// away with the test, a stand-in for the failure box, and the installation's own cleanup.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "install/failure_box.h"

std::optional<std::string> ReadWholeFile(const std::string& path);
bool WriteWholeFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Names of the folder's entries, sorted; "." and ".." left out.
std::vector<std::string> FolderEntries(const std::string& folder);

// A new, empty folder under the temporary folder, removed with everything in it at the end.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name = "nelvar-install-tests");
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// Removes a folder and everything in it; read-only files too.
void RemoveTree(const std::string& path);

// A file opened without any sharing, so that nobody else can open, delete or replace it.
class HeldFile {
public:
    explicit HeldFile(const std::string& path);
    ~HeldFile() { Close(); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Close();

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// One box that the installation asked for.
struct BoxCall {
    std::string text;  // GBK
    uint32_t style;
    std::string title;  // GBK
    WindowId owner;
};

// Puts itself in the place of the failure box for its lifetime: records each box and answers
// with what the answer function returns for it.
class FakeFailureBox {
public:
    explicit FakeFailureBox(std::function<int(const BoxCall&)> answer);
    ~FakeFailureBox();
    FakeFailureBox(const FakeFailureBox&) = delete;
    FakeFailureBox& operator=(const FakeFailureBox&) = delete;
    const std::vector<BoxCall>& Calls() const { return calls_; }

private:
    static int Show(const char* text, uint32_t style, const char* title, WindowId owner);
    static FakeFailureBox* current_;
    std::function<int(const BoxCall&)> answer_;
    std::vector<BoxCall> calls_;
    MessageBoxFunction previous_;
};

// The system's text for a Win32 error, as GBK, without its line break.
std::string SystemTextOf(DWORD error);

// The payload file that the build made for a storage-order entry (0 .. 6), read whole.
std::string BuiltPayload(size_t storageIndex);

// Points the current user's desktop folder (the shell-folder value of the registry) at another
// folder for its lifetime, and puts the earlier value back at the end.
class DesktopFolderOverride {
public:
    explicit DesktopFolderOverride(const std::string& folder);
    ~DesktopFolderOverride();
    DesktopFolderOverride(const DesktopFolderOverride&) = delete;
    DesktopFolderOverride& operator=(const DesktopFolderOverride&) = delete;

private:
    bool hadValue_ = false;
    DWORD type_ = REG_EXPAND_SZ;
    std::vector<BYTE> value_;
};

// Initialises COM on the test's thread as a single-threaded apartment, as start-up does.
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
};

// The install directory and the desktop of one installation test: the install directory is
// removed before and after, the desktop is a scratch folder with a dot in its path.
class InstallationTest : public ::testing::Test {
protected:
    InstallationTest();
    ~InstallationTest() override;
    std::string InstalledFile(const std::string& name) const;
    std::string DesktopShortcut() const { return desktop_ + "\\nelvar.lnk"; }

    ComApartment apartment_;
    ScratchFolder scratch_{"nelvar-installation-tests"};
    std::string desktop_;
    std::optional<DesktopFolderOverride> desktopOverride_;
};

// Storage-order index of each file of an installation, in install order.
const size_t* InstallOrder(bool chinese);
