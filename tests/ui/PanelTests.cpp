// The definition panel as a real window: its labels, its field list and what
// a click in the list asks of the editor.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <windows.h>

#include "UiTestSupport.h"
#include "analysis/Main.h"
#include "host/PluginBase.h"
#include "ui/KorvexForm.h"
#include "ui/ids.h"

namespace korvex {
namespace {

using uitest::ClientRect;
using uitest::RectIn;
using uitest::WindowText;

// Answers the caret questions with fixed values and writes down every request.
class RecordingEditor final : public Editor {
public:
    Position caret = 57;
    Line caretLine = 3;
    Position lineStart = 40;
    std::vector<std::string> requests;

    Position CurrentPos() override { return Log("CurrentPos"), caret; }
    Line LineFromPosition(Position position) override {
        return Log("LineFromPosition " + std::to_string(position)), caretLine;
    }
    Position PositionFromLine(Line line) override {
        return Log("PositionFromLine " + std::to_string(line)), lineStart;
    }
    void GotoPos(Position position) override { Log("GotoPos " + std::to_string(position)); }
    void GrabFocus() override { Log("GrabFocus"); }

    Position LineEndPosition(Line) override { return Log("LineEndPosition"), 0; }
    Position Length() override { return Log("Length"), 0; }
    int CodePage() override { return Log("CodePage"), 0; }
    std::string CurLine(std::size_t) override { return Log("CurLine"), std::string(); }
    std::string TextRange(Position, Position) override { return Log("TextRange"), std::string(); }
    void StyleClearAll() override { Log("StyleClearAll"); }
    void StyleSetFore(int, Colour) override { Log("StyleSetFore"); }
    void StyleSetBack(int, Colour) override { Log("StyleSetBack"); }
    void StyleSetBold(int, bool) override { Log("StyleSetBold"); }
    void StartStyling(Position) override { Log("StartStyling"); }
    void SetStyling(Position, int) override { Log("SetStyling"); }
    void IndicSetStyle(int, int) override { Log("IndicSetStyle"); }
    void IndicSetFore(int, Colour) override { Log("IndicSetFore"); }
    void IndicSetAlpha(int, int) override { Log("IndicSetAlpha"); }
    void SetIndicatorCurrent(int) override { Log("SetIndicatorCurrent"); }
    void IndicatorFillRange(Position, Position) override { Log("IndicatorFillRange"); }
    void IndicatorClearRange(Position, Position) override { Log("IndicatorClearRange"); }
    void SetSel(Position, Position) override { Log("SetSel"); }

private:
    void Log(std::string request) { requests.push_back(std::move(request)); }
};

class OneView final : public Views {
public:
    RecordingEditor editor;
    int asked = 0;
    Editor& Current() override { return ++asked, editor; }
};

Veld Field(std::string_view naam, int start, int lengte, std::string_view patroon = "X",
           std::string_view verplicht = "N") {
    Veld veld;
    veld.Naam = naam;
    veld.Start = start;
    veld.Lengte = lengte;
    veld.Eind = start + lengte;
    veld.Patroon = patroon;
    veld.Verplicht = verplicht;
    return veld;
}

// Two fields named "Reserve", as many records have, and names beyond ASCII.
Regel MakeRecord() {
    Regel regel;
    regel.Kenmerk = "02";
    regel.Naam = "Verzekerdenrecord";
    regel.Velden = {Field("Kenmerk record", 0, 2, "N", "M"), Field("Reserve", 2, 5),
                    Field("Cliëntnummer", 7, 10, "N", "M"), Field("Reserve", 17, 3),
                    Field("Temperatuur in °C, naïef", 20, 4)};
    return regel;
}

constexpr int valueLabels[] = {IDC_LABEL_STANDAARD, IDC_LABEL_VERSIE, IDC_LABEL_RECORD, IDC_LABEL_PATROON,
                               IDC_LABEL_VERPLICHT};

class PanelTest : public ::testing::Test {
protected:
    // One parent for the suite: under Wine a top-level window takes seconds
    // to go away, a child panel none.
    static void SetUpTestSuite() { host = uitest::CreatePlainWindow(L"Panel test"); }
    static void TearDownTestSuite() {
        ::DestroyWindow(host);
        host = nullptr;
    }

