#pragma once
// The shortcut to the installed main program on the current user's desktop. COM must be
// initialised on the calling thread as a single-threaded apartment.
#include "common/text.h"

// The current user's desktop folder, ending in a backslash; empty when the shell has none.
Text GetDesktopDirectory();

// The name a shortcut is saved under: ".lnk" is appended when the file-name part (after the
// last backslash) has no dot; a dot in a folder name does not count.
Text ShortcutFileName(const char* name);

// Saves a shell link to the target, shown with SW_SHOW and nothing else set, under
// ShortcutFileName(name). A name that would not fit the platform's path limit saves nothing.
// On failure the last error holds a Win32 error code or an HRESULT.
bool CreateShortcutFile(const char* name, const char* target);

// Saves the shortcut "nelvar" to the installed main program in the desktop folder. Without a
// desktop folder nothing is saved anywhere. shortcutPath receives the path tried.
bool CreateDesktopShortcut(Text* shortcutPath);

constexpr const char* ShortcutBaseName = "nelvar";
