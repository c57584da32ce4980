#include "windows/window_layer.h"

#include "shell/shell.h"

namespace {

WindowInstance Instances[WindowCount];
HWND Owner = nullptr;
HICON Icons[2] = {};  // large, small
bool EventsHeld = false;

bool RegisterWindowClass(const wchar_t* name, WNDPROC procedure, UINT style, int extraBytes)
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.cbWndExtra = extraBytes;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.lpszClassName = name;
    return RegisterClassExW(&windowClass) != 0;
}

uint32_t IndexOf(WindowId window)
{
    for (uint32_t i = 0; i < WindowCount; ++i) {
        if (AllWindowDefinitions[i]->id == window) return i;
    }
    return WindowCount;
}

}  // namespace

bool InitializeWindowLayer()
{
    constexpr UINT redrawStyle = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    if (!RegisterWindowClass(WindowClassName, WindowProcedure, redrawStyle, 0)) return false;
    if (!RegisterWindowClass(LabelClassName, LabelProcedure, redrawStyle, sizeof(HFONT))) return false;
    if (!RegisterWindowClass(OwnerClassName, DefWindowProcW, 0, 0)) return false;
    const HINSTANCE module = GetModuleHandleW(nullptr);
    Icons[0] = static_cast<HICON>(LoadImageW(module, L"DEFAULT_ICON", IMAGE_ICON, 32, 32, 0));
    Icons[1] = static_cast<HICON>(LoadImageW(module, L"DEFAULT_ICON", IMAGE_ICON, 16, 16, 0));
    Owner = CreateWindowExW(WS_EX_TOOLWINDOW, OwnerClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    return Owner != nullptr;
}

void ReleaseWindowLayer()
{
    if (Owner) DestroyWindow(Owner);
    Owner = nullptr;
    for (HICON& icon : Icons) {
        if (icon) DestroyIcon(icon);
        icon = nullptr;
    }
}

HWND OwnerWindow() { return Owner; }
HICON LargeIcon() { return Icons[0]; }
HICON SmallIcon() { return Icons[1]; }

WindowInstance* FindLiveWindow(WindowId window)
{
    const uint32_t index = IndexOf(window);
    if (index == WindowCount || !Instances[index].hwnd) return nullptr;
    return &Instances[index];
}

WindowInstance* FindLiveWindow(HWND hwnd)
{
    if (!hwnd) return nullptr;
    for (WindowInstance& instance : Instances) {
        if (instance.hwnd == hwnd) return &instance;
    }
    return nullptr;
}

bool AnyWindowAlive()
{
    for (const WindowInstance& instance : Instances) {
        if (instance.hwnd) return true;
    }
    return false;
}

HWND FindControl(WindowId window, ControlId control)
{
    const WindowInstance* instance = FindLiveWindow(window);
    if (!instance) return nullptr;
    for (uint32_t i = 0; i < instance->definition->controlCount; ++i) {
        if (instance->definition->controls[i].id == control) return instance->controls[i];
    }
    return nullptr;
}

void HoldEvents(bool hold) { EventsHeld = hold; }

void RaiseEvent(Handler handler)
{
    if (handler && !EventsHeld && !ExitInProgress) handler();
}

WindowInstance* ClaimInstance(const WindowDefinition& definition)
{
    const uint32_t index = IndexOf(definition.id);
    if (index == WindowCount || Instances[index].hwnd) return nullptr;
    Instances[index] = WindowInstance{};
    Instances[index].definition = &definition;
    return &Instances[index];
}

void ReenableDisabledWindows(WindowInstance& instance)
{
    for (uint32_t i = 0; i < instance.disabledCount; ++i) {
        if (WindowInstance* disabled = FindLiveWindow(instance.disabled[i].window)) {
            EnableWindow(disabled->hwnd, instance.disabled[i].wasEnabled);
        }
    }
    instance.disabledCount = 0;
}

void CarryOutDestruction(WindowInstance& instance)
{
    instance.closePending = false;
    ReenableDisabledWindows(instance);
    DestroyWindow(instance.hwnd);
}

// Called from the window procedure when the native window is gone.
void DropWindow(WindowInstance& instance)
{
    const WindowId window = instance.definition->id;
    for (HFONT& font : instance.fonts) {
        if (font) DeleteObject(font);
        font = nullptr;
    }
    instance = WindowInstance{};
    if (CurrentModalWindow == window) CurrentModalWindow = NoWindow;
    OnWindowDestroyed();
}
