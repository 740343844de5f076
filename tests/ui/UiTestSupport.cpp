#include "UiTestSupport.h"

namespace korvex::uitest {

namespace {
LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(window, message, wParam, lParam);
}
}  // namespace

HWND CreatePlainWindow(const wchar_t* title, int x, int y, int width, int height) {
    static const ATOM atom = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &PlainProc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"KorvexUiTestWindow";
        windowClass.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        return ::RegisterClassW(&windowClass);
    }();
    (void)atom;
    const HWND window = ::CreateWindowExW(0, L"KorvexUiTestWindow", title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                          x, y, width, height, nullptr, nullptr, ::GetModuleHandleW(nullptr),
                                          nullptr);
    ::ShowWindow(window, SW_SHOW);
    Pump();
    return window;
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

RECT RectIn(HWND parent, HWND child) {
    RECT rect{};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT ClientRect(HWND window) {
    RECT rect{};
    ::GetClientRect(window, &rect);
    return rect;
}

void Pump() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

Cell DialogCell(HWND dialog) {
    RECT cell{0, 0, 4, 8};
    ::MapDialogRect(dialog, &cell);
    return {cell.right, cell.bottom};
}

}  // namespace korvex::uitest
