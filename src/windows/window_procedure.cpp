// The messages of the program's top-level windows.
#include "shell/shell.h"
#include "windows/window_layer.h"

namespace {

uint32_t ControlIndexOf(const WindowInstance& instance, HWND control)
{
    for (uint32_t i = 0; i < instance.definition->controlCount; ++i) {
        if (instance.controls[i] == control) return i;
    }
    return MaxControlsPerWindow;
}

// WM_COMMAND carries only the low 16 bits of a control identifier, so the control that sent a
// notification is found by its window handle.
void OnCommand(WindowInstance& instance, WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) != BN_CLICKED || !lParam) return;
    const uint32_t index = ControlIndexOf(instance, reinterpret_cast<HWND>(lParam));
    if (index == MaxControlsPerWindow) return;
    const ControlDefinition& control = instance.definition->controls[index];
    if (control.kind == ControlKind::PushButton) RaiseEvent(control.click);
}

// Combo boxes and edit boxes show black text on white; read-only edit boxes would be grey.
LRESULT OnControlColour(WPARAM wParam)
{
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

void OnEraseBackground(HWND hwnd, HDC dc)
{
    RECT client = {};
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace

LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    WindowInstance* instance = FindLiveWindow(hwnd);
    if (!instance) return DefWindowProcW(hwnd, message, wParam, lParam);

    switch (message) {
    case WM_COMMAND:
        OnCommand(*instance, wParam, lParam);
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
        return OnControlColour(wParam);
    case WM_ERASEBKGND:
        OnEraseBackground(hwnd, reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(hwnd, focus)) instance->lastFocus = focus;
        }
        break;
    case WM_SETFOCUS:
        RestoreFocus(*instance);
        return 0;
    case WM_CLOSE:
        // The Close button, the system menu, Alt+F4 and Esc: no close event is bound, so
        // nothing can refuse; the window is destroyed at once.
        CarryOutDestruction(*instance);
        return 0;
    case DestroyRequestMessage:
        if (instance->closePending) CarryOutDestruction(*instance);
        return 0;
    case WM_NCDESTROY:
        RemovePropW(hwnd, WindowIdProperty);
        DropWindow(*instance);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}
