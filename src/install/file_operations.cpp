#include "install/file_operations.h"

#include <windows.h>

namespace {

// Removes the temporary file after a failure, keeping the failure's reason as the last error.
bool Abandon(const char* temporaryPath, DWORD error)
{
    DeleteFileA(temporaryPath);
    SetLastError(error);
    return false;
}

}  // namespace

bool RemoveFileIfPresent(const char* path)
{
    if (DeleteFileA(path)) return true;
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return true;
    SetLastError(error);
    return false;
}

bool CreateDirectoryIfMissing(const char* path)
{
    if (CreateDirectoryA(path, nullptr)) return true;
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS) {
        const DWORD attributes = GetFileAttributesA(path);
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return true;
    }
    SetLastError(error);
    return false;
}

bool WriteBytesToFile(const char* path, const ByteView* arrays, uint32_t count)
{
    if (TextLength(path) == 0) {
        SetLastError(ERROR_INVALID_NAME);
        return false;
    }
    const Text temporary = JoinTexts(path, PartialFileEnding);
    if (temporary.IsEmpty()) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return false;
    }
    const HANDLE file = CreateFileA(temporary.Bytes(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;

    for (uint32_t i = 0; i < count; ++i) {
        if (arrays[i].length == 0) continue;
        DWORD written = 0;
        const BOOL wrote = WriteFile(file, arrays[i].bytes, arrays[i].length, &written, nullptr);
        if (!wrote || written != arrays[i].length) {
            // A write that reports success with fewer bytes has run out of room.
            const DWORD error = wrote ? ERROR_DISK_FULL : GetLastError();
            CloseHandle(file);
            return Abandon(temporary.Bytes(), error);
        }
    }
    if (!CloseHandle(file)) return Abandon(temporary.Bytes(), GetLastError());
    if (!MoveFileExA(temporary.Bytes(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return Abandon(temporary.Bytes(), GetLastError());
    }
    return true;
}
