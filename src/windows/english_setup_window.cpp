// EnglishSetupWindow: the wizard in English.
#include "flow/handlers.h"
#include "install/install_handlers.h"
#include "windows/agreement_texts.h"
#include "windows/fonts.h"
#include "windows/window_definitions.h"

namespace {

using namespace EnglishSetupWindowControls;
using K = ControlKind;

const ControlDefinition Controls[] = {
    // id     name      kind             left top  w    h    text                                                     end                      font                     click
    {标签2,   "标签2",   K::Label,         200, 144, 152, 32,  "You have selected English",                              nullptr,                 nullptr,                 nullptr,                  true},  // LanguagePage
    {按钮3,   "按钮3",   K::PushButton,    224, 232, 104, 48,  "Next",                                                   nullptr,                 nullptr,                 EnglishToAgreementPage,   true},  // LanguagePage
    {标签1,   "标签1",   K::Label,         184, 64,  184, 64,  "Nelvar ",                                                nullptr,                 &TitleFont,              nullptr,                  true},  // LanguagePage
    {标签4,   "标签4",   K::Label,         128, 152, 328, 24,  "The software will be installed in the above directory", nullptr,                 nullptr,                 nullptr,                  true},  // DirectoryPage
    {编辑框2, "编辑框2", K::SingleLineEdit, 160, 176, 208, 24,  "C:\\Program Files",                                      nullptr,                 nullptr,                 nullptr,                  true},  // DirectoryPage
    {按钮2,   "按钮2",   K::PushButton,    16,  328, 88,  24,  "I disagree",                                             nullptr,                 nullptr,                 EnglishAgreementDeclined, true},  // AgreementPage
    {按钮1,   "按钮1",   K::PushButton,    232, 288, 120, 64,  "I agree",                                                nullptr,                 nullptr,                 EnglishAgreementAccepted, true},  // AgreementPage
    {按钮4,   "按钮4",   K::PushButton,    216, 200, 128, 48,  "Next",                                                   nullptr,                 nullptr,                 EnglishInstall,           true},  // DirectoryPage
    {标签5,   "标签5",   K::Label,         184, 232, 240, 56,  "The program is being installed",                         nullptr,                 &InstallingFont,         nullptr,                  true},  // InstallingPage
    {编辑框1, "编辑框1", K::MultiLineEdit, 24,  40,  544, 240, EnglishAgreementText,                                     EnglishAgreementTextEnd, nullptr,                 nullptr,                  true},  // AgreementPage
    {标签3,   "标签3",   K::Label,         8,   8,   536, 24,  "Please carefully read the user agreement on Nelvar service. Clicking Agree means you have known and agreed",
                                                                                                                        nullptr,                 &EnglishInstructionFont, nullptr,                  true},  // AgreementPage
};

}  // namespace

const WindowDefinition EnglishSetupWindowDefinition = {
    EnglishSetupWindow, "EnglishSetupWindow", 588, 385, EnglishSetupWindowCreated, Controls, sizeof Controls / sizeof Controls[0], true,
};
