// The About and change-log dialogs, driven from inside their modal loops by a
// thread timer that runs one step per tick.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "UiTestSupport.h"
#include "tests/host/DialogScript.h"
#include "analysis/Main.h"
#include "host/PluginBase.h"
#include "ui/AboutForm.h"
#include "ui/Resources.h"
#include "ui/ids.h"

namespace korvex {
namespace {

using host::PluginBase;
using uitest::WindowText;

// --- Resources ---

TEST(AboutResources, VersionIsTheFileVersionOfTheModuleUnchanged) {
    EXPECT_EQ(ui::FileVersion(PluginBase::module), L"1.9.0.0");
    EXPECT_EQ(ui::FileVersion(nullptr), L"1.9.0.0") << "null is this program's own file";
}

TEST(AboutResources, ChangelogIsTheRepositoryFileByteForByte) {
    std::ifstream file(KORVEX_CHANGELOG_FILE, std::ios::binary);
    ASSERT_TRUE(file) << KORVEX_CHANGELOG_FILE;
    const std::string onDisk{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_EQ(ui::ChangelogBytes(PluginBase::module), onDisk);
}

TEST(AboutResources, ChangelogHasItsFiftyOneLinesAsListed) {
    const std::string text(ui::ChangelogBytes(PluginBase::module));
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t end; (end = text.find("\r\n", from)) != std::string::npos; from = end + 2)
        lines.push_back(text.substr(from, end - from));
    lines.push_back(text.substr(from));

    ASSERT_EQ(lines.size(), 51u);
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1) << "CR LF only";
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::count(text.begin(), text.end(), '\r'));
    EXPECT_NE(text.substr(text.size() - 2), "\r\n") << "no line break after the last line";

    for (int number : {1, 5, 9, 13, 19, 24, 29, 33, 41, 47})
        EXPECT_EQ(lines[static_cast<std::size_t>(number - 1)], "") << "line " << number;
    const struct {
        int number;
        const char* text;
    } exact[] = {
        {2, "Versie 1.9 (21-01-2022)"},
        {3, "- Update voor Notepad++ 8.3.x. Hiermee is ondersteuning voor de 32-bit versie van Notepad++ komen te vervallen."},
        {6, "Versie 1.8 (28-10-2019)"},
        {7, "- Update voor Notepad++ 7.7 en hoger, zodat het dubbelklikken op een rubriek weer correct werkt."},
        {10, "Versie 1.7 (9-5-2019):"},
        {11, "- Ondersteuning 64-bit versie Notepad++"},
        {12, "- Ondersteuning reeks nieuwe standaarden (waaronder veelgevraagde DG)"},
        {14, "Versie 1.6 (9-7-2015):"},
        {15, "- Ondersteuning FZ303 / 304"},
        {16, "- Ondersteuning JW303 / 304 v2"},
        {17, "- Ondersteuning JW321 / 322 v2"},
        {18, "- Ondersteuning WMO303 / 304 v2"},
        {20, "Versie 1.5 (22-6-2015):"},
        {21, "- Ondersteuning EP301 / 302"},
        {22, "- Ondersteuning JW301 - JW308"},
        {23, "- Ondersteuning WMO301 - WMO314"},
        {25, "Versie 1.4 (19-8-2014):"},
        {26, "-Ondersteuning AP304 / 305 v8.0"},
        {27, "- Ondersteuning AW319 / 320 v1.4"},
        {28, "- Correct tonen subversienummer indien deze \"0\" is"},
        {30, "Versie 1.3 (9-5-2014):"},
        {31, "- Dubbelklikken selecteert het veld waarop de dubbelklik gebeurt(in plaats van alle aaneengesloten tekst)"},
        {32, "- Dubbelklikken terwijl ctrl ingehouden wordt, selecteert het veld exclusief spaties aan de voor - of achterkant"},
        {34, "Versie 1.2 (15-4-2014):"},
        {35, "- Ondersteuning GZ311 / 312 v2.0"},
        {36, "- Ondersteuning GZ311 / 312 v2.1"},
        {37, "- Ondersteuning GZ321 / 322 v1.0"},
        {38, "- Ondersteuning QZ301 / 302 v1.1"},
        {39, "- Ondersteuning QZ301 / 302 v2.0"},
        {40, "- Ondersteuning ZH308 / 309 v9.0"},
        {42, "Versie 1.1 (4-2-2014):"},
        {43, "- Exceptie bij toevoegen teken opgelost"},
        {44, "- Styling van andere open documenten niet meer overschrijven"},
        {45, "- Styling niet meer laten doorlopen op de volgende regel"},
        {46, "- Indien caret op het einde van een veld staat, het volgende veld 'actief' maken in plaats van het voorgaande veld"},
        {48, "Versie 1 (3-2-2014):"},
        {49, "- Eerste release:"},
        {50, "  - Ondersteuning alle actieve Vektis standaarden(heen en retour)"},
        {51, "  - Wisselende kleuren instelling(4 kleuren om begin / eindpositie veld aan te geven)"},
    };
    for (const auto& line : exact)
        EXPECT_EQ(lines[static_cast<std::size_t>(line.number - 1)], line.text) << "line " << line.number;
    for (int number : {4, 8}) {
        const std::string& thanks = lines[static_cast<std::size_t>(number - 1)];
        EXPECT_EQ(thanks.rfind("=> Met dank aan ", 0), 0u) << "line " << number;
        EXPECT_GT(thanks.size(), std::string("=> Met dank aan  voor de melding.").size());
        EXPECT_EQ(thanks.substr(thanks.size() - 17), " voor de melding.") << "line " << number;
    }
}

