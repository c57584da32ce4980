#pragma once
// How a failed step of the installation is told: a box in the window's language that names
// what failed, the full path and the system's own text for the error.
#include <cstdint>

#include "common/text.h"
#include "install/payload_catalogue.h"
#include "windows/identifiers.h"

enum class FailedStep : uint8_t { Removal, Directory, Write, Shortcut, Launch };

// The box through which failures are told; ShowMessageBox unless a test puts its own in place.
using MessageBoxFunction = int (*)(const char* text, uint32_t style, const char* title, WindowId owner);
extern MessageBoxFunction FailureMessageBox;

// The results of the box for its Retry and Cancel buttons.
constexpr int RetryAnswer = 3;
constexpr int CancelAnswer = 1;

// The box's text (GBK): what failed, the path, and the system's text for the error, which is a
// Win32 error code or an HRESULT. The path is in the system's ANSI code page.
Text FailureMessage(InstallLanguage language, FailedStep step, const char* path, uint32_t error);
// The box's title in the language.
const char* FailureTitle(InstallLanguage language);

// Shows the failure with Retry and Cancel and the error icon; true when the user chose Retry.
// Once the program is ending there is no one to ask: the answer is Cancel, without a box.
bool AskToRetry(InstallLanguage language, FailedStep step, const char* path, uint32_t error, WindowId owner);
// Shows the failure with an OK button and the error icon.
void TellFailure(InstallLanguage language, FailedStep step, const char* path, uint32_t error, WindowId owner);
