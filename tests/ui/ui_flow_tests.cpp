// End to end: the real setup program, driven with real mouse and keyboard input, walked through
// its windows and pages in both languages; every path must end as a user expects.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "installation_state.h"
#include "ui_driver.h"
#include "wizard_languages.h"
#include "windows/identifiers.h"

namespace {

std::vector<uint32_t> Sorted(std::vector<uint32_t> ids)
{
    std::sort(ids.begin(), ids.end());
    return ids;
}

using Language = WizardLanguage;
using languages::Chinese;
using languages::English;

std::vector<uint32_t> LanguagePage(const Language& l) { return Sorted({l.标签1, l.标签2, l.按钮3}); }
std::vector<uint32_t> AgreementPage(const Language& l)
{
    std::vector<uint32_t> page = {l.编辑框1, l.标签3, l.按钮1, l.按钮2};
    if (l.titleOnAgreementPage) page.push_back(l.标签1);
    return Sorted(page);
}
std::vector<uint32_t> DirectoryPage(const Language& l) { return Sorted({l.标签1, l.标签4, l.编辑框2, l.按钮4}); }

enum class Page { Language, Agreement, Directory };

// Closes the window as a user would: with Esc, or with the Close button of its caption.
void Close(HWND window, bool escape)
{
    if (escape) {
        ASSERT_TRUE(ui::Activate(window)) << "the window could not be brought forward for Esc";
        ui::PressKey(VK_ESCAPE);
    } else {
        ui::ClickCloseButton(window);
    }
}

// A started setup program brought to a page of the setup window of a language.
class Wizard {
public:
    explicit Wizard(const Language& language) : language_(language) {}

    ui::SetupProcess& Process() { return process_; }
    HWND SetupWindow() const { return setup_; }

    // Chooses the language on the start window with the keyboard and clicks Next.
    void OpenSetupWindow()
    {
        ASSERT_TRUE(process_.Started()) << "NELVAR_SETUP_EXE could not be started";
        HWND start = ui::WaitForProgramWindow(process_.Id(), StartWindow);
        ASSERT_NE(start, nullptr) << "the start window did not appear";
        HWND list = ui::FindControl(start, StartWindowControls::组合框1);
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 0) << "item 0 is selected at start";
        ASSERT_TRUE(ui::ChooseListItem(list, language_.listIndex))
            << "the keyboard did not select item " << language_.listIndex;
        ui::Click(ui::FindControl(start, StartWindowControls::按钮1));
        setup_ = ui::WaitForProgramWindow(process_.Id(), language_.setupWindow);
        ASSERT_NE(setup_, nullptr) << "the " << language_.name << " setup window did not appear";
        EXPECT_TRUE(ui::WaitForWindowGone(process_.Id(), StartWindow)) << "the start window stayed";
        ExpectPage(LanguagePage(language_), "LanguagePage");
    }

    void GoTo(Page page)
    {
        OpenSetupWindow();
        if (HasFatalFailure() || page == Page::Language) return;
        ui::Click(ui::FindControl(setup_, language_.按钮3));
        ExpectPage(AgreementPage(language_), "AgreementPage");
        if (page == Page::Agreement) return;
        ui::Click(ui::FindControl(setup_, language_.按钮1));
        ExpectPage(DirectoryPage(language_), "DirectoryPage");
    }

    void ExpectPage(const std::vector<uint32_t>& expected, const char* page)
    {
        std::vector<uint32_t> visible;
        ui::WaitFor([&] {
            visible = Sorted(ui::VisibleControls(setup_));
            return visible == expected;
        }, 10000);
        EXPECT_EQ(visible, expected) << language_.name << " " << page << ": visible controls";
    }

    DWORD ExitCode()
    {
        DWORD code = 0xBADBAD;
        EXPECT_TRUE(process_.WaitForExit(code)) << "the program did not end";
        return code;
    }

private:
    static bool HasFatalFailure() { return ::testing::Test::HasFatalFailure(); }
    const Language& language_;
    ui::SetupProcess process_;
    HWND setup_ = nullptr;
};

class LanguageTest : public ::testing::TestWithParam<const Language*> {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(ui::SetupProgramPath().empty()) << "NELVAR_SETUP_EXE is not set";
        RemoveInstallation();
        ASSERT_FALSE(PathExists(InstallRoot)) << "the install directory could not be removed before the test";
    }
};

}  // namespace

