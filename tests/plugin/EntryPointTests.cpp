// The plug-in as the host loads it: exports, command table, notification
// routing, and the editor records it shares with the real Scintilla.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "tests/host/TestHost.h"

using namespace korvex;
using korvex::testhost::TestHost;
namespace sci = korvex::testhost::sci;

TEST(EntryPoints, CommandTableHasFiveEntriesWithASeparatorFourth) {
    TestHost host;
    ASSERT_EQ(host.funcCount, 5);
    const wchar_t* names[] = {L"Korvex editor actief", L"Definitievenster zichtbaar", L"Alternate styling",
                              L"---", L"Over"};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(host.funcItems[i]._itemName, names[i]);
        EXPECT_EQ(host.funcItems[i]._pFunc == nullptr, i == 3);
        EXPECT_FALSE(host.funcItems[i]._init2Check);
        EXPECT_EQ(host.funcItems[i]._pShKey, nullptr);
        // The host wrote its own ids into the records.
        EXPECT_EQ(static_cast<UINT>(host.funcItems[i]._cmdID), host.CommandId(i));
    }
    // As the host built it: the separator is a separator, no item starts checked.
    EXPECT_EQ(::GetMenuItemCount(host.PluginMenu()), 5);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    ASSERT_TRUE(::GetMenuItemInfoW(host.PluginMenu(), 3, TRUE, &info));
    EXPECT_TRUE(info.fType & MFT_SEPARATOR);
}

TEST(EntryPoints, NameIsOneStableStringAndTheOtherExportsAnswerAsTheHostExpects) {
    TestHost host;
    const wchar_t* first = host.getName();
    const wchar_t* second = host.getName();
    EXPECT_EQ(first, second);
    EXPECT_STREQ(first, L"Korvex");
    EXPECT_EQ(host.isUnicode(), TRUE);
    for (UINT message : {0u, static_cast<unsigned>(WM_COMMAND), 2028u, 0xFFFFu})
        EXPECT_EQ(host.messageProc(message, 1, 2), 1);
}

TEST(EntryPoints, CheckMarksUseTheIdsTheHostAssigned) {
    TestHost host;
    host.RunCommand(0);
    EXPECT_TRUE(host.MenuChecked(0));
    // Nothing was checked through the raw indices 0 to 4, which are no menu ids here.
    for (UINT index = 0; index < 5; ++index)
        EXPECT_EQ(::GetMenuState(host.PluginMenu(), index, MF_BYCOMMAND), static_cast<UINT>(-1));

    // The host renumbers its menu and announces it again: the marks follow.
    host.ReassignCommandIds(23000);
    host.RunCommand(0);
    EXPECT_FALSE(host.MenuChecked(0));
    host.RunCommand(0);
    EXPECT_TRUE(host.MenuChecked(0));
    // The second announcement changed nothing else in the table.
    EXPECT_EQ(host.funcCount, 5);
    EXPECT_STREQ(host.funcItems[0]._itemName, L"Korvex editor actief");
    EXPECT_EQ(host.funcItems[3]._pFunc, nullptr);
}

TEST(EntryPoints, UnknownNotificationsDoNothing) {
    TestHost host;
    host.RunCommand(0);
    host.SetText("0124901002026010112000000001\n");
    host.Caret(3);
    const std::string before = host.Text();
    // The caret moves without a repaint, so only an update run by one of these
    // codes would move the mark.
    host.Sci(sci::GOTOPOS, 12);
    for (std::uint32_t code : {0u, 1u, 1000u, 1003u, 2000u, 2008u, 2013u, 0xFFFFFFFFu})
        host.Notify(code, host.View(0));
    EXPECT_EQ(host.Text(), before);
    EXPECT_EQ(host.IndicatorPicture(0, 0, 12), "--XXX-------");
    EXPECT_TRUE(host.MenuChecked(0));
    host.Pump();  // the editor's own update does move it
    EXPECT_EQ(host.IndicatorPicture(0, 0, 12), "-----------X");
}

// The records declared in our own code match what the patched Scintilla reads.
TEST(EditorRecords, TextRangeReadsTheRequestedBytesAndNothingPastTheEnd) {
    TestHost host;
    host.SetText("0124901002026");
    const struct {
        std::intptr_t from, to;
        const char* expected;
    } cases[] = {
        {2, 5, "249"},
        {0, 13, "0124901002026"},
        {11, 13, "26"},
        {10, 20, ""},  // past the end: the editor copies nothing into the zeroed buffer
        {13, 14, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << ".." << c.to);
        std::string buffer(static_cast<std::size_t>(c.to - c.from) + 1, '\0');
        korvex::host::Sci_TextRange range{{c.from, c.to}, buffer.data()};
        host.Sci(korvex::host::sci::GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
        EXPECT_STREQ(buffer.c_str(), c.expected);
    }
}
