#include "install/shortcut.h"

#include <windows.h>

#include <shlobj.h>

#include "install/payload_catalogue.h"

namespace {

// An owned COM interface pointer.
template <typename Interface>
class ComPointer {
public:
    ComPointer() = default;
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;
    ~ComPointer()
    {
        if (pointer_) pointer_->Release();
    }
    void** Slot() { return reinterpret_cast<void**>(&pointer_); }
    Interface* operator->() const { return pointer_; }

private:
    Interface* pointer_ = nullptr;
};

// Records an HRESULT as the failure's reason.
bool Failed(HRESULT result)
{
    SetLastError(static_cast<DWORD>(result));
    return false;
}

bool SaveShellLink(const wchar_t* fileName, const char* target)
{
    ComPointer<IShellLinkA> link;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.Slot());
    if (FAILED(result)) return Failed(result);
    ComPointer<IPersistFile> file;
    result = link->QueryInterface(IID_IPersistFile, file.Slot());
    if (FAILED(result)) return Failed(result);
    result = link->SetPath(target);
    if (FAILED(result)) return Failed(result);
    result = link->SetShowCmd(SW_SHOW);
    if (FAILED(result)) return Failed(result);
    result = file->Save(fileName, TRUE);
    if (FAILED(result)) return Failed(result);
    return true;
}

}  // namespace

Text GetDesktopDirectory()
{
    char path[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathA(nullptr, path, CSIDL_DESKTOPDIRECTORY, FALSE)) return Text();
    const uint32_t length = TextLength(path);
    // Walked back by characters, so that a double-byte character's trail byte is never taken for a backslash.
    if (length == 0 || *CharPrevA(path, path + length) == '\\') return Text(path, length);
    return JoinTexts(path, "\\");
}

Text ShortcutFileName(const char* name)
{
    const char* fileNamePart = name ? name : "";
    for (const char* p = fileNamePart; *p; p = CharNextA(p)) {
        if (*p == '\\' || *p == '/') fileNamePart = p + 1;
    }
    for (const char* p = fileNamePart; *p; p = CharNextA(p)) {
        if (*p == '.') return Text(name);
    }
    return JoinTexts(name, ".lnk");
}

bool CreateShortcutFile(const char* name, const char* target)
{
    if (TextLength(name) == 0) {
        SetLastError(ERROR_INVALID_NAME);
        return false;
    }
    const Text fileName = ShortcutFileName(name);
    const int length = MultiByteToWideChar(CP_ACP, 0, fileName.Bytes(), -1, nullptr, 0);  // with the zero
    if (length <= 0 || length > MAX_PATH) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    wchar_t wideName[MAX_PATH];
    if (MultiByteToWideChar(CP_ACP, 0, fileName.Bytes(), -1, wideName, MAX_PATH) <= 0) return false;
    return SaveShellLink(wideName, target);
}

bool CreateDesktopShortcut(Text* shortcutPath)
{
    Text desktop = GetDesktopDirectory();
    const bool haveDesktop = !desktop.IsEmpty();
    Text name = JoinTexts(desktop.Bytes(), ShortcutBaseName);
    desktop.Release();
    *shortcutPath = ShortcutFileName(name.Bytes());
    name.Release();
    if (!haveDesktop) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return false;
    }
    const Text target = InstallPath(MainProgramName);
    return CreateShortcutFile(shortcutPath->Bytes(), target.Bytes());
}
