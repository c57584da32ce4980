// Starting the installed program: by its full path, with a quoted command line, in the install
// directory; a failed start is told.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "install/failure_box.h"
#include "install/install_procedure.h"
#include "install/launch.h"
#include "test_support.h"

namespace {

// The value of "<key>: " in the installed program's start report, or "" when it is missing.
std::string ReportValue(const std::string& report, const std::string& key)
{
    const std::string prefix = key + ": ";
    const size_t start = report.find(prefix);
    if (start == std::string::npos) return "";
    const size_t end = report.find('\n', start);
    return report.substr(start + prefix.size(), end == std::string::npos ? std::string::npos : end - start - prefix.size());
}

// Polls until the condition holds or the deadline passes.
template <typename Condition>
bool WaitFor(Condition condition, DWORD deadlineMilliseconds)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > deadlineMilliseconds) return false;
        Sleep(50);
    }
    return true;
}

class Launch : public InstallationTest {
protected:
    Launch()
    {
        SetEnvironmentVariableA("NELVAR_REPORT", report_.c_str());
        SetEnvironmentVariableA("NELVAR_EXIT_AFTER_MS", "300");
    }
    ~Launch() override
    {
        SetEnvironmentVariableA("NELVAR_REPORT", nullptr);
        SetEnvironmentVariableA("NELVAR_EXIT_AFTER_MS", nullptr);
        DeleteFileA(PlantedProgram);
    }
    // Waits until the started program has written its report and closed its window again.
    std::string ReportOfStartedProgram()
    {
        EXPECT_TRUE(WaitFor([&] { return FileExists(report_) && !ReadWholeFile(report_)->empty(); }, 30000))
            << "the installed program did not start";
        EXPECT_TRUE(WaitFor([] { return FindWindowW(L"NelvarWindow", L"Nelvar") == nullptr; }, 30000))
            << "the installed program did not end";
        return ReadWholeFile(report_).value_or("");
    }

    static constexpr const char* PlantedProgram = "C:\\Program.exe";
    std::string report_ = scratch_ / "report.txt";
};

}  // namespace

TEST_F(Launch, StartsTheInstalledProgramByItsPathInTheInstallDirectory)
{
    FakeFailureBox box([](const BoxCall& call) {
        ADD_FAILURE() << "unexpected box: " << call.text;
        return CancelAnswer;
    });
    ASSERT_TRUE(RemoveInstalledFiles(InstallLanguage::English, NoWindow));
    ASSERT_TRUE(PlaceInstalledFiles(InstallLanguage::English, NoWindow));
    // A program planted where the unquoted path's first word would find it must not run.
    ASSERT_TRUE(CopyFileA(InstalledFile("Corvex.exe").c_str(), PlantedProgram, FALSE));

    LaunchInstalledProgram(InstallLanguage::English, EnglishFinishWindow);
    const std::string report = ReportOfStartedProgram();
    EXPECT_EQ(ReportValue(report, "command line"), "\"C:\\Program Files\\nelvar\\nelvar.exe\"") << report;
    EXPECT_EQ(ReportValue(report, "current directory"), "C:\\Program Files\\nelvar") << report;
    EXPECT_EQ(ReportValue(report, "language"), "en") << report;
    EXPECT_EQ(FindWindowW(L"CorvexWindow", nullptr), nullptr) << "the planted program was started";
}

TEST_F(Launch, AProgramThatCannotBeStartedIsTold)
{
    FakeFailureBox box([](const BoxCall&) { return 0; });
    SetLastError(0);
    EXPECT_FALSE(RunProgram(InstalledFile("nelvar.exe").c_str(), "C:\\Program Files\\nelvar"));
    EXPECT_NE(GetLastError(), 0u);

    LaunchInstalledProgram(InstallLanguage::Chinese, ChineseFinishWindow);
    ASSERT_EQ(box.Calls().size(), 1u);
    const BoxCall& call = box.Calls()[0];
    EXPECT_EQ(call.style, static_cast<uint32_t>(MB_OK | MB_ICONERROR));
    EXPECT_EQ(call.owner, ChineseFinishWindow);
    EXPECT_NE(call.text.find("无法启动程序：\r\nC:\\Program Files\\nelvar\\nelvar.exe\r\n\r\n系统错误 "), std::string::npos)
        << call.text;
    EXPECT_FALSE(FileExists(report_));
}
