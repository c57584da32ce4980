// StartWindow's Next button: opens the setup window of the chosen language.
#include "flow/handlers.h"
#include "shell/window_operations.h"

void LanguageChosen()
{
    switch (GetComboSelection(StartWindow, StartWindowControls::组合框1)) {
    case 0:  // "简体中文"
        LoadWindow(ChineseSetupWindow, NoWindow, true);
        break;
    case 1:  // "ENGISH"
        LoadWindow(EnglishSetupWindow, NoWindow, true);
        break;
    default:
        break;  // nothing selected: the click has no effect
    }
}
