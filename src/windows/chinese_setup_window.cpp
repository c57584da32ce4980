// ChineseSetupWindow: the wizard in Simplified Chinese.
#include "flow/handlers.h"
#include "install/install_handlers.h"
#include "windows/agreement_texts.h"
#include "windows/fonts.h"
#include "windows/window_definitions.h"

namespace {

using namespace ChineseSetupWindowControls;
using K = ControlKind;

const ControlDefinition Controls[] = {
    // id     name      kind             left top  w    h    text                                                          end                      font             click
    {标签5,   "标签5",   K::Label,         120, 128, 152, 56,  "程序安装中……",                                                nullptr,                 &InstallingFont, nullptr,                  true},  // InstallingPage
    {按钮4,   "按钮4",   K::PushButton,    136, 160, 128, 48,  "下一步",                                                      nullptr,                 nullptr,         ChineseInstall,           true},  // DirectoryPage
    {标签4,   "标签4",   K::Label,         72,  128, 264, 24,  "软件将会安装到以上目录",                                      nullptr,                 nullptr,         nullptr,                  true},  // DirectoryPage
    {编辑框2, "编辑框2", K::SingleLineEdit, 88,  104, 208, 24,  "C:\\Program Files",                                           nullptr,                 nullptr,         nullptr,                  true},  // DirectoryPage
    {按钮2,   "按钮2",   K::PushButton,    32,  248, 64,  24,  "我不同意",                                                    nullptr,                 nullptr,         ChineseAgreementDeclined, true},  // AgreementPage
    {按钮1,   "按钮1",   K::PushButton,    160, 224, 96,  40,  "我同意",                                                      nullptr,                 nullptr,         ChineseAgreementAccepted, true},  // AgreementPage
    {编辑框1, "编辑框1", K::MultiLineEdit, 16,  40,  400, 184, ChineseAgreementText,                                          ChineseAgreementTextEnd, nullptr,         nullptr,                  true},  // AgreementPage
    {标签3,   "标签3",   K::Label,         16,  8,   392, 24,  "请仔细阅读有关奈瓦服务的用户协议，点击同意代表您已经知晓并同意", nullptr,                 nullptr,         nullptr,                  true},  // AgreementPage
    {按钮3,   "按钮3",   K::PushButton,    136, 168, 104, 48,  "下一步",                                                      nullptr,                 nullptr,         ChineseToAgreementPage,   true},  // LanguagePage
    {标签2,   "标签2",   K::Label,         128, 104, 128, 16,  "您现在选择了简体中文",                                        nullptr,                 nullptr,         nullptr,                  true},  // LanguagePage
    {标签1,   "标签1",   K::Label,         96,  24,  184, 64,  "Nelvar ",                                                     nullptr,                 &TitleFont,      nullptr,                  true},  // LanguagePage
};

}  // namespace

const WindowDefinition ChineseSetupWindowDefinition = {
    ChineseSetupWindow, "ChineseSetupWindow", 438, 325, ChineseSetupWindowCreated, Controls, sizeof Controls / sizeof Controls[0], true,
};
