#include "shell/window_operations.h"

#include "common/wide_text.h"
#include "shell/shell.h"
#include "windows/window_layer.h"

namespace {

constexpr const char* DefaultMessageBoxTitle = "信息：";

// Brings an open window forward instead of loading it a second time.
void Reactivate(const WindowInstance& instance)
{
    if (IsIconic(instance.hwnd)) {
        ShowWindow(instance.hwnd, SW_RESTORE);
    } else {
        SetActiveWindow(instance.hwnd);
    }
}

// Disables every other live window while the modal window lasts.
void DisableOtherWindows(WindowInstance& modal)
{
    for (const WindowDefinition* definition : AllWindowDefinitions) {
        WindowInstance* other = FindLiveWindow(definition->id);
        if (!other || other == &modal || GetParent(other->hwnd)) continue;
        const bool wasEnabled = EnableWindow(other->hwnd, FALSE) == 0;  // returns "was disabled"
        modal.disabled[modal.disabledCount++] = {definition->id, wasEnabled};
    }
}

uint32_t ControlIndex(const WindowInstance& instance, ControlId control)
{
    for (uint32_t i = 0; i < instance.definition->controlCount; ++i) {
        if (instance.definition->controls[i].id == control) return i;
    }
    return MaxControlsPerWindow;
}

int MessageBoxResult(int button)
{
    switch (button) {
    case IDOK: return 0;
    case IDCANCEL: return 1;
    case IDABORT: return 2;
    case IDRETRY: return 3;
    case IDIGNORE: return 4;
    case IDYES: return 5;
    case IDNO: return 6;
    default: return 0;
    }
}

}  // namespace

bool LoadWindow(WindowId window, WindowId parent, bool modal)
{
    const WindowDefinition* definition = FindWindowDefinition(window);
    if (!definition) return false;
    // Once the last window is gone and the program is ending, nothing opens a new one.
    if (QuitRequested()) return false;

    if (WindowInstance* open = FindLiveWindow(window)) {
        if (!open->closePending) {
            Reactivate(*open);
            return true;
        }
        CarryOutDestruction(*open);
    }

    HWND owner = nullptr;
    if (modal) {
        owner = OwnerWindow();  // a modal window is always loaded without a parent
    } else if (parent != NoWindow) {
        const WindowInstance* parentInstance = FindLiveWindow(parent);
        if (!parentInstance) return false;
        owner = parentInstance->hwnd;
    }

    DispatchPendingMessages();
    HoldEvents(true);
    WindowInstance* instance = BuildWindow(*definition, owner);
    DispatchPendingMessages();
    HoldEvents(false);
    if (!instance) return false;

    RaiseEvent(definition->create);
    instance = FindLiveWindow(window);
    if (!instance) return true;

    if (definition->visible) ShowWindow(instance->hwnd, SW_SHOWNORMAL);
    if (modal) {
        instance->modal = true;
        DisableOtherWindows(*instance);
        if (definition->visible) {
            const WindowId remembered = CurrentModalWindow;
            CurrentModalWindow = window;
            RunModalLoop();
            CurrentModalWindow = remembered;
        }
    }
    return true;
}

void DestroyWindowRequest(WindowId window, bool immediately)
{
    WindowInstance* instance = FindLiveWindow(window);
    if (!instance) return;
    instance->closePending = true;
    if (immediately) {
        CarryOutDestruction(*instance);
    } else {
        PostMessageW(instance->hwnd, DestroyRequestMessage, 0, 0);
    }
}

void SetControlVisible(WindowId window, ControlId control, bool visible)
{
    WindowInstance* instance = FindLiveWindow(window);
    if (!instance) return;
    const uint32_t index = ControlIndex(*instance, control);
    if (index == MaxControlsPerWindow) return;
    instance->controlVisible[index] = visible;
    ShowWindow(instance->controls[index], visible ? SW_SHOW : SW_HIDE);
}

int32_t GetComboSelection(WindowId window, ControlId comboBox)
{
    HWND combo = FindControl(window, comboBox);
    if (!combo) return -1;
    return static_cast<int32_t>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
}

void SetComboSelection(WindowId window, ControlId comboBox, int32_t index)
{
    HWND combo = FindControl(window, comboBox);
    if (!combo) return;
    const int32_t count = static_cast<int32_t>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    if (index > count - 1) index = count - 1;
    if (index < -1) index = -1;
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int32_t AddComboItem(WindowId window, ControlId comboBox, const char* text, uint32_t itemData)
{
    HWND combo = FindControl(window, comboBox);
    if (!combo) return -1;
    const WideText wide(text);
    const LRESULT index = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.Chars()));
    if (index < 0) return -1;
    SendMessageW(combo, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(itemData));
    return static_cast<int32_t>(index);
}

int ShowMessageBox(const char* text, uint32_t style, const char* title, WindowId owner)
{
    const WindowInstance* ownerInstance = owner != NoWindow ? FindLiveWindow(owner) : nullptr;
    if (!(style & MB_SYSTEMMODAL)) style |= MB_TASKMODAL;
    const WideText wideText(text);
    const WideText wideTitle(title ? title : DefaultMessageBoxTitle);
    return MessageBoxResult(
        MessageBoxW(ownerInstance ? ownerInstance->hwnd : nullptr, wideText.Chars(), wideTitle.Chars(), style));
}

bool IsWindowAlive(WindowId window) { return FindLiveWindow(window) != nullptr; }
