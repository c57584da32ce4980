#pragma once
#include "windows/window_definition.h"

extern const FontDescriptor TitleFont;
extern const FontDescriptor InstallingFont;
extern const FontDescriptor ChineseSuccessFont;
extern const FontDescriptor EnglishSuccessFont;
extern const FontDescriptor EnglishInstructionFont;
