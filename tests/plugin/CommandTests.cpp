// The plug-in's menu: what each command does from each state, the check marks
// the host shows afterwards, and the one setting kept between runs.
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "tests/host/TestHost.h"
#include "tests/plugin/Documents.h"

using namespace korvex;
using namespace korvex::testdocs;
using korvex::testhost::Options;
using korvex::testhost::TestHost;

namespace {

constexpr int Enable = 0, Panel = 1, Alternate = 2;

bool PanelVisible(const TestHost& host) { return host.Panel() && ::IsWindowVisible(host.Panel()); }

std::optional<std::wstring> StoredSetting(const std::filesystem::path& ini) {
    if (!std::filesystem::exists(ini))
        return std::nullopt;
    wchar_t value[32] = {};
    ::GetPrivateProfileStringW(L"Main", L"AlternateStyling", L"<missing>", value, 32, ini.c_str());
    return std::wstring(value);
}

// A fresh folder, removed again at the end of the test.
class TempFolder {
public:
    explicit TempFolder(const wchar_t* name) {
        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        path = std::filesystem::path(temp) / (std::wstring(name) + L"-" + std::to_wstring(::GetCurrentProcessId()) +
                                              L"-" + std::to_wstring(++count));
        std::filesystem::remove_all(path);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::filesystem::path path;

private:
    static inline int count = 0;
};

// After a caret move, so that the editor reports an update.
bool HeaderColoured(TestHost& host) {
    host.Caret(4);
    host.Caret(3);
    return host.IndicatorAt(1, 0) != 0;  // the record kind's colour
}

}  // namespace

TEST(Commands, EachCommandActsFromTheStateItFindsAndMarksTheResult) {
    TestHost host;
    host.SetText(Gz340Document());
    const struct {
        const char* step;
        int command;  // -1: the host hides the panel with its own controls
        bool enabled, panelMark, alternate, visible, coloured;
    } steps[] = {
        {"panel command before any switch-on: nothing", Panel, false, false, false, false, false},
        {"alternate styling while off: nothing", Alternate, false, false, false, false, false},
        {"switch on: panel created and docked", Enable, true, true, false, true, false},
        {"alternate styling on", Alternate, true, true, true, true, true},
        {"panel visible: hidden", Panel, true, false, true, false, true},
        {"on, panel hidden: shown", Panel, true, true, true, true, true},
        // Switching off sends nothing to the editor: the colours stay painted.
        {"switch off: colouring off, panel hidden", Enable, false, false, false, false, true},
        {"off, panel hidden: stays hidden", Panel, false, false, false, false, true},
        {"alternate styling while off again: nothing", Alternate, false, false, false, false, true},
        {"switch on again: the same panel shown", Enable, true, true, false, true, false},
        // The plug-in follows no docking notification: its mark stays.
        {"closed through the host's docking controls", -1, true, true, false, false, false},
        {"the panel command sees it hidden and shows it", Panel, true, true, false, true, false},
    };
    HWND panel = nullptr;
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        if (s.command < 0)
            host.ClosePanelFromHost();
        else
            host.RunCommand(s.command);
        EXPECT_EQ(host.MenuChecked(Enable), s.enabled);
        EXPECT_EQ(host.MenuChecked(Alternate), s.alternate);
        EXPECT_EQ(PanelVisible(host), s.visible);
        EXPECT_EQ(host.MenuChecked(Panel), s.panelMark);
        if (host.Panel()) {
            if (!panel)
                panel = host.Panel();
            EXPECT_EQ(host.Panel(), panel);  // never replaced
        }
        EXPECT_EQ(host.DockRegistrations(), host.Panel() ? 1 : 0);
        EXPECT_EQ(HeaderColoured(host), s.coloured);
    }
}

