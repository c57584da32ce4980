#pragma once
// What an installation leaves on the test prefix's disk, read and cleared from outside the setup
// program.
#include <string>

extern const std::wstring InstallRoot;

bool PathExists(const std::wstring& path);
// The desktop shortcut's path in the prefix's desktop folder.
std::wstring DesktopShortcut();
// Removes the install directory with everything in it and the desktop shortcut.
void RemoveInstallation();
// The whole file, or nothing when it cannot be read; other programs may hold it open.
std::string ReadBytes(const std::wstring& path);
// The same for a path in the ANSI code page.
std::string ReadBytes(const char* path);
