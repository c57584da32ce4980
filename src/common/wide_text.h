#pragma once
// The program's texts are GBK bytes. They are shown through the Unicode window functions
// after an explicit conversion from code page 936, so that they read correctly whatever the
// system's ANSI code page is.
#include <cstdint>

constexpr unsigned int ProgramCodePage = 936;

class WideText {
public:
    // Converts length bytes of GBK text (or up to its zero when length is negative).
    explicit WideText(const char* gbk, int32_t length = -1);
    WideText(const WideText&) = delete;
    WideText& operator=(const WideText&) = delete;
    ~WideText();

    // Never null: a missing text, or one that cannot be converted, gives L"".
    const wchar_t* Chars() const { return chars_ ? chars_ : L""; }
    int32_t Length() const { return length_; }

private:
    wchar_t* chars_ = nullptr;
    int32_t length_ = 0;
};
