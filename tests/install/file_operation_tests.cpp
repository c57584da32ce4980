// The file operations of an installation: writing a file whole or not at all, removing an old
// file, creating the install directory.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install/file_operations.h"
#include "test_support.h"

namespace {

ByteView View(const std::string& bytes)
{
    return {reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<uint32_t>(bytes.size())};
}

// What is in the way of the destination while the write runs.
enum class Obstacle { None, ExistingFile, Directory, HeldOpen, MissingFolder };

}  // namespace

TEST(WriteBytesToFile, WritesTheWholeFileOrLeavesTheDestinationAsItWas)
{
    const std::string oldBytes = "old contents that are longer than the new ones";
    const std::string first = "first part|";
    const std::string second(70000, 'x');
    struct Case {
        const char* what;
        Obstacle obstacle;
        std::vector<std::string> arrays;
        bool succeeds;
        DWORD error;  // 0: any error
    };
    const Case cases[] = {
        {"a new file", Obstacle::None, {first}, true, 0},
        {"several arrays, an empty one passed over", Obstacle::None, {first, "", second}, true, 0},
        {"no array at all gives an empty file", Obstacle::None, {}, true, 0},
        {"an existing file is replaced, not overlaid", Obstacle::ExistingFile, {"new"}, true, 0},
        {"a directory in the destination's place", Obstacle::Directory, {first}, false, 0},
        {"a destination held open without sharing", Obstacle::HeldOpen, {first}, false, 0},
        {"a folder that does not exist", Obstacle::MissingFolder, {first}, false, ERROR_PATH_NOT_FOUND},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        std::string destination = folder / "Fenwy.dll";
        if (c.obstacle == Obstacle::MissingFolder) destination = folder / "missing\\Fenwy.dll";
        if (c.obstacle == Obstacle::ExistingFile || c.obstacle == Obstacle::HeldOpen) {
            ASSERT_TRUE(WriteWholeFile(destination, oldBytes));
        }
        if (c.obstacle == Obstacle::Directory) {
            ASSERT_TRUE(CreateDirectoryA(destination.c_str(), nullptr));
        }
        HeldFile held(c.obstacle == Obstacle::HeldOpen ? destination : std::string());
        ASSERT_EQ(held.IsOpen(), c.obstacle == Obstacle::HeldOpen);

        std::vector<ByteView> views;
        std::string expected;
        for (const std::string& bytes : c.arrays) views.push_back(View(bytes)), expected += bytes;
        const ByteView none = {nullptr, 0};
        SetLastError(0);
        const bool written = WriteBytesToFile(destination.c_str(), views.empty() ? &none : views.data(),
                                              static_cast<uint32_t>(views.size()));
        const DWORD error = GetLastError();
        held.Close();

        EXPECT_EQ(written, c.succeeds);
        if (c.succeeds) {
            EXPECT_EQ(ReadWholeFile(destination), expected);
        } else {
            if (c.error != 0) {
                EXPECT_EQ(error, c.error);
            } else {
                EXPECT_NE(error, 0u);
            }
            if (c.obstacle == Obstacle::HeldOpen) {
                EXPECT_EQ(ReadWholeFile(destination), oldBytes);
            }
            if (c.obstacle == Obstacle::Directory) {
                EXPECT_TRUE(DirectoryExists(destination));
            }
        }
        // Nothing but the destination itself is left: no temporary file.
        const std::vector<std::string> expectedEntries =
            c.obstacle == Obstacle::MissingFolder ? std::vector<std::string>{} : std::vector<std::string>{"Fenwy.dll"};
        EXPECT_EQ(FolderEntries(folder.Path()), expectedEntries);
    }
}

TEST(WriteBytesToFile, AnEmptyPathFailsWithoutTouchingTheFileSystem)
{
    ScratchFolder folder;
    const std::string bytes = "bytes";
    const char* const paths[] = {"", nullptr};
    for (const char* path : paths) {
        EXPECT_FALSE(WriteBytesToFile(path, View(bytes)));
    }
    // The temporary file of an empty path would be ".part" in the current directory.
    char current[MAX_PATH];
    ASSERT_GT(GetCurrentDirectoryA(MAX_PATH, current), 0u);
    EXPECT_FALSE(FileExists(std::string(current) + "\\" + PartialFileEnding));
}

TEST(RemoveFileIfPresent, CountsAMissingFileAsRemovedAndFailsOnAnythingElse)
{
    enum class State { Present, Missing, MissingFolder, HeldOpen, ReadOnly, Directory };
    struct Case { const char* what; State state; bool succeeds; DWORD error; };
    const Case cases[] = {
        {"a file that is there", State::Present, true, 0},
        {"a missing file", State::Missing, true, 0},
        {"a file whose folder is missing", State::MissingFolder, true, 0},
        {"a file in use", State::HeldOpen, false, ERROR_SHARING_VIOLATION},
        {"a read-only file", State::ReadOnly, false, ERROR_ACCESS_DENIED},
        {"a directory", State::Directory, false, ERROR_ACCESS_DENIED},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        std::string path = c.state == State::MissingFolder ? folder / "missing\\Corvex.exe" : folder / "Corvex.exe";
        if (c.state == State::Present || c.state == State::HeldOpen || c.state == State::ReadOnly) {
            ASSERT_TRUE(WriteWholeFile(path, "old"));
        }
        if (c.state == State::ReadOnly) {
            ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
        }
        if (c.state == State::Directory) {
            ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
        }
        HeldFile held(c.state == State::HeldOpen ? path : std::string());

        SetLastError(0);
        EXPECT_EQ(RemoveFileIfPresent(path.c_str()), c.succeeds);
        if (!c.succeeds) {
            EXPECT_EQ(GetLastError(), c.error);
        }
        held.Close();
        const bool stillThere = GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
        EXPECT_EQ(stillThere, !c.succeeds);
    }
}

TEST(CreateDirectoryIfMissing, AcceptsAnExistingDirectoryButNothingElseInItsPlace)
{
    enum class State { Missing, Directory, File, MissingParent };
    struct Case { const char* what; State state; bool succeeds; DWORD error; };
    const Case cases[] = {
        {"a new directory", State::Missing, true, 0},
        {"an existing directory", State::Directory, true, 0},
        {"a file of that name", State::File, false, ERROR_ALREADY_EXISTS},
        {"a missing parent", State::MissingParent, false, ERROR_PATH_NOT_FOUND},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        const std::string path = c.state == State::MissingParent ? folder / "missing\\nelvar" : folder / "nelvar";
        if (c.state == State::Directory) {
            ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
        }
        if (c.state == State::File) {
            ASSERT_TRUE(WriteWholeFile(path, "not a directory"));
        }

        SetLastError(0);
        EXPECT_EQ(CreateDirectoryIfMissing(path.c_str()), c.succeeds);
        if (!c.succeeds) {
            EXPECT_EQ(GetLastError(), c.error);
        }
        EXPECT_EQ(DirectoryExists(path), c.succeeds);
        if (c.state == State::File) {
            EXPECT_EQ(ReadWholeFile(path), std::string("not a directory"));
        }
    }
}
