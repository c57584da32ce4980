// A disk that fills up during a write. The test runs twice: once as it is, where the write must
// succeed, and once with "--limited" under a file-size limit of 1 MiB, where the system writes
// only part of the bytes and the write must fail without leaving a truncated file.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "install/file_operations.h"
#include "test_support.h"

namespace {

bool RunsUnderFileSizeLimit() { return std::wstring(GetCommandLineW()).find(L"--limited") != std::wstring::npos; }

}  // namespace

TEST(WriteBytesToFile, AWriteCutShortByAFullDiskLeavesNoTruncatedFile)
{
    ScratchFolder folder("nelvar-disk-full-tests");
    const std::string destination = folder / "nelvar.exe";
    const std::string oldBytes = "the earlier nelvar.exe";
    ASSERT_TRUE(WriteWholeFile(destination, oldBytes));
    std::string bytes(2 * 1024 * 1024, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);

    SetLastError(0);
    const bool written = WriteBytesToFile(
        destination.c_str(), {reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<uint32_t>(bytes.size())});
    const DWORD error = GetLastError();

    if (RunsUnderFileSizeLimit()) {
        EXPECT_FALSE(written);
        EXPECT_EQ(error, static_cast<DWORD>(ERROR_DISK_FULL));
        EXPECT_EQ(ReadWholeFile(destination), oldBytes);
    } else {
        EXPECT_TRUE(written) << "error " << error;
        EXPECT_TRUE(ReadWholeFile(destination) == bytes);
    }
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"nelvar.exe"});
}
