// One caret move, end to end: the real Scintilla reports the move, the plug-in
// marks the field under the caret and paints the line's fields.
#include <string>

#include <gtest/gtest.h>

#include "tests/host/TestHost.h"
#include "tests/plugin/Documents.h"

using namespace korvex;
using namespace korvex::testdocs;
using korvex::testhost::TestHost;

namespace {

constexpr int Active = 0;  // the box around the caret's field
constexpr int Highlight = 1;  // its style

class CaretRoad : public testing::Test {
protected:
    void SetUp() override {
        host.RunCommand(0);  // "Korvex editor actief"
    }
    // 'X' where the field box is, over the first `width` positions of the line at `start`.
    std::string Box(std::int64_t start, std::int64_t width) const {
        return host.IndicatorPicture(Active, start, start + width);
    }
    std::string Styles(std::int64_t start, std::int64_t width) const { return host.StylePicture(start, start + width); }

    TestHost host;
};

std::string Picture(std::size_t width, std::size_t from, std::size_t to, char mark = 'X', char rest = '-') {
    std::string picture(width, rest);
    for (std::size_t i = from; i < to && i < width; ++i)
        picture[i] = mark;
    return picture;
}

}  // namespace

TEST_F(CaretRoad, MarksTheFieldHoldingTheCharacterAfterTheCaret) {
    host.SetText(Gz340Document());
    const struct {
        std::int64_t caret;
        std::size_t from, to;
        const char* what;
    } cases[] = {
        {0, 0, 2, "before column 0: the record kind"},
        {1, 0, 2, "inside the record kind"},
        {2, 2, 5, "between columns 1|2: the message code"},
        {5, 5, 7, "at the end of the code: the next field"},
        {30, 25, 31, "on the last character of a field"},
        {31, 31, 170, "the filler"},
        {170, 0, 0, "at the end of a full line: nothing"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        host.Caret(c.caret);
        EXPECT_EQ(Box(0, 171), Picture(171, c.from, c.to));
        EXPECT_EQ(Styles(0, 171), Picture(171, c.from, c.to, '1', '0'));
    }
}

TEST_F(CaretRoad, ShortLineMarkIsCutAtTheLineEndAndClearedExactly) {
    // A header of 20 characters: the creation time (11..25) is partly present.
    host.SetText(Gz340Header(20) + "\n" + Record("04", 170) + "\n");
    host.Caret(20);
    EXPECT_EQ(Box(0, 22), Picture(22, 11, 20));
    EXPECT_EQ(Styles(0, 22), Picture(22, 11, 20, '1', '0'));
    // The next line's first field is not reached.
    EXPECT_EQ(host.IndicatorAt(Active, 21), 0);

    host.Caret(3);
    EXPECT_EQ(Box(0, 22), Picture(22, 2, 5));
    EXPECT_EQ(Styles(0, 22), Picture(22, 2, 5, '1', '0'));
}

TEST_F(CaretRoad, TypingInsideTheMarkedFieldClearsTheLengthenedMark) {
    host.SetText(Gz340Document());
    host.Caret(13);
    ASSERT_EQ(Box(0, 30), Picture(30, 11, 25));
    host.Type('7');
    // The old mark grew with the typed character to 11..26; all of it is
    // cleared before the field (still 11..25 by position) is marked again.
    EXPECT_EQ(host.Text().substr(11, 4), "2072");
    EXPECT_EQ(Box(0, 30), Picture(30, 11, 25));
    EXPECT_EQ(Styles(0, 30), Picture(30, 11, 25, '1', '0'));
}

TEST_F(CaretRoad, StylesAndIndicatorsAreDefinedInTheView) {
    host.SetText(Gz340Document());
    host.Caret(3);
    EXPECT_EQ(host.Sci(sci::STYLEGETBACK, 0), 0xFFFFFF);
    EXPECT_EQ(host.Sci(sci::STYLEGETFORE, 0), 0x696969);
    EXPECT_EQ(host.Sci(sci::STYLEGETBACK, 1), 0x000000);
    EXPECT_EQ(host.Sci(sci::STYLEGETBOLD, 1), 1);
    EXPECT_EQ(host.Sci(sci::INDICGETSTYLE, 0), 6);
    const int colours[] = {0x4696F7, 0xBD814F, 0x4D50C0, 0x59BB9B};
    for (int indicator = 1; indicator <= 4; ++indicator) {
        SCOPED_TRACE(indicator);
        EXPECT_EQ(host.Sci(sci::INDICGETSTYLE, indicator), 7);
        EXPECT_EQ(host.Sci(sci::INDICGETFORE, indicator), colours[indicator - 1]);
        EXPECT_EQ(host.Sci(sci::INDICGETALPHA, indicator), 80);
    }
}

TEST_F(CaretRoad, AlternateColouringPaintsTheCaretLineAndFollowsTheCaret) {
    host.SetText(Gz340Document());
    host.Caret(3);
    host.RunCommand(2);  // "Alternate styling"
    // Rotating colours over kind, code, version, subversion, sender...; the
    // caret's field (the code, 2..5) carries the box instead.
    const char* expected[] = {
        "XX-------XX-",  // kind, sender
        "-----------X",  // creation time; the code has the box instead
        "-----XX-----",  // version
        "-------XX---",  // subversion
    };
    for (int indicator = 1; indicator <= 4; ++indicator) {
        SCOPED_TRACE(indicator);
        EXPECT_EQ(host.IndicatorPicture(indicator, 0, 12), expected[indicator - 1]);
    }
    EXPECT_EQ(host.IndicatorPicture(Active, 0, 12), Picture(12, 2, 5));

    // On to the next line: the header loses its colours, the detail record gets them.
    host.Caret(171 + 1);
    for (int indicator = 1; indicator <= 4; ++indicator)
        EXPECT_EQ(host.IndicatorPicture(indicator, 0, 171), std::string(171, '-')) << indicator;
    EXPECT_EQ(host.IndicatorPicture(2, 171, 171 + 14), Picture(14, 2, 14));
    EXPECT_EQ(host.IndicatorPicture(Active, 171, 171 + 14), Picture(14, 0, 2));

    // Switched off with the caret on a painted line: its colours go at once.
    host.RunCommand(2);
    for (int indicator = 1; indicator <= 4; ++indicator)
        EXPECT_EQ(host.IndicatorPicture(indicator, 171, 342), std::string(171, '-')) << indicator;
}

TEST_F(CaretRoad, AlternateColouringStopsAtTheLineEndAndAtTheRecordEnd) {
    // A short header (20: the creation time is cut) and a long one (180: ten
    // characters past the record are left unpainted).
    host.SetText(Gz340Header(20) + "\n" + Gz340Header(180) + "\n");
    host.RunCommand(2);
    host.Caret(0);
    EXPECT_EQ(host.IndicatorPicture(2, 0, 21), "--XXX------XXXXXXXXX-");
    host.Caret(21);
    const std::int64_t line = 21;
    // Fields 0..7 alternate: the filler (31..170) is the 8th field, indicator 4.
    EXPECT_EQ(host.IndicatorPicture(4, line + 165, line + 180), Picture(15, 0, 5));
}

TEST_F(CaretRoad, UnrecognisedDocumentResetsStylesButLeavesEarlierMarks) {
    host.SetText(Gz340Document());
    host.Caret(3);
    ASSERT_EQ(Box(0, 6), "--XXX-");
    // The version becomes "09": no definition answers any more.
    host.Sci(sci::DELETERANGE, 5, 2);
    host.Sci(sci::INSERTTEXT, 5, reinterpret_cast<LPARAM>("09"));
    host.Caret(4);
    EXPECT_EQ(host.Sci(sci::STYLEGETFORE, 0), 0x000000);  // the view's default style again
    EXPECT_EQ(host.Sci(sci::STYLEGETBACK, 1), 0xFFFFFF);
    EXPECT_EQ(Box(0, 6), "--XXX-");
}

TEST_F(CaretRoad, ANewlyActivatedDocumentStartsClean) {
    host.SetText(Gz340Document());
    host.Caret(13);
    ASSERT_EQ(Box(0, 30), Picture(30, 11, 25));

    // The host switches the view to another document, as it does between tabs.
    const LRESULT first = host.Sci(sci::GETDOCPOINTER);
    host.Sci(sci::ADDREFDOCUMENT, 0, first);
    const LRESULT second = host.Sci(sci::CREATEDOCUMENT, 0, 0);
    host.Sci(sci::SETDOCPOINTER, 0, second);
    host.Sci(sci::RELEASEDOCUMENT, 0, second);
    host.Notify(korvex::host::nppn::BUFFERACTIVATED);
    host.SetText(Gz340Document());
    // A mark of its own at the place of the other document's highlight.
    host.Sci(sci::SETINDICATORCURRENT, Active);
    host.Sci(sci::INDICATORFILLRANGE, 11, 14);
    host.Caret(3);
    EXPECT_EQ(Box(0, 30), Picture(30, 2, 5) .replace(11, 14, std::string(14, 'X')));

    host.Sci(sci::SETDOCPOINTER, 0, first);
    host.Sci(sci::RELEASEDOCUMENT, 0, first);
}

TEST_F(CaretRoad, RequestsGoToTheViewTheHostNamesCurrent) {
    host.SetCurrentView(1);
    host.SetText(Gz340Document());
    host.Caret(3);
    EXPECT_EQ(host.IndicatorPicture(Active, 0, 6), "--XXX-");
    EXPECT_EQ(host.SciView(0, sci::STYLEGETFORE, 0), 0x000000);  // the other view is untouched
    EXPECT_EQ(host.SciView(1, sci::STYLEGETFORE, 0), 0x696969);
}
