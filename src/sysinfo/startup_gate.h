#pragma once
#include "common/text.h"

// The program-wide name of the running system, set by the start-up gate and released at exit.
extern Text CurrentSystemName;

// StartWindow's creation handler: names the system, refuses old ones, fills the language list.
void StartupGate();

// True for the names of the systems the program refuses: those older than Vista. The
// comparison is exact: whole text, byte by byte, case-sensitive, no trimming.
bool IsRefusedSystemName(const char* name);
