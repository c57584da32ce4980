// Nelvar: the application's main program. One window that says Nelvar is running, shows
// Pellot.png and the versions of the two libraries the program is linked with.
#include <windows.h>

#include "../common/exit_timer.h"
#include "../fenwy/fenwy.h"
#include "../lumbra/lumbra.h"
#include "pellot_picture.h"
#include "start_report.h"
#include "texts.h"

namespace {

constexpr wchar_t WindowClassName[] = L"NelvarWindow";
constexpr wchar_t WindowTitle[] = L"Nelvar";
constexpr int ClientWidth = 420;
constexpr int ClientHeight = 310;
constexpr int Margin = 16;
constexpr int HeadingTop = 14;
constexpr int LumbraLineTop = 56;
constexpr int FenwyLineTop = 80;
constexpr int PictureTop = 116;

// Everything the window shows; reached through GWLP_USERDATA.
struct NelvarWindow {
    HFONT headingFont = nullptr;
    HFONT textFont = nullptr;
    PellotPicture picture;
    bool pictureLoaded = false;
};

HFONT CreateTextFont(int pixelHeight, int weight)
{
    return CreateFontW(-pixelHeight, 0, 0, 0, weight, FALSE, FALSE, FALSE, FontCharset,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, FontFace);
}

void DrawLine(HDC dc, HFONT font, int top, const wchar_t* first, const wchar_t* second)
{
    SelectObject(dc, font);
    TextOutW(dc, Margin, top, first, lstrlenW(first));
    if (second == nullptr)
        return;
    SIZE extent = {};
    GetTextExtentPoint32W(dc, first, lstrlenW(first), &extent);
    TextOutW(dc, Margin + extent.cx, top, second, lstrlenW(second));
}

void OnPaint(HWND window, const NelvarWindow& state)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    HGDIOBJ previousFont = SelectObject(dc, state.headingFont);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));

    DrawLine(dc, state.headingFont, HeadingTop, RunningText, nullptr);
    DrawLine(dc, state.textFont, LumbraLineTop, LibraryLabel, LumbraVersion());
    DrawLine(dc, state.textFont, FenwyLineTop, LibraryLabel, FenwyVersion());
    if (state.pictureLoaded)
        DrawPicture(dc, Margin, PictureTop, state.picture);
    else
        DrawLine(dc, state.textFont, PictureTop, PictureMissingText, nullptr);

    SelectObject(dc, previousFont);
    EndPaint(window, &paint);
}

LRESULT CALLBACK NelvarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* state = reinterpret_cast<NelvarWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_NCCREATE: {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        break;
    }
    case WM_CREATE:
        StartExitTimer(window);
        return 0;
    case WM_PAINT:
        if (state != nullptr) {
            OnPaint(window, *state);
            return 0;
        }
        break;
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
    WriteStartReport(LanguageCode);

    HRESULT comResult = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    NelvarWindow state;
    state.headingFont = CreateTextFont(24, FW_BOLD);
    state.textFont = CreateTextFont(16, FW_NORMAL);
    state.pictureLoaded = SUCCEEDED(comResult) &&
        LoadPictureBesideProgram(L"Pellot.png", GetSysColor(COLOR_WINDOW), &state.picture);

    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = NelvarWindowProc;
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
                                  frame.bottom - frame.top, nullptr, nullptr, instance, &state);
    int exitCode = 1;
    if (window != nullptr) {
        ShowWindow(window, showCommand);
        UpdateWindow(window);
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        exitCode = static_cast<int>(message.wParam);
    }

    DeleteObject(state.headingFont);
    DeleteObject(state.textFont);
    if (SUCCEEDED(comResult))
        CoUninitialize();
    return exitCode;
}