TEST(Commands, PanelIsDockedOnTheRightUnderItsName) {
    TestHost host;
    host.RunCommand(Enable);
    ASSERT_EQ(host.DockRegistrations(), 1);
    const korvex::host::NppTbData& record = host.DockRecord();
    EXPECT_EQ(host.DockName(), L"Korvex editor");
    EXPECT_EQ(host.DockModuleName(), L"Korvex");
    EXPECT_EQ(record.dlgID, 0);
    EXPECT_EQ(record.uMask, 0x10000003u);
    EXPECT_EQ(record.hIconTab, nullptr);
    EXPECT_EQ(record.pszAddInfo, nullptr);
    EXPECT_EQ(record.rcFloat.left | record.rcFloat.top | record.rcFloat.right | record.rcFloat.bottom, 0);
    EXPECT_EQ(record.iPrevCont, 0);
    EXPECT_EQ(::GetParent(host.Panel()), host.DockArea());
}

TEST(Settings, FirstStartCreatesTheFolderAndShutdownWritesOnlyTheSettingsFile) {
    const TempFolder temp(L"korvex-first");
    const auto& root = temp.path;
    const auto folder = root / L"plugins" / L"Config";
    {
        Options options;
        options.configDir = folder;
        options.createConfigDir = false;
        TestHost host(options);
        EXPECT_TRUE(std::filesystem::is_directory(folder));
        host.SetText(Gz340Document());
        EXPECT_FALSE(HeaderColoured(host));
        host.NotifyShutdown();
    }
    EXPECT_EQ(StoredSetting(folder / L"Korvex.ini"), L"0");
    std::vector<std::filesystem::path> written;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            written.push_back(entry.path());
    EXPECT_EQ(written, std::vector<std::filesystem::path>{folder / L"Korvex.ini"});
}

TEST(Settings, StoredChoiceIsReadAsAnUnsignedNumber) {
    const struct {
        const char* content;  // the file's text; null: no file
        bool on;
    } cases[] = {
        {"[Main]\r\nAlternateStyling=1\r\n", true},
        {"[Main]\r\nAlternateStyling=2\r\n", true},
        {"[Main]\r\nAlternateStyling=0\r\n", false},
        {"[Main]\r\nAlternateStyling=\r\n", false},
        {"[Main]\r\nOther=1\r\n", false},
        {"[Main]\r\nAlternateStyling=abc\r\n", false},
        {nullptr, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content ? c.content : "no file");
        const TempFolder folder(L"korvex-stored");
        std::filesystem::create_directories(folder.path);
        const auto ini = folder.path / L"Korvex.ini";
        if (c.content)
            std::ofstream(ini, std::ios::binary) << c.content;
        Options options;
        options.configDir = folder.path;
        TestHost host(options);
        host.SetText(Gz340Document());
        // At every start the menu shows nothing checked, whatever is stored.
        EXPECT_FALSE(host.MenuChecked(Alternate));
        host.RunCommand(Enable);
        EXPECT_EQ(host.MenuChecked(Alternate), c.on);
        EXPECT_EQ(HeaderColoured(host), c.on);
        host.NotifyShutdown();
        EXPECT_EQ(StoredSetting(ini), c.on ? L"1" : L"0");
    }
}

TEST(Settings, SwitchingOffBeforeShutdownStoresOff) {
    TestHost host;
    host.RunCommand(Enable);
    host.RunCommand(Alternate);
    host.RunCommand(Enable);
    host.NotifyShutdown();
    EXPECT_EQ(StoredSetting(host.ConfigDir() / L"Korvex.ini"), L"0");
}

// A host that names no folder gives the settings file no place: a bare file
// name would land in the Windows folder.
TEST(Settings, NoConfigFolderMeansNoSettingsFile) {
    wchar_t windows[MAX_PATH] = {};
    ::GetWindowsDirectoryW(windows, MAX_PATH);
    const auto stray = std::filesystem::path(windows) / L"Korvex.ini";
    std::filesystem::remove(stray);
    {
        Options options;
        options.answerConfigDir = false;
        TestHost host(options);
        host.RunCommand(Enable);
        host.RunCommand(Alternate);
        host.NotifyShutdown();
    }
    EXPECT_FALSE(std::filesystem::exists(stray));
}
