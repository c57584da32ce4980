// Closing a payload program on its own after a while, for unattended runs.
#pragma once

#include <windows.h>

// The identifier of the timer that StartExitTimer sets on a window.
constexpr UINT_PTR ExitTimerId = 1;

// When the environment variable NELVAR_EXIT_AFTER_MS holds a decimal number, sets a
// timer of that many milliseconds on `window`; its WM_TIMER (ExitTimerId) is the
// window's cue to close. Does nothing when the variable is missing or not a number.
void StartExitTimer(HWND window);
