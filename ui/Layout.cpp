#include "ui/Layout.h"

#include <algorithm>

namespace korvex::ui {

Scale Scale::ForDialog(HWND dialog, int cellWidth, int cellHeight) noexcept {
    // Four horizontal and eight vertical dialog units are one average
    // character cell of the dialog's font.
    RECT cell{0, 0, 4, 8};
    if (!::MapDialogRect(dialog, &cell) || cell.right <= 0 || cell.bottom <= 0)
        return Scale(cellWidth, cellHeight, cellWidth, cellHeight);
    return Scale(cell.right, cell.bottom, cellWidth, cellHeight);
}

void Place(HWND control, const RECT& rect) noexcept {
    ::SetWindowPos(control, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetClientSize(HWND window, int width, int height) noexcept {
    RECT frame{0, 0, width, height};
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE));
    ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    ::SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CentreOverOwner(HWND window) noexcept {
    const HWND owner = ::GetWindow(window, GW_OWNER);
    RECT own{};
    const bool hasOwner = owner && ::IsWindow(owner) && !::IsIconic(owner) && ::GetWindowRect(owner, &own);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(hasOwner ? owner : window, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT area = monitor.rcWork;
    if (!hasOwner)
        own = area;

    RECT self{};
    ::GetWindowRect(window, &self);
    const int width = self.right - self.left;
    const int height = self.bottom - self.top;
    int x = own.left + ((own.right - own.left) - width) / 2;
    int y = own.top + ((own.bottom - own.top) - height) / 2;
    // Keep the caption reachable on the owner's monitor.
    x = std::max(static_cast<int>(area.left), std::min(x, static_cast<int>(area.right) - width));
    y = std::max(static_cast<int>(area.top), std::min(y, static_cast<int>(area.bottom) - height));
    ::SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE TextExtent(HWND control, const wchar_t* text) noexcept {
    SIZE extent{0, 0};
    const HDC dc = ::GetDC(control);
    if (!dc)
        return extent;
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
    const HGDIOBJ previous = font ? ::SelectObject(dc, font) : nullptr;
    RECT bounds{0, 0, 0, 0};
    ::DrawTextW(dc, text, -1, &bounds, DT_CALCRECT | DT_NOPREFIX);
    extent = {bounds.right - bounds.left, bounds.bottom - bounds.top};
    if (previous)
        ::SelectObject(dc, previous);
    ::ReleaseDC(control, dc);
    return extent;
}

}  // namespace korvex::ui
