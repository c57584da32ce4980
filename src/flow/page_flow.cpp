// The setup windows' page flow. Each handler writes the visibility of the controls it names
// unconditionally and in a fixed order; the current page is whatever they leave visible.
#include "flow/handlers.h"
#include "flow/setup_pages.h"
#include "shell/window_operations.h"

namespace {

void Show(const SetupWindowPages& pages, ControlId control) { SetControlVisible(pages.window, control, true); }
void Hide(const SetupWindowPages& pages, ControlId control) { SetControlVisible(pages.window, control, false); }

// Leaves only LanguagePage visible before the window is first shown.
void SetupWindowCreated(const SetupWindowPages& p)
{
    DestroyWindowRequest(StartWindow);
    Show(p, p.按钮3), Show(p, p.标签1), Show(p, p.标签2);
    Hide(p, p.编辑框1), Hide(p, p.标签3), Hide(p, p.按钮1), Hide(p, p.按钮2);
    Hide(p, p.标签4), Hide(p, p.标签5), Hide(p, p.编辑框2), Hide(p, p.按钮4);
}

void ToAgreementPage(const SetupWindowPages& p)
{
    Hide(p, p.按钮3), Hide(p, p.标签1), Hide(p, p.标签2);
    Show(p, p.编辑框1), Show(p, p.标签3), Show(p, p.按钮1), Show(p, p.按钮2);
    SetControlVisible(p.window, p.标签1, p.titleOnAgreementPage);
}

void AgreementAccepted(const SetupWindowPages& p)
{
    Show(p, p.标签4), Show(p, p.编辑框2), Show(p, p.按钮4);
    Hide(p, p.编辑框1), Hide(p, p.标签3), Hide(p, p.按钮1), Hide(p, p.按钮2);
    Show(p, p.标签1);
}

// The box has an OK button and no icon, and the default title; the window closes after it.
void AgreementDeclined(const SetupWindowPages& p, const char* message)
{
    ShowMessageBox(message, 0);
    DestroyWindowRequest(p.window);
}

}  // namespace

void ChineseSetupWindowCreated() { SetupWindowCreated(ChineseSetupPages); }
void EnglishSetupWindowCreated() { SetupWindowCreated(EnglishSetupPages); }
void ChineseToAgreementPage() { ToAgreementPage(ChineseSetupPages); }
void EnglishToAgreementPage() { ToAgreementPage(EnglishSetupPages); }
void ChineseAgreementAccepted() { AgreementAccepted(ChineseSetupPages); }
void EnglishAgreementAccepted() { AgreementAccepted(EnglishSetupPages); }
void ChineseAgreementDeclined() { AgreementDeclined(ChineseSetupPages, "您必须同意协议安装才能继续"); }
void EnglishAgreementDeclined()
{
    AgreementDeclined(EnglishSetupPages, "You must agree to the protocol installation before continuing");
}

// A finish window asks for the setup window of its language to go.
void ChineseFinishWindowCreated() { DestroyWindowRequest(ChineseSetupWindow); }
void EnglishFinishWindowCreated() { DestroyWindowRequest(EnglishSetupWindow); }
