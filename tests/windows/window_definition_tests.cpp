// Every window, loaded through the layer inside this process, shows exactly its definition: outer
// size, centring, title, icon, and each control's kind, place, size, text, visibility and font;
// the stored order is the z-order and, reversed, the focus order.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "in_process.h"
#include "shell/window_operations.h"
#include "ui_driver.h"
#include "windows/agreement_texts.h"
#include "windows/identifiers.h"
#include "windows/window_definitions.h"
#include "windows/window_layer.h"

namespace {

using in_process::FromGbk;
using in_process::TextAsGbk;

std::string DefinedText(const ControlDefinition& control)
{
    if (!control.text) return "";
    return control.textEnd ? std::string(control.text, control.textEnd) : std::string(control.text);
}

const char* KindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label: return "label";
    case ControlKind::PushButton: return "push button";
    case ControlKind::ComboBox: return "combo box";
    case ControlKind::SingleLineEdit: return "single-line edit box";
    case ControlKind::MultiLineEdit: return "multi-line edit box";
    }
    return "?";
}

// What makes a native control one of the kinds.
struct NativeKind {
    ControlKind kind;
    const wchar_t* className;
    DWORD styleMask;  // the bits compared ...
    DWORD style;      // ... and the value they must have
    DWORD exStyle;
};

constexpr DWORD Common = WS_CHILD | WS_TABSTOP;
const NativeKind NativeKinds[] = {
    {ControlKind::Label, L"NelvarLabel", Common | WS_BORDER, WS_CHILD, 0},
    {ControlKind::PushButton, L"Button", Common | BS_TYPEMASK | BS_MULTILINE, WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE, 0},
    {ControlKind::ComboBox, L"ComboBox", Common | CBS_DROPDOWNLIST | CBS_SORT, WS_CHILD | WS_TABSTOP | CBS_DROPDOWNLIST, 0},
    {ControlKind::SingleLineEdit, L"Edit", Common | ES_READONLY | ES_MULTILINE, WS_CHILD | WS_TABSTOP | ES_READONLY, WS_EX_CLIENTEDGE},
    {ControlKind::MultiLineEdit, L"Edit", Common | ES_READONLY | ES_MULTILINE | WS_VSCROLL,
     WS_CHILD | WS_TABSTOP | ES_READONLY | ES_MULTILINE | WS_VSCROLL, WS_EX_CLIENTEDGE},
};

const NativeKind& NativeKindOf(ControlKind kind)
{
    for (const NativeKind& native : NativeKinds) {
        if (native.kind == kind) return native;
    }
    return NativeKinds[0];
}

std::wstring ClassOf(HWND hwnd)
{
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

// GBK bytes as UTF-8, for failure messages.
std::string Utf8(const char* gbk)
{
    const std::wstring wide = FromGbk(gbk);
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &utf8[0], bytes, nullptr, nullptr);
    return utf8;
}

std::string Ascii(const std::wstring& text) { return std::string(text.begin(), text.end()); }

RECT ClientRectOf(HWND control, HWND window)
{
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int TextHeight(HWND control, HFONT font)
{
    HDC dc = GetDC(control);
    HGDIOBJ before = SelectObject(dc, font);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, before);
    ReleaseDC(control, dc);
    return metrics.tmHeight;
}

uint32_t IdOf(HWND control) { return static_cast<uint32_t>(GetWindowLongPtrW(control, GWLP_ID)); }

std::string Hex(uint32_t id)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08x", static_cast<unsigned>(id));
    return text;
}

std::vector<std::string> Hex(const std::vector<uint32_t>& ids)
{
    std::vector<std::string> texts;
    for (uint32_t id : ids) texts.push_back(Hex(id));
    return texts;
}

class WindowDefinitionTest : public ::testing::TestWithParam<const WindowDefinition*> {
protected:
    void SetUp() override { ASSERT_TRUE(in_process::PrepareLayer()) << "the window layer could not be prepared"; }
    void TearDown() override { in_process::CloseAllWindows(); }