    void SetUp() override {
        ASSERT_TRUE(form.Create(host::PluginBase::module, host));
        panel = form.Handle();
        list = ::GetDlgItem(panel, IDC_LISTBOX1);
        ::ShowWindow(panel, SW_SHOW);
        for (const Veld& veld : record.Velden)
            form.AddField(veld);
        Main::views = &views;
        Main::regel = &record;
        uitest::Pump();
    }
    void TearDown() override {
        Main::views = nullptr;
        Main::regel = nullptr;
        form.Close();
    }

    [[nodiscard]] std::wstring Label(int id) const { return WindowText(::GetDlgItem(panel, id)); }
    [[nodiscard]] int Count() const { return static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0)); }
    [[nodiscard]] int Selected() const { return static_cast<int>(::SendMessageW(list, LB_GETCURSEL, 0, 0)); }
    [[nodiscard]] POINT EntryCentre(int index) const {
        RECT item{};
        ::SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        return {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    }
    void Send(UINT message, WPARAM keys, POINT at) const {
        ::SendMessageW(list, message, keys, MAKELPARAM(at.x, at.y));
    }
    void LeftClick(POINT at) const {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, at);
        Send(WM_LBUTTONUP, 0, at);
        uitest::Pump();
    }
    void FillLabels() {
        form.UpdateAlgemeen("ZH308", "7,2", "Verzekerdenrecord");
        form.UpdateVeld("N(8)", "M");
    }

    static inline HWND host = nullptr;
    ui::KorvexForm form;
    HWND panel = nullptr;
    HWND list = nullptr;
    Regel record = MakeRecord();
    OneView views;
};

TEST_F(PanelTest, UpdateRecordNone_EmptiesOnlyTheRecordName) {
    FillLabels();
    form.UpdateRecord(std::nullopt);
    EXPECT_EQ(Label(IDC_LABEL_RECORD), L"");
    EXPECT_EQ(Label(IDC_LABEL_STANDAARD), L"ZH308");
    EXPECT_EQ(Label(IDC_LABEL_VERSIE), L"7,2");
    EXPECT_EQ(Label(IDC_LABEL_PATROON), L"N(8)");
    EXPECT_EQ(Label(IDC_LABEL_VERPLICHT), L"M");
    EXPECT_EQ(Count(), 5);
}

TEST_F(PanelTest, UpdatesWithNone_EmptyTheValuesAndKeepTheCaptions) {
    FillLabels();
    form.UpdateAlgemeen(std::nullopt, std::nullopt, std::nullopt);
    form.UpdateVeld(std::nullopt, std::nullopt);
    for (int id : valueLabels)
        EXPECT_EQ(Label(id), L"") << "label " << id;
    EXPECT_EQ(Label(IDC_LABEL_STANDAARD_NOT), L"Standaard:");
    EXPECT_EQ(Label(IDC_LABEL_VERSIE_NOT), L"Versie:");
    EXPECT_EQ(Label(IDC_LABEL_PATROON_NOT), L"Patroon:");
    EXPECT_EQ(Label(IDC_LABEL_VERPLICHT_NOT), L"Verplicht:");
    EXPECT_EQ(Label(IDC_LABEL_VELD), L"Veldinformatie");
    EXPECT_EQ(Count(), 5);
}

