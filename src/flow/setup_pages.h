#pragma once
// The pages of a setup window. Both setup windows have the same control names, each with its
// own identifiers; a page is the group of controls that is visible together.
#include "windows/identifiers.h"

struct SetupWindowPages {
    WindowId window;
    // LanguagePage
    ControlId 标签1, 标签2, 按钮3;
    // AgreementPage
    ControlId 编辑框1, 标签3, 按钮1, 按钮2;
    // DirectoryPage
    ControlId 标签4, 编辑框2, 按钮4;
    // InstallingPage
    ControlId 标签5;
    // Whether the title stays visible on AgreementPage.
    bool titleOnAgreementPage;
};

extern const SetupWindowPages ChineseSetupPages;
extern const SetupWindowPages EnglishSetupPages;
