#include "install/message_wait.h"

#include <windows.h>

#include "shell/shell.h"

void WaitDispatchingMessages(int32_t milliseconds)
{
    if (milliseconds <= 0) return;
    const uint32_t duration = static_cast<uint32_t>(milliseconds);
    const uint32_t start = GetTickCount();
    for (;;) {
        DispatchPendingMessages();
        DispatchPendingMessages();
        if (ElapsedTicks(start, GetTickCount()) > duration) return;
        DispatchPendingMessages();
        DispatchPendingMessages();
    }
}
