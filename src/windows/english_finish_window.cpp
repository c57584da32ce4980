// EnglishFinishWindow: tells that the program was installed.
#include "flow/handlers.h"
#include "install/install_handlers.h"
#include "windows/fonts.h"
#include "windows/window_definitions.h"

namespace {

using namespace EnglishFinishWindowControls;
using K = ControlKind;

const ControlDefinition Controls[] = {
    // id    name     kind          left top  w    h   text                                                            end      font                 click
    {按钮1,  "按钮1",  K::PushButton, 128, 160, 200, 56, "open programs",                                                nullptr, nullptr,             EnglishLaunchInstalledProgram, true},
    {标签2,  "标签2",  K::Label,      24,  104, 432, 32, "The program has been successfully installed on your computer", nullptr, &EnglishSuccessFont, nullptr,                       true},
    {标签1,  "标签1",  K::Label,      128, 8,   168, 96, "Nelvar",                                                       nullptr, &TitleFont,          nullptr,                       true},
};

}  // namespace

const WindowDefinition EnglishFinishWindowDefinition = {
    EnglishFinishWindow, "EnglishFinishWindow", 484, 363, EnglishFinishWindowCreated, Controls, sizeof Controls / sizeof Controls[0], true,
};
