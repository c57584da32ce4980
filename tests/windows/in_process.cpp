#include "in_process.h"

#include "shell/shell.h"
#include "shell/window_operations.h"
#include "windows/window_layer.h"

namespace in_process {

bool PrepareLayer()
{
    static const bool ready = InitializeWindowLayer() && ReadWindowDefinitions();
    return ready;
}

void CloseAllWindows()
{
    for (const WindowDefinition* definition : AllWindowDefinitions) {
        if (IsWindowAlive(definition->id)) DestroyWindowRequest(definition->id, true);
    }
}

HWND NativeWindow(WindowId window)
{
    const WindowInstance* instance = FindLiveWindow(window);
    return instance ? instance->hwnd : nullptr;
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        DispatchPendingMessages();
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

std::wstring FromGbk(const std::string& gbk)
{
    if (gbk.empty()) return L"";
    const int length = MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), &wide[0], length);
    return wide;
}

std::string TextAsGbk(HWND window)
{
    const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(window, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(&wide[0]));
    if (copied <= 0) return "";
    const int bytes = WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(copied), nullptr, 0, nullptr, nullptr);
    std::string gbk(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(copied), &gbk[0], bytes, nullptr, nullptr);
    return gbk;
}

HandlersHeld::HandlersHeld() : before_(ExitInProgress) { ExitInProgress = true; }
HandlersHeld::~HandlersHeld() { ExitInProgress = before_; }

namespace {

BOOL CALLBACK FindBox(HWND hwnd, LPARAM lParam)
{
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    if (lstrcmpW(name, L"#32770") == 0 && IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(lParam) = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindThreadMessageBox()
{
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    return box;
}

}  // namespace in_process
