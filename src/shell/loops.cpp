// The main loop, the nested loops of modal loads, one-pass dispatching, and the end rule.
#include "shell/shell.h"
#include "windows/window_layer.h"

bool LoopStarted = false;
WindowId CurrentModalWindow = NoWindow;

namespace {

bool QuitPosted = false;

void HandleMessage(const MSG& message)
{
    if (PreTranslateKeyboard(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

// Takes the next message unless the queue is empty or the quit request is next, which then
// stays pending. True when a message was taken.
bool TakeMessage(MSG& message)
{
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE) || message.message == WM_QUIT) return false;
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) return false;
    if (message.message == WM_QUIT) {  // it became next meanwhile: leave it pending
        PostQuitMessage(static_cast<int>(message.wParam));
        return false;
    }
    return true;
}

bool QuitIsNext()
{
    MSG message;
    return PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message == WM_QUIT;
}

}  // namespace

void RunMainLoop()
{
    LoopStarted = true;
    if (!AnyWindowAlive()) return;
    MSG message;
    for (;;) {
        const BOOL result = GetMessageW(&message, nullptr, 0, 0);
        if (result == 0 || result == -1) return;  // the quit request
        HandleMessage(message);
    }
}

void RunModalLoop()
{
    MSG message;
    for (;;) {
        if (CurrentModalWindow == NoWindow || QuitIsNext()) return;
        if (TakeMessage(message)) {
            HandleMessage(message);
        } else if (!QuitIsNext()) {
            WaitMessage();  // idle: the program's windows have no idle work
        }
    }
}

void DispatchPendingMessages()
{
    MSG message;
    while (TakeMessage(message)) HandleMessage(message);
}

void OnWindowDestroyed()
{
    if (LoopStarted && !AnyWindowAlive()) {
        QuitPosted = true;
        PostQuitMessage(0);
    }
}

bool QuitRequested() { return QuitPosted; }
