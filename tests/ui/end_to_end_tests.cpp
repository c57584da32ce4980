// End to end: a user installs Nelvar through the real setup program in each language, opens it
// from the finish window, or closes the setup window while the installation waits.
#include <gtest/gtest.h>

#include <string>

#include "built_payload_files.h"
#include "installation_state.h"
#include "ui_driver.h"
#include "wizard_languages.h"
#include "windows/identifiers.h"

namespace {

// Storage order of the built payload: Corvex.exe, en/nelvar.exe, Lumbra.dll, Fenwy.dll,
// Pellot.png, Pellot2.jpg, zh/nelvar.exe.
struct InstalledFile {
    const wchar_t* name;
    int storageIndex;
};

using Language = WizardLanguage;
using languages::Chinese;
using languages::English;

class EndToEnd : public ::testing::TestWithParam<const Language*> {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(ui::SetupProgramPath().empty()) << "NELVAR_SETUP_EXE is not set";
        RemoveInstallation();
        ASSERT_FALSE(PathExists(InstallRoot)) << "the install directory could not be removed before the test";
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        report_ = std::wstring(folder) + L"nelvar-end-to-end-report.txt";
        DeleteFileW(report_.c_str());
        // The setup program passes its environment on to the program it starts.
        SetEnvironmentVariableW(L"NELVAR_REPORT", report_.c_str());
        SetEnvironmentVariableW(L"NELVAR_EXIT_AFTER_MS", L"3000");
    }
    void TearDown() override
    {
        SetEnvironmentVariableW(L"NELVAR_REPORT", nullptr);
        SetEnvironmentVariableW(L"NELVAR_EXIT_AFTER_MS", nullptr);
        DeleteFileW(report_.c_str());
        RemoveInstallation();
    }

    // Walks to the directory page and clicks its Next; sets setup_ to the setup window.
    void StartInstalling(ui::SetupProcess& process, const Language& language)
    {
        HWND start = ui::WaitForProgramWindow(process.Id(), StartWindow);
        ASSERT_NE(start, nullptr) << "no start window";
        HWND list = ui::FindControl(start, StartWindowControls::组合框1);
        ASSERT_TRUE(ui::ChooseListItem(list, language.listIndex)) << "the language could not be chosen";
        ui::Click(ui::FindControl(start, StartWindowControls::按钮1));
        setup_ = ui::WaitForProgramWindow(process.Id(), language.setupWindow);
        ASSERT_NE(setup_, nullptr) << "Next on the start window opened no setup window";
        ui::Click(ui::FindControl(setup_, language.按钮3));
        HWND agree = ui::FindControl(setup_, language.按钮1);
        ASSERT_TRUE(ui::WaitFor([&] { return IsWindowVisible(agree) != FALSE; })) << "no agreement page";
        ui::Click(agree);
        HWND install = ui::FindControl(setup_, language.按钮4);
        ASSERT_TRUE(ui::WaitFor([&] { return IsWindowVisible(install) != FALSE; })) << "no directory page";
        ui::Click(install);
    }

    HWND setup_ = nullptr;
    std::wstring report_;
};

}  // namespace

