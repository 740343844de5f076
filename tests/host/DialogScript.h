// Drives modal dialogs from inside their own message loops: a thread timer
// runs one step per tick, then closes every dialog still open, so that a
// failing step cannot hang the run.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

namespace korvex::testhost {

class DialogScript {
public:
    explicit DialogScript(std::vector<std::function<void()>> steps) : steps(std::move(steps)) {}

    // openModal returns when its dialog has closed.
    void Run(const std::function<void()>& openModal) {
        current = this;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 30, &DialogScript::Tick);
        openModal();
        ::KillTimer(nullptr, timer);
        current = nullptr;
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        // A dialog that closed too early ends its loop with steps left over.
        EXPECT_EQ(next, steps.size()) << "steps run before the dialogs closed";
    }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        DialogScript* self = current;
        if (!self || self->busy)
            return;
        self->busy = true;  // a step may open a nested modal loop that ticks too
        if (self->next < self->steps.size()) {
            const auto step = self->steps[self->next++];
            step();
        } else {
            for (const wchar_t* title : {L"Changelog", L"Over Korvex editor"})
                if (const HWND dialog = ::FindWindowW(L"#32770", title))
                    ::EndDialog(dialog, 0);
        }
        self->busy = false;
    }

    static inline DialogScript* current = nullptr;
    std::vector<std::function<void()>> steps;
    std::size_t next = 0;
    bool busy = false;
};

}  // namespace korvex::testhost
