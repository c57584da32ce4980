#pragma once
// Where the program looks for libraries: only in the system directory. The setup program runs
// elevated and is usually started from a downloads folder, where a planted library must never
// be loaded.
#include <windows.h>

// Restricts the process's library search to the system directory, on systems that offer
// SetDefaultDllDirectories (looked up at run time: older systems lack it). Called first thing
// at start-up.
void RestrictLibrarySearch();

// Loads the library of that file name from the system directory and nowhere else; nullptr when
// it is not there.
HMODULE LoadSystemLibrary(const char* fileName);
