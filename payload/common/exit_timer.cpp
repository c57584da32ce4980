#include "exit_timer.h"

namespace {

// Reads a decimal number of milliseconds; false when the text is empty, holds
// anything but digits or does not fit in 32 bits.
bool ParseMilliseconds(const wchar_t* text, UINT* milliseconds)
{
    if (*text == L'\0')
        return false;
    unsigned long long value = 0;
    for (; *text != L'\0'; ++text) {
        if (*text < L'0' || *text > L'9')
            return false;
        value = value * 10 + static_cast<unsigned>(*text - L'0');
        if (value > 0xFFFFFFFFull)
            return false;
    }
    *milliseconds = static_cast<UINT>(value);
    return true;
}

}  // namespace

void StartExitTimer(HWND window)
{
    wchar_t text[32];
    DWORD length = GetEnvironmentVariableW(L"NELVAR_EXIT_AFTER_MS", text, ARRAYSIZE(text));
    if (length == 0 || length >= ARRAYSIZE(text))
        return;
    UINT milliseconds = 0;
    if (!ParseMilliseconds(text, &milliseconds))
        return;
    SetTimer(window, ExitTimerId, milliseconds, nullptr);
}
