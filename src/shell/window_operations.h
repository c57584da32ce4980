#pragma once
// The operations by which handlers work on windows: they name windows and controls by their
// identifiers and never touch a native window themselves.
#include <cstdint>

#include "windows/identifiers.h"

// Loads the window from its definition; modal loads run a nested loop until the window is
// gone. True when the window was built (or was already open), even if it is gone again.
bool LoadWindow(WindowId window, WindowId parent = NoWindow, bool modal = false);
// Asks for the window's destruction; the deferred form lets the caller go on using the window
// until a loop handles the request. A window that is not alive is left alone.
void DestroyWindowRequest(WindowId window, bool immediately = false);
void SetControlVisible(WindowId window, ControlId control, bool visible);
// Index of the selected item, -1 for none.
int32_t GetComboSelection(WindowId window, ControlId comboBox);
// Selects the item; the index is clamped to -1 .. number of items less 1.
void SetComboSelection(WindowId window, ControlId comboBox, int32_t index);
// Adds the text at the end of the list; index of the new item, -1 on failure.
int32_t AddComboItem(WindowId window, ControlId comboBox, const char* text, uint32_t itemData = 0);
// A task-modal message box; without a title it shows "信息：". Result: OK 0, Cancel 1, Abort 2,
// Retry 3, Ignore 4, Yes 5, No 6, and 0 for anything else.
int ShowMessageBox(const char* text, uint32_t style, const char* title = nullptr, WindowId owner = NoWindow);
// True while the window exists (a window whose destruction is only requested still does).
bool IsWindowAlive(WindowId window);
