#pragma once
// The files the setup program installs, carried inside its own executable. The bytes stay
// where the executable holds them; every view points into its read-only data.
#include <cstdint>

#include "common/text.h"

enum class InstallLanguage : uint8_t { Chinese, English };

// Which installations write an entry.
enum class PayloadUse : uint8_t { Both, ChineseOnly, EnglishOnly };

// A read-only view of bytes held elsewhere.
struct ByteView {
    const unsigned char* bytes;
    uint32_t length;
};

struct PayloadEntry {
    const char* name;  // the file name inside the install directory
    const unsigned char* begin;
    const unsigned char* end;  // one past the last byte
    PayloadUse use;

    ByteView Bytes() const { return {begin, static_cast<uint32_t>(end - begin)}; }
};

constexpr uint32_t PayloadEntryCount = 7;
constexpr uint32_t InstallFileCount = 6;

// The seven entries in storage order: Corvex.exe, nelvar.exe (English), Lumbra.dll, Fenwy.dll,
// Pellot.png, Pellot2.jpg, nelvar.exe (Simplified Chinese).
extern const PayloadEntry PayloadCatalogue[PayloadEntryCount];

// The six entries that an installation writes, in install order: Corvex.exe, the main program
// of the language, Lumbra.dll, Fenwy.dll, Pellot.png, Pellot2.jpg. The same array on every call.
const PayloadEntry* const* InstallList(InstallLanguage language);

// The install directory is fixed, whatever the system's program-files folder is.
constexpr const char* InstallRoot = "C:\\Program Files\\nelvar";
constexpr const char* MainProgramName = "nelvar.exe";

// The install directory, a backslash and the file name.
Text InstallPath(const char* fileName);
