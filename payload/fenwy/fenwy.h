// Fenwy.dll: a small library shared by Nelvar and Corvex.
#ifndef FENWY_H
#define FENWY_H

#include <wchar.h>

#ifdef FENWY_BUILD
#define FENWY_API // exported through fenwy.def
#else
#define FENWY_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

// The library's name and version, e.g. "Fenwy 0.9.7"; a constant text.
FENWY_API const wchar_t* __stdcall FenwyVersion(void);

#ifdef __cplusplus
}
#endif

#endif
