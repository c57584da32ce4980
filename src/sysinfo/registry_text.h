#pragma once
// Reading one text value of the registry under HKEY_LOCAL_MACHINE.
#include "common/text.h"

// The text of the value that the path names: key and value name split at the path's last
// backslash ("A\B\Name" is the value Name of the key A\B; a path ending in a backslash names
// the key's default value). REG_SZ gives its text as it is, REG_EXPAND_SZ its text with the
// environment variables expanded. A key that cannot be opened, a missing value, a value of any
// other type or a failed read gives the empty text. A value without a terminating zero is read
// to its end and never beyond it.
Text ReadRegistryText(const char* path);
