#include "lumbra.h"

const wchar_t* __stdcall LumbraVersion(void)
{
    return L"Lumbra 1.4.2";
}
