#include "installation_state.h"

#include <windows.h>

#include <shlobj.h>

const std::wstring InstallRoot = L"C:\\Program Files\\nelvar";

bool PathExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring DesktopShortcut()
{
    wchar_t desktop[MAX_PATH] = {};
    SHGetSpecialFolderPathW(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE);
    return std::wstring(desktop) + L"\\nelvar.lnk";
}

void RemoveInstallation()
{
    if (PathExists(InstallRoot)) {
        std::wstring from = InstallRoot + L'\0';  // the list ends with two zeros
        SHFILEOPSTRUCTW operation = {};
        operation.wFunc = FO_DELETE;
        operation.pFrom = from.c_str();
        operation.fFlags = FOF_NO_UI;
        SHFileOperationW(&operation);
    }
    DeleteFileW(DesktopShortcut().c_str());
}

std::string ReadBytes(const std::wstring& path)
{
    std::string bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

std::string ReadBytes(const char* path)
{
    wchar_t wide[MAX_PATH * 2] = {};
    if (!MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH * 2)) return {};
    return ReadBytes(std::wstring(wide));
}
