// The About and change-log dialogs, opened from the real menu command and
// driven from inside their modal loops.
#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/host/DialogScript.h"
#include "tests/host/TestHost.h"
#include "ui/ids.h"

using korvex::testhost::DialogScript;
using korvex::testhost::TestHost;

namespace {

constexpr int About = 4;

std::wstring Text(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)), L'\0');
    ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()) + 1);
    return text;
}

HWND AboutDialog() { return ::FindWindowW(nullptr, L"Over Korvex editor"); }
HWND ChangelogDialog() { return ::FindWindowW(nullptr, L"Changelog"); }

void PressEscape(HWND dialog) {
    HWND focus = ::GetFocus();
    ::PostMessageW(focus && ::IsChild(dialog, focus) ? focus : dialog, WM_KEYDOWN, VK_ESCAPE, 0);
}

// The change log as the repository file holds it (whose lines the resource
// tests check one by one), in the UTF-16 that the dialog shows.
std::wstring ChangelogFile() {
    std::ifstream file(KORVEX_CHANGELOG_FILE, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::wstring text(bytes.size(), L'\0');
    text.resize(static_cast<std::size_t>(::MultiByteToWideChar(
        CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), text.data(),
        static_cast<int>(text.size()))));
    return text;
}

void ExpectChangelog(const std::wstring& shown) {
    const std::wstring expected = ChangelogFile();
    ASSERT_EQ(std::count(expected.begin(), expected.end(), L'\n'), 50) << KORVEX_CHANGELOG_FILE;
    EXPECT_EQ(shown, expected);
}

}  // namespace

TEST(AboutDialog, ShowsTheModuleVersionAndOpensTheChangelog) {
    TestHost host;
    HWND about = nullptr;
    HWND log = nullptr;
    DialogScript script({
        [&] {
            about = AboutDialog();
            ASSERT_TRUE(about);
            EXPECT_EQ(::GetWindow(about, GW_OWNER), host.MainWindow());
            EXPECT_EQ(Text(::GetDlgItem(about, IDC_LABEL_VERSIENUMMER)), L"1.9.0.0");
            EXPECT_EQ(Text(::GetDlgItem(about, IDC_LABEL_AUTEUR)), L"Auteur:");
            EXPECT_EQ(Text(::GetDlgItem(about, IDC_LABEL_VERSIE_ABOUT)), L"Versie:");
            EXPECT_EQ(Text(::GetDlgItem(about, IDC_LABEL_DANK)).rfind(L"Met dank aan:", 0), 0u);
            EXPECT_TRUE(::GetWindowLongPtrW(about, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
            EXPECT_FALSE(::GetWindowLongPtrW(about, GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
            PressEscape(about);
        },
        [&] {
            EXPECT_TRUE(::IsWindow(about)) << "Escape closed the About dialog";
            ::PostMessageW(::GetDlgItem(about, IDC_BUTTON_CHANGELOG), BM_CLICK, 0, 0);
        },
        [&] {
            log = ChangelogDialog();
            ASSERT_TRUE(log);
            EXPECT_EQ(::GetWindow(log, GW_OWNER), about);
            ExpectChangelog(Text(::GetDlgItem(log, IDC_CHANGELOG_TEXT)));
            // An edit changes only this copy.
            ::SendMessageW(::GetDlgItem(log, IDC_CHANGELOG_TEXT), WM_SETTEXT, 0,
                           reinterpret_cast<LPARAM>(L"overwritten"));
            PressEscape(log);
        },
        [&] {
            EXPECT_TRUE(::IsWindow(log)) << "Escape closed the change log";
            ::PostMessageW(log, WM_SYSCOMMAND, SC_CLOSE, 0);  // its close box
        },
        [&] {
            EXPECT_FALSE(::IsWindow(log));
            EXPECT_TRUE(::IsWindow(about));
            ::PostMessageW(::GetDlgItem(about, IDC_BUTTON_CHANGELOG), BM_CLICK, 0, 0);
        },
        [&] {
            log = ChangelogDialog();
            ASSERT_TRUE(log);
            ExpectChangelog(Text(::GetDlgItem(log, IDC_CHANGELOG_TEXT)));
            ::PostMessageW(log, WM_SYSCOMMAND, SC_CLOSE, 0);
        },
        [&] { ::PostMessageW(::GetDlgItem(about, IDC_BUTTON_SLUITEN), BM_CLICK, 0, 0); },
    });
    script.Run([&] { host.RunCommand(About); });
    EXPECT_FALSE(::IsWindow(about));
}

TEST(AboutDialog, OpensWhetherThePluginIsOnOrOff) {
    for (bool on : {false, true}) {
        SCOPED_TRACE(on ? "on" : "off");
        TestHost host;
        if (on)
            host.RunCommand(0);
        bool seen = false;
        DialogScript script({[&] {
            seen = AboutDialog() != nullptr;
            ::PostMessageW(AboutDialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
        }});
        script.Run([&] { host.RunCommand(About); });
        EXPECT_TRUE(seen);
    }
}
