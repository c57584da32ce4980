// The self-drawn label: one line, left-aligned, vertically centred, cut at its right edge.
// Its text is kept by the system, so WM_GETTEXT answers with it.
#include "windows/window_layer.h"

namespace {

constexpr int FontSlot = 0;

void Paint(HWND label)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(label, &paint);
    if (!dc) return;
    RECT client = {};
    GetClientRect(label, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));

    wchar_t text[512];
    const int length = GetWindowTextW(label, text, sizeof text / sizeof text[0]);
    if (length > 0) {
        HFONT font = reinterpret_cast<HFONT>(GetWindowLongPtrW(label, FontSlot));
        HGDIOBJ previous = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
        DrawTextW(dc, text, length, &client, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
        SelectObject(dc, previous);
    }
    EndPaint(label, &paint);
}

}  // namespace

LRESULT CALLBACK LabelProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        Paint(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1;  // painting fills the whole client area
    case WM_SETFONT:
        SetWindowLongPtrW(hwnd, FontSlot, static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return GetWindowLongPtrW(hwnd, FontSlot);
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
    }
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}
