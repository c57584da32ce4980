#pragma once
// The display name of the running Windows version, such as "Windows 7" or
// "Windows Server 2008 R2".
#include "common/text.h"

// Asks the version services (and, for 10.0 servers, the registry) and returns a name from the
// program's tables, the registry's product name, a failure text naming the version for an
// unknown product type, or the empty text when no name fits. The caller owns the text.
// A version service missing from the platform ends the program with the run-time error stop.
Text GetWindowsProductName();
