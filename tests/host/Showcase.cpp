// Sets up a scene in the stand-in host and keeps it on screen for a while, so
// that tools/screenshots.sh can take a picture of it:
//   KorvexShowcase panel | about | changelog
#include <cstdio>
#include <cstring>
#include <string>

#include <windows.h>

#include "tests/host/TestHost.h"

using korvex::testhost::TestHost;

namespace {

constexpr UINT ShowSeconds = 6;

std::string Gz340() {
    std::string header = "01" "249" "01" "00" "AB" "20260112093000" "000042";
    header.resize(170, ' ');
    std::string detail = "04" "000000000001" "123456782" "3311" "000123456789012" "00000000" "01123456"
                         "00000000" "00000000" "F2026-00017 " "001" "190001" "140301011   " "            "
                         "   " "20260105" "20260110" "D" "REF-0001            ";
    detail.resize(170, ' ');
    std::string trailer = "99" "00000001" "00000001";
    trailer.resize(170, ' ');
    return header + "\n" + detail + "\n" + trailer + "\n";
}

// Runs inside the modal loops of the dialogs: opens the change log from the
// About dialog, then closes everything when the time is up.
UINT_PTR timer = 0;
int ticks = 0;
bool wantChangelog = false;
void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    ++ticks;
    if (ticks == 1 && wantChangelog) {
        if (HWND about = ::FindWindowW(nullptr, L"Over Korvex editor")) {
            // The "Changelog" button: the first button of the dialog.
            HWND button = ::FindWindowExW(about, nullptr, L"Button", L"Changelog");
            if (button)
                ::PostMessageW(button, BM_CLICK, 0, 0);
        }
    }
    if (ticks >= static_cast<int>(ShowSeconds)) {
        if (HWND log = ::FindWindowW(nullptr, L"Changelog"))
            ::PostMessageW(log, WM_CLOSE, 0, 0);
        if (HWND about = ::FindWindowW(nullptr, L"Over Korvex editor"))
            ::PostMessageW(about, WM_CLOSE, 0, 0);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string scene = argc > 1 ? argv[1] : "panel";
    TestHost host;
    host.SetText(Gz340());
    host.RunCommand(0);  // switch on: the panel docks
    if (scene == "panel") {
        host.RunCommand(2);  // alternate colouring
        host.Caret(171 + 30);  // inside the insured's number of the detail record
        const DWORD until = ::GetTickCount() + ShowSeconds * 1000;
        while (::GetTickCount() < until) {
            host.Pump();
            ::Sleep(50);
        }
        return 0;
    }
    wantChangelog = scene == "changelog";
    timer = ::SetTimer(nullptr, 0, 1000, &Tick);
    host.RunCommand(4);  // "Over": modal until the timer closes it
    ::KillTimer(nullptr, timer);
    return 0;
}
