// The update on the registry's own definitions. Skipped while the registry
// does not hold them yet.
#include "Fixture.h"
#include "catalogue/Berichtdefinities.h"

namespace korvex::testing {
namespace {

using ::testing::SizeIs;

constexpr int active = Main::SCE_INDIC_ACTIVE;

// A line of `width` blanks that starts with `prefix`.
std::string Line(std::string_view prefix, std::size_t width) {
    std::string line(width, ' ');
    line.replace(0, prefix.size(), prefix);
    return line;
}

// '-' over `width` positions, 'X' over [start, end).
std::string Picture(std::size_t width, std::size_t start, std::size_t end) {
    std::string picture(width, '-');
    picture.replace(start, end - start, end - start, 'X');
    return picture;
}

class BuiltIn : public AnalysisTest {};

TEST_F(BuiltIn, Gz340HeaderMarksFieldsAndShowsTheDefinition) {
    const Bericht* gz340 = Berichtdefinities::FindBericht("249", "01", "00");
    if (!gz340)
        GTEST_SKIP() << "GZ340 01.00 is not in the registry yet";

    const struct {
        Position caret;
        std::size_t start, end;
        std::string_view field;
    } cases[] = {
        {0, 0, 2, "Kenmerk Record"},
        {2, 2, 5, "Code Externe-integratiebericht"},
        {31, 31, 170, "Reserve"},
        {170, 0, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caret);
        Open(Line("012490100", 170), 0, nullptr);
        UpdateAt(c.caret);

        EXPECT_EQ(Main::ei, gz340);
        EXPECT_EQ(main.Indicated(active, 0), Picture(170, c.start, c.end));
        EXPECT_EQ(panel.standaard, "GZ340");
        EXPECT_EQ(panel.versie, "1,0");
        EXPECT_EQ(panel.record, "Voorlooprecord");
        EXPECT_THAT(panel.fields, SizeIs(8));
        EXPECT_EQ(panel.selected ? panel.selected->Naam : "", c.field);
    }
}

TEST_F(BuiltIn, Gz340HeaderInFourRotatingColours) {
    const Bericht* gz340 = Berichtdefinities::FindBericht("249", "01", "00");
    if (!gz340)
        GTEST_SKIP() << "GZ340 01.00 is not in the registry yet";

    Main::alternateStylingEnabled = true;
    Open(Line("012490100", 170), 0, nullptr);
    UpdateAt(26);  // in "Berichtnummer", 25..31

    const std::string none(170, '-');
    const auto fields = [](std::initializer_list<std::pair<std::size_t, std::size_t>> ranges) {
        std::string picture(170, '-');
        for (const auto& [start, end] : ranges)
            picture.replace(start, end - start, end - start, 'X');
        return picture;
    };
    EXPECT_EQ(main.Indicated(active, 0), fields({{25, 31}}));
    EXPECT_EQ(main.Indicated(Main::SCE_INDIC_FIRST, 0), fields({{0, 2}, {9, 11}}));
    EXPECT_EQ(main.Indicated(Main::SCE_INDIC_SECOND, 0), fields({{2, 5}, {11, 25}}));
    EXPECT_EQ(main.Indicated(Main::SCE_INDIC_THIRD, 0), fields({{5, 7}}));
    EXPECT_EQ(main.Indicated(Main::SCE_INDIC_FOURTH, 0), fields({{7, 9}, {31, 170}}));
}

TEST_F(BuiltIn, Qh301DetailRecordFieldAtTheCaret) {
    const Bericht* qh301 = Berichtdefinities::FindBericht("508", "01", "01");
    if (!qh301)
        GTEST_SKIP() << "QH301 01.01 is not in the registry yet";

    const struct {
        Position column;
        std::string_view field;
        std::size_t start, end;
    } cases[] = {
        {124, "Indicatie Debet/credit (03)", 124, 125},
        {125, "Referentienummer Dit Prestatierecord", 125, 145},
    };
    const std::string text = Line("015080101", 250) + "\n" + Line("04", 250);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        Open(text, 0, nullptr);
        UpdateAt(251 + c.column);
        EXPECT_EQ(panel.record, "Prestatierecord");
        ASSERT_NE(panel.selected, nullptr);
        EXPECT_EQ(panel.selected->Naam, c.field);
        EXPECT_EQ(main.Indicated(active, 1), Picture(250, c.start, c.end));
    }
}

TEST_F(BuiltIn, HeaderEditedToAnotherVersionRefillsThePanel) {
    const Bericht* before = Berichtdefinities::FindBericht("101", "07", "02");
    const Bericht* after = Berichtdefinities::FindBericht("101", "09", "00");
    if (!before || !after)
        GTEST_SKIP() << "ZH308 07.02 and 09.00 are not in the registry yet";

    Open(Line("011010702", 40), 0, nullptr);
    UpdateAt(3);
    EXPECT_EQ(panel.versie, "7,2");

    main.Delete(5, 9);  // typed over, the caret stays on the header line
    main.Type("0900");
    Main::DoUpdateAll(true);

    EXPECT_EQ(Main::ei, after);
    EXPECT_EQ(panel.standaard, "ZH308");
    EXPECT_EQ(panel.versie, "9,0");
    const Regel& header = *after->FindRegel("01");
    ASSERT_THAT(panel.fields, SizeIs(header.Velden.size()));
    EXPECT_EQ(panel.fields.front(), &header.Velden.front());
}

TEST_F(BuiltIn, RecognisedAgainAfterTheHeaderWasBroken) {
    const Bericht* gz340 = Berichtdefinities::FindBericht("249", "01", "00");
    if (!gz340)
        GTEST_SKIP() << "GZ340 01.00 is not in the registry yet";

    Open(Line("012490100", 170) + "\n" + Line("04", 170), 0, nullptr);
    UpdateAt(171);
    main.MoveCaret(2);
    main.Type("7");
    Main::DoUpdateAll(true);
    EXPECT_EQ(Main::ei, nullptr);
    EXPECT_THAT(panel.fields, SizeIs(0));

    main.Delete(2, 3);
    UpdateAt(172);  // back on the detail line: looked up afresh, list refilled
    EXPECT_EQ(Main::ei, gz340);
    EXPECT_EQ(panel.record, "Prestatierecord");
    EXPECT_THAT(panel.fields, SizeIs(20));
}

}  // namespace
}  // namespace korvex::testing
