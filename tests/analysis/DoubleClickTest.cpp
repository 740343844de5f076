// A double-click selects the field under the mouse; Ctrl alone selects its
// content without the blanks around it.
#include "Fixture.h"

namespace korvex::testing {
namespace {

using ::testing::IsEmpty;

constexpr std::int32_t none = 0, shift = 1, ctrl = 2, alt = 4;

class DoubleClick : public AnalysisTest {
protected:
    // The caret's line decides the record, as the update before the click found it.
    void OpenOnLine1(std::string_view detail, int codePage = 0) {
        Open(WithDetail(detail), line1, &toy, codePage);
        Main::DoUpdateAll(false);
        ForgetRequests();
    }
};

TEST_F(DoubleClick, SelectsTheFieldAnchorRightCaretLeft) {
    const struct {
        std::string_view what;
        std::string_view line;
        Position column;  // of the click on line 1
        std::int32_t modifiers;
        int codePage;
        std::optional<std::pair<Position, Position>> selected;  // anchor, caret columns
    } cases[] = {
        {"inside a field", "05  value   ", 5, none, 0, {{12, 2}}},
        {"inside the first field", "05  value   ", 1, none, 0, {{2, 0}}},
        {"between two fields: the next", "05  value   ", 2, none, 0, {{12, 2}}},
        {"Ctrl: the value without its blanks", "05  value   ", 5, ctrl, 0, {{9, 4}}},
        {"Ctrl on blanks only: empty, at the field's end", "05          ", 5, ctrl, 0, {{12, 12}}},
        {"Ctrl keeps inner blanks", "05  ab cd   ", 5, ctrl, 0, {{9, 4}}},
        {"Ctrl trims tabs too", "05\t value\t\t\t", 5, ctrl, 0, {{9, 4}}},
        {"Ctrl+Shift: the whole field", "05  value   ", 5, ctrl | shift, 0, {{12, 2}}},
        {"Ctrl+Alt: the whole field", "05  value   ", 5, ctrl | alt, 0, {{12, 2}}},
        {"Shift: the whole field", "05  value   ", 5, shift, 0, {{12, 2}}},
        {"last field of a short line: up to the line end", "05  val", 4, none, 0, {{7, 2}}},
        {"Ctrl, short line", "05  val", 4, ctrl, 0, {{7, 4}}},
        {"after the last field of a longer line", "05  value   EXTRA", 14, none, 0, std::nullopt},
        {"at the end of a full line", "05  value   ", 12, none, 0, std::nullopt},
        // 0xA0 is the no-break space of the Western code page...
        {"Ctrl, single-byte: no-break spaces are blanks", "05\xA0 value\xA0  ", 5, ctrl, 0, {{9, 4}}},
        {"Ctrl, single-byte: a trailing 0xA0 goes", "05  ab\xC3\xA0    ", 5, ctrl, 0, {{7, 4}}},
        // ...but in UTF-8 the tail of a character ("\xC3\xA0" is one letter).
        {"Ctrl, UTF-8: a character is never cut", "05  ab\xC3\xA0    ", 5, ctrl, FakeEditor::utf8, {{8, 4}}},
        {"Ctrl, UTF-8: a no-break space stays whole", "05value  \xC2\xA0 ", 5, ctrl, FakeEditor::utf8, {{11, 2}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        OpenOnLine1(c.line, c.codePage);
        // The line the editor passes along is not used.
        Main::DoubleClick(line1 + c.column, 99, c.modifiers);

        if (c.selected)
            EXPECT_EQ(main.selection, std::make_pair(line1 + c.selected->first, line1 + c.selected->second));
        else
            EXPECT_EQ(main.selection, std::nullopt);
        EXPECT_THAT(panel.log, IsEmpty()) << "the next update shows the field";
    }
}

TEST_F(DoubleClick, TheNextUpdateMarksTheSelectedField) {
    OpenOnLine1("04XY1234");
    Main::DoubleClick(line1 + 6, 1, none);
    Main::DoUpdateAll(false);
    EXPECT_EQ(main.Indicated(Main::SCE_INDIC_ACTIVE, 1), "----XXXX");
    EXPECT_EQ(panel.selected->Naam, "Bedrag");
}

TEST_F(DoubleClick, LeavesTheEditorsSelectionAlone) {
    const struct {
        std::string_view what;
        bool enabled;
        bool withRecord;
        Position position;
    } cases[] = {
        {"switched off", false, true, line1 + 5},
        {"no current record", true, false, line1 + 5},
        {"beside the text: a negative position", true, true, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        OpenOnLine1("05  value   ");
        Main::pluginEnabled = c.enabled;
        if (!c.withRecord)
            Main::Reset();
        Main::DoubleClick(c.position, 0, none);
        Main::pluginEnabled = true;

        EXPECT_THAT(main.log, IsEmpty());
        EXPECT_EQ(main.selection, std::nullopt);
    }
}

}  // namespace
}  // namespace korvex::testing
