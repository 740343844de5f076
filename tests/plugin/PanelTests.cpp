// The docked panel as the user sees it while the caret moves: its labels, its
// field list and what a click in the list does.
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "tests/host/TestHost.h"
#include "tests/plugin/Documents.h"
#include "ui/ids.h"

using namespace korvex::testdocs;
using korvex::testhost::TestHost;

namespace {

// Counts how often the list is emptied, behind the panel's back.
int resets = 0;
LRESULT CALLBACK CountingProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == LB_RESETCONTENT)
        ++resets;
    return ::DefSubclassProc(list, message, wParam, lParam);
}
constexpr UINT_PTR CountingId = 0x4B56;

struct PanelTexts {
    std::wstring standaard, versie, record, patroon, verplicht;
    bool operator==(const PanelTexts&) const = default;
};
std::ostream& operator<<(std::ostream& out, const PanelTexts& t) {
    auto narrow = [](const std::wstring& w) { return std::string(w.begin(), w.end()); };
    return out << "[" << narrow(t.standaard) << "|" << narrow(t.versie) << "|" << narrow(t.record) << "|"
               << narrow(t.patroon) << "|" << narrow(t.verplicht) << "]";
}

class PanelView : public testing::Test {
protected:
    void SetUp() override {
        host.RunCommand(0);
        ASSERT_TRUE(host.Panel());
        list = ::GetDlgItem(host.Panel(), IDC_LISTBOX1);
        ASSERT_TRUE(list);
        ASSERT_TRUE(::SetWindowSubclass(list, &CountingProc, CountingId, 0));
        resets = 0;
    }
    void TearDown() override {
        ::RemoveWindowSubclass(list, &CountingProc, CountingId);
    }

    std::wstring Label(int id) const {
        wchar_t text[256] = {};
        ::GetDlgItemTextW(host.Panel(), id, text, 256);
        return text;
    }
    PanelTexts Texts() const {
        return {Label(IDC_LABEL_STANDAARD), Label(IDC_LABEL_VERSIE), Label(IDC_LABEL_RECORD), Label(IDC_LABEL_PATROON),
                Label(IDC_LABEL_VERPLICHT)};
    }
    std::vector<std::wstring> Entries() const {
        std::vector<std::wstring> entries;
        const auto count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            std::wstring text(static_cast<std::size_t>(::SendMessageW(list, LB_GETTEXTLEN, i, 0)), L'\0');
            ::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
            entries.push_back(text);
        }
        return entries;
    }
    int Selected() const { return static_cast<int>(::SendMessageW(list, LB_GETCURSEL, 0, 0)); }
    void ClickEntry(int index) {
        RECT item{};
        ::SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        ClickList(item.left + 5, (item.top + item.bottom) / 2);
    }
    void ClickList(int x, int y) {
        ::SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        ::SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        host.Pump();
    }
    std::int64_t Caret() const { return host.Sci(sci::GETCURRENTPOS); }

    TestHost host;
    HWND list = nullptr;
};

// A ZH309 07.02 header (370): its declaration filler (117..310) and its final
// filler (354..370) are both named "Reserve".
std::string Zh309Header() {
    std::string header = "01" "102" "07" "02";
    header.resize(370, ' ');
    return header;
}

}  // namespace

TEST_F(PanelView, ShowsTheRecordAndTheFieldUnderTheCaret) {
    host.SetText(Gz340Document());
    host.Caret(3);
    EXPECT_EQ(Texts(), (PanelTexts{L"GZ340", L"1,0", L"Voorlooprecord", L"NNN", L"M"}));
    const std::vector<std::wstring> header = {L"Kenmerk Record", L"Code Externe-integratiebericht",
        L"Versienummer Berichtstandaard", L"Subversienummer Berichtstandaard", L"Identificatie Afzender",
        L"Aanmaakdatum En Aanmaaktijd Bericht", L"Berichtnummer", L"Reserve"};
    EXPECT_EQ(Entries(), header);
    EXPECT_EQ(Selected(), 1);
    // The captions stay whatever is shown.
    EXPECT_EQ(Label(IDC_LABEL_STANDAARD_NOT), L"Standaard:");
    EXPECT_EQ(Label(IDC_LABEL_VERSIE_NOT), L"Versie:");
    EXPECT_EQ(Label(IDC_LABEL_VELD), L"Veldinformatie");
    EXPECT_EQ(Label(IDC_LABEL_PATROON_NOT), L"Patroon:");
    EXPECT_EQ(Label(IDC_LABEL_VERPLICHT_NOT), L"Verplicht:");

    // At the end of the full line: no field, the record stays shown.
    host.Caret(170);
    EXPECT_EQ(Texts(), (PanelTexts{L"GZ340", L"1,0", L"Voorlooprecord", L"", L""}));
    EXPECT_EQ(Selected(), LB_ERR);
    EXPECT_EQ(Entries().size(), header.size());
}

