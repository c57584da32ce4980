#include "common/text.h"

#include <cstdlib>
#include <cstring>

namespace {

char* CopyBytes(const char* first, uint32_t firstLength, const char* second, uint32_t secondLength)
{
    char* bytes = static_cast<char*>(std::malloc(firstLength + secondLength + 1));
    if (!bytes) return nullptr;
    if (firstLength) std::memcpy(bytes, first, firstLength);
    if (secondLength) std::memcpy(bytes + firstLength, second, secondLength);
    bytes[firstLength + secondLength] = '\0';
    return bytes;
}

}  // namespace

Text::Text(const char* bytes) : Text(bytes, TextLength(bytes)) {}

Text::Text(const char* bytes, uint32_t length)
{
    if (length == 0) return;
    bytes_ = CopyBytes(bytes, length, nullptr, 0);
    length_ = bytes_ ? length : 0;
}

Text::Text(Text&& other) noexcept : bytes_(other.bytes_), length_(other.length_)
{
    other.bytes_ = nullptr;
    other.length_ = 0;
}

Text& Text::operator=(Text&& other) noexcept
{
    if (this != &other) {
        Release();
        bytes_ = other.bytes_;
        length_ = other.length_;
        other.bytes_ = nullptr;
        other.length_ = 0;
    }
    return *this;
}

Text::~Text() { Release(); }

void Text::Release()
{
    std::free(bytes_);
    bytes_ = nullptr;
    length_ = 0;
}

uint32_t TextLength(const char* text) { return text ? static_cast<uint32_t>(std::strlen(text)) : 0; }

Text JoinTexts(const char* first, const char* second)
{
    const uint32_t firstLength = TextLength(first);
    const uint32_t secondLength = TextLength(second);
    if (firstLength + secondLength == 0) return Text();
    return Text(Text::Adopt{}, CopyBytes(first, firstLength, second, secondLength), firstLength + secondLength);
}

bool TextsEqual(const char* first, const char* second)
{
    const uint32_t firstLength = TextLength(first);
    if (firstLength != TextLength(second)) return false;
    return firstLength == 0 || std::memcmp(first, second, firstLength) == 0;
}
