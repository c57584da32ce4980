#pragma once
// The shape of a window definition: constant data, fixed when the program is built.
#include <cstdint>

#include "windows/identifiers.h"

using Handler = void (*)();

enum class ControlKind : uint8_t { Label, PushButton, ComboBox, SingleLineEdit, MultiLineEdit };

struct FontDescriptor {
    const char* face;  // GBK, at most 31 bytes; "" lets the font mapper choose
    int32_t height;    // negative: its magnitude is the character height in pixels
    int32_t weight;
    bool italic;
    bool underline;
    bool strikeOut;
};

struct ControlDefinition {
    ControlId id;
    const char* name;
    ControlKind kind;
    int32_t left, top, width, height;  // client coordinates of the window
    const char* text;                  // GBK
    const char* textEnd;               // end of text, or nullptr when text is zero-terminated
    const FontDescriptor* font;        // nullptr: DEFAULT_GUI_FONT
    Handler click;                     // push buttons only
    bool visible;
};

struct WindowDefinition {
    WindowId id;
    const char* name;
    int32_t width, height;  // outer size, title bar and frame included
    Handler create;
    const ControlDefinition* controls;  // stored order: z-order from the top
    uint32_t controlCount;
    bool visible;
};

// The five definitions, looked up by window identifier; nullptr for an unknown identifier.
const WindowDefinition* FindWindowDefinition(WindowId window);
// Checks that the definitions can be used: every window and control identifier unique, every
// control inside the limits of the layer. Start-up refuses to go on when this fails.
bool ReadWindowDefinitions();

constexpr uint32_t MaxControlsPerWindow = 16;
constexpr uint32_t WindowCount = 5;
extern const WindowDefinition* const AllWindowDefinitions[WindowCount];