// --- Modal dialogs ---

using Script = testhost::DialogScript;

HWND About() {
    return ::FindWindowW(L"#32770", L"Over Korvex editor");
}
HWND Changelog() {
    return ::FindWindowW(L"#32770", L"Changelog");
}
void Key(HWND target, UINT key) {
    ::PostMessageW(target, WM_KEYDOWN, key, 1);
    ::PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}
void PressButton(HWND dialog, int id) {
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}
void CloseBox(HWND dialog) {
    ::PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

class AboutTest : public ::testing::Test {
protected:
    // The host's main window; one for the suite, as closing one takes Wine seconds.
    static void SetUpTestSuite() { owner = uitest::CreatePlainWindow(L"Owner", 120, 80, 900, 640); }
    static void TearDownTestSuite() {
        ::DestroyWindow(owner);
        owner = nullptr;
    }
    void SetUp() override { PluginBase::nppData._nppHandle = owner; }
    void TearDown() override { PluginBase::nppData._nppHandle = nullptr; }
    void Open(std::vector<std::function<void()>> steps) {
        Script script(std::move(steps));
        script.Run([] { Main::openAboutDialog(); });
    }
    static inline HWND owner = nullptr;
};

POINT Centre(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void ExpectFixedToolWindow(HWND dialog, int width, int height) {
    const auto style = ::GetWindowLongPtrW(dialog, GWL_STYLE);
    const auto exStyle = ::GetWindowLongPtrW(dialog, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    const uitest::Cell cell = uitest::DialogCell(dialog);
    const RECT client = uitest::ClientRect(dialog);
    EXPECT_EQ(client.right, ::MulDiv(width, cell.width, 8));
    EXPECT_EQ(client.bottom, ::MulDiv(height, cell.height, 16));
}

TEST_F(AboutTest, OpensModalAndCentredOverTheHostWithItsTexts) {
    bool seen = false;
    Open({[&] {
        const HWND about = About();
        ASSERT_NE(about, nullptr);
        seen = true;
        EXPECT_EQ(::GetWindow(about, GW_OWNER), owner);
        EXPECT_FALSE(::IsWindowEnabled(owner)) << "the host takes no input meanwhile";
        ExpectFixedToolWindow(about, 292, 358);
        const POINT mid = Centre(about), ownerMid = Centre(owner);
        EXPECT_NEAR(mid.x, ownerMid.x, 1);
        EXPECT_NEAR(mid.y, ownerMid.y, 1);

        EXPECT_EQ(WindowText(::GetDlgItem(about, IDC_LABEL_VERSIENUMMER)), L"1.9.0.0");
        EXPECT_EQ(WindowText(::GetDlgItem(about, IDC_LABEL_AUTEUR)), L"Auteur:");
        EXPECT_EQ(WindowText(::GetDlgItem(about, IDC_LABEL_VERSIE_ABOUT)), L"Versie:");
        const std::wstring thanks = WindowText(::GetDlgItem(about, IDC_LABEL_DANK));
        EXPECT_EQ(thanks.rfind(L"Met dank aan:\r\n", 0), 0u);
        EXPECT_EQ(std::count(thanks.begin(), thanks.end(), L'\n'), 3) << "four lines";
        EXPECT_EQ(WindowText(::GetDlgItem(about, IDC_BUTTON_CHANGELOG)), L"Changelog");
        EXPECT_EQ(WindowText(::GetDlgItem(about, IDC_BUTTON_SLUITEN)), L"Sluiten");
        PressButton(about, IDC_BUTTON_SLUITEN);
    }});
    EXPECT_TRUE(seen);
    EXPECT_EQ(About(), nullptr);
    EXPECT_TRUE(::IsWindowEnabled(owner));
}

TEST_F(AboutTest, TabOrderRunsLinksThenButtonsAndNoButtonIsTheDefault) {
    Open({[&] {
        const HWND about = About();
        ASSERT_NE(about, nullptr);
        const int expected[] = {IDC_LINK_WEBSITE, IDC_LINK_AUTEUR, IDC_BUTTON_CHANGELOG, IDC_BUTTON_SLUITEN,
                                IDC_LINK_WEBSITE};
        HWND control = ::GetFocus();
        EXPECT_EQ(::GetDlgCtrlID(control), IDC_LINK_WEBSITE) << "first focus";
        for (std::size_t i = 1; i < std::size(expected); ++i) {
            control = ::GetNextDlgTabItem(about, control, FALSE);
            EXPECT_EQ(::GetDlgCtrlID(control), expected[i]) << "stop " << i;
        }
        for (int id : {IDC_BUTTON_CHANGELOG, IDC_BUTTON_SLUITEN})
            EXPECT_EQ(::GetWindowLongPtrW(::GetDlgItem(about, id), GWL_STYLE) & BS_DEFPUSHBUTTON, 0) << id;
        EXPECT_EQ(::GetDlgItem(about, IDOK), nullptr);
        EXPECT_EQ(::GetDlgItem(about, IDCANCEL), nullptr);
        PressButton(about, IDC_BUTTON_SLUITEN);
    }});
}

TEST_F(AboutTest, OnlyTheAuthorsNameIsALink) {
    Open({[&] {
        const HWND about = About();
        ASSERT_NE(about, nullptr);
        const auto linkAt = [](HWND control, int x) {
            const RECT client = uitest::ClientRect(control);
            LHITTESTINFO hit{};
            hit.pt = {x < 0 ? client.right + x : x, client.bottom / 2};
            return ::SendMessageW(control, LM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) != FALSE;
        };
        const HWND author = ::GetDlgItem(about, IDC_LINK_AUTEUR);
        EXPECT_TRUE(linkAt(author, 4)) << "the name";
        EXPECT_FALSE(linkAt(author, -4)) << "the parenthesised site name";
        const HWND website = ::GetDlgItem(about, IDC_LINK_WEBSITE);
        EXPECT_TRUE(linkAt(website, 4));
        EXPECT_TRUE(linkAt(website, -6)) << "the whole address";
        PressButton(about, IDC_BUTTON_SLUITEN);
    }});
}

TEST_F(AboutTest, EscapeAndEnterCloseNeitherDialogButTheCloseBoxDoes) {
    Open({
        [&] { Key(::GetFocus(), VK_ESCAPE); },
        [&] {
            ASSERT_NE(About(), nullptr) << "Escape on the website link";
            ::SetFocus(::GetDlgItem(About(), IDC_LINK_AUTEUR));
            Key(::GetFocus(), VK_ESCAPE);
        },
        [&] {
            ASSERT_NE(About(), nullptr) << "Escape on the author link";
            ::PostMessageW(About(), WM_COMMAND, IDOK, 0);  // Enter with no default button
            ::PostMessageW(About(), WM_COMMAND, IDCANCEL, 0);
        },
        [&] {
            ASSERT_NE(About(), nullptr) << "IDOK / IDCANCEL";
            PressButton(About(), IDC_BUTTON_CHANGELOG);
        },
        [&] {
            const HWND changelog = Changelog();
            ASSERT_NE(changelog, nullptr);
            EXPECT_EQ(::GetWindow(changelog, GW_OWNER), About());
            EXPECT_FALSE(::IsWindowEnabled(About())) << "the About dialog takes no input meanwhile";
            Key(::GetFocus(), VK_ESCAPE);  // in the multi-line text box
            ::PostMessageW(changelog, WM_COMMAND, IDCANCEL, 0);
        },
        [&] {
            ASSERT_NE(Changelog(), nullptr) << "Escape in the change log";
            CloseBox(Changelog());
        },
        [&] {
            EXPECT_EQ(Changelog(), nullptr) << "its close box closes the change log";
            ASSERT_NE(About(), nullptr) << "and leaves the About dialog open";
            CloseBox(About());
        },
    });
    EXPECT_EQ(About(), nullptr) << "its close box closes the About dialog";
}

TEST_F(AboutTest, ChangelogShowsTheTextFreshEveryTime) {
    const std::wstring original = ui::Utf16(ui::ChangelogBytes(PluginBase::module));
    const auto text = [] { return ::GetDlgItem(Changelog(), IDC_CHANGELOG_TEXT); };
    Open({
        [&] { PressButton(About(), IDC_BUTTON_CHANGELOG); },
        [&] {
            ASSERT_NE(Changelog(), nullptr);
            ExpectFixedToolWindow(Changelog(), 687, 292);
            const POINT mid = Centre(Changelog()), aboutMid = Centre(About());
            EXPECT_NEAR(mid.x, aboutMid.x, 1);
            EXPECT_NEAR(mid.y, aboutMid.y, 1);
            const auto style = ::GetWindowLongPtrW(text(), GWL_STYLE);
            EXPECT_TRUE(style & ES_MULTILINE);
            EXPECT_TRUE(style & WS_VSCROLL);
            EXPECT_FALSE(style & (ES_AUTOHSCROLL | WS_HSCROLL)) << "long lines wrap";
            EXPECT_FALSE(style & ES_READONLY);
            EXPECT_EQ(WindowText(text()), original);
            ::SendMessageW(text(), EM_SETSEL, 0, 0);
            ::SendMessageW(text(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"bewerkt "));
            EXPECT_NE(WindowText(text()), original);
            CloseBox(Changelog());
        },
        [&] { PressButton(About(), IDC_BUTTON_CHANGELOG); },
        [&] {
            ASSERT_NE(Changelog(), nullptr);
            EXPECT_EQ(WindowText(text()), original) << "the edit is gone";
            CloseBox(Changelog());
        },
        [&] { PressButton(About(), IDC_BUTTON_SLUITEN); },
    });
    EXPECT_EQ(About(), nullptr);
}

}  // namespace
}  // namespace korvex
