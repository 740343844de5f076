// The dialog procedure that the panel and both dialogs share.
#pragma once

#include <windows.h>

namespace korvex::ui {

// Keeps the form passed to WM_INITDIALOG in DWLP_USER and hands it every
// message from then on; earlier messages, and any exception, end here. A form
// befriends this for its hwnd and Handle.
template <class Form>
INT_PTR CALLBACK FormProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    try {
        if (message == WM_INITDIALOG) {
            ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            if (auto* form = reinterpret_cast<Form*>(lParam))
                form->hwnd = dialog;
        }
        auto* form = reinterpret_cast<Form*>(::GetWindowLongPtrW(dialog, DWLP_USER));
        return form ? form->Handle(message, wParam, lParam) : FALSE;
    } catch (...) {
        return FALSE;
    }
}

}  // namespace korvex::ui
