#pragma once
#include "windows/window_definition.h"

extern const WindowDefinition StartWindowDefinition;
extern const WindowDefinition ChineseSetupWindowDefinition;
extern const WindowDefinition EnglishSetupWindowDefinition;
extern const WindowDefinition ChineseFinishWindowDefinition;
extern const WindowDefinition EnglishFinishWindowDefinition;