    // Loads the window as the program does, but with its creation handler held, so that what is
    // shown is the definition alone (the handlers' page changes are tested with the flow).
    HWND Load(const WindowDefinition& definition)
    {
        in_process::HandlersHeld held;
        EXPECT_TRUE(LoadWindow(definition.id)) << definition.name << " could not be loaded";
        return in_process::NativeWindow(definition.id);
    }

    void ExpectControl(const ControlDefinition& control, HWND window);
};

void WindowDefinitionTest::ExpectControl(const ControlDefinition& control, HWND window)
{
    SCOPED_TRACE(Utf8(control.name) + " " + Hex(control.id) + " (" + KindName(control.kind) + ")");
    HWND hwnd = ui::FindControl(window, control.id);
    ASSERT_NE(hwnd, nullptr) << "no child window carries the 32-bit control identifier";

    const NativeKind& native = NativeKindOf(control.kind);
    EXPECT_EQ(_wcsicmp(ClassOf(hwnd).c_str(), native.className), 0) << "class " << Ascii(ClassOf(hwnd));
    const DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
    EXPECT_EQ(style & native.styleMask, native.style) << std::hex << "style 0x" << style;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE)) & WS_EX_CLIENTEDGE, native.exStyle);

    const RECT rect = ClientRectOf(hwnd, window);
    EXPECT_EQ(rect.left, control.left) << "left in client coordinates";
    EXPECT_EQ(rect.top, control.top) << "top in client coordinates";
    EXPECT_EQ(rect.right - rect.left, control.width) << "width";
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
    switch (control.kind) {
    case ControlKind::ComboBox: {
        // The closed box takes its font's height, and the box with its list is created at least
        // 160 high; list items are one pixel taller than the system's. Compared with a plain
        // drop-down list created so, since how the system reports the dropped list varies.
        HWND reference = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST, control.left,
                                         control.top, control.width, std::max(control.height, 160), window, nullptr,
                                         nullptr, nullptr);
        ASSERT_NE(reference, nullptr);
        SendMessageW(reference, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        RECT closed = {}, referenceClosed = {}, dropped = {}, referenceDropped = {};
        GetWindowRect(hwnd, &closed);
        GetWindowRect(reference, &referenceClosed);
        SendMessageW(hwnd, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
        SendMessageW(reference, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&referenceDropped));
        EXPECT_EQ(closed.bottom - closed.top, referenceClosed.bottom - referenceClosed.top) << "closed height";
        EXPECT_EQ(dropped.bottom - dropped.top, referenceDropped.bottom - referenceDropped.top)
            << "dropped list height: not created " << std::max(control.height, 160) << " high";
        // Wine keeps the list item height of a combo box that is not owner-drawn fixed; where the
        // system lets it change, it must be one pixel more than the system's.
        const LRESULT systemItemHeight = SendMessageW(reference, CB_GETITEMHEIGHT, 0, 0);
        SendMessageW(reference, CB_SETITEMHEIGHT, 0, systemItemHeight + 1);
        if (SendMessageW(reference, CB_GETITEMHEIGHT, 0, 0) == systemItemHeight + 1) {
            EXPECT_EQ(SendMessageW(hwnd, CB_GETITEMHEIGHT, 0, 0), systemItemHeight + 1) << "list item height";
        }
        EXPECT_EQ(SendMessageW(hwnd, CB_GETCURSEL, 0, 0), CB_ERR) << "no selection";
        DestroyWindow(reference);
        break;
    }
    case ControlKind::SingleLineEdit:
        EXPECT_EQ(rect.bottom - rect.top,
                  std::max<int>(control.height, TextHeight(hwnd, font) + 2 * GetSystemMetrics(SM_CYEDGE)))
            << "height";
        break;
    default:
        EXPECT_EQ(rect.bottom - rect.top, control.height) << "height";
        break;
    }

    const std::string text = TextAsGbk(hwnd);
    const std::string defined = DefinedText(control);
    EXPECT_EQ(text.size(), defined.size()) << "text length in GBK bytes";
    EXPECT_TRUE(text == defined) << "WM_GETTEXT, converted to GBK, differs from the defined bytes; read \""
                                 << Utf8(text.substr(0, 80).c_str()) << "\"";
    EXPECT_EQ(IsWindowVisible(hwnd) != FALSE, control.visible) << "visibility";
    EXPECT_TRUE(IsWindowEnabled(hwnd)) << "enabled";

    ASSERT_NE(font, nullptr) << "WM_GETFONT gives no font";
    if (!control.font) {
        EXPECT_EQ(font, GetStockObject(DEFAULT_GUI_FONT)) << "a control without a descriptor uses DEFAULT_GUI_FONT";
        return;
    }
    LOGFONTW logFont = {};
    ASSERT_EQ(GetObjectW(font, sizeof logFont, &logFont), static_cast<int>(sizeof logFont));
    EXPECT_EQ(std::wstring(logFont.lfFaceName), FromGbk(control.font->face)) << "face name";
    EXPECT_EQ(logFont.lfHeight, control.font->height) << "height";
    EXPECT_EQ(logFont.lfWidth, 0);
    EXPECT_EQ(logFont.lfWeight, control.font->weight) << "weight";
    EXPECT_EQ(logFont.lfItalic != 0, control.font->italic);
    EXPECT_EQ(logFont.lfUnderline != 0, control.font->underline);
    EXPECT_EQ(logFont.lfStrikeOut != 0, control.font->strikeOut);
    EXPECT_EQ(logFont.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(logFont.lfQuality, PROOF_QUALITY);
    EXPECT_EQ(logFont.lfPitchAndFamily & 3, DEFAULT_PITCH);
}