TEST_P(EndToEnd, InstallsAndOpensNelvar)
{
    const Language& language = *GetParam();
    ui::SetupProcess process;
    ASSERT_TRUE(process.Started());
    ASSERT_NO_FATAL_FAILURE(StartInstalling(process, language));
    HWND setup = setup_;

    // The installing page: the title and the installing label, and no button to press.
    HWND installing = ui::FindControl(setup, language.标签5);
    EXPECT_TRUE(ui::WaitFor([&] { return IsWindowVisible(installing) != FALSE; })) << "no installing page";

    HWND finish = ui::WaitForProgramWindow(process.Id(), language.finishWindow);
    ASSERT_NE(finish, nullptr) << "the finish window did not appear";
    EXPECT_TRUE(ui::WaitForWindowGone(process.Id(), language.setupWindow)) << "the setup window stayed";

    // The six files, byte for byte, and the shortcut.
    const InstalledFile files[] = {
        {L"Corvex.exe", 0}, {L"nelvar.exe", language.programIndex}, {L"Lumbra.dll", 2},
        {L"Fenwy.dll", 3},  {L"Pellot.png", 4},                     {L"Pellot2.jpg", 5},
    };
    for (const InstalledFile& file : files) {
        const std::wstring path = InstallRoot + L"\\" + file.name;
        const std::string built = ReadBytes(BuiltPayloadFiles[file.storageIndex]);
        ASSERT_FALSE(built.empty());
        EXPECT_TRUE(ReadBytes(path) == built) << "installed file differs from the payload: " << path.size();
    }
    EXPECT_TRUE(PathExists(DesktopShortcut())) << "no desktop shortcut";

    // "Open program" starts Nelvar in the install directory and ends the setup program.
    ui::Click(ui::FindControl(finish, language.finishButton));
    DWORD code = 0xBADBAD;
    ASSERT_TRUE(process.WaitForExit(code)) << "the setup program did not end";
    EXPECT_EQ(code, 0u);
    std::string report;
    ASSERT_TRUE(ui::WaitFor([&] {
        report = ReadBytes(report_);
        return report.find("language: ") != std::string::npos;
    })) << "the installed program did not start";
    EXPECT_NE(report.find("command line: \"C:\\Program Files\\nelvar\\nelvar.exe\""), std::string::npos) << report;
    EXPECT_NE(report.find("current directory: C:\\Program Files\\nelvar"), std::string::npos) << report;
    EXPECT_NE(report.find(std::string("language: ") + language.reportLanguage), std::string::npos) << report;
    HWND nelvar = nullptr;
    ASSERT_TRUE(ui::WaitFor([&] { return (nelvar = FindWindowW(nullptr, L"Nelvar")) != nullptr; }))
        << "Nelvar showed no window";
    // Nelvar ends by itself (NELVAR_EXIT_AFTER_MS); its files can be removed once its process is gone.
    DWORD nelvarId = 0;
    GetWindowThreadProcessId(nelvar, &nelvarId);
    const HANDLE nelvarProcess = OpenProcess(SYNCHRONIZE, FALSE, nelvarId);
    ASSERT_NE(nelvarProcess, nullptr) << "Nelvar's process cannot be waited for";
    EXPECT_EQ(WaitForSingleObject(nelvarProcess, ui::DefaultTimeoutMs()), WAIT_OBJECT_0) << "Nelvar did not end";
    CloseHandle(nelvarProcess);
}

TEST_P(EndToEnd, ClosingTheSetupWindowDuringTheWaitsOpensNoFinishWindow)
{
    const Language& language = *GetParam();
    ui::SetupProcess process;
    ASSERT_TRUE(process.Started());
    ASSERT_NO_FATAL_FAILURE(StartInstalling(process, language));
    HWND setup = setup_;
    HWND installing = ui::FindControl(setup, language.标签5);
    ASSERT_TRUE(ui::WaitFor([&] { return IsWindowVisible(installing) != FALSE; })) << "no installing page";
    EXPECT_TRUE(IsWindowEnabled(setup)) << "the setup window is enabled during the waits";

    ASSERT_TRUE(ui::Activate(setup));
    ui::PressKey(VK_ESCAPE);
    bool finishSeen = false;
    DWORD code = 0xBADBAD;
    const bool ended = ui::WaitFor([&] {
        if (ui::FindProgramWindow(process.Id(), language.finishWindow)) finishSeen = true;
        return process.WaitForExit(code, 0);
    });
    ASSERT_TRUE(ended) << "the setup program did not end";
    EXPECT_FALSE(finishSeen) << "a finish window was opened after the setup window was closed";
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(PathExists(InstallRoot)) << "what was written before the close stays";
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, EndToEnd, ::testing::Values(&Chinese, &English),
                         [](const ::testing::TestParamInfo<const Language*>& info) {
                             return std::string(info.param->name);
                         });