TEST(StartWindowTest, ShowsTheLanguageListAndCloses)
{
    struct Case { const char* how; bool escape; };
    for (const Case c : {Case{"Close button", false}, Case{"Esc", true}}) {
        ui::SetupProcess process;
        ASSERT_TRUE(process.Started());
        HWND start = ui::WaitForProgramWindow(process.Id(), StartWindow);
        ASSERT_NE(start, nullptr) << "the start window did not appear";
        EXPECT_EQ(ui::WindowText(start), L"") << "the window title is empty";
        HWND list = ui::FindControl(start, StartWindowControls::组合框1);
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 2);
        wchar_t item[64] = {};
        SendMessageW(list, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(item));
        EXPECT_STREQ(item, L"\u7B80\u4F53\u4E2D\u6587");
        SendMessageW(list, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(item));
        EXPECT_STREQ(item, L"ENGISH");
        EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 0);
        EXPECT_EQ(Sorted(ui::VisibleControls(start)),
                  Sorted({StartWindowControls::标签1, StartWindowControls::组合框1, StartWindowControls::按钮1,
                          StartWindowControls::标签2, StartWindowControls::标签3}));

        ASSERT_NO_FATAL_FAILURE(Close(start, c.escape));
        DWORD code = 0xBADBAD;
        EXPECT_TRUE(process.WaitForExit(code)) << c.how << " did not end the program";
        EXPECT_EQ(code, 0u) << c.how;
    }
}

TEST_P(LanguageTest, WalksThePagesAndClosesOnEachOfThem)
{
    const Language& language = *GetParam();
    struct Case { Page page; const char* name; bool escape; };
    const Case cases[] = {
        {Page::Language, "LanguagePage", true},   {Page::Language, "LanguagePage", false},
        {Page::Agreement, "AgreementPage", true}, {Page::Agreement, "AgreementPage", false},
        {Page::Directory, "DirectoryPage", true}, {Page::Directory, "DirectoryPage", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(language.name) + " " + c.name + (c.escape ? " Esc" : " Close button"));
        Wizard wizard(language);
        wizard.GoTo(c.page);
        if (HasFatalFailure()) return;
        ASSERT_NO_FATAL_FAILURE(Close(wizard.SetupWindow(), c.escape));
        EXPECT_EQ(wizard.ExitCode(), 0u);
        EXPECT_TRUE(ui::VisibleTopLevelWindows(wizard.Process().Id()).empty());
        EXPECT_FALSE(PathExists(InstallRoot)) << "closing the wizard installed something";
    }
}

TEST_P(LanguageTest, DecliningShowsTheBoxAndEndsWithoutInstalling)
{
    const Language& language = *GetParam();
    Wizard wizard(language);
    wizard.GoTo(Page::Agreement);
    if (HasFatalFailure()) return;
    ui::Click(ui::FindControl(wizard.SetupWindow(), language.按钮2));
    ui::MessageBoxInfo box = ui::WaitForMessageBox(wizard.Process().Id());
    ASSERT_NE(box.window, nullptr) << "no message box after declining";
    EXPECT_EQ(box.title, L"\u4FE1\u606F\uFF1A");  // 信息：
    EXPECT_EQ(box.text, language.declineText);
    EXPECT_EQ(box.buttons, std::vector<std::wstring>{L"OK"});
    EXPECT_FALSE(IsWindowEnabled(wizard.SetupWindow())) << "the setup window can be clicked while the box is shown";
    ASSERT_TRUE(ui::ClickMessageBoxButton(box, L"OK"));
    EXPECT_EQ(wizard.ExitCode(), 0u);
    EXPECT_FALSE(PathExists(InstallRoot)) << "declining installed something";
}

TEST_P(LanguageTest, AgreementPageKeyboard)
{
    const Language& language = *GetParam();
    Wizard wizard(language);
    wizard.GoTo(Page::Agreement);
    if (HasFatalFailure()) return;
    HWND window = wizard.SetupWindow();
    ASSERT_TRUE(ui::Activate(window));
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    auto focus = [&] {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(thread, &info);
        return info.hwndFocus;
    };
    HWND agreement = ui::FindControl(window, language.编辑框1);
    HWND agree = ui::FindControl(window, language.按钮1);
    HWND disagree = ui::FindControl(window, language.按钮2);
    ui::Click(agreement);
    ASSERT_TRUE(ui::WaitFor([&] { return focus() == agreement; })) << "clicking the agreement does not focus it";

    const HWND forward[] = {agree, disagree, agreement, agree};
    for (HWND expected : forward) {
        ui::PressKey(VK_TAB);
        EXPECT_TRUE(ui::WaitFor([&] { return focus() == expected; }, 5000)) << "Tab went to the wrong control";
    }
    const HWND backward[] = {agreement, disagree, agree};
    for (HWND expected : backward) {
        ui::PressKey(VK_TAB, true);
        EXPECT_TRUE(ui::WaitFor([&] { return focus() == expected; }, 5000)) << "Shift+Tab went to the wrong control";
    }
    // Enter does nothing; Space clicks the focused button ("I agree").
    ASSERT_TRUE(ui::WaitFor([&] { return focus() == agree; }, 5000));
    ui::PressKey(VK_RETURN);
    wizard.ExpectPage(AgreementPage(language), "AgreementPage after Enter");
    ui::PressKey(VK_SPACE);
    wizard.ExpectPage(DirectoryPage(language), "DirectoryPage after Space");

    ui::PressKey(VK_ESCAPE);
    EXPECT_EQ(wizard.ExitCode(), 0u);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, LanguageTest, ::testing::Values(&Chinese, &English),
                         [](const ::testing::TestParamInfo<const Language*>& info) {
                             return std::string(info.param->name);
                         });
