#pragma once
// Texts are byte strings in the system's ANSI code page; the program's own texts are GBK.
// A missing text counts as the empty text wherever a text is measured, joined or compared.
#include <cstdint>

class Text {
public:
    Text() = default;
    explicit Text(const char* bytes);
    Text(const char* bytes, uint32_t length);
    Text(Text&& other) noexcept;
    Text& operator=(Text&& other) noexcept;
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    ~Text();

    // Never null: an empty text gives "".
    const char* Bytes() const { return bytes_ ? bytes_ : ""; }
    uint32_t Length() const { return length_; }
    bool IsEmpty() const { return length_ == 0; }
    // Releases the held text; the text is empty afterwards.
    void Release();

private:
    friend Text JoinTexts(const char* first, const char* second);
    struct Adopt {};
    Text(Adopt, char* bytes, uint32_t length) : bytes_(bytes), length_(bytes ? length : 0) {}

    char* bytes_ = nullptr;
    uint32_t length_ = 0;
};

// Length of a zero-terminated text; a missing text has length 0.
uint32_t TextLength(const char* text);
// A new text holding first followed by second; either may be missing.
Text JoinTexts(const char* first, const char* second);
// Exact comparison: byte by byte as unsigned values, case-sensitive, no trimming.
bool TextsEqual(const char* first, const char* second);
