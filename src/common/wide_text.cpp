#include "common/wide_text.h"

#include <windows.h>

#include <cstdlib>

WideText::WideText(const char* gbk, int32_t length)
{
    if (!gbk) return;
    if (length < 0) length = static_cast<int32_t>(lstrlenA(gbk));
    if (length == 0) return;
    const int needed = MultiByteToWideChar(ProgramCodePage, 0, gbk, length, nullptr, 0);
    if (needed <= 0) return;
    chars_ = static_cast<wchar_t*>(std::malloc((needed + 1) * sizeof(wchar_t)));
    if (!chars_) return;
    length_ = MultiByteToWideChar(ProgramCodePage, 0, gbk, length, chars_, needed);
    chars_[length_] = L'\0';
}

WideText::~WideText() { std::free(chars_); }
