#include "windows/fonts.h"

constexpr int32_t NormalWeight = 400;

const FontDescriptor TitleFont = {"华文新魏", -35, NormalWeight, false, false, false};
const FontDescriptor InstallingFont = {"华文隶书", -21, NormalWeight, false, false, false};
const FontDescriptor ChineseSuccessFont = {"隶书", -19, NormalWeight, false, false, false};
const FontDescriptor EnglishSuccessFont = {"隶书", -14, NormalWeight, false, false, false};
const FontDescriptor EnglishInstructionFont = {"", -10, NormalWeight, false, false, false};
