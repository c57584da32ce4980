// Corvex: Nelvar's companion program. A small window with its name, a drawn emblem and
// the version of the Fenwy library it uses.
#include <windows.h>

#include "../common/exit_timer.h"
#include "../fenwy/fenwy.h"

namespace {

constexpr wchar_t WindowClassName[] = L"CorvexWindow";
constexpr wchar_t WindowTitle[] = L"Corvex";
constexpr int ClientWidth = 320;
constexpr int ClientHeight = 180;

void OnPaint(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);

    // The emblem: a dark-blue disc with an orange ring.
    HBRUSH disc = CreateSolidBrush(RGB(24, 40, 96));
    HPEN ring = CreatePen(PS_SOLID, 6, RGB(240, 140, 32));
    HGDIOBJ previousBrush = SelectObject(dc, disc);
    HGDIOBJ previousPen = SelectObject(dc, ring);
    Ellipse(dc, 24, 30, 144, 150);
    SelectObject(dc, previousPen);
    SelectObject(dc, previousBrush);
    DeleteObject(ring);
    DeleteObject(disc);

    HFONT headingFont = CreateFontW(-28, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH | FF_SWISS, L"Segoe UI");
    HGDIOBJ previousFont = SelectObject(dc, headingFont);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    TextOutW(dc, 164, 56, WindowTitle, lstrlenW(WindowTitle));
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    const wchar_t* fenwy = FenwyVersion();
    TextOutW(dc, 164, 100, fenwy, lstrlenW(fenwy));
    SelectObject(dc, previousFont);
    DeleteObject(headingFont);

    EndPaint(window, &paint);
}

LRESULT CALLBACK CorvexWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        StartExitTimer(window);
        return 0;
    case WM_PAINT:
        OnPaint(window);
        return 0;
    case WM_TIMER:
        if (wParam == ExitTimerId) {
            KillTimer(window, ExitTimerId);
            DestroyWindow(window);
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = CorvexWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = WindowClassName;
    RegisterClassExW(&windowClass);

    const DWORD style = WS_OVERLAPPEDWINDOW & ~(WS_THICKFRAME | WS_MAXIMIZEBOX);
    RECT frame = {0, 0, ClientWidth, ClientHeight};
    AdjustWindowRect(&frame, style, FALSE);
    HWND window = CreateWindowExW(0, WindowClassName, WindowTitle, style, CW_USEDEFAULT,
                                  CW_USEDEFAULT, frame.right - frame.left,
                                  frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return 1;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
