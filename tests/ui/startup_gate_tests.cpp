// End to end: the setup program on the Windows versions that Wine can pretend to be. Old
// systems are refused with two boxes, Chinese first, and the program ends; newer ones get the
// language list.
#include <gtest/gtest.h>

#include <string>

#include "ui_driver.h"
#include "windows/identifiers.h"

namespace {

const std::wstring ChineseRefusal = L"系统版本过老，已不再被支持，请升级到vista及以上的系统，当前系统版本是：";
const std::wstring EnglishRefusal =
    L"The system version is too old and is no longer supported. Please upgrade to a vista or higher system. "
    L"The current system version is:";

bool StartsWith(const std::wstring& text, const std::wstring& start) { return text.compare(0, start.size(), start) == 0; }

class StartupGate : public ::testing::Test {
protected:
    void TearDown() override { ui::SetReportedWindowsVersion(L""); }
};

}  // namespace

TEST_F(StartupGate, RefusesOldSystemsWithTwoBoxesAndEnds)
{
    // Wine reports these versions to the program; the names depend on the program's bitness
    // (a 64-bit program on "winxp" is told XP x64, version 5.2), so the name is read from the box.
    for (const wchar_t* version : {L"winxp", L"win2k", L"win2003"}) {
        SCOPED_TRACE(std::string(version, version + wcslen(version)));
        ASSERT_TRUE(ui::SetReportedWindowsVersion(version));
        ui::SetupProcess process;
        ASSERT_TRUE(process.Started());

        ui::MessageBoxInfo chinese = ui::WaitForMessageBox(process.Id());
        ASSERT_NE(chinese.window, nullptr) << "no refusal box";
        EXPECT_EQ(chinese.title, L"错误");
        EXPECT_EQ(chinese.owner, nullptr) << "the refusal box has no owner";
        ASSERT_TRUE(StartsWith(chinese.text, ChineseRefusal)) << "first box: " << chinese.text.size() << " chars";
        const std::wstring name = chinese.text.substr(ChineseRefusal.size());
        EXPECT_TRUE(StartsWith(name, L"Windows ")) << "the system's name follows the text directly";
        EXPECT_EQ(chinese.buttons, std::vector<std::wstring>{L"OK"});
        ASSERT_TRUE(ui::ClickMessageBoxButton(chinese, L"OK"));

        ui::MessageBoxInfo english;
        ASSERT_TRUE(ui::WaitFor([&] {
            english = ui::WaitForMessageBox(process.Id(), 1000);
            return english.window && english.window != chinese.window && IsWindow(chinese.window) == FALSE;
        })) << "no second box";
        EXPECT_EQ(english.title, L"错误");
        EXPECT_EQ(english.text, EnglishRefusal + name);
        ASSERT_TRUE(ui::ClickMessageBoxButton(english, L"OK"));

        DWORD code = 0xBADBAD;
        ASSERT_TRUE(process.WaitForExit(code)) << "the program did not end after refusing the system";
        EXPECT_EQ(code, 0u);
    }
}

TEST_F(StartupGate, AcceptsVistaAndLater)
{
    for (const wchar_t* version : {L"vista", L"win7", L"win81", L"win10"}) {
        SCOPED_TRACE(std::string(version, version + wcslen(version)));
        ASSERT_TRUE(ui::SetReportedWindowsVersion(version));
        ui::SetupProcess process;
        ASSERT_TRUE(process.Started());
        HWND start = ui::WaitForProgramWindow(process.Id(), StartWindow);
        ASSERT_NE(start, nullptr) << "no start window";
        HWND list = ui::FindControl(start, StartWindowControls::组合框1);
        EXPECT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 2);
        EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 0);
        for (HWND window : ui::VisibleTopLevelWindows(process.Id())) {
            EXPECT_NE(ui::ClassName(window), L"#32770") << "a box was shown on an accepted system";
        }
        PostMessageW(start, WM_CLOSE, 0, 0);
        DWORD code = 0xBADBAD;
        ASSERT_TRUE(process.WaitForExit(code));
        EXPECT_EQ(code, 0u);
    }
}
