// The styles and indicators the plug-in defines, the colouring of all fields
// of the caret's line, and the removal of its indicators.
#include <functional>

#include "Fixture.h"

namespace korvex::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;

using Pictures = std::array<std::string_view, 5>;  // indicators 0 (the box) to 4

class Styling : public AnalysisTest {
protected:
    void ExpectPictures(Line line, const Pictures& pictures) {
        for (int indicator = 0; indicator < 5; ++indicator)
            EXPECT_EQ(main.Indicated(indicator, line), pictures[indicator]) << "indicator " << indicator;
    }
};

TEST_F(Styling, SetupStylesDefinesTwoStylesAndFiveIndicatorsInOrder) {
    Main::SetupStyles();
    EXPECT_EQ(main.log, setupStylesRequests);

    using Style = FakeEditor::StyleDefinition;
    using Indicator = FakeEditor::IndicatorDefinition;
    EXPECT_EQ(main.styleDefinitions[0], (Style{Main::COLOR_DIM_GREY, Main::COLOR_WHITE, std::nullopt}));
    EXPECT_EQ(main.styleDefinitions[1], (Style{std::nullopt, Main::COLOR_BLACK, true}));
    EXPECT_EQ(main.indicatorDefinitions[0], (Indicator{Main::INDIC_BOX, std::nullopt, std::nullopt}));
    EXPECT_EQ(main.indicatorDefinitions[1], (Indicator{Main::INDIC_ROUNDBOX, Main::COLOR_ORANGE, 80}));
    EXPECT_EQ(main.indicatorDefinitions[2], (Indicator{Main::INDIC_ROUNDBOX, Main::COLOR_LIGHT_BLUE, 80}));
    EXPECT_EQ(main.indicatorDefinitions[3], (Indicator{Main::INDIC_ROUNDBOX, Main::COLOR_RED, 80}));
    EXPECT_EQ(main.indicatorDefinitions[4], (Indicator{Main::INDIC_ROUNDBOX, Main::COLOR_GREEN, 80}));
}

TEST_F(Styling, ColoursAreTheirRgbValuesAsTheEditorTakesThem) {
    const auto bgr = [](int r, int g, int b) { return r | (g << 8) | (b << 16); };
    EXPECT_EQ(Main::COLOR_ORANGE, bgr(247, 150, 70));
    EXPECT_EQ(Main::COLOR_LIGHT_BLUE, bgr(79, 129, 189));
    EXPECT_EQ(Main::COLOR_RED, bgr(192, 80, 77));
    EXPECT_EQ(Main::COLOR_GREEN, bgr(155, 187, 89));
    EXPECT_EQ(Main::COLOR_DIM_GREY, bgr(105, 105, 105));
}

TEST_F(Styling, GetIndicatorRotatesFourColours) {
    const struct {
        int input, indicator;
    } cases[] = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 1}, {5, 2}, {-1, 1}, {-2, 1}, {-4, 1}, {-5, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(Main::GetIndicator(c.input), c.indicator) << c.input;
}

TEST_F(Styling, AlternateColouringPaintsEveryFieldButTheCaretsOne) {
    const struct {
        std::string_view what;
        std::string text;
        Position caret;
        Line line;
        Pictures pictures;
    } cases[] = {
        {"header, caret in the fifth field", document, 10, 0,
         {"---------XXX-", "XX-----------", "--XXX--------", "-----XX------", "-------XX----"}},
        {"header, caret in the first field", document, 0, 0,
         {"XX-----------", "---------XXX-", "--XXX--------", "-----XX------", "-------XX----"}},
        {"header, caret at the line end", document, 12, 0,
         {"-------------", "XX-------XXX-", "--XXX--------", "-----XX------", "-------XX----"}},
        {"shorter line: the last field cut at the line end", WithDetail("04XY12"), line1, 1,
         {"XX----", "------", "--XX--", "----XX", "------"}},
        {"longer line: nothing past the record", WithDetail("04XY1234EXT"), line1, 1,
         {"XX---------", "-----------", "--XX-------", "----XXXX---", "-----------"}},
    };
    Main::alternateStylingEnabled = true;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Open(c.text, 0);
        UpdateAt(c.caret);
        ExpectPictures(c.line, c.pictures);
        EXPECT_EQ(Main::previousLine, c.line);
    }
}