TEST_F(PanelTest, TextsFromTheCatalogueAreShownAsUnicode) {
    form.UpdateRecord("Cliëntrecord °");
    EXPECT_EQ(Label(IDC_LABEL_RECORD), L"Cli\u00ebntrecord \u00b0");
    // A broken byte costs one character, not the whole text.
    form.UpdateVeld("N\xff(8)", std::nullopt);
    EXPECT_EQ(Label(IDC_LABEL_PATROON), L"N\ufffd(8)");

    wchar_t entry[64] = {};
    ::SendMessageW(list, LB_GETTEXT, 4, reinterpret_cast<LPARAM>(entry));
    EXPECT_STREQ(entry, L"Temperatuur in \u00b0C, na\u00efef");
}

TEST_F(PanelTest, EntriesAreTheCatalogueFieldsInRecordOrder) {
    ASSERT_EQ(Count(), 5);
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(::SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(i), 0),
                  reinterpret_cast<LRESULT>(&record.Velden[static_cast<std::size_t>(i)]));
    }
    form.ClearFields();
    EXPECT_EQ(Count(), 0);
}

TEST_F(PanelTest, SelectField_FindsTheEntryByIdentityAndScrollsToIt) {
    form.SelectField(record.Velden[3]);  // the second "Reserve", not the first
    EXPECT_EQ(Selected(), 3);

    const Veld lookalike = record.Velden[1];  // same name and place, another object
    form.SelectField(lookalike);
    EXPECT_EQ(Selected(), 3);

    form.ClearSelection();
    EXPECT_EQ(Selected(), LB_ERR);

    std::vector<Veld> many;
    for (int i = 0; i < 60; ++i)
        many.push_back(Field("Reserve", i, 1));
    form.ClearFields();
    for (const Veld& veld : many)
        form.AddField(veld);
    form.SelectField(many.back());
    EXPECT_EQ(Selected(), 59);
    EXPECT_GT(::SendMessageW(list, LB_GETTOPINDEX, 0, 0), 0);
}

TEST_F(PanelTest, ClearFieldsOnAnEmptyList_DoesNotRepaintIt) {
    form.ClearFields();
    ::UpdateWindow(list);
    ASSERT_FALSE(::GetUpdateRect(list, nullptr, FALSE));
    // An unrecognised document empties the list on every caret move.
    form.ClearFields();
    EXPECT_FALSE(::GetUpdateRect(list, nullptr, FALSE));
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(::SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0), 0);
}

TEST_F(PanelTest, LongNames_GetAHorizontalScrollRangeThatClearingResets) {
    const std::string longName(77, 'W');
    const Veld wide = Field(longName, 0, 1);
    form.AddField(wide);
    EXPECT_GT(::SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0), ClientRect(list).right);
    form.ClearFields();
    EXPECT_EQ(::SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0), 0);
}

TEST_F(PanelTest, ClickOnAnEntry_MovesTheCaretToTheFirstFieldOfThatName) {
    const struct {
        int entry;
        int start;  // of the field the caret goes to
    } cases[] = {
        {0, 0},
        {1, 2},
        {3, 2},  // the second "Reserve" goes to the first
        {4, 20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "entry " << c.entry);
        views.editor.requests.clear();
        views.asked = 0;
        LeftClick(EntryCentre(c.entry));
        // The target is line start + Start, not clipped to the line.
        const std::vector<std::string> expected = {"CurrentPos", "LineFromPosition 57", "PositionFromLine 3",
                                                   "GotoPos " + std::to_string(40 + c.start), "GrabFocus"};
        EXPECT_EQ(views.editor.requests, expected);
        EXPECT_EQ(views.asked, 1);
    }
}

