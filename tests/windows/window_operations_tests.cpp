// The window operations inside this process, with the program's own creation handlers: combo
// selection clamping, message boxes, loading a window that is open, and deferred destruction
// requested by a creation handler. No main loop runs here, so no quit request is ever posted.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "in_process.h"
#include "shell/shell.h"
#include "shell/window_operations.h"
#include "windows/identifiers.h"
#include "windows/window_layer.h"

namespace {

using in_process::NativeWindow;

class WindowOperationsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(in_process::PrepareLayer()) << "the window layer could not be prepared";
        ASSERT_EQ(CurrentModalWindow, NoWindow);
    }
    void TearDown() override { in_process::CloseAllWindows(); }
};

TEST_F(WindowOperationsTest, ComboSelectionIsClampedToTheList)
{
    {
        in_process::HandlersHeld held;  // an empty list, as defined
        ASSERT_TRUE(LoadWindow(StartWindow));
    }
    using StartWindowControls::组合框1;
    EXPECT_EQ(GetComboSelection(StartWindow, 组合框1), -1) << "a new combo box has no selection";
    ASSERT_EQ(AddComboItem(StartWindow, 组合框1, "简体中文"), 0);
    ASSERT_EQ(AddComboItem(StartWindow, 组合框1, "ENGISH", 7), 1);
    HWND combo = FindControl(StartWindow, 组合框1);
    EXPECT_EQ(SendMessageW(combo, CB_GETITEMDATA, 1, 0), 7);

    struct Case { int32_t requested, selected; };
    const Case cases[] = {{0, 0}, {5, 1}, {-7, -1}, {1, 1}, {2, 1}, {-1, -1}, {INT32_MAX, 1}, {INT32_MIN, -1}};
    for (const Case& c : cases) {
        SetComboSelection(StartWindow, 组合框1, c.requested == -1 ? 0 : -1);  // start from the other state
        SetComboSelection(StartWindow, 组合框1, c.requested);
        EXPECT_EQ(GetComboSelection(StartWindow, 组合框1), c.selected) << "SetComboSelection(" << c.requested << ")";
        EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), c.selected) << "native selection after " << c.requested;
    }
}

// Reads the message box of this thread from a timer (the box's own loop dispatches it) and
// presses one of its buttons.
struct BoxVisit {
    int press = IDOK;
    HWND otherWindow = nullptr;
    bool seen = false;
    std::wstring title, text;
    HWND owner = nullptr;
    bool otherWindowEnabled = true;
};
BoxVisit* CurrentVisit = nullptr;

void CALLBACK VisitMessageBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = in_process::FindThreadMessageBox();
    if (!box || !CurrentVisit || CurrentVisit->seen) return;
    KillTimer(nullptr, timer);
    BoxVisit& visit = *CurrentVisit;
    visit.seen = true;
    wchar_t text[256] = {};
    GetWindowTextW(box, text, 256);
    visit.title = text;
    GetDlgItemTextW(box, 0xFFFF, text, 256);
    visit.text = text;
    visit.owner = GetWindow(box, GW_OWNER);
    visit.otherWindowEnabled = IsWindowEnabled(visit.otherWindow) != FALSE;
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(visit.press, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, visit.press)));
}

TEST_F(WindowOperationsTest, ShowMessageBoxTitleStyleAndResult)
{
    {
        in_process::HandlersHeld held;
        ASSERT_TRUE(LoadWindow(StartWindow));
    }
    HWND start = NativeWindow(StartWindow);
    struct Case {
        const char* title;  // nullptr: the default
        uint32_t style;
        int press;
        int result;
        const wchar_t* expectedTitle;
        bool taskModal;
    };
    const Case cases[] = {
        {nullptr, 0, IDOK, 0, L"\u4FE1\u606F\uFF1A", true},                         // "信息："
        {"提问", MB_YESNO, IDNO, 6, L"\u63D0\u95EE", true},
        {"提问", MB_YESNO, IDYES, 5, L"\u63D0\u95EE", true},
        {nullptr, MB_RETRYCANCEL | MB_ICONHAND, IDRETRY, 3, L"\u4FE1\u606F\uFF1A", true},
        {nullptr, MB_OKCANCEL | MB_SYSTEMMODAL, IDCANCEL, 1, L"\u4FE1\u606F\uFF1A", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << ", button " << c.press);
        BoxVisit visit;
        visit.press = c.press;
        visit.otherWindow = start;
        CurrentVisit = &visit;
        ASSERT_NE(SetTimer(nullptr, 0, 50, VisitMessageBox), 0u);
        const int result = ShowMessageBox("正文", c.style, c.title);
        CurrentVisit = nullptr;
        ASSERT_TRUE(visit.seen) << "the box was not seen";
        EXPECT_EQ(visit.title, c.expectedTitle) << "title";
        EXPECT_EQ(visit.text, L"\u6B63\u6587") << "text";
        EXPECT_EQ(visit.owner, nullptr) << "the program's boxes have no owner";
        if (c.taskModal) {
            EXPECT_FALSE(visit.otherWindowEnabled) << "task-modal: the start window is disabled";
        }
        EXPECT_TRUE(IsWindowEnabled(start)) << "the start window is enabled again after the box";
        EXPECT_EQ(result, c.result) << "result";
    }
}

