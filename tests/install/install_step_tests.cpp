// The install steps on the real install directory: a fresh installation, a reinstallation in
// the other language, and each step that fails, told in a box whose Retry repeats the step
// and whose Cancel stops the installation.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "install/install_procedure.h"
#include "install/payload_catalogue.h"
#include "test_support.h"

namespace {

const char* const InstalledNames[] = {"Corvex.exe", "nelvar.exe", "Lumbra.dll", "Fenwy.dll", "Pellot.png", "Pellot2.jpg"};

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class InstallSteps : public InstallationTest {
protected:
    // Every installed file is the built payload file of the language, and nothing else is there.
    void ExpectInstalled(bool chinese)
    {
        const size_t* order = InstallOrder(chinese);
        for (size_t i = 0; i < InstallFileCount; ++i) {
            EXPECT_TRUE(ReadWholeFile(InstalledFile(InstalledNames[i])) == BuiltPayload(order[i]))
                << InstalledNames[i] << " is not the built file of the " << (chinese ? "Chinese" : "English")
                << " installation";
        }
        std::vector<std::string> names(std::begin(InstalledNames), std::end(InstalledNames));
        std::sort(names.begin(), names.end());
        EXPECT_EQ(FolderEntries("C:\\Program Files\\nelvar"), names);
        EXPECT_TRUE(FileExists(DesktopShortcut()));
    }

    bool Install(InstallLanguage language, WindowId owner = NoWindow)
    {
        return RemoveInstalledFiles(language, owner) && PlaceInstalledFiles(language, owner);
    }
};

int Unexpected(const BoxCall& call)
{
    ADD_FAILURE() << "unexpected box: " << call.text;
    return CancelAnswer;
}

}  // namespace

TEST_F(InstallSteps, AFreshInstallationAndAReinstallationInTheOtherLanguage)
{
    FakeFailureBox box(Unexpected);
    ASSERT_FALSE(DirectoryExists("C:\\Program Files\\nelvar"));
    ASSERT_TRUE(Install(InstallLanguage::Chinese));
    ExpectInstalled(true);
    ASSERT_TRUE(Install(InstallLanguage::English));
    ExpectInstalled(false);
    EXPECT_TRUE(box.Calls().empty());
}

