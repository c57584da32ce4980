#include "fenwy.h"

const wchar_t* __stdcall FenwyVersion(void)
{
    return L"Fenwy 0.9.7";
}
