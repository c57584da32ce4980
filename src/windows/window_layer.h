#pragma once
// The window layer: the live windows built from their definitions. Only the shell and the
// window operations use it; handlers name windows and controls by identifier.
#include <windows.h>

#include <cstdint>

#include "windows/window_definition.h"

struct DisabledWindow {
    WindowId window;
    bool wasEnabled;
};

// One live window; exists from its load until its native window has been destroyed.
struct WindowInstance {
    const WindowDefinition* definition;
    HWND hwnd;  // nullptr when the window is not alive
    HWND controls[MaxControlsPerWindow];
    HFONT fonts[MaxControlsPerWindow];  // fonts this load created, released with the window
    // The working definition: what property writes change. Only the visible flags change.
    bool controlVisible[MaxControlsPerWindow];
    bool closePending;
    bool modal;
    DisabledWindow disabled[WindowCount];
    uint32_t disabledCount;
    HWND lastFocus;  // the control that had the focus when the window was last deactivated
};

// Registers the window classes, loads the icons and creates the invisible owner window.
bool InitializeWindowLayer();
// Destroys the invisible owner window and releases the icons.
void ReleaseWindowLayer();

// The live instance of the window, or nullptr when it is not alive.
WindowInstance* FindLiveWindow(WindowId window);
// The live instance that owns the native top-level window, or nullptr.
WindowInstance* FindLiveWindow(HWND hwnd);
bool AnyWindowAlive();
// The native control of a live window, or nullptr.
HWND FindControl(WindowId window, ControlId control);

// While events are held (a window is being built), event handlers do not run; an event that
// arises meanwhile is dropped.
void HoldEvents(bool hold);
// Runs the handler unless events are held or the program is exiting.
void RaiseEvent(Handler handler);

// Builds the window from its definition: hidden, controls created, z-order arranged and the
// visible controls shown. owner may be nullptr. Returns the instance, or nullptr when anything
// could not be created (and then nothing of this load is left).
WindowInstance* BuildWindow(const WindowDefinition& definition, HWND owner);
// The program's invisible owner window of the modally loaded windows.
HWND OwnerWindow();
// The icons of every window, from the icon group DEFAULT_ICON.
HICON LargeIcon();
HICON SmallIcon();

// Takes the free instance of a window that is not alive, reset for a new load.
WindowInstance* ClaimInstance(const WindowDefinition& definition);
// Drops the instance once its native window is gone and reports the destruction to the shell.
void DropWindow(WindowInstance& instance);

// Re-enables the windows that this window disabled, each back to its state before.
void ReenableDisabledWindows(WindowInstance& instance);
// Carries out a destruction: ClosePending cleared, disabled windows re-enabled, native window
// destroyed (which then drops the instance and reports to the shell).
void CarryOutDestruction(WindowInstance& instance);

// The private message that carries a deferred destruction.
constexpr UINT DestroyRequestMessage = WM_APP + 0x4E1;

// The window property that carries a window's identifier, for tools outside the process.
constexpr const wchar_t* WindowIdProperty = L"NelvarWindowId";

// The keyboard pre-translation of Tab, Shift+Tab and Esc; true when the message was consumed.
bool PreTranslateKeyboard(const MSG& message);
// Moves the focus to the next or previous tab stop of the window, wrapping around.
void MoveFocus(WindowInstance& instance, bool backwards);
// Gives the focus back to the control that last had it, or to the first tab stop.
void RestoreFocus(WindowInstance& instance);

LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK LabelProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
constexpr const wchar_t* WindowClassName = L"NelvarWindow";
constexpr const wchar_t* LabelClassName = L"NelvarLabel";
constexpr const wchar_t* OwnerClassName = L"NelvarOwner";
