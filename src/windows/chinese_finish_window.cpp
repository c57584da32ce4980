// ChineseFinishWindow: tells that the program was installed.
#include "flow/handlers.h"
#include "install/install_handlers.h"
#include "windows/fonts.h"
#include "windows/window_definitions.h"

namespace {

using namespace ChineseFinishWindowControls;
using K = ControlKind;

const ControlDefinition Controls[] = {
    // id    name     kind          left top  w    h   text                            end      font                 click
    {按钮1,  "按钮1",  K::PushButton, 120, 168, 200, 56, "打开程序",                     nullptr, nullptr,             ChineseLaunchInstalledProgram, true},
    {标签2,  "标签2",  K::Label,      96,  120, 288, 32, "程序已成功安装进入您的计算机", nullptr, &ChineseSuccessFont, nullptr,                       true},
    {标签1,  "标签1",  K::Label,      136, 16,  168, 96, "Nelvar",                       nullptr, &TitleFont,          nullptr,                       true},
};

}  // namespace

const WindowDefinition ChineseFinishWindowDefinition = {
    ChineseFinishWindow, "ChineseFinishWindow", 468, 356, ChineseFinishWindowCreated, Controls, sizeof Controls / sizeof Controls[0], true,
};
