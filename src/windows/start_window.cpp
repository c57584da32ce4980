// StartWindow: the language choice.
#include "flow/handlers.h"
#include "sysinfo/startup_gate.h"
#include "windows/fonts.h"
#include "windows/window_definitions.h"

namespace {

using namespace StartWindowControls;
using K = ControlKind;

const ControlDefinition Controls[] = {
    // id     name      kind          left top  w    h    text                                                                        end      font        click
    {标签3,   "标签3",   K::Label,      8,   248, 424, 16, "System supporting Windows vista/7/2008/8/8.1/2012/2016/2019/10/11/2022", nullptr, nullptr,    nullptr,        true},
    {标签2,   "标签2",   K::Label,      8,   232, 376, 16, "支持Windows vista/7/2008/8/8.1/2012/2016/2019/10/11/2022的系统",        nullptr, nullptr,    nullptr,        true},
    {按钮1,   "按钮1",   K::PushButton, 152, 184, 112, 40, "Next",                                                                  nullptr, nullptr,    LanguageChosen, true},
    {组合框1, "组合框1", K::ComboBox,   104, 144, 208, 20, "",                                                                      nullptr, nullptr,    nullptr,        true},
    {标签1,   "标签1",   K::Label,      24,  32,  416, 96, "Nelvar install program",                                                nullptr, &TitleFont, nullptr,        true},
};

}  // namespace

const WindowDefinition StartWindowDefinition = {
    StartWindow, "StartWindow", 465, 302, StartupGate, Controls, sizeof Controls / sizeof Controls[0], true,
};