TEST_F(PanelView, RefillsTheListOnlyWhenTheRecordKindChanges) {
    host.SetText(Gz340Document());
    host.Caret(3);
    resets = 0;
    host.Caret(171 + 20);  // a detail record
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(Label(IDC_LABEL_RECORD), L"Prestatierecord");
    EXPECT_EQ(Entries().size(), 20u);
    EXPECT_EQ(Entries()[2], L"Burgerservicenummer (bsn) Verzekerde");
    host.Caret(2 * 171 + 20);  // another line of the same kind
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(Selected(), 2);
}

TEST_F(PanelView, UnknownKindEmptiesTheListAndTheRecordNameOnly) {
    host.SetText(Gz340Header() + "\n" + Record("77", 170) + "\n");
    host.Caret(3);
    host.Caret(171 + 3);
    EXPECT_EQ(Texts(), (PanelTexts{L"GZ340", L"1,0", L"", L"NNN", L"M"}));
    EXPECT_TRUE(Entries().empty());
}

TEST_F(PanelView, EmptyLinesDependOnTheLineEnds) {
    // CR LF: the empty line reads as two characters, an unknown kind.
    host.SetText(Gz340Header() + "\r\n\r\n" + Record("04", 170) + "\r\n");
    host.Caret(3);
    host.Caret(172);
    EXPECT_EQ(Texts(), (PanelTexts{L"GZ340", L"1,0", L"", L"NNN", L"M"}));
    EXPECT_TRUE(Entries().empty());

    // LF: one character; the update stops with the list's selection cleared.
    host.SetText(Gz340Header() + "\n\n" + Record("04", 170) + "\n");
    host.Caret(3);
    resets = 0;
    host.Caret(171);
    EXPECT_EQ(Texts(), (PanelTexts{L"GZ340", L"1,0", L"Voorlooprecord", L"NNN", L"M"}));
    EXPECT_EQ(Entries().size(), 8u);
    EXPECT_EQ(Selected(), LB_ERR);
    EXPECT_EQ(resets, 0);
}

TEST_F(PanelView, HeaderEditsFindAnotherDefinitionOrNone) {
    std::string header = "01" "101" "07" "02";
    header.resize(310, ' ');
    host.SetText(header + "\n");
    host.Caret(6);
    EXPECT_EQ(Texts(), (PanelTexts{L"ZH308", L"7,2", L"Voorlooprecord", L"", L"M"}));
    resets = 0;
    // Version 09.00 while the caret stays on the header.
    host.Sci(sci::DELETERANGE, 5, 4);
    host.Sci(sci::INSERTTEXT, 5, reinterpret_cast<LPARAM>("0900"));
    host.Caret(6);
    EXPECT_EQ(Texts(), (PanelTexts{L"ZH308", L"9,0", L"Voorlooprecord", L"", L"M"}));
    EXPECT_GE(resets, 1);

    // A version nobody has: everything empty.
    host.Sci(sci::DELETERANGE, 5, 2);
    host.Sci(sci::INSERTTEXT, 5, reinterpret_cast<LPARAM>("99"));
    host.Caret(3);
    EXPECT_EQ(Texts(), PanelTexts{});
    EXPECT_TRUE(Entries().empty());
}

TEST_F(PanelView, ClickOnAnEntryMovesTheCaretToTheFirstFieldOfThatName) {
    host.SetText(Zh309Header() + "\n");
    host.Caret(2);
    const auto entries = Entries();
    ASSERT_EQ(entries.size(), 26u);
    ASSERT_EQ(entries[19], L"Reserve");
    ASSERT_EQ(entries[25], L"Reserve");
    ClickEntry(25);
    EXPECT_EQ(Caret(), 117);
    EXPECT_EQ(::GetFocus(), host.Current());
    EXPECT_EQ(Selected(), 19);
    EXPECT_EQ(host.IndicatorAt(0, 117), 1);
    EXPECT_EQ(host.IndicatorAt(0, 354), 0);

    ClickEntry(1);
    EXPECT_EQ(Caret(), 2);
}

TEST_F(PanelView, OnlyAMouseClickOnAnEntryCounts) {
    host.SetText(Gz340Document());
    host.Caret(3);
    const PanelTexts before = Texts();
    // Below the last of the eight entries.
    RECT last{};
    ::SendMessageW(list, LB_GETITEMRECT, 7, reinterpret_cast<LPARAM>(&last));
    RECT client{};
    ::GetClientRect(list, &client);
    ASSERT_LT(last.bottom + 10, client.bottom);
    ClickList(10, last.bottom + 10);
    EXPECT_EQ(Caret(), 3);
    EXPECT_EQ(Texts(), before);
    // The keyboard moves the selection, not the caret.
    ::SetFocus(list);
    ::SendMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
    ::SendMessageW(list, WM_KEYUP, VK_DOWN, 0);
    host.Pump();
    EXPECT_EQ(Caret(), 3);
}

TEST_F(PanelView, ClickWithoutACurrentRecordEmptiesTheLabelsAndLeavesTheCaret) {
    host.SetText(Gz340Document());
    host.Caret(3);
    // Another document became active and no update has run in it yet.
    host.Notify(korvex::host::nppn::BUFFERACTIVATED);
    ClickEntry(4);
    EXPECT_EQ(Texts(), PanelTexts{});
    EXPECT_EQ(Caret(), 3);
    EXPECT_EQ(Entries().size(), 8u);
}