TEST_P(WindowDefinitionTest, LoadedWindowShowsItsDefinition)
{
    const WindowDefinition& definition = *GetParam();
    HWND window = Load(definition);
    ASSERT_NE(window, nullptr);

    RECT rect = {};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, definition.width) << "outer width";
    EXPECT_EQ(rect.bottom - rect.top, definition.height) << "outer height";
    // Centred on the whole primary screen, quotients truncated.
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - definition.width) / 2) << "left";
    EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - definition.height) / 2) << "top";
    EXPECT_EQ(GetWindowTextLengthW(window), 0) << "the title is empty";
    const DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CHILD | WS_POPUP),
              static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX))
        << std::hex << "fixed frame with Minimize and Close only; style 0x" << style;
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr) << "a window loaded non-modally has no owner";
    EXPECT_TRUE(IsWindowVisible(window));
    const HICON large = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
    const HICON small = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
    EXPECT_NE(large, nullptr) << "no large icon";
    EXPECT_NE(small, nullptr) << "no small icon";
    EXPECT_EQ(large, LargeIcon());
    EXPECT_EQ(small, SmallIcon());

    for (uint32_t i = 0; i < definition.controlCount; ++i) ExpectControl(definition.controls[i], window);

    // z-order from the top is the stored order.
    std::vector<uint32_t> stored, zOrder;
    for (uint32_t i = 0; i < definition.controlCount; ++i) stored.push_back(definition.controls[i].id);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        zOrder.push_back(IdOf(child));
    }
    EXPECT_EQ(Hex(zOrder), Hex(stored)) << "z-order from the top";

    // The focus starts on the first tab stop in creation order (the reverse of the stored order);
    // Tab walks them all in that order and wraps; Shift+Tab wraps back from the first to the last.
    std::vector<uint32_t> tabStops;
    for (uint32_t i = definition.controlCount; i-- > 0;) {
        if (definition.controls[i].kind != ControlKind::Label && definition.controls[i].visible) {
            tabStops.push_back(definition.controls[i].id);
        }
    }
    ASSERT_FALSE(tabStops.empty());
    auto focused = [] { return GetFocus() ? IdOf(GetFocus()) : 0u; };
    ASSERT_TRUE(ui::Activate(window)) << "the window could not be activated";
    EXPECT_TRUE(in_process::PumpUntil([&] { return focused() == tabStops[0]; }))
        << "focus on activation: " << Hex(focused()) << ", expected " << Hex(tabStops[0]);
    for (size_t step = 1; step <= tabStops.size(); ++step) {
        const uint32_t expected = tabStops[step % tabStops.size()];
        ui::PressKey(VK_TAB);
        EXPECT_TRUE(in_process::PumpUntil([&] { return focused() == expected; }))
            << "after Tab " << step << ": focus on " << Hex(focused()) << ", expected " << Hex(expected);
    }
    ui::PressKey(VK_TAB, true);
    EXPECT_TRUE(in_process::PumpUntil([&] { return focused() == tabStops.back(); }))
        << "Shift+Tab from the first tab stop: focus on " << Hex(focused()) << ", expected " << Hex(tabStops.back());
}

