#include "sysinfo/registry_text.h"

#include <windows.h>

#include <cstdlib>

namespace {

// A zero-terminated byte buffer that releases itself.
class Buffer {
public:
    explicit Buffer(uint32_t size) : bytes_(static_cast<char*>(std::malloc(size + 1))) {}
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;
    ~Buffer() { std::free(bytes_); }
    char* Bytes() const { return bytes_; }

private:
    char* bytes_;
};

class OpenKey {
public:
    explicit OpenKey(const char* name)
    {
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, name, 0, KEY_READ, &key_) != ERROR_SUCCESS) key_ = nullptr;
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey()
    {
        if (key_) RegCloseKey(key_);
    }
    HKEY Key() const { return key_; }

private:
    HKEY key_ = nullptr;
};

// The text held in the first bytes of the buffer: up to its first zero, at most size bytes.
Text TextOfBytes(const char* bytes, uint32_t size)
{
    uint32_t length = 0;
    while (length < size && bytes[length] != '\0') ++length;
    return Text(bytes, length);
}

Text ExpandedText(const char* text)
{
    const DWORD size = ExpandEnvironmentStringsA(text, nullptr, 0);
    if (size == 0) return Text();
    Buffer expanded(size);
    if (!expanded.Bytes()) return Text();
    const DWORD written = ExpandEnvironmentStringsA(text, expanded.Bytes(), size);
    if (written == 0 || written > size) return Text();
    return TextOfBytes(expanded.Bytes(), size);
}

Text ReadValueText(HKEY key, const char* valueName)
{
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key, valueName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return Text();
    if (type != REG_SZ && type != REG_EXPAND_SZ) return Text();
    // One byte beyond the reported size holds a zero, for a value stored without one.
    Buffer value(size);
    if (!value.Bytes()) return Text();
    DWORD readType = 0;
    DWORD readSize = size;
    if (RegQueryValueExA(key, valueName, nullptr, &readType, reinterpret_cast<BYTE*>(value.Bytes()), &readSize) !=
            ERROR_SUCCESS ||
        readType != type || readSize > size) {
        return Text();
    }
    value.Bytes()[readSize] = '\0';
    if (type == REG_EXPAND_SZ) return ExpandedText(value.Bytes());
    return TextOfBytes(value.Bytes(), readSize);
}

}  // namespace

Text ReadRegistryText(const char* path)
{
    // The last backslash, found character by character so that the second byte of a
    // double-byte character is never taken for one.
    const char* lastBackslash = nullptr;
    for (const char* p = path ? path : ""; *p; p = CharNextA(p)) {
        if (*p == '\\') lastBackslash = p;
    }
    const Text keyName = lastBackslash ? Text(path, static_cast<uint32_t>(lastBackslash - path)) : Text();
    const char* valueName = lastBackslash ? lastBackslash + 1 : (path ? path : "");
    const OpenKey key(keyName.Bytes());
    if (!key.Key()) return Text();
    return ReadValueText(key.Key(), valueName);
}
