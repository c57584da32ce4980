#include "windows/window_definitions.h"

const WindowDefinition* const AllWindowDefinitions[WindowCount] = {
    &StartWindowDefinition,
    &ChineseSetupWindowDefinition,
    &EnglishSetupWindowDefinition,
    &ChineseFinishWindowDefinition,
    &EnglishFinishWindowDefinition,
};

const WindowDefinition* FindWindowDefinition(WindowId window)
{
    for (const WindowDefinition* definition : AllWindowDefinitions) {
        if (definition->id == window) return definition;
    }
    return nullptr;
}

bool ReadWindowDefinitions()
{
    for (uint32_t w = 0; w < WindowCount; ++w) {
        const WindowDefinition& window = *AllWindowDefinitions[w];
        if (window.id == NoWindow || window.controlCount > MaxControlsPerWindow) return false;
        for (uint32_t other = 0; other < w; ++other) {
            if (AllWindowDefinitions[other]->id == window.id) return false;
        }
        for (uint32_t c = 0; c < window.controlCount; ++c) {
            const ControlDefinition& control = window.controls[c];
            if (control.width <= 0 || control.height <= 0) return false;
            if (control.textEnd && control.textEnd < control.text) return false;
            // Control identifiers are unique in the whole program.
            for (uint32_t v = 0; v <= w; ++v) {
                const WindowDefinition& earlier = *AllWindowDefinitions[v];
                const uint32_t count = v == w ? c : earlier.controlCount;
                for (uint32_t e = 0; e < count; ++e) {
                    if (earlier.controls[e].id == control.id) return false;
                }
            }
        }
    }
    return true;
}
