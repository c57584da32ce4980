// The shell's ends, each in a process of its own (the end of a program cannot be undone): the
// test program starts itself to run one of the ChildProcess cases, which are disabled in a
// normal run, and judges the child's exit code, its output and, for the error stop, its box.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "in_process.h"
#include "shell/shell.h"
#include "shell/window_operations.h"
#include "ui_driver.h"
#include "windows/identifiers.h"
#include "windows/window_layer.h"

namespace {

// Writes straight to the inherited standard output: the error stop ends the process without
// flushing any buffer.
void Report(const char* line)
{
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line, static_cast<DWORD>(strlen(line)), &written, nullptr);
}

bool QuitIsPending()
{
    MSG message;
    return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

// ---------------------------------------------------------------------------------------------
// The children.

int HookCalls = 0;
void CountingHook() { ++HookCalls; }

void CALLBACK CloseStartWindowOnceRunning(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (!LoopStarted || !IsWindowAlive(StartWindow)) return;
    KillTimer(nullptr, timer);
    PostMessageW(in_process::NativeWindow(StartWindow), WM_CLOSE, 0, 0);  // the Close button
}

TEST(ChildProcess, DISABLED_NormalEnd)
{
    RegisterExitHook(CountingHook);
    RegisterExitHook(CountingHook);
    ASSERT_NE(SetTimer(nullptr, 0, 50, CloseStartWindowOnceRunning), 0u);
    EXPECT_EQ(RunSetupProgram(), 0) << "exit code of a normal end";
    EXPECT_EQ(HookCalls, 1) << "a hook registered twice runs once";
    EXPECT_TRUE(ExitInProgress);
    Shutdown();
    EXPECT_EQ(HookCalls, 1) << "shutdown entered a second time ran the hooks again";
}

// Three steps, each a timer that a loop dispatches, play the handlers of the real program: the
// main loop's step loads the setup window modally; inside its nested loop the next step loads
// the finish window modally; inside that one the last step closes the finish window, the last
// window, so that the quit request is posted under two stacked modal loads. A step waits for
// its loop: a timer may also fire in a dispatch pass of a load.
std::vector<std::string> Steps;

void CALLBACK CloseFinishWindow(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (CurrentModalWindow != ChineseFinishWindow) return;
    KillTimer(nullptr, timer);
    Steps.push_back("finish loop");
    EXPECT_FALSE(IsWindowAlive(ChineseSetupWindow))
        << "the finish window's loop did not carry out the destruction its creation handler requested";
    HWND finish = in_process::NativeWindow(ChineseFinishWindow);
    ASSERT_NE(finish, nullptr);
    EXPECT_EQ(GetWindow(finish, GW_OWNER), OwnerWindow()) << "a modal window is owned by the hidden owner";
    PostMessageW(finish, WM_CLOSE, 0, 0);
}

void CALLBACK LoadFinishWindow(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (CurrentModalWindow != ChineseSetupWindow) return;
    KillTimer(nullptr, timer);
    Steps.push_back("setup loop");
    EXPECT_FALSE(IsWindowAlive(StartWindow))
        << "the setup window's loop did not carry out the destruction its creation handler requested";
    SetTimer(nullptr, 0, 50, CloseFinishWindow);
    EXPECT_TRUE(LoadWindow(ChineseFinishWindow, NoWindow, true));
    Steps.push_back("finish load returned");
    EXPECT_TRUE(QuitIsPending()) << "the finish window's loop removed the quit request";
    EXPECT_EQ(CurrentModalWindow, ChineseSetupWindow) << "set back to the window below, although it is gone";
    EXPECT_FALSE(IsWindowAlive(ChineseFinishWindow));
}

void CALLBACK LoadSetupWindow(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (!LoopStarted) return;
    KillTimer(nullptr, timer);
    Steps.push_back("main loop");
    SetTimer(nullptr, 0, 50, LoadFinishWindow);
    EXPECT_TRUE(LoadWindow(ChineseSetupWindow, NoWindow, true));
    Steps.push_back("setup load returned");
    EXPECT_TRUE(QuitIsPending()) << "the setup window's loop removed the quit request";
    EXPECT_EQ(CurrentModalWindow, NoWindow);
}

TEST(ChildProcess, DISABLED_QuitUnderTwoStackedModalLoads)
{
    ASSERT_TRUE(InitializeWindowLayer());
    ASSERT_TRUE(ReadWindowDefinitions());
    ASSERT_TRUE(LoadWindow(StartWindow));
    ASSERT_NE(SetTimer(nullptr, 0, 50, LoadSetupWindow), 0u);
    RunMainLoop();  // returns only once it has retrieved the quit request
    EXPECT_TRUE(QuitRequested());
    EXPECT_FALSE(QuitIsPending()) << "the main loop left the quit request in the queue";
    EXPECT_EQ(Steps, (std::vector<std::string>{"main loop", "setup loop", "finish loop", "finish load returned",
                                                "setup load returned"}));
}

void ReportHookRan() { Report("exit hook ran\n"); }

// Tells from inside the process whether the box shows the system's error icon.
void CALLBACK ReportErrorBoxIcon(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = in_process::FindThreadMessageBox();
    if (!box) return;
    KillTimer(nullptr, timer);
    HICON shown = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            shown = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        }
    }
    Report(shown && shown == LoadIconW(nullptr, MAKEINTRESOURCEW(32513))  /* IDI_HAND */ ? "icon: error\n" : "icon: other\n");
}