TEST_F(InstallSteps, AnOldFileThatCannotBeRemovedIsToldAndRetriedOrCancelled)
{
    enum class Blocker { InUse, ReadOnly };
    struct Case { const char* what; Blocker blocker; int answer; DWORD error; };
    const Case cases[] = {
        {"in use, Retry after it is closed", Blocker::InUse, RetryAnswer, ERROR_SHARING_VIOLATION},
        {"in use, Cancel", Blocker::InUse, CancelAnswer, ERROR_SHARING_VIOLATION},
        {"read-only, Retry after it is made writable", Blocker::ReadOnly, RetryAnswer, ERROR_ACCESS_DENIED},
        {"read-only, Cancel", Blocker::ReadOnly, CancelAnswer, ERROR_ACCESS_DENIED},
    };
    const std::string program = InstalledFile("nelvar.exe");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        {
            FakeFailureBox box(Unexpected);
            ASSERT_TRUE(Install(InstallLanguage::English));
        }
        std::optional<HeldFile> held;
        if (c.blocker == Blocker::InUse) held.emplace(program);
        if (c.blocker == Blocker::ReadOnly) {
            ASSERT_TRUE(SetFileAttributesA(program.c_str(), FILE_ATTRIBUTE_READONLY));
        }

        FakeFailureBox box([&](const BoxCall&) {
            if (c.answer == RetryAnswer) {
                if (held) held->Close();
                SetFileAttributesA(program.c_str(), FILE_ATTRIBUTE_NORMAL);
            }
            return c.answer;
        });
        const bool completed = RemoveInstalledFiles(InstallLanguage::Chinese, ChineseSetupWindow);

        ASSERT_EQ(box.Calls().size(), 1u);
        const BoxCall& call = box.Calls()[0];
        EXPECT_EQ(call.style, static_cast<uint32_t>(MB_RETRYCANCEL | MB_ICONERROR));
        EXPECT_EQ(call.title, "安装错误");
        EXPECT_EQ(call.owner, ChineseSetupWindow);
        EXPECT_TRUE(Contains(call.text, "无法删除旧文件："));
        EXPECT_TRUE(Contains(call.text, "C:\\Program Files\\nelvar\\nelvar.exe"));
        EXPECT_TRUE(Contains(call.text, "系统错误 " + std::to_string(c.error) + "：" + SystemTextOf(c.error)))
            << call.text;

        EXPECT_EQ(completed, c.answer == RetryAnswer);
        EXPECT_FALSE(FileExists(InstalledFile("Corvex.exe"))) << "the file before the failure stays removed";
        EXPECT_EQ(FileExists(program), c.answer == CancelAnswer);
        EXPECT_EQ(FileExists(InstalledFile("Lumbra.dll")), c.answer == CancelAnswer)
            << "the files after a cancelled step are left alone";
        if (held) held->Close();
        SetFileAttributesA(program.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST_F(InstallSteps, AFileInPlaceOfTheInstallDirectoryIsToldAndRetriedOrCancelled)
{
    for (int answer : {RetryAnswer, CancelAnswer}) {
        SCOPED_TRACE(answer == RetryAnswer ? "Retry" : "Cancel");
        RemoveTree("C:\\Program Files\\nelvar");
        DeleteFileA(DesktopShortcut().c_str());
        ASSERT_TRUE(WriteWholeFile("C:\\Program Files\\nelvar", "a file"));
        FakeFailureBox box([&](const BoxCall&) {
            if (answer == RetryAnswer) DeleteFileA("C:\\Program Files\\nelvar");
            return answer;
        });
        const bool completed = PlaceInstalledFiles(InstallLanguage::English, EnglishSetupWindow);

        ASSERT_EQ(box.Calls().size(), 1u);
        const BoxCall& call = box.Calls()[0];
        EXPECT_EQ(call.title, "Setup error");
        EXPECT_EQ(call.owner, EnglishSetupWindow);
        EXPECT_TRUE(Contains(call.text, "The install directory could not be created:\r\nC:\\Program Files\\nelvar\r\n"))
            << call.text;
        EXPECT_TRUE(Contains(call.text, "System error 183: " + SystemTextOf(ERROR_ALREADY_EXISTS))) << call.text;
        EXPECT_EQ(completed, answer == RetryAnswer);
        if (answer == RetryAnswer) {
            ExpectInstalled(false);
        } else {
            EXPECT_EQ(ReadWholeFile("C:\\Program Files\\nelvar"), std::string("a file"));
            EXPECT_FALSE(FileExists(DesktopShortcut()));
        }
    }
}

TEST_F(InstallSteps, AFileThatCannotBeReplacedIsToldAndNeverLeftTruncated)
{
    const std::string fenwy = InstalledFile("Fenwy.dll");
    for (int answer : {RetryAnswer, CancelAnswer}) {
        SCOPED_TRACE(answer == RetryAnswer ? "Retry" : "Cancel");
        {
            FakeFailureBox box(Unexpected);
            ASSERT_TRUE(Install(InstallLanguage::English));
        }
        ASSERT_TRUE(WriteWholeFile(fenwy, "the old Fenwy.dll"));
        ASSERT_TRUE(DeleteFileA(InstalledFile("Pellot.png").c_str()));
        HeldFile held(fenwy);
        ASSERT_TRUE(held.IsOpen());
        FakeFailureBox box([&](const BoxCall&) {
            if (answer == RetryAnswer) held.Close();
            return answer;
        });
        const bool completed = PlaceInstalledFiles(InstallLanguage::Chinese, ChineseSetupWindow);
        held.Close();

        ASSERT_EQ(box.Calls().size(), 1u);
        EXPECT_TRUE(Contains(box.Calls()[0].text, "无法写入文件：\r\nC:\\Program Files\\nelvar\\Fenwy.dll\r\n"))
            << box.Calls()[0].text;
        EXPECT_TRUE(Contains(box.Calls()[0].text, "\r\n\r\n系统错误 ")) << box.Calls()[0].text;
        EXPECT_EQ(completed, answer == RetryAnswer);
        if (answer == RetryAnswer) {
            ExpectInstalled(true);
        } else {
            EXPECT_EQ(ReadWholeFile(fenwy), std::string("the old Fenwy.dll"));
            EXPECT_TRUE(ReadWholeFile(InstalledFile("nelvar.exe")) == BuiltPayload(6)) << "what was written stays";
            EXPECT_FALSE(FileExists(InstalledFile("Pellot.png"))) << "a file after the cancelled step was written";
            EXPECT_FALSE(FileExists(fenwy + ".part"));
        }
    }
}

TEST_F(InstallSteps, AShortcutThatCannotBeSavedIsToldAndRetriedOrCancelled)
{
    const std::string missingDesktop = scratch_ / "gone.desktop";
    DesktopFolderOverride override(missingDesktop);
    for (int answer : {RetryAnswer, CancelAnswer}) {
        SCOPED_TRACE(answer == RetryAnswer ? "Retry" : "Cancel");
        RemoveTree(missingDesktop);
        FakeFailureBox box([&](const BoxCall&) {
            if (answer == RetryAnswer) CreateDirectoryA(missingDesktop.c_str(), nullptr);
            return answer;
        });
        const bool completed = PlaceInstalledFiles(InstallLanguage::English, EnglishSetupWindow);

        ASSERT_EQ(box.Calls().size(), 1u);
        EXPECT_TRUE(Contains(box.Calls()[0].text, "The desktop shortcut could not be created:\r\n"))
            << box.Calls()[0].text;
        EXPECT_EQ(completed, answer == RetryAnswer);
        EXPECT_EQ(FileExists(missingDesktop + "\\nelvar.lnk"), answer == RetryAnswer);
        EXPECT_TRUE(FileExists(InstalledFile("Pellot2.jpg"))) << "the files come before the shortcut";
    }
    RemoveTree(missingDesktop);
}

TEST_F(InstallSteps, TheWholeProcedureInstallsOrStopsAtTheFirstCancelledStep)
{
    {
        FakeFailureBox box(Unexpected);
        InstallProcedure(InstallLanguage::English);
        ExpectInstalled(false);
    }
    // A cancelled removal: nothing is written afterwards.
    HeldFile held(InstalledFile("Corvex.exe"));
    ASSERT_TRUE(held.IsOpen());
    ASSERT_TRUE(DeleteFileA(InstalledFile("Pellot2.jpg").c_str()));
    ASSERT_TRUE(DeleteFileA(DesktopShortcut().c_str()));
    FakeFailureBox box([](const BoxCall&) { return CancelAnswer; });
    InstallProcedure(InstallLanguage::Chinese);
    held.Close();
    EXPECT_EQ(box.Calls().size(), 1u);
    EXPECT_TRUE(ReadWholeFile(InstalledFile("nelvar.exe")) == BuiltPayload(1)) << "the English program was replaced";
    EXPECT_FALSE(FileExists(InstalledFile("Pellot2.jpg")));
    EXPECT_FALSE(FileExists(DesktopShortcut()));
}
