#include "ui_driver.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace ui {

namespace {

constexpr const wchar_t* WindowIdProperty = L"NelvarWindowId";

struct EnumState {
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM lParam)
{
    auto* state = reinterpret_cast<EnumState*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == state->processId) state->windows.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> TopLevelWindows(DWORD processId)
{
    EnumState state{processId, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&state));
    return state.windows;
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM lParam)
{
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> Children(HWND window)
{
    std::vector<HWND> children;
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

void SendMouse(DWORD flags, LONG x = 0, LONG y = 0)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = x;
    input.mi.dy = y;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

void ClickAt(POINT point)
{
    // The buttons go where the pointer is. The move reaches the X server asynchronously and
    // Wine reports the new position before the server has it, so after the position is seen
    // a short pause keeps the press behind the move (without it, about one click in twenty is
    // delivered at the old place).
    SetCursorPos(point.x, point.y);
    WaitFor([&] {
        POINT now = {};
        return GetCursorPos(&now) && now.x == point.x && now.y == point.y;
    }, 2000);
    Sleep(100);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
}

void SendKey(WORD virtualKey, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

}  // namespace

DWORD DefaultTimeoutMs()
{
    const wchar_t* value = _wgetenv(L"NELVAR_UI_TIMEOUT_MS");
    const long timeout = value ? wcstol(value, nullptr, 10) : 0;
    return timeout > 0 ? static_cast<DWORD>(timeout) : 30000;
}

std::wstring SetupProgramPath()
{
    const wchar_t* path = _wgetenv(L"NELVAR_SETUP_EXE");
    return path ? path : L"";
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(20);
    }
}

SetupProcess::SetupProcess(const std::wstring& exePath)
{
    std::wstring folder = exePath.substr(0, exePath.find_last_of(L'\\'));
    std::wstring commandLine = L"\"" + exePath + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (CreateProcessW(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                       folder.c_str(), &startup, &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        id_ = info.dwProcessId;
    }
}

SetupProcess::~SetupProcess()
{
    if (!process_) return;
    if (Running()) {
        TerminateProcess(process_, 0xDEAD);
        WaitForSingleObject(process_, 10000);
    }
    CloseHandle(process_);
}

bool SetupProcess::Running() const
{
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool SetupProcess::WaitForExit(DWORD& exitCode, DWORD timeoutMs)
{
    if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return false;
    return GetExitCodeProcess(process_, &exitCode) != 0;
}

HWND FindProgramWindow(DWORD processId, uint32_t windowId)
{
    for (HWND hwnd : TopLevelWindows(processId)) {
        HANDLE id = GetPropW(hwnd, WindowIdProperty);
        if (id && static_cast<uint32_t>(reinterpret_cast<UINT_PTR>(id)) == windowId) return hwnd;
    }
    return nullptr;
}

HWND WaitForProgramWindow(DWORD processId, uint32_t windowId, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitFor([&] {
        found = FindProgramWindow(processId, windowId);
        return found && IsWindowVisible(found);
    }, timeoutMs);
    return found && IsWindowVisible(found) ? found : nullptr;
}

bool WaitForWindowGone(DWORD processId, uint32_t windowId, DWORD timeoutMs)
{
    return WaitFor([&] { return FindProgramWindow(processId, windowId) == nullptr; }, timeoutMs);
}

HWND FindControl(HWND window, uint32_t controlId)
{
    for (HWND child : Children(window)) {
        if (GetParent(child) != window) continue;
        if (static_cast<uint32_t>(GetWindowLongPtrW(child, GWLP_ID)) == controlId) return child;
    }
    return nullptr;
}

std::wstring WindowText(HWND window)
{
    // Across processes WM_GETTEXT is marshalled, so this reads what the control holds.
    const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::wstring ClassName(HWND window)
{
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::vector<uint32_t> VisibleControls(HWND window)
{
    std::vector<uint32_t> visible;
    for (HWND child : Children(window)) {
        if (GetParent(child) == window && IsWindowVisible(child)) {
            visible.push_back(static_cast<uint32_t>(GetWindowLongPtrW(child, GWLP_ID)));
        }
    }
    return visible;
}

std::vector<HWND> VisibleTopLevelWindows(DWORD processId)
{
    std::vector<HWND> visible;
    for (HWND hwnd : TopLevelWindows(processId)) {
        if (IsWindowVisible(hwnd)) visible.push_back(hwnd);
    }
    return visible;
}

MessageBoxInfo WaitForMessageBox(DWORD processId, DWORD timeoutMs)
{
    MessageBoxInfo box;
    WaitFor([&] {
        for (HWND hwnd : TopLevelWindows(processId)) {
            if (ClassName(hwnd) == L"#32770" && IsWindowVisible(hwnd)) {
                box.window = hwnd;
                return true;
            }
        }
        return false;
    }, timeoutMs);
    if (!box.window) return box;
    box.title = WindowText(box.window);
    box.owner = GetWindow(box.window, GW_OWNER);
    for (HWND child : Children(box.window)) {
        const std::wstring className = ClassName(child);
        if (className == L"Static" && GetWindowLongPtrW(child, GWLP_ID) == 0xFFFF) {
            box.text = WindowText(child);
        } else if (className == L"Button" && IsWindowVisible(child)) {
            box.buttons.push_back(WindowText(child));
        }
    }
    return box;
}

void Click(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    ClickAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

bool Activate(HWND window)
{
    SetForegroundWindow(window);
    return WaitFor([&] { return GetForegroundWindow() == window; }, 5000);
}

void PressKey(WORD virtualKey, bool shift)
{
    if (shift) SendKey(VK_SHIFT, false);
    SendKey(virtualKey, false);
    SendKey(virtualKey, true);
    if (shift) SendKey(VK_SHIFT, true);
}

bool ClickMessageBoxButton(const MessageBoxInfo& box, const std::wstring& buttonText)
{
    for (HWND child : Children(box.window)) {
        if (ClassName(child) == L"Button" && WindowText(child) == buttonText) {
            Click(child);
            return true;
        }
    }
    return false;
}

void ClickCloseButton(HWND window)
{
    // The Close button sits at the right end of the caption.
    RECT rect = {};
    GetWindowRect(window, &rect);
    const int frame = GetSystemMetrics(SM_CXFRAME) + GetSystemMetrics(SM_CXPADDEDBORDER);
    const int button = GetSystemMetrics(SM_CXSIZE);
    const int caption = GetSystemMetrics(SM_CYCAPTION);
    const int border = GetSystemMetrics(SM_CYFRAME);
    ClickAt({rect.right - frame - button / 2, rect.top + border + caption / 2});
}

bool ChooseListItem(HWND list, int index)
{
    auto selected = [&] { return SendMessageW(list, CB_GETCURSEL, 0, 0) == index; };
    if (selected()) return true;
    if (!Activate(GetAncestor(list, GA_ROOT))) return false;
    Click(list);  // opens the list
    if (!WaitFor([&] { return SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) != 0; }, 5000)) return false;
    const LRESULT current = SendMessageW(list, CB_GETCURSEL, 0, 0);
    for (LRESULT i = current; i < index; ++i) PressKey(VK_DOWN);
    for (LRESULT i = current; i > index; --i) PressKey(VK_UP);
    PressKey(VK_RETURN);
    return WaitFor([&] { return selected() && SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) == 0; });
}

bool SaveScreenshot(HWND window, const std::wstring& path)
{
    RECT rect = {};
    if (!GetWindowRect(window, &rect)) return false;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool saved = false;
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
        GdiFlush();
        SelectObject(memory, old);
        const DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) & ~3u);
        const DWORD imageSize = stride * static_cast<DWORD>(height);
        BITMAPFILEHEADER file = {};
        file.bfType = 0x4D42;
        file.bfOffBits = sizeof file + sizeof info.bmiHeader;
        file.bfSize = file.bfOffBits + imageSize;
        if (FILE* out = _wfopen(path.c_str(), L"wb")) {
            saved = fwrite(&file, sizeof file, 1, out) == 1 &&
                    fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
                    fwrite(bits, imageSize, 1, out) == 1;
            saved = (fclose(out) == 0) && saved;
        }
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}

bool SetReportedWindowsVersion(const std::wstring& version)
{
    const wchar_t* key = L"Software\\Wine\\AppDefaults\\nelvar-setup.exe";
    if (version.empty()) {
        const LSTATUS status = RegDeleteKeyValueW(HKEY_CURRENT_USER, key, L"Version");
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    return RegSetKeyValueW(HKEY_CURRENT_USER, key, L"Version", REG_SZ, version.c_str(),
                           static_cast<DWORD>((version.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace ui