TEST(ChildProcess, DISABLED_RunTimeErrorStop)
{
    RegisterExitHook(ReportHookRan);
    ASSERT_TRUE(InitializeWindowLayer());
    ASSERT_TRUE(ReadWindowDefinitions());
    ASSERT_TRUE(LoadWindow(StartWindow));
    ASSERT_NE(SetTimer(nullptr, 0, 50, ReportErrorBoxIcon), 0u);
    RunTimeErrorStop("The start window could not be loaded.");
}

// ---------------------------------------------------------------------------------------------
// The parent.

// This test program, started again to run one ChildProcess case, its output collected. The
// pipe is read only as far as it holds data: a process that the child starts (Wine's desktop)
// may inherit the write end, so the end of the pipe does not tell the end of the child.
class Child {
public:
    explicit Child(const char* testName)
    {
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring commandLine = std::wstring(L"\"") + path +
                                   L"\" --gtest_also_run_disabled_tests --gtest_filter=ChildProcess." +
                                   std::wstring(testName, testName + strlen(testName));
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
        HANDLE write = nullptr;
        if (!CreatePipe(&read_, &write, &inherit, 1 << 16)) return;
        SetHandleInformation(read_, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = write;
        startup.hStdError = write;
        PROCESS_INFORMATION info = {};
        if (CreateProcessW(path, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info)) {
            CloseHandle(info.hThread);
            process_ = info.hProcess;
            id_ = info.dwProcessId;
        }
        CloseHandle(write);
    }

    ~Child()
    {
        if (process_) {
            if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 0xDEAD);
            WaitForSingleObject(process_, 10000);
            CloseHandle(process_);
        }
        if (read_) CloseHandle(read_);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }

    // What the child has written so far.
    const std::string& Output()
    {
        DWORD available = 0;
        while (read_ && PeekNamedPipe(read_, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
            char buffer[4096];
            DWORD got = 0;
            if (!ReadFile(read_, buffer, std::min<DWORD>(available, sizeof buffer), &got, nullptr) || got == 0) break;
            output_.append(buffer, got);
        }
        return output_;
    }

    // The exit code once the child has ended; false (and the child ended by force) when it
    // did not end in time.
    bool WaitForExit(DWORD& code, DWORD timeoutMs = 60000)
    {
        const ULONGLONG deadline = GetTickCount64() + timeoutMs;
        while (WaitForSingleObject(process_, 20) == WAIT_TIMEOUT) {
            Output();  // keeps the pipe from filling up
            if (GetTickCount64() >= deadline) {
                TerminateProcess(process_, 0xDEAD);
                WaitForSingleObject(process_, 10000);
                Output();
                return false;
            }
        }
        Output();
        return GetExitCodeProcess(process_, &code) != FALSE;
    }

private:
    HANDLE process_ = nullptr;
    HANDLE read_ = nullptr;
    DWORD id_ = 0;
    std::string output_;
};

TEST(ShellEndTest, CasesThatEndTheirOwnProcessPass)
{
    struct Case { const char* test; const char* what; };
    const Case cases[] = {
        {"DISABLED_NormalEnd", "normal end: exit code 0, the exit hook once"},
        {"DISABLED_QuitUnderTwoStackedModalLoads", "a quit request under two stacked modal loads ends all loops"},
    };
    for (const Case& c : cases) {
        Child child(c.test);
        ASSERT_TRUE(child.Started()) << "the test program could not start itself";
        DWORD code = 0xBADBAD;
        const bool ended = child.WaitForExit(code);
        EXPECT_TRUE(ended) << c.what << ": the child did not end (a loop kept running); its output:\n"
                           << child.Output();
        if (ended) {
            EXPECT_EQ(code, 0u) << c.what << ": the child failed; its output:\n" << child.Output();
        }
    }
}

TEST(ShellEndTest, RunTimeErrorStopShowsItsBoxAndEndsWithMinusOne)
{
    Child child("DISABLED_RunTimeErrorStop");
    ASSERT_TRUE(child.Started()) << "the test program could not start itself";
    const ui::MessageBoxInfo box = ui::WaitForMessageBox(child.Id());
    ASSERT_NE(box.window, nullptr) << "no error box appeared; output:\n" << child.Output();
    EXPECT_EQ(box.title, L"\u9519\u8BEF") << "title \"错误\"";
    EXPECT_EQ(box.owner, nullptr) << "the error box has no owner";
    EXPECT_NE(box.text.find(L"The start window could not be loaded."), std::wstring::npos)
        << "the box does not carry the message";
    ASSERT_EQ(box.buttons.size(), 1u) << "one button, OK";
    EXPECT_TRUE(ui::WaitFor([&] { return child.Output().find("icon: ") != std::string::npos; }))
        << "the child did not report the box's icon";
    ASSERT_TRUE(ui::ClickMessageBoxButton(box, box.buttons[0]));
    DWORD code = 0;
    ASSERT_TRUE(child.WaitForExit(code)) << "the program did not end after OK";
    EXPECT_EQ(code, 0xFFFFFFFFu) << "exit code of the error stop";
    const std::string output = child.Output();
    EXPECT_NE(output.find("icon: error"), std::string::npos) << "the box does not show the error icon; output:\n"
                                                             << output;
    EXPECT_EQ(output.find("exit hook ran"), std::string::npos) << "the exit hook ran after the error stop";
}

}  // namespace
