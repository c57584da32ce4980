#include "install/install_procedure.h"

#include <windows.h>

#include "flow/setup_pages.h"
#include "install/failure_box.h"
#include "install/file_operations.h"
#include "install/message_wait.h"
#include "install/shortcut.h"
#include "shell/shell.h"
#include "shell/window_operations.h"

namespace {

// Runs the operation until it succeeds; after each failure the user chooses Retry or Cancel.
// False when the user cancelled.
template <typename Operation>
bool RunStep(InstallLanguage language, WindowId owner, FailedStep step, const char* path, Operation operation)
{
    while (!operation()) {
        if (!AskToRetry(language, step, path, GetLastError(), owner)) return false;
    }
    return true;
}

bool PlaceDesktopShortcut(InstallLanguage language, WindowId owner)
{
    Text shortcutPath;
    while (!CreateDesktopShortcut(&shortcutPath)) {
        if (!AskToRetry(language, FailedStep::Shortcut, shortcutPath.Bytes(), GetLastError(), owner)) return false;
    }
    return true;
}

// DirectoryPage gives way to InstallingPage; the title stays.
void ShowInstallingPage(const SetupWindowPages& p)
{
    SetControlVisible(p.window, p.标签4, false);
    SetControlVisible(p.window, p.编辑框2, false);
    SetControlVisible(p.window, p.按钮4, false);
    SetControlVisible(p.window, p.标签1, true);
    SetControlVisible(p.window, p.标签5, true);
}

}  // namespace

bool RemoveInstalledFiles(InstallLanguage language, WindowId owner)
{
    const PayloadEntry* const* files = InstallList(language);
    for (uint32_t i = 0; i < InstallFileCount; ++i) {
        const Text path = InstallPath(files[i]->name);
        if (!RunStep(language, owner, FailedStep::Removal, path.Bytes(),
                     [&path] { return RemoveFileIfPresent(path.Bytes()); })) {
            return false;
        }
    }
    return true;
}

bool PlaceInstalledFiles(InstallLanguage language, WindowId owner)
{
    if (!RunStep(language, owner, FailedStep::Directory, InstallRoot,
                 [] { return CreateDirectoryIfMissing(InstallRoot); })) {
        return false;
    }
    const PayloadEntry* const* files = InstallList(language);
    for (uint32_t i = 0; i < InstallFileCount; ++i) {
        const Text path = InstallPath(files[i]->name);
        const ByteView bytes = files[i]->Bytes();
        if (!RunStep(language, owner, FailedStep::Write, path.Bytes(),
                     [&path, &bytes] { return WriteBytesToFile(path.Bytes(), bytes); })) {
            return false;
        }
    }
    return PlaceDesktopShortcut(language, owner);
}

void InstallProcedure(InstallLanguage language)
{
    const bool chinese = language == InstallLanguage::Chinese;
    const SetupWindowPages& pages = chinese ? ChineseSetupPages : EnglishSetupPages;
    ShowInstallingPage(pages);

    bool installed = RemoveInstalledFiles(language, pages.window);
    if (installed) {
        WaitDispatchingMessages(WaitBeforeWriting);
        installed = PlaceInstalledFiles(language, pages.window);
    }
    if (!installed) {
        // Cancelled: the setup window goes, and with it the program, without the finish window.
        SetProgramExitCode(1);
        DestroyWindowRequest(pages.window);
        return;
    }
    WaitDispatchingMessages(WaitBeforeFinishing);
    // Refused once the program is ending (the user closed the setup window meanwhile): then the
    // procedure simply ends.
    LoadWindow(chinese ? ChineseFinishWindow : EnglishFinishWindow, NoWindow, true);
}
