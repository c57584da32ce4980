// Builds a live window from its definition: hidden, with its controls, fonts and icons.
#include <algorithm>

#include "common/wide_text.h"
#include "windows/window_layer.h"

namespace {

constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD ChildStyle = WS_CHILD | WS_CLIPSIBLINGS;
constexpr int ComboBoxMinimumHeight = 160;

HFONT CreateDescribedFont(const FontDescriptor& font)
{
    const WideText face(font.face);
    return CreateFontW(font.height, 0, 0, 0, font.weight, font.italic, font.underline, font.strikeOut,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH,
                       face.Chars());
}

struct NativeClass {
    const wchar_t* className;
    DWORD style;
    DWORD extendedStyle;
};

NativeClass NativeClassOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
        return {LabelClassName, ChildStyle, 0};
    case ControlKind::PushButton:
        return {L"BUTTON", ChildStyle | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0};
    case ControlKind::ComboBox:
        return {L"COMBOBOX", ChildStyle | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL, 0};
    case ControlKind::SingleLineEdit:
        return {L"EDIT", ChildStyle | WS_TABSTOP | ES_LEFT | ES_READONLY | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::MultiLineEdit:
        return {L"EDIT",
                ChildStyle | WS_TABSTOP | ES_LEFT | ES_READONLY | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL,
                WS_EX_CLIENTEDGE};
    }
    return {L"", 0, 0};
}

int FontTextHeight(HWND control, HFONT font)
{
    HDC dc = GetDC(control);
    if (!dc) return 0;
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return metrics.tmHeight;
}

// What a control of each kind needs once it exists.
void PrepareControl(HWND control, const ControlDefinition& definition, HFONT font)
{
    switch (definition.kind) {
    case ControlKind::ComboBox: {
        const LRESULT itemHeight = SendMessageW(control, CB_GETITEMHEIGHT, 0, 0);
        if (itemHeight > 0) SendMessageW(control, CB_SETITEMHEIGHT, 0, itemHeight + 1);
        SendMessageW(control, CB_LIMITTEXT, 0, 0);
        SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        break;
    }
    case ControlKind::SingleLineEdit: {
        const int minimumHeight = FontTextHeight(control, font) + 2 * GetSystemMetrics(SM_CYEDGE);
        if (definition.height < minimumHeight) {
            SetWindowPos(control, nullptr, 0, 0, definition.width, minimumHeight,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
        [[fallthrough]];
    case ControlKind::MultiLineEdit:
        SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
        SendMessageW(control, EM_SETSEL, 0, 0);
        SendMessageW(control, EM_SCROLLCARET, 0, 0);
        break;
    default:
        break;
    }
}

HWND CreateControl(WindowInstance& instance, uint32_t index)
{
    const ControlDefinition& definition = instance.definition->controls[index];
    const NativeClass native = NativeClassOf(definition.kind);
    const int32_t textLength = definition.textEnd ? static_cast<int32_t>(definition.textEnd - definition.text) : -1;
    const WideText text(definition.text, textLength);
    const int height = definition.kind == ControlKind::ComboBox ? std::max<int>(definition.height, ComboBoxMinimumHeight)
                                                                 : definition.height;
    HWND control = CreateWindowExW(native.extendedStyle, native.className, text.Chars(), native.style, definition.left,
                                   definition.top, definition.width, height, instance.hwnd,
                                   reinterpret_cast<HMENU>(static_cast<UINT_PTR>(definition.id)),
                                   GetModuleHandleW(nullptr), nullptr);
    if (!control) return nullptr;
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (definition.font) {
        instance.fonts[index] = CreateDescribedFont(*definition.font);
        if (instance.fonts[index]) font = instance.fonts[index];
    }
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    PrepareControl(control, definition, font);
    return control;
}

HWND CreateTopLevelWindow(const WindowDefinition& definition, HWND owner)
{
    const int left = (GetSystemMetrics(SM_CXSCREEN) - definition.width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - definition.height) / 2;
    HWND hwnd = CreateWindowExW(0, WindowClassName, L"", WindowStyle, left, top, definition.width, definition.height,
                                owner, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) return nullptr;
    RECT rectangle = {};
    GetWindowRect(hwnd, &rectangle);
    if (rectangle.right - rectangle.left != definition.width || rectangle.bottom - rectangle.top != definition.height) {
        SetWindowPos(hwnd, nullptr, left, top, definition.width, definition.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return hwnd;
}

// A failed build leaves no trace: the half-built window goes without being reported as a
// destroyed window.
void AbandonBuild(WindowInstance& instance)
{
    HWND hwnd = instance.hwnd;
    instance.hwnd = nullptr;
    RemovePropW(hwnd, WindowIdProperty);
    DestroyWindow(hwnd);
    for (HFONT font : instance.fonts) {
        if (font) DeleteObject(font);
    }
    instance = WindowInstance{};
}

}  // namespace

WindowInstance* BuildWindow(const WindowDefinition& definition, HWND owner)
{
    WindowInstance* instance = ClaimInstance(definition);
    if (!instance) return nullptr;
    HWND hwnd = CreateTopLevelWindow(definition, owner);
    if (!hwnd) return nullptr;
    // From here on the instance is alive: the window procedure drops it when hwnd goes.
    instance->hwnd = hwnd;
    SetPropW(hwnd, WindowIdProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(definition.id)));
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(LargeIcon()));
    SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(SmallIcon()));

    // Created in reverse stored order, which is the creation and focus order.
    for (uint32_t i = definition.controlCount; i-- > 0;) {
        instance->controls[i] = CreateControl(*instance, i);
        if (!instance->controls[i]) {
            AbandonBuild(*instance);
            return nullptr;
        }
        instance->controlVisible[i] = definition.controls[i].visible;
    }
    // The stored order is the z-order from the top.
    HWND above = HWND_TOP;
    for (uint32_t i = 0; i < definition.controlCount; ++i) {
        SetWindowPos(instance->controls[i], above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = instance->controls[i];
    }
    for (uint32_t i = 0; i < definition.controlCount; ++i) {
        ShowWindow(instance->controls[i], instance->controlVisible[i] ? SW_SHOWNA : SW_HIDE);
    }
    return instance;
}