TEST_F(PanelTest, ActivationsThatAreNotALeftClickOnAnEntry_DoNothing) {
    const RECT client = ClientRect(list);
    const POINT last = EntryCentre(4);
    const POINT belowLast{client.right / 2, client.bottom - 4};
    const POINT outside{client.right + 20, last.y};
    ASSERT_EQ(HIWORD(::SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(belowLast.x, belowLast.y))), 1)
        << "the list is expected to show every entry with room below";

    const struct {
        const char* gesture;
        std::function<void()> run;
    } gestures[] = {
        {"left click below the last entry", [&] { LeftClick(belowLast); }},
        {"keyboard", [&] {
             for (UINT key : {VK_UP, VK_DOWN, VK_SPACE, VK_RETURN}) {
                 ::SendMessageW(list, WM_KEYDOWN, key, 0);
                 ::SendMessageW(list, WM_KEYUP, key, 0);
             }
         }},
        {"right click on the entry", [&] {
             Send(WM_RBUTTONDOWN, MK_RBUTTON, last);
             Send(WM_RBUTTONUP, 0, last);
         }},
        {"left button released on the entry, pressed elsewhere", [&] { Send(WM_LBUTTONUP, 0, last); }},
        {"pressed on the entry, released outside the list", [&] {
             Send(WM_LBUTTONDOWN, MK_LBUTTON, last);
             Send(WM_LBUTTONUP, 0, outside);
         }},
    };
    for (const auto& g : gestures) {
        SCOPED_TRACE(g.gesture);
        FillLabels();
        form.SelectField(record.Velden[4]);  // as the analysis leaves it
        views.editor.requests.clear();
        views.asked = 0;
        g.run();
        uitest::Pump();
        EXPECT_TRUE(views.editor.requests.empty());
        EXPECT_EQ(views.asked, 0);
        EXPECT_EQ(Label(IDC_LABEL_STANDAARD), L"ZH308");
        EXPECT_EQ(Label(IDC_LABEL_PATROON), L"N(8)");
        EXPECT_EQ(Count(), 5);
    }
}

TEST_F(PanelTest, ClickWithoutCurrentRecord_EmptiesTheFiveValuesAndLeavesTheCaret) {
    FillLabels();
    Main::regel = nullptr;
    LeftClick(EntryCentre(2));
    for (int id : valueLabels)
        EXPECT_EQ(Label(id), L"") << "label " << id;
    EXPECT_EQ(Label(IDC_LABEL_PATROON_NOT), L"Patroon:");
    EXPECT_TRUE(views.editor.requests.empty());
    EXPECT_EQ(Count(), 5);
}

TEST_F(PanelTest, ClickOnAFieldTheCurrentRecordLacks_EmptiesOnlyPatternAndMandatory) {
    FillLabels();
    Regel other;
    other.Kenmerk = "04";
    other.Naam = "Prestatierecord";
    other.Velden = {Field("Kenmerk record", 0, 2), Field("Reserve", 2, 8)};
    Main::regel = &other;
    LeftClick(EntryCentre(2));  // "Cliëntnummer" is not in record 04
    EXPECT_EQ(Label(IDC_LABEL_PATROON), L"");
    EXPECT_EQ(Label(IDC_LABEL_VERPLICHT), L"");
    EXPECT_EQ(Label(IDC_LABEL_STANDAARD), L"ZH308");
    EXPECT_EQ(Label(IDC_LABEL_RECORD), L"Verzekerdenrecord");
    EXPECT_TRUE(views.editor.requests.empty());

    LeftClick(EntryCentre(3));  // "Reserve" is: the caret goes to other's field
    ASSERT_EQ(views.editor.requests.size(), 5u);
    EXPECT_EQ(views.editor.requests[3], "GotoPos 42");
}

// Reference pixels (6 x 13 font) scaled by the panel's real font.
int X(HWND panel, int reference) {
    return ::MulDiv(reference, uitest::DialogCell(panel).width, 6);
}
int Y(HWND panel, int reference) {
    return ::MulDiv(reference, uitest::DialogCell(panel).height, 13);
}