TEST_F(Styling, ColoursFollowTheCaret) {
    Main::alternateStylingEnabled = true;
    Open(document, 0);
    UpdateAt(line1);
    UpdateAt(line1 + 2);  // the first field gets its colour back, the second is boxed
    ExpectPictures(1, {"--XX-----", "XX-------", "---------", "----XXXX-", "---------"});

    UpdateAt(line2);
    ExpectPictures(1, {"---------", "---------", "---------", "---------", "---------"});
    ExpectPictures(2, {"XX-------", "---------", "--XX-----", "----XXXX-", "---------"});
}

TEST_F(Styling, SwitchingColouringOffClearsTheLineAtOnce) {
    Main::alternateStylingEnabled = true;
    Open(document, 0);
    UpdateAt(line1 + 4);
    Main::alternateStylingEnabled = false;
    Main::DoUpdateAll(false);  // the command's update

    ExpectPictures(1, {"----XXXX-", "---------", "---------", "---------", "---------"});
    EXPECT_EQ(Main::previousLine, 1) << "each later update clears that line once more";
    ForgetRequests();
    Main::DoUpdateAll(false);
    EXPECT_TRUE(InSequence(main.log, {"PositionFromLine(1)", "LineEndPosition(1)"}));
}

TEST_F(Styling, AWalkThatDoesNotAdvanceEndsAfterItsBudget) {
    static const StuckBericht stuck;
    Main::alternateStylingEnabled = true;
    Open(WithDetail("04XY"), line1, &stuck);
    Main::DoUpdateAll(false);

    EXPECT_EQ(std::count(main.log.begin(), main.log.end(), "IndicatorFillRange(13,0)"), 100);
    EXPECT_EQ(Main::previousLine, 1);
}

TEST_F(Styling, NoColouringWithoutARecord) {
    Main::DoAlternateStyling();
    EXPECT_THAT(main.log, IsEmpty());
    EXPECT_EQ(Main::previousLine, std::nullopt);
}

TEST_F(Styling, RemoveIndicatorsClearsAllFiveOverTheStretch) {
    const struct {
        std::int32_t start, length;
        std::string_view left;
    } cases[] = {
        {3, 4, "XXX----XXXXXX"},
        {10, 100, "XXXXXXXXXX---"},  // past the document's end: cut, not dropped
        {-2, 4, "--XXXXXXXXXXX"},
        {5, 0, "XXXXXXXXXXXXX"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.start << "+" << c.length);
        Open(std::string(toyHeader) + "\n", 0);
        for (int indicator = 0; indicator < 5; ++indicator) {
            main.SetIndicatorCurrent(indicator);
            main.IndicatorFillRange(0, 13);
        }
        main.log.clear();

        Main::RemoveIndicators(c.start, c.length);
        ExpectPictures(0, {c.left, c.left, c.left, c.left, c.left});
        EXPECT_EQ(main.log.size(), 11u) << "ten requests and the document's length";
    }
}

TEST_F(Styling, EachOperationAsksForTheViewOnce) {
    const struct {
        std::string_view what;
        std::function<void()> operation;
    } cases[] = {
        {"SetupStyles", [] { Main::SetupStyles(); }},
        {"RemoveIndicators", [] { Main::RemoveIndicators(0, 2); }},
        {"DoAlternateStyling", [] { Main::DoAlternateStyling(); }},
        {"DoubleClick", [] { Main::DoubleClick(line1 + 5, 1, 0); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Open(document, line1);
        second = FakeEditor(document, line1);
        Main::DoUpdateAll(false);  // finds the record of the caret's line
        ForgetRequests();
        views.asks = 0;
        views.flipAfterAsk = true;

        c.operation();
        views.flipAfterAsk = false;
        views.current = 0;
        EXPECT_EQ(views.asks, 1);
        EXPECT_THAT(main.log, Not(IsEmpty()));
        EXPECT_THAT(second.log, IsEmpty());
    }
}

}  // namespace
}  // namespace korvex::testing
