#pragma once
// Helpers for tests that run the window layer and the shell inside the test process: the layer
// prepared once, the live windows closed after each test, messages pumped with a deadline, and
// texts read back from native controls as the program's GBK bytes.
#include <windows.h>

#include <functional>
#include <string>

#include "windows/identifiers.h"

namespace in_process {

// Registers the layer's classes, creates the owner window and checks the definitions; once per
// process. True when the layer is ready.
bool PrepareLayer();

// Destroys every live window of the program at once.
void CloseAllWindows();

// The native top-level window of a live program window, or nullptr.
HWND NativeWindow(WindowId window);

// Handles the waiting messages as the loops do (DispatchPendingMessages) until the condition
// holds or the deadline passes; true when it held.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// The window's text through WM_GETTEXT, converted to code page 936.
std::string TextAsGbk(HWND window);
// GBK bytes converted to UTF-16 with code page 936.
std::wstring FromGbk(const std::string& gbk);

// While it lives, no event handler runs (as once shutdown has begun): a window loaded meanwhile
// shows exactly its definition, untouched by its creation handler.
class HandlersHeld {
public:
    HandlersHeld();
    ~HandlersHeld();
    HandlersHeld(const HandlersHeld&) = delete;
    HandlersHeld& operator=(const HandlersHeld&) = delete;

private:
    bool before_;
};

// The visible message box (#32770) of this thread, or nullptr.
HWND FindThreadMessageBox();

}  // namespace in_process
