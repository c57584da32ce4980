// Walks the setup program through every window it can reach and saves a picture of each:
//   nelvar-tour <setup.exe> <folder> [install]
// The pictures are BMP files named by step. Without "install" each language is walked up to
// its directory page and its decline box; with it, the Chinese wizard also installs and shows
// its installing page and finish window (the English one likewise in a second run of the
// program). Exit code 0 when every window was seen and saved.
#include <cstdio>
#include <string>

#include "ui_driver.h"
#include "wizard_languages.h"
#include "windows/identifiers.h"

namespace {

struct Walk {
    std::wstring folder;
    int failures = 0;

    void Save(HWND window, const wchar_t* name)
    {
        if (!window) {
            fwprintf(stderr, L"tour: %ls: the window did not appear\n", name);
            ++failures;
            return;
        }
        Sleep(300);  // let the window finish painting before the picture is taken
        const std::wstring path = folder + L"\\" + name + L".bmp";
        if (!ui::SaveScreenshot(window, path)) {
            fwprintf(stderr, L"tour: %ls could not be saved\n", path.c_str());
            ++failures;
        } else {
            fwprintf(stdout, L"tour: saved %ls\n", path.c_str());
        }
    }
};

HWND OpenSetupWindow(ui::SetupProcess& process, const WizardLanguage& language, Walk* walk)
{
    HWND start = ui::WaitForProgramWindow(process.Id(), StartWindow);
    if (!start) return nullptr;
    if (walk) walk->Save(start, L"01-start");
    HWND list = ui::FindControl(start, StartWindowControls::组合框1);
    if (!ui::ChooseListItem(list, language.listIndex)) return nullptr;
    ui::Click(ui::FindControl(start, StartWindowControls::按钮1));
    HWND setup = ui::WaitForProgramWindow(process.Id(), language.setupWindow);
    ui::WaitForWindowGone(process.Id(), StartWindow);
    return setup;
}

void WalkLanguage(Walk& walk, const std::wstring& exe, const WizardLanguage& language, bool install)
{
    const std::wstring tag = language.tag;
    ui::SetupProcess process(exe);
    HWND setup = OpenSetupWindow(process, language, language.listIndex == 0 ? &walk : nullptr);
    walk.Save(setup, (tag + L"-1-language-page").c_str());
    if (!setup) return;
    ui::Click(ui::FindControl(setup, language.按钮3));
    walk.Save(setup, (tag + L"-2-agreement-page").c_str());
    if (!install) {
        ui::Click(ui::FindControl(setup, language.按钮2));
        ui::MessageBoxInfo box = ui::WaitForMessageBox(process.Id());
        walk.Save(box.window, (tag + L"-5-decline-box").c_str());
        if (box.window) ui::ClickMessageBoxButton(box, L"OK");
        DWORD code = 0;
        process.WaitForExit(code);
        return;
    }
    ui::Click(ui::FindControl(setup, language.按钮1));
    walk.Save(setup, (tag + L"-3-directory-page").c_str());
    ui::Click(ui::FindControl(setup, language.按钮4));
    walk.Save(setup, (tag + L"-4-installing-page").c_str());
    HWND finish = ui::WaitForProgramWindow(process.Id(), language.finishWindow, 120000);
    walk.Save(finish, (tag + L"-6-finish-window").c_str());
    if (finish) ui::ClickCloseButton(finish);
    DWORD code = 0;
    process.WaitForExit(code);
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) {
        fwprintf(stderr, L"usage: nelvar-tour <setup.exe> <folder> [install]\n");
        return 2;
    }
    Walk walk{argv[2]};
    const bool install = argc > 3 && std::wstring(argv[3]) == L"install";
    for (const WizardLanguage* language : languages::All) {
        WalkLanguage(walk, argv[1], *language, false);
        if (install) WalkLanguage(walk, argv[1], *language, true);
    }
    return walk.failures == 0 ? 0 : 1;
}