INSTANTIATE_TEST_SUITE_P(AllWindows, WindowDefinitionTest, ::testing::ValuesIn(AllWindowDefinitions),
                         [](const ::testing::TestParamInfo<const WindowDefinition*>& info) {
                             return std::string(info.param->name);
                         });

// The agreement boxes hold the agreement files byte for byte (line breaks unconverted, the
// English text's single LFs included) and open at their beginning.
struct Agreement {
    const char* name;
    WindowId window;
    ControlId box;
    const char* file;
    size_t length;
    const char* embedded;
    const char* embeddedEnd;
};

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class AgreementTextTest : public ::testing::TestWithParam<Agreement> {
protected:
    void SetUp() override { ASSERT_TRUE(in_process::PrepareLayer()); }
    void TearDown() override { in_process::CloseAllWindows(); }
};

TEST_P(AgreementTextTest, BoxHoldsTheFileByteForByte)
{
    const Agreement& agreement = GetParam();
    const std::string file = ReadFileBytes(std::string(NELVAR_RESOURCES_DIR) + agreement.file);
    ASSERT_EQ(file.size(), agreement.length) << agreement.file << " has not the agreed length";
    EXPECT_TRUE(std::string(agreement.embedded, agreement.embeddedEnd) == file)
        << "the embedded text differs from " << agreement.file;

    {
        in_process::HandlersHeld held;
        ASSERT_TRUE(LoadWindow(agreement.window));
    }
    HWND box = FindControl(agreement.window, agreement.box);
    ASSERT_NE(box, nullptr);
    const std::string shown = TextAsGbk(box);
    ASSERT_EQ(shown.size(), file.size()) << "bytes in the box";
    size_t first = 0;
    while (first < file.size() && shown[first] == file[first]) ++first;
    EXPECT_EQ(first, file.size()) << "first difference at byte " << first;
    DWORD start = 1, end = 1;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u) << "the caret starts at offset 0";
    EXPECT_EQ(end, 0u) << "nothing is selected";
    EXPECT_EQ(SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0), 0) << "the box opens at its first line";
}

INSTANTIATE_TEST_SUITE_P(
    BothLanguages, AgreementTextTest,
    ::testing::Values(Agreement{"Chinese", ChineseSetupWindow, ChineseSetupWindowControls::编辑框1,
                                "agreement-zh.txt", 11583, ChineseAgreementText, ChineseAgreementTextEnd},
                      Agreement{"English", EnglishSetupWindow, EnglishSetupWindowControls::编辑框1,
                                "agreement-en.txt", 20505, EnglishAgreementText, EnglishAgreementTextEnd}),
    [](const ::testing::TestParamInfo<Agreement>& info) { return std::string(info.param.name); });

}  // namespace
