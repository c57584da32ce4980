// Lumbra.dll: a small library of the Nelvar application.
#ifndef LUMBRA_H
#define LUMBRA_H

#include <wchar.h>

#ifdef LUMBRA_BUILD
#define LUMBRA_API // exported through lumbra.def
#else
#define LUMBRA_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

// The library's name and version, e.g. "Lumbra 1.4.2"; a constant text.
LUMBRA_API const wchar_t* __stdcall LumbraVersion(void);

#ifdef __cplusplus
}
#endif

#endif
