// The About and change-log dialogs, opened from the real menu command and
// driven from inside their modal loops.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/host/TestHost.h"
#include "ui/ids.h"

using korvex::testhost::TestHost;

namespace {

constexpr int About = 4;

std::wstring Text(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)), L'\0');
    ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()) + 1);
    return text;
}

// Runs one step per timer tick inside the dialogs' modal loops; a step may
// post input that the loop handles before the next tick.
class DialogScript {
public:
    using Step = std::function<void()>;
    explicit DialogScript(std::vector<Step> steps) : steps(std::move(steps)) { current = this; }
    ~DialogScript() { current = nullptr; }

    void Run(TestHost& host) {
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, &Tick);
        host.RunCommand(About);  // returns when the About dialog closes
        ::KillTimer(nullptr, timer);
        EXPECT_EQ(next, steps.size()) << "the dialog closed before the script ended";
    }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        DialogScript* self = current;
        if (!self)
            return;
        if (self->next < self->steps.size()) {
            self->steps[self->next++]();
        } else if (++self->idle > 50) {
            // A dialog that will not close must not hang the run.
            ADD_FAILURE() << "dialogs still open after the script";
            for (const wchar_t* title : {L"Changelog", L"Over Korvex editor"})
                if (HWND window = ::FindWindowW(nullptr, title))
                    ::EndDialog(window, 0);
        }
    }
    static inline DialogScript* current = nullptr;
    std::vector<Step> steps;
    std::size_t next = 0;
    int idle = 0;
};

HWND AboutDialog() { return ::FindWindowW(nullptr, L"Over Korvex editor"); }
HWND ChangelogDialog() { return ::FindWindowW(nullptr, L"Changelog"); }

void PressEscape(HWND dialog) {
    HWND focus = ::GetFocus();
    ::PostMessageW(focus && ::IsChild(dialog, focus) ? focus : dialog, WM_KEYDOWN, VK_ESCAPE, 0);
}

// The change log as released: 51 lines, CR LF between them, an empty first
// line and no line break after the last. The two thanks lines are our own words.
const std::vector<std::wstring> changelog = {
    L"",
    L"Versie 1.9 (21-01-2022)",
    L"- Update voor Notepad++ 8.3.x. Hiermee is ondersteuning voor de 32-bit versie van Notepad++ komen te vervallen.",
    L"<thanks>",
    L"",
    L"Versie 1.8 (28-10-2019)",
    L"- Update voor Notepad++ 7.7 en hoger, zodat het dubbelklikken op een rubriek weer correct werkt.",
    L"<thanks>",
    L"",
    L"Versie 1.7 (9-5-2019):",
    L"- Ondersteuning 64-bit versie Notepad++",
    L"- Ondersteuning reeks nieuwe standaarden (waaronder veelgevraagde DG)",
    L"",
    L"Versie 1.6 (9-7-2015):",
    L"- Ondersteuning FZ303 / 304",
    L"- Ondersteuning JW303 / 304 v2",
    L"- Ondersteuning JW321 / 322 v2",
    L"- Ondersteuning WMO303 / 304 v2",
    L"",
    L"Versie 1.5 (22-6-2015):",
    L"- Ondersteuning EP301 / 302",
    L"- Ondersteuning JW301 - JW308",
    L"- Ondersteuning WMO301 - WMO314",
    L"",
    L"Versie 1.4 (19-8-2014):",
    L"-Ondersteuning AP304 / 305 v8.0",
    L"- Ondersteuning AW319 / 320 v1.4",
    L"- Correct tonen subversienummer indien deze \"0\" is",
    L"",
    L"Versie 1.3 (9-5-2014):",
    L"- Dubbelklikken selecteert het veld waarop de dubbelklik gebeurt(in plaats van alle aaneengesloten tekst)",
    L"- Dubbelklikken terwijl ctrl ingehouden wordt, selecteert het veld exclusief spaties aan de voor - of achterkant",
    L"",
    L"Versie 1.2 (15-4-2014):",
    L"- Ondersteuning GZ311 / 312 v2.0",
    L"- Ondersteuning GZ311 / 312 v2.1",
    L"- Ondersteuning GZ321 / 322 v1.0",
    L"- Ondersteuning QZ301 / 302 v1.1",
    L"- Ondersteuning QZ301 / 302 v2.0",
    L"- Ondersteuning ZH308 / 309 v9.0",
    L"",
    L"Versie 1.1 (4-2-2014):",
    L"- Exceptie bij toevoegen teken opgelost",
    L"- Styling van andere open documenten niet meer overschrijven",
    L"- Styling niet meer laten doorlopen op de volgende regel",
    L"- Indien caret op het einde van een veld staat, het volgende veld 'actief' maken in plaats van het voorgaande veld",
    L"",
    L"Versie 1 (3-2-2014):",
    L"- Eerste release:",
    L"  - Ondersteuning alle actieve Vektis standaarden(heen en retour)",
    L"  - Wisselende kleuren instelling(4 kleuren om begin / eindpositie veld aan te geven)",
};

void ExpectChangelog(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::size_t from = 0;
    for (;;) {
        const std::size_t end = text.find(L"\r\n", from);
        lines.push_back(text.substr(from, end == std::wstring::npos ? std::wstring::npos : end - from));
        if (end == std::wstring::npos)
            break;
        from = end + 2;
    }
    EXPECT_EQ(text.find(L'\n'), text.find(L"\r\n") + 1) << "lines are separated by CR LF";
    ASSERT_EQ(lines.size(), changelog.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "line " << i + 1);
        if (changelog[i] == L"<thanks>") {
            EXPECT_EQ(lines[i].rfind(L"=> Met dank aan ", 0), 0u);
            EXPECT_TRUE(lines[i].ends_with(L" voor de melding."));
        } else {
            EXPECT_EQ(lines[i], changelog[i]);
        }
    }
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
    script.Run(host);
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
        script.Run(host);
        EXPECT_TRUE(seen);
    }
}
