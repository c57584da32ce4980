#pragma once
// The program's spine: start-up, the main loop and the nested loops of modal windows, the end
// rule, shutdown with its exit hooks, and the run-time error stop.
#include <cstdint>

#include "windows/identifiers.h"

// Set once, immediately before the main loop is entered; never reset.
extern bool LoopStarted;
// The window whose modal load owns the innermost running nested loop, or NoWindow.
extern WindowId CurrentModalWindow;
// Set when shutdown begins; while it is set, no event handler runs.
extern bool ExitInProgress;

using ExitHook = void (*)();
// Appends the hook to the exit-hook list unless it is already there.
void RegisterExitHook(ExitHook hook);

// Start-up, main loop and shutdown; returns the process exit code.
int RunSetupProgram();

// The exit code of a normal end: 0 unless a step of the installation failed and the user
// cancelled it.
void SetProgramExitCode(uint32_t code);

// Runs until the quit request is retrieved.
void RunMainLoop();
// The nested loop of a modal load: returns when CurrentModalWindow is none, or when the quit
// request is next in the queue (which it leaves pending for the loops below).
void RunModalLoop();
// One pass over the waiting messages; stops before the quit request without removing it.
void DispatchPendingMessages();

// Raised by the window layer each time a window's native window has been destroyed.
void OnWindowDestroyed();
// True once the end rule has posted the quit request.
bool QuitRequested();

// Calls the exit hooks in registration order, each once, then empties the list, and releases
// the window layer. Entered a second time, it does nothing more.
void Shutdown();

// Shows the error box and ends the process with exit code -1; never returns.
[[noreturn]] void RunTimeErrorStop(const char* message, uint32_t errorCode = 0);
