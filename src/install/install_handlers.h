#pragma once
// The installation's handlers, bound to buttons in the window definitions.

// 按钮4 of each setup window: installs the payload of the window's language.
void ChineseInstall();
void EnglishInstall();

// 按钮1 of each finish window: starts the installed program and closes the finish window.
void ChineseLaunchInstalledProgram();
void EnglishLaunchInstalledProgram();
