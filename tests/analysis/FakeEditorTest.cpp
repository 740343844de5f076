// The fake must answer as Scintilla does, or the analysis tests prove nothing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "FakeEditor.h"

namespace korvex::testing {
namespace {

using ::testing::IsEmpty;

TEST(FakeEditor, AnswersLineRequestsLikeTheEditor) {
    FakeEditor crlf("ab\r\n\r\ncd", 0);
    EXPECT_EQ(crlf.LineEndPosition(0), 2);  // before CR LF
    EXPECT_EQ(crlf.LineEndPosition(1), 4);
    EXPECT_EQ(crlf.PositionFromLine(2), 6);
    EXPECT_EQ(crlf.LineEndPosition(2), 8);
    EXPECT_EQ(crlf.PositionFromLine(3), 8);   // one past the last line: the end
    EXPECT_EQ(crlf.PositionFromLine(4), -1);  // further: no line
    EXPECT_EQ(crlf.LineFromPosition(-5), 0);
    EXPECT_EQ(crlf.LineFromPosition(99), 2);
}

TEST(FakeEditor, CurLineCopiesAtMostOneByteLessThanTheBuffer) {
    FakeEditor editor("0123456789\nx", 3);
    EXPECT_EQ(editor.CurLine(1024), "0123456789\n");
    EXPECT_EQ(editor.CurLine(5), "0123");
}

TEST(FakeEditor, DropsRangesPastTheEndAsAWholeAndReportsThem) {
    FakeEditor editor("0123", 0);
    editor.SetIndicatorCurrent(0);
    editor.IndicatorFillRange(2, 5);
    EXPECT_EQ(editor.Indicated(0, 0), "----");
    EXPECT_EQ(editor.TextRange(2, 6), "");
    EXPECT_EQ(editor.faults.size(), 2u);

    editor.faults.clear();
    editor.IndicatorFillRange(1, 2);
    editor.IndicatorFillRange(3, 0);  // empty: nothing, and no fault
    EXPECT_EQ(editor.Indicated(0, 0), "-XX-");
    EXPECT_THAT(editor.faults, IsEmpty());
}

TEST(FakeEditor, TypingExtendsAMarkOnlyFromInside) {
    const struct {
        Position at;
        std::string_view marked;
    } cases[] = {
        {1, "--XX--"},  // at the mark's start: the mark moves right
        {2, "-XXX--"},  // inside: it grows
        {3, "-XX---"},  // at its end: it stays
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.at);
        FakeEditor editor("abcde", c.at);
        editor.SetIndicatorCurrent(0);
        editor.IndicatorFillRange(1, 2);
        editor.Type("!");
        EXPECT_EQ(editor.Indicated(0, 0), c.marked);
    }
}

TEST(FakeEditor, ViewsAnswerWithTheCurrentOne) {
    FakeEditor first, second;
    FakeViews views(first, second);
    views.current = 1;
    EXPECT_EQ(&views.Current(), &second);
    views.flipAfterAsk = true;
    EXPECT_EQ(&views.Current(), &second);
    EXPECT_EQ(&views.Current(), &first);
    EXPECT_EQ(views.asks, 3);
}

}  // namespace
}  // namespace korvex::testing
