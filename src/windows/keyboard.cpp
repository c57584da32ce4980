// Keyboard handling of the program's windows: Tab and Shift+Tab move the focus over the visible,
// enabled tab stops in creation order; Esc closes the window wherever the focus is.
#include "windows/window_layer.h"

namespace {

bool TakesFocus(HWND control)
{
    return control && IsWindowVisible(control) && IsWindowEnabled(control) &&
           (GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP);
}

// Position in creation order, which is the reverse of the stored order.
HWND ControlInCreationOrder(const WindowInstance& instance, uint32_t position)
{
    return instance.controls[instance.definition->controlCount - 1 - position];
}

uint32_t CreationPositionOf(const WindowInstance& instance, HWND focus)
{
    const uint32_t count = instance.definition->controlCount;
    for (uint32_t position = 0; position < count; ++position) {
        HWND control = ControlInCreationOrder(instance, position);
        if (control == focus || IsChild(control, focus)) return position;
    }
    return count;
}

}  // namespace

void MoveFocus(WindowInstance& instance, bool backwards)
{
    const uint32_t count = instance.definition->controlCount;
    if (count == 0) return;
    uint32_t position = CreationPositionOf(instance, GetFocus());
    if (position == count) position = backwards ? 0 : count - 1;  // start from either end
    for (uint32_t step = 0; step < count; ++step) {
        position = backwards ? (position + count - 1) % count : (position + 1) % count;
        HWND control = ControlInCreationOrder(instance, position);
        if (TakesFocus(control)) {
            SetFocus(control);
            return;
        }
    }
}

void RestoreFocus(WindowInstance& instance)
{
    if (instance.lastFocus && IsChild(instance.hwnd, instance.lastFocus) && TakesFocus(instance.lastFocus)) {
        SetFocus(instance.lastFocus);
        return;
    }
    const uint32_t count = instance.definition->controlCount;
    for (uint32_t position = 0; position < count; ++position) {
        HWND control = ControlInCreationOrder(instance, position);
        if (TakesFocus(control)) {
            SetFocus(control);
            return;
        }
    }
}

bool PreTranslateKeyboard(const MSG& message)
{
    if (message.message != WM_KEYDOWN || (message.wParam != VK_TAB && message.wParam != VK_ESCAPE)) return false;
    WindowInstance* instance = FindLiveWindow(GetAncestor(message.hwnd, GA_ROOT));
    if (!instance) return false;
    if (message.wParam == VK_ESCAPE) {
        SendMessageW(instance->hwnd, WM_CLOSE, 0, 0);
    } else {
        MoveFocus(*instance, GetKeyState(VK_SHIFT) < 0);
    }
    return true;
}