// If a load wrongly runs a nested loop, this ends it and tells.
bool NestedLoopRan = false;
void CALLBACK EndUnexpectedNestedLoop(HWND, UINT, UINT_PTR, DWORD)
{
    if (CurrentModalWindow == NoWindow) return;
    NestedLoopRan = true;
    CurrentModalWindow = NoWindow;
}

BOOL CALLBACK CountProgramWindow(HWND hwnd, LPARAM lParam)
{
    if (GetPropW(hwnd, WindowIdProperty) == reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(StartWindow))) {
        ++*reinterpret_cast<int*>(lParam);
    }
    return TRUE;
}

TEST_F(WindowOperationsTest, LoadingAnOpenWindowOnlyBringsItForward)
{
    ASSERT_TRUE(LoadWindow(StartWindow));  // its creation handler fills the language list
    HWND start = NativeWindow(StartWindow);
    ASSERT_NE(start, nullptr);
    HWND combo = FindControl(StartWindow, StartWindowControls::组合框1);
    ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2) << "the creation handler did not fill the list";
    SetComboSelection(StartWindow, StartWindowControls::组合框1, 1);

    struct Case { const char* how; bool modal; bool minimised; };
    const Case cases[] = {{"not modal", false, false}, {"modal", true, false}, {"minimised, modal", true, true}};
    const UINT_PTR guard = SetTimer(nullptr, 0, 100, EndUnexpectedNestedLoop);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        if (c.minimised) {
            ShowWindow(start, SW_MINIMIZE);
            ASSERT_TRUE(IsIconic(start));
        }
        NestedLoopRan = false;
        EXPECT_TRUE(LoadWindow(StartWindow, NoWindow, c.modal));
        EXPECT_FALSE(NestedLoopRan) << "a nested loop ran for a window that was already open";
        EXPECT_EQ(CurrentModalWindow, NoWindow);
        EXPECT_EQ(NativeWindow(StartWindow), start) << "the window was built anew";
        int count = 0;
        EnumThreadWindows(GetCurrentThreadId(), CountProgramWindow, reinterpret_cast<LPARAM>(&count));
        EXPECT_EQ(count, 1) << "native windows carrying StartWindow's identifier";
        EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2) << "the creation handler ran again";
        EXPECT_EQ(GetComboSelection(StartWindow, StartWindowControls::组合框1), 1) << "the window was reset";
        EXPECT_FALSE(IsIconic(start)) << "a minimised window is restored";
        EXPECT_TRUE(IsWindowEnabled(start)) << "the window disabled itself as a modal load";
    }
    KillTimer(nullptr, guard);
}

// The program's creation handlers ask, in the deferred form, for the window before them to go:
// a setup window for StartWindow, a finish window for the setup window of its language.
TEST_F(WindowOperationsTest, DestroyRequestedByACreationHandlerIsCarriedOutByTheNextPass)
{
    struct Case { WindowId first, second; };
    const Case cases[] = {{StartWindow, ChineseSetupWindow},
                          {StartWindow, EnglishSetupWindow},
                          {ChineseSetupWindow, ChineseFinishWindow},
                          {EnglishSetupWindow, EnglishFinishWindow}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << "0x" << c.first << " then 0x" << c.second);
        ASSERT_TRUE(LoadWindow(c.first));
        // Not modal here: a modal load would wait in its nested loop for a quit request that only
        // a running main loop posts.
        ASSERT_TRUE(LoadWindow(c.second));
        HWND first = NativeWindow(c.first);
        EXPECT_NE(first, nullptr) << "the deferred request was carried out before the load returned";
        EXPECT_TRUE(first && IsWindowVisible(first)) << "the window to go is still shown until a loop handles it";
        EXPECT_TRUE(IsWindowVisible(NativeWindow(c.second))) << "the loaded window is shown";
        EXPECT_TRUE(FindLiveWindow(c.first) && FindLiveWindow(c.first)->closePending);

        DispatchPendingMessages();
        EXPECT_FALSE(IsWindowAlive(c.first)) << "one dispatch pass did not carry out the request";
        EXPECT_TRUE(first == nullptr || !IsWindow(first)) << "the native window is still there";
        EXPECT_TRUE(IsWindowAlive(c.second));
        EXPECT_FALSE(QuitRequested()) << "no quit request before the main loop has started";
        in_process::CloseAllWindows();
    }
}

}  // namespace
