#pragma once
// Drives the real setup program from outside, as a user would: starts it, finds its windows and
// controls by their defined identifiers, clicks and types with real input, reads message boxes
// and takes screenshots. Every wait has a deadline; nothing sleeps for a fixed time to succeed.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ui {

// How long a wait may last: 30 s, or NELVAR_UI_TIMEOUT_MS (under CPU emulation a 32-bit
// process takes long to start).
DWORD DefaultTimeoutMs();

// Path of the setup program under test (NELVAR_SETUP_EXE), as a Windows path.
std::wstring SetupProgramPath();

// Polls the condition until it holds or the deadline passes; true when it held.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = DefaultTimeoutMs());

class SetupProcess {
public:
    // Starts the program in its own folder.
    explicit SetupProcess(const std::wstring& exePath = SetupProgramPath());
    ~SetupProcess();  // ends the process if it is still running
    SetupProcess(const SetupProcess&) = delete;
    SetupProcess& operator=(const SetupProcess&) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    // Waits for the process to end; its exit code, or nothing when it is still running.
    bool WaitForExit(DWORD& exitCode, DWORD timeoutMs = DefaultTimeoutMs());
    bool Running() const;

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// The process's top-level window that carries the window identifier, or nullptr.
HWND FindProgramWindow(DWORD processId, uint32_t windowId);
// Waits until the window exists and is visible.
HWND WaitForProgramWindow(DWORD processId, uint32_t windowId, DWORD timeoutMs = DefaultTimeoutMs());
// Waits until no window with that identifier exists any more.
bool WaitForWindowGone(DWORD processId, uint32_t windowId, DWORD timeoutMs = DefaultTimeoutMs());

// The control of the window with the (32-bit) control identifier, or nullptr.
HWND FindControl(HWND window, uint32_t controlId);
std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);
// Visible controls of the window, as identifiers.
std::vector<uint32_t> VisibleControls(HWND window);

struct MessageBoxInfo {
    HWND window = nullptr;
    std::wstring title;
    std::wstring text;
    std::vector<std::wstring> buttons;
    HWND owner = nullptr;
};
// Waits for a message box of the process; an empty info when none appeared.
MessageBoxInfo WaitForMessageBox(DWORD processId, DWORD timeoutMs = DefaultTimeoutMs());
// Top-level visible windows of the process, in z-order.
std::vector<HWND> VisibleTopLevelWindows(DWORD processId);

// Real input. Clicks the middle of the window with the left mouse button.
void Click(HWND window);
// Brings the window forward so that it receives the keyboard input that follows.
bool Activate(HWND window);
void PressKey(WORD virtualKey, bool shift = false);
// Clicks the button of the message box whose text is given.
bool ClickMessageBoxButton(const MessageBoxInfo& box, const std::wstring& buttonText);
// Clicks the window's Close button in its caption.
void ClickCloseButton(HWND window);

// Chooses the item of a drop-down list with the keyboard, as a user would; true once the list
// is closed again with that item selected.
bool ChooseListItem(HWND list, int index);

// Saves the window as it is on the screen (with its frame) as a 24-bit BMP file.
bool SaveScreenshot(HWND window, const std::wstring& path);

// The Wine registry setting that makes the setup program see another Windows version
// ("winxp", "win7", "win10", ...); an empty name removes the setting.
bool SetReportedWindowsVersion(const std::wstring& version);

}  // namespace ui
