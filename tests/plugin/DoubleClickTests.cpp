// A double-click in the real editor selects the field under the mouse.
#include <string>

#include <gtest/gtest.h>

#include "tests/host/TestHost.h"
#include "tests/plugin/Documents.h"

using namespace korvex::testdocs;
using korvex::testhost::TestHost;

namespace {

// A GZ340 detail record: kind (0..2), identification (2..14), BSN (14..23),
// UZOVI number (23..27), insured's number (27..42), then the rest to 170.
std::string Detail(std::string_view identification, std::string_view bsn, std::string_view insured,
                   std::size_t width = 170) {
    std::string line = "04";
    line += identification;
    line += bsn;
    line += "1234";
    line += insured;
    line.resize(width, 'q');
    return line;
}

struct Selection {
    std::int64_t anchor, caret;
    bool operator==(const Selection&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Selection& s) {
    return out << "anchor " << s.anchor << ", caret " << s.caret;
}

class DoubleClick : public testing::Test {
protected:
    void Load(const std::string& detail, int codePage = 0) {
        if (codePage)
            host.SetCodePage(codePage);
        host.SetText(Gz340Header() + "\n" + detail + "\n");
        host.Caret(lineStart);  // the update finds the caret line's record
    }
    Selection Clicked(std::int64_t column, bool ctrl = false, bool shift = false, bool alt = false) {
        host.Caret(lineStart);
        host.DoubleClickAt(lineStart + column, ctrl, shift, alt);
        return Current();
    }
    Selection Current() const {
        return {host.Sci(sci::GETANCHOR), host.Sci(sci::GETCURRENTPOS)};
    }
    Selection At(std::int64_t anchor, std::int64_t caret) const { return {lineStart + anchor, lineStart + caret}; }

    TestHost host;
    static constexpr std::int64_t lineStart = 171;
};

}  // namespace

TEST_F(DoubleClick, SelectsTheFieldOrItsTrimmedValue) {
    host.RunCommand(0);
    Load(Detail("  value     ", "         ", " ab cd         "));
    const struct {
        const char* what;
        std::int64_t column;
        bool ctrl, shift, alt;
        Selection expected;
    } cases[] = {
        {"inside a field: all of it, caret at its start", 25, false, false, false, At(27, 23)},
        {"between two fields: the next", 23, false, false, false, At(27, 23)},
        {"Ctrl on blanks around a value: the value", 6, true, false, false, At(9, 4)},
        {"Ctrl on blanks only: empty, at the field's end", 16, true, false, false, At(23, 23)},
        {"Ctrl keeps blanks inside the value", 30, true, false, false, At(33, 28)},
        {"Ctrl+Alt: the whole field", 6, true, false, true, At(14, 2)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Clicked(c.column, c.ctrl, c.shift, c.alt), c.expected);
    }
    // With Shift held the editor extends the selection instead of reporting a
    // double-click; a host may still pass one on.
    host.Caret(lineStart);
    host.NotifyDoubleClick(lineStart + 6, 3 /*Shift+Ctrl*/);
    EXPECT_EQ(Current(), At(14, 2)) << "Ctrl+Shift: the whole field";
}

TEST_F(DoubleClick, LastFieldOfAShortLineEndsAtTheLineEnd) {
    host.RunCommand(0);
    Load(Detail("000000000001", "123456789", "000000000000001", 100));
    // 100 lies inside "Dbc Prestatiecode" (95..107).
    EXPECT_EQ(Clicked(97), At(100, 95));
}

// Where the plug-in has nothing to select, the editor's own word selection stays.
TEST_F(DoubleClick, LeavesTheEditorsSelectionWhereNoFieldApplies) {
    const std::string longLine = Detail("000000000001", "123456789", "000000000000001", 170) + " wordy more";
    Load(longLine);
    const Selection editorsOwn = Clicked(173);  // plug-in off: "wordy"
    ASSERT_NE(editorsOwn.anchor, editorsOwn.caret);
    host.RunCommand(0);
    Load(longLine);
    EXPECT_EQ(Clicked(173), editorsOwn) << "after the last field of a long line";

    // Below the text the editor reports no position at all (-1).
    host.Caret(0);
    const std::int64_t end = host.Sci(sci::GETLENGTH);
    host.Sci(sci::SETSEL, end, end);
    RECT client{};
    ::GetClientRect(host.Current(), &client);
    const int x = 60, y = client.bottom - 10;
    ::SendMessageW(host.Current(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::SendMessageW(host.Current(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    ::SendMessageW(host.Current(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::SendMessageW(host.Current(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    host.Pump();
    const Selection below = Current();
    EXPECT_EQ(below.anchor, below.caret) << "no selection made from a position that is none";
}

TEST_F(DoubleClick, UnrecognisedDocumentIsLeftToTheEditor) {
    host.SetText("not an EI file at all\n");
    host.DoubleClickAt(5);
    const Selection editorsOwn = Current();
    host.RunCommand(0);
    host.Caret(0);
    host.DoubleClickAt(5);
    EXPECT_EQ(Current(), editorsOwn);
}

// In UTF-8, 0xA0 is the second byte of "à" (C3 A0), not a no-break space.
TEST_F(DoubleClick, CtrlTrimNeverCutsAUtf8Character) {
    host.RunCommand(0);
    Load(Detail("  x\xC3\xA0       ", "123456789", "000000000000001"), 65001);
    EXPECT_EQ(Clicked(4, true), At(7, 4));
}
