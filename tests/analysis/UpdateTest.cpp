// The update on a caret move or typed character: what it marks in the editor
// and what the panel shows.
#include "Fixture.h"

namespace korvex::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::SizeIs;

constexpr int active = Main::SCE_INDIC_ACTIVE;
constexpr int highlight = Main::SCE_STYLE_HIGHLIGHT;

class Update : public AnalysisTest {};

TEST_F(Update, MarksTheFieldHoldingTheCharacterRightOfTheCaret) {
    const struct {
        std::string_view what;
        std::string_view detail;  // line 1, after the header
        Line line;
        Position caret;  // column on that line
        std::string_view marked;
        std::string_view field;  // empty: none
    } cases[] = {
        {"before column 0", "04XY1234", 0, 0, "XX-----------", "Kenmerk Record"},
        {"inside the first field", "04XY1234", 0, 1, "XX-----------", "Kenmerk Record"},
        {"between columns 1 and 2", "04XY1234", 0, 2, "--XXX--------", "Code Externe-integratiebericht"},
        {"at a field's end: the next field", "04XY1234", 0, 5, "-----XX------", "Versienummer Berichtstandaard"},
        {"at the end of a full line", "04XY1234", 0, 12, "-------------", ""},
        {"at the end of a short line: cut there", "04XY12", 1, 6, "----XX", "Bedrag"},
        {"short line ending at the field's start", "04XY", 1, 4, "----", "Bedrag"},
        {"longer line, at the record's end", "04XY1234EXTRA", 1, 8, "-------------", ""},
        {"longer line, past the record", "04XY1234EXTRA", 1, 10, "-------------", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Open(WithDetail(c.detail), 0);
        UpdateAt(main.PositionFromLine(c.line) + c.caret);

        EXPECT_EQ(main.Indicated(active, c.line), c.marked);
        EXPECT_EQ(main.Styled(highlight, c.line), c.marked);
        EXPECT_EQ(panel.record, c.line == 0 ? "Voorlooprecord" : "Prestatierecord");
        if (c.field.empty()) {
            EXPECT_EQ(panel.selected, nullptr);
            EXPECT_EQ(panel.patroon, "");
            EXPECT_EQ(panel.verplicht, "");
        } else {
            ASSERT_NE(panel.selected, nullptr);
            EXPECT_EQ(panel.selected->Naam, c.field);
            EXPECT_EQ(panel.verplicht, panel.selected->Verplicht);
        }
    }
}

TEST_F(Update, ShowsStandardVersionRecordAndTheFieldsOfTheCaretLine) {
    Open(document, 0);
    UpdateAt(3);

    EXPECT_EQ(panel.standaard, "TOY01");
    EXPECT_EQ(panel.versie, "7,2");
    EXPECT_EQ(panel.record, "Voorlooprecord");
    EXPECT_EQ(panel.patroon, "NNN");
    EXPECT_EQ(panel.verplicht, "M");
    const Regel& header = *toy.FindRegel("01");
    ASSERT_THAT(panel.fields, SizeIs(header.Velden.size()));
    for (std::size_t i = 0; i < header.Velden.size(); ++i)
        EXPECT_EQ(panel.fields[i], &header.Velden[i]) << "the catalogue's own fields, not copies";
    EXPECT_EQ(panel.selected, &header.Velden[1]);
}

TEST_F(Update, NextUpdateClearsExactlyTheStretchMarkedOnAShortLine) {
    Open(WithDetail("04XY12"), 0);
    UpdateAt(line1 + 6);
    ForgetRequests();
    UpdateAt(line1);

    EXPECT_TRUE(InSequence(main.log, {"SetIndicatorCurrent(0)", "IndicatorClearRange(17,2)", "StartStyling(17)",
                                      "SetStyling(2,0)"}));
    EXPECT_EQ(main.Indicated(active, 1), "XX----");
    EXPECT_EQ(main.Styled(highlight, 1), "XX----");
}

TEST_F(Update, AnEmptyMarkIsNotClearedAfterwards) {
    Open(WithDetail("04XY"), 0);
    UpdateAt(line1 + 4);
    ForgetRequests();
    UpdateAt(line1);
    EXPECT_THAT(main.log, Not(Contains("StartStyling(17)")));
}

TEST_F(Update, TypingInsideTheMarkedFieldClearsOneMorePosition) {
    const struct {
        std::string_view what;
        Position at;
    } cases[] = {
        {"at the field's start: the mark moves right", line1 + 4},
        {"inside the field: the mark grows", line1 + 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Open(WithDetail("04XY1234"), 0);
        UpdateAt(c.at);
        main.Type("9");  // the editor reports the character, then the caret move
        Main::DoUpdateAll(true);

        EXPECT_EQ(main.Text().substr(line1), c.at == line1 + 4 ? "04XY91234" : "04XY12934");
        EXPECT_EQ(main.Indicated(active, 1), "----XXXX-");
        EXPECT_EQ(main.Styled(highlight, 1), "----XXXX-");
    }
}

TEST_F(Update, LinesOfOneKindKeepTheList_AnotherKindRefillsIt) {
    Open(document, 0);
    UpdateAt(line1);
    EXPECT_EQ(panel.Count("ClearFields"), 1);
    EXPECT_EQ(panel.Count("AddField"), 3);

    ForgetRequests();
    UpdateAt(line2 + 3);
    EXPECT_EQ(panel.Count("ClearFields"), 0);
    EXPECT_EQ(panel.Count("AddField"), 0);
    EXPECT_THAT(panel.log, ElementsAre("ClearSelection", "SelectField(Code)", "UpdateVeld(,M)"));

    ForgetRequests();
    UpdateAt(line3);
    const Regel& trailer = *toy.FindRegel("99");
    EXPECT_THAT(panel.fields, ElementsAre(&trailer.Velden[0], &trailer.Velden[1]));
    EXPECT_EQ(panel.record, "Sluitrecord");
    EXPECT_THAT(panel.log, Contains("UpdateAlgemeen(TOY01,7,2,Sluitrecord)"));
}

TEST_F(Update, UnknownKindEmptiesTheListAndTheRecordNameOnly) {
    Open(WithDetail("55abc"), 0);
    UpdateAt(2);
    UpdateAt(line1);

    EXPECT_THAT(panel.fields, IsEmpty());
    EXPECT_EQ(panel.record, "");
    EXPECT_EQ(panel.standaard, "TOY01");
    EXPECT_EQ(panel.versie, "7,2");
    EXPECT_EQ(panel.patroon, "NNN");
    EXPECT_EQ(panel.verplicht, "M");
    EXPECT_EQ(main.Indicated(active, 0), "-------------") << "the header's mark is cleared";
}

TEST_F(Update, AnEmptyCrLfLineIsAnUnknownKind_AnEmptyLfLineEndsTheUpdate) {
    const struct {
        std::string_view what;
        std::string text;
        Position emptyLine;
        std::vector<std::string> panelCalls;
        std::string_view record;
    } cases[] = {
        {"LF", std::string(toyHeader) + "\n\n04XY1234", 13, {"ClearSelection"}, "Voorlooprecord"},
        {"CR LF", std::string(toyHeader) + "\r\n\r\n04XY1234", 14,
         {"ClearSelection", "ClearFields", "UpdateRecord(none)"}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Open(c.text, 0);
        UpdateAt(2);
        panel.log.clear();
        UpdateAt(c.emptyLine);

        EXPECT_EQ(panel.log, c.panelCalls);
        EXPECT_EQ(panel.record, c.record);
        EXPECT_EQ(panel.standaard, "TOY01");
        EXPECT_EQ(main.Indicated(active, 0).substr(0, 12), "------------");
    }
}

TEST_F(Update, HeaderEditedToNothing_ResetsStylesAndPanel_LeavesTheMarks) {
    Open(document, 0);
    UpdateAt(2);
    ForgetRequests();
    main.Type("Z");  // "01ZTOY07...": no definition answers
    Main::DoUpdateAll(true);

    EXPECT_EQ(Main::ei, nullptr);
    EXPECT_EQ(main.styleClearAlls, 1);
    EXPECT_THAT(main.styleDefinitions, IsEmpty()) << "not defined again after the reset";
    EXPECT_THAT(panel.fields, IsEmpty());
    for (const std::string* label : {&panel.standaard, &panel.versie, &panel.record, &panel.patroon, &panel.verplicht})
        EXPECT_EQ(*label, "");
    EXPECT_EQ(main.Indicated(active, 0), "---XXX--------");
    EXPECT_EQ(main.Styled(highlight, 0), "---XXX--------");
}

TEST_F(Update, DocumentsWithoutAMatchingHeaderAreNotRecognised) {
    for (const std::string text : {"", "01", "01TOY07", "01TOY0703ABC", "01 TOY0702ABC"}) {
        SCOPED_TRACE(::testing::PrintToString(text));
        Open(text, 0);
        Main::DoUpdateAll(false);
        EXPECT_EQ(Main::ei, nullptr);
        EXPECT_EQ(main.styleClearAlls, 1);
        EXPECT_EQ(panel.log.back(), "UpdateVeld(none,none)");
    }
}

TEST_F(Update, DoesNothingWhileSwitchedOff_ThenClearsWhatWasMarkedBefore) {
    Open(document, 0);
    UpdateAt(2);
    Main::pluginEnabled = false;
    ForgetRequests();
    const int asks = views.asks;

    UpdateAt(line1);
    Main::DoUpdateAll(true);
    EXPECT_EQ(views.asks, asks);
    EXPECT_THAT(main.log, IsEmpty());
    EXPECT_THAT(panel.log, IsEmpty());
    EXPECT_EQ(main.Indicated(active, 0), "--XXX--------");

    Main::pluginEnabled = true;
    Main::DoUpdateAll(false);
    EXPECT_EQ(main.Indicated(active, 0), "-------------");
    EXPECT_EQ(main.Indicated(active, 1), "XX-------");
}

TEST_F(Update, AfterASwitchOfDocumentNothingIsCleared) {
    Main::alternateStylingEnabled = true;
    Open(document, 0);
    UpdateAt(line1 + 4);
    const std::string markedBefore = main.Indicated(active, 1);

    FakeEditor other(document, 0);
    views.views[0] = &other;
    Main::Reset();    // the host reports another document
    Main::ei = &toy;  // which the registry would find
    Main::DoUpdateAll(false);
    views.views[0] = &main;

    EXPECT_THAT(other.faults, IsEmpty());
    EXPECT_THAT(other.log, Not(Contains("PositionFromLine(1)"))) << "the painted line is forgotten";
    EXPECT_THAT(other.log, Not(Contains("SetStyling(4,0)"))) << "the marked field is forgotten";
    EXPECT_EQ(other.Indicated(active, 0), "XX-----------");
    EXPECT_EQ(main.Indicated(active, 1), markedBefore) << "the document left keeps its marks";
}

TEST_F(Update, RequestsGoToTheViewNamedCurrent) {
    Open(document, 2);
    second = FakeEditor(document, line1);
    views.current = 1;
    Main::DoUpdateAll(false);
    EXPECT_THAT(main.log, IsEmpty());
    EXPECT_EQ(second.Indicated(active, 1), "XX-------");

    ForgetRequests();
    views.current = 0;
    Main::DoUpdateAll(false);
    EXPECT_THAT(second.log, IsEmpty());
    EXPECT_EQ(main.Indicated(active, 0), "--XXX--------");
}

TEST_F(Update, SendsItsRequestsInOrder) {
    Main::alternateStylingEnabled = true;
    Open(document, 0);
    UpdateAt(2);
    std::vector<std::string> journal;
    main.journal = panel.journal = &journal;
    UpdateAt(line1 + 4);
    main.journal = panel.journal = nullptr;

    const auto removeIndicators = [](std::string range) {
        std::vector<std::string> calls{"Length()"};
        for (int indicator = 0; indicator < 5; ++indicator) {
            calls.push_back("SetIndicatorCurrent(" + std::to_string(indicator) + ")");
            calls.push_back("IndicatorClearRange(" + range + ")");
        }
        return calls;
    };
    std::vector<std::string> expected = {
        "Length()", "TextRange(2,5)", "Length()", "TextRange(5,7)", "Length()", "TextRange(7,9)",
        "panel.ClearSelection",
    };
    const auto append = [&expected](const std::vector<std::string>& calls) {
        expected.insert(expected.end(), calls.begin(), calls.end());
    };
    append(setupStylesRequests);
    append({"Length()", "SetIndicatorCurrent(0)", "IndicatorClearRange(2,3)", "StartStyling(2)", "SetStyling(3,0)"});
    append({"PositionFromLine(0)", "LineEndPosition(0)"});
    append(removeIndicators("0,12"));
    append({"CurLine(1024)", "panel.ClearFields"});
    append({"CurrentPos()", "LineFromPosition(17)", "PositionFromLine(1)", "LineEndPosition(1)", "Length()",
            "SetIndicatorCurrent(1)", "IndicatorFillRange(13,2)", "SetIndicatorCurrent(2)",
            "IndicatorFillRange(15,2)", "SetIndicatorCurrent(3)", "IndicatorFillRange(17,4)"});
    append({"panel.AddField", "panel.AddField", "panel.AddField", "panel.UpdateAlgemeen(TOY01,7,2,Prestatierecord)"});
    append({"CurrentPos()", "LineFromPosition(17)", "PositionFromLine(1)", "LineEndPosition(1)"});
    append(removeIndicators("17,4"));
    append({"SetIndicatorCurrent(0)", "IndicatorFillRange(17,4)", "StartStyling(17)", "SetStyling(4,1)"});
    append({"panel.SelectField(Bedrag)", "panel.UpdateVeld(NNNN,C)"});
    EXPECT_EQ(journal, expected);
}

TEST_F(Update, VersionTextDropsLeadingZeros) {
    const struct {
        std::string_view versie, subversie, text;
    } cases[] = {
        {"07", "02", "7,2"}, {"01", "00", "1,0"}, {"03", "04", "3,4"}, {"10", "10", "10,10"},
        {"00", "00", ",0"},  // only the subversion stands in as "0"
    };
    for (const auto& c : cases)
        EXPECT_EQ(Main::VersionText(c.versie, c.subversie), c.text) << c.versie << "." << c.subversie;
}

TEST_F(Update, ReadsPiecesOfTheDocumentWithinItsBounds) {
    const struct {
        std::int64_t start, end;
        std::string_view text;
        bool asksForText;
    } cases[] = {
        {2, 5, "TOY", true},
        {5, 5, "", false},     // empty: no buffer at all
        {7, 5, "", false},     // reversed
        {10, 20, "BC", true},  // past the end: what is there
        {-3, 2, "01", true},
        {20, 30, "", false},
    };
    Open(std::string(toyHeader), 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.start << ".." << c.end);
        main.log.clear();
        EXPECT_EQ(Main::GetSubstringFromOpenDocument(c.start, c.end), c.text);
        EXPECT_EQ(std::count_if(main.log.begin(), main.log.end(),
                                [](const std::string& call) { return call.starts_with("TextRange"); }),
                  c.asksForText ? 1 : 0);
    }

    Open(std::string("01T\0Y0702", 9), 0);
    EXPECT_EQ(Main::getCodeKorvex(), "T") << "text ends at a zero byte";
    EXPECT_EQ(Main::GetVersie(), "07");
    EXPECT_EQ(Main::GetSubversie(), "02");
}

// Ranges that edits push past the line or the document end never reach the
// editor as such: it would drop them whole, or worse.
class UpdateAfterEdits : public AnalysisTest {};

TEST_F(UpdateAfterEdits, AMarkThatADeletionCutAtTheDocumentEndIsCleared) {
    Open(WithDetail("04XY"), 0);
    UpdateAt(line1 + 1);  // the kind field, 13..15
    main.Delete(line1 + 1, line1 + 4);  // the line is now "0", the document ends at 14
    Main::DoUpdateAll(false);

    EXPECT_EQ(main.Text(), std::string(toyHeader) + "\n0");
    EXPECT_EQ(main.Indicated(active, 1), "-");
    EXPECT_EQ(main.Styled(highlight, 1), "-");
}

TEST_F(UpdateAfterEdits, ACaretInsideCrLfMarksNothing) {
    Open(std::string(toyHeader) + "\r\n041\r\n990002", 0);
    const Position lineStart = 14;
    UpdateAt(lineStart + 4);  // between CR and LF: the field at 4 begins past the line end

    EXPECT_EQ(main.Indicated(active, 1), "-----");
    EXPECT_EQ(panel.selected->Naam, "Bedrag");
    ASSERT_TRUE(Main::previousLength);
    EXPECT_EQ(*Main::previousLength, 0);
}

TEST_F(UpdateAfterEdits, APaintedLineThatNoLongerExistsIsNoNegativeRange) {
    Main::alternateStylingEnabled = true;
    Open(document, 0);
    UpdateAt(line3 + 2);
    main.Delete(line1 + 8, static_cast<Position>(document.size()));  // lines 2 and 3 go
    Main::DoUpdateAll(false);

    EXPECT_EQ(main.Indicated(Main::SCE_INDIC_FIRST, 1), "XX------");
    EXPECT_EQ(main.Indicated(active, 1), "--------") << "the caret stands at the end of a full line";
}

}  // namespace
}  // namespace korvex::testing