TEST_F(PanelTest, CaptionsAndValuesOfBothTablesLineUp) {
    for (int id : {IDC_LABEL_STANDAARD_NOT, IDC_LABEL_VERSIE_NOT, IDC_LABEL_PATROON_NOT, IDC_LABEL_VERPLICHT_NOT,
                   IDC_LABEL_VELD, IDC_LABEL_RECORD})
        EXPECT_EQ(RectIn(panel, ::GetDlgItem(panel, id)).left, X(panel, 3)) << "caption " << id;
    for (int id : {IDC_LABEL_STANDAARD, IDC_LABEL_VERSIE, IDC_LABEL_PATROON, IDC_LABEL_VERPLICHT})
        EXPECT_EQ(RectIn(panel, ::GetDlgItem(panel, id)).left, X(panel, 69)) << "value " << id;
    // Rows of 20 from y = 0 and y = 68; the list at (6, 136).
    EXPECT_EQ(RectIn(panel, ::GetDlgItem(panel, IDC_LABEL_VERSIE)).top, Y(panel, 20));
    EXPECT_EQ(RectIn(panel, ::GetDlgItem(panel, IDC_LABEL_VERPLICHT)).top, Y(panel, 88));
    const RECT listRect = RectIn(panel, list);
    EXPECT_EQ(listRect.left, X(panel, 6));
    EXPECT_EQ(listRect.top, Y(panel, 136));
}

TEST_F(PanelTest, ListFollowsThePanelEdgesDownToItsMinimumSize) {
    const struct {
        int width, height;  // reference pixels
        int listWidth, listHeight;
    } cases[] = {
        {213, 315, 200, 173},  // initial size
        {400, 600, 387, 458},  // 7 to the right edge, 6 to the bottom edge
        {150, 200, 200, 173},  // never smaller: the edge cuts it off
        {400, 200, 387, 173},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        ::SetWindowPos(panel, nullptr, 0, 0, X(panel, c.width), Y(panel, c.height), SWP_NOMOVE | SWP_NOZORDER);
        const RECT listRect = RectIn(panel, list);
        EXPECT_NEAR(listRect.right - listRect.left, X(panel, c.listWidth), 1);
        EXPECT_NEAR(listRect.bottom - listRect.top, Y(panel, c.listHeight), 1);
    }
}

TEST_F(PanelTest, HeadingsAreBoldMicrosoftSansSerifAndTheRestUsesTheDialogFont) {
    const HDC dc = ::GetDC(panel);
    const int dpi = ::GetDeviceCaps(dc, LOGPIXELSY);
    ::ReleaseDC(panel, dc);
    const auto fontOf = [&](int id) {
        return reinterpret_cast<HFONT>(::SendDlgItemMessageW(panel, id, WM_GETFONT, 0, 0));
    };
    for (int id : {IDC_LABEL_VELD, IDC_LABEL_RECORD}) {
        SCOPED_TRACE(id);
        LOGFONTW font{};
        ASSERT_NE(::GetObjectW(fontOf(id), sizeof font, &font), 0);
        EXPECT_EQ(font.lfWeight, FW_BOLD);
        EXPECT_STREQ(font.lfFaceName, L"Microsoft Sans Serif");
        EXPECT_EQ(font.lfHeight, -::MulDiv(825, dpi, 7200));
    }
    const HFONT dialogFont = reinterpret_cast<HFONT>(::SendMessageW(panel, WM_GETFONT, 0, 0));
    for (int id : {IDC_LABEL_STANDAARD_NOT, IDC_LABEL_PATROON, IDC_LISTBOX1})
        EXPECT_EQ(fontOf(id), dialogFont) << id;
}

TEST_F(PanelTest, AfterClose_UpdatesAreIgnored) {
    form.Close();
    EXPECT_EQ(form.Handle(), nullptr);
    // The analysis keeps calling the panel it was given; nothing may break.
    form.UpdateAlgemeen("ZH308", "7,2", "Verzekerdenrecord");
    form.ClearFields();
    form.AddField(record.Velden[0]);
    form.SelectField(record.Velden[0]);
    SUCCEED();
}

}  // namespace
}  // namespace korvex
