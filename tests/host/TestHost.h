// A small stand-in for the host editor: a real main window with a menu bar,
// two Scintilla views and a docking area. It loads Korvex.dll as the host
// does, answers the host messages the plug-in sends and forwards the views'
// notifications to beNotified. Tests drive it and read back real state.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

#include "host/HostInterface.h"

namespace korvex::testhost {

// The editor's messages: the plug-in's own, and those only tests send.
namespace sci {
using namespace host::sci;
constexpr UINT INSERTTEXT = 2003, GETANCHOR = 2009, GETSTYLEAT = 2010, SETCODEPAGE = 2037;
constexpr UINT STYLESETFONT = 2056, SETCARETPERIOD = 2076, INDICGETSTYLE = 2081, INDICGETFORE = 2083;
constexpr UINT POINTXFROMPOSITION = 2164, POINTYFROMPOSITION = 2165, SETTEXT = 2181, GETTEXT = 2182;
constexpr UINT GETDOCPOINTER = 2357, SETDOCPOINTER = 2358, CREATEDOCUMENT = 2375, ADDREFDOCUMENT = 2376;
constexpr UINT RELEASEDOCUMENT = 2377, STYLEGETFORE = 2481, STYLEGETBACK = 2482, STYLEGETBOLD = 2483;
constexpr UINT INDICATORVALUEAT = 2507, INDICGETALPHA = 2524, SCROLLRANGE = 2569, DELETERANGE = 2645;
constexpr int STYLE_DEFAULT = 32;
}  // namespace sci

struct Options {
    // The folder NPPM_GETPLUGINSCONFIGDIR answers with; empty: a fresh
    // temporary folder (which is removed again) is created and used.
    std::filesystem::path configDir;
    bool createConfigDir = true;  // false: answer with a folder that does not exist yet
    bool answerConfigDir = true;  // false: the host leaves the plug-in's buffer untouched
};

class TestHost {
public:
    explicit TestHost(Options options = {});
    ~TestHost();
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    // --- The plug-in's exports, called as the host calls them. ---
    using IsUnicodeFn = BOOL (*)();
    using SetInfoFn = void (*)(host::NppData);
    using GetFuncsArrayFn = host::FuncItem* (*)(int*);
    using MessageProcFn = LRESULT (*)(UINT, WPARAM, LPARAM);
    using GetNameFn = const wchar_t* (*)();
    using BeNotifiedFn = void (*)(host::SCNotification*);

    IsUnicodeFn isUnicode = nullptr;
    SetInfoFn setInfo = nullptr;
    GetFuncsArrayFn getFuncsArray = nullptr;
    MessageProcFn messageProc = nullptr;
    GetNameFn getName = nullptr;
    BeNotifiedFn beNotified = nullptr;

    // The command table as the host read it at load.
    host::FuncItem* funcItems = nullptr;
    int funcCount = 0;

    // Sends a notification with only a code (host notifications).
    void Notify(std::uint32_t code, HWND from = nullptr);
    void NotifyShutdown();  // once; the destructor does it when a test did not

    // --- Menu. ---
    [[nodiscard]] UINT CommandId(int index) const;  // the id the host assigned
    void RunCommand(int index);                     // as a menu click: WM_COMMAND
    [[nodiscard]] bool MenuChecked(int index) const;
    // Gives the plug-in's menu items new ids from `first`, writes them into the
    // command table and announces the table again, as the host may.
    void ReassignCommandIds(UINT first);
    [[nodiscard]] HMENU PluginMenu() const noexcept { return pluginMenu; }

    // --- Editor views. ---
    [[nodiscard]] HWND View(int which) const noexcept { return views[which]; }
    void SetCurrentView(int which) noexcept { currentView = which; }  // answer of NPPM_GETCURRENTSCINTILLA
    [[nodiscard]] int CurrentView() const noexcept { return currentView; }
    [[nodiscard]] HWND Current() const noexcept { return views[currentView]; }
    LRESULT Sci(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;  // to the current view
    LRESULT SciView(int which, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    void SetText(std::string_view text);  // current view, caret to 0, then pumped
    void SetCodePage(int codePage);
    // Moves the caret as a user would, then lets the view paint, so that its
    // own SCN_UPDATEUI reaches the plug-in.
    void Caret(std::int64_t position);
    void Type(char character);  // WM_CHAR to the current view
    // Double-click at a document position with modifier keys (MK_CONTROL,
    // MK_SHIFT; alt: Alt held via the keyboard state).
    void DoubleClickAt(std::int64_t position, bool ctrl = false, bool shift = false, bool alt = false);
    // The editor's double-click notification as the host forwards it, for
    // modifier combinations the editor does not report itself.
    void NotifyDoubleClick(std::int64_t position, int modifiers);
    // Processes pending messages and paints both views.
    void Pump();

    [[nodiscard]] std::string Text() const;  // current view
    [[nodiscard]] int IndicatorAt(int indicator, std::int64_t position) const;
    // One character per position of [from, to): 'X' where the indicator is set.
    [[nodiscard]] std::string IndicatorPicture(int indicator, std::int64_t from, std::int64_t to) const;
    [[nodiscard]] int StyleAt(std::int64_t position) const;
    [[nodiscard]] std::string StylePicture(std::int64_t from, std::int64_t to) const;

    // --- Docking. ---
    [[nodiscard]] int DockRegistrations() const noexcept { return registrations; }
    [[nodiscard]] const host::NppTbData& DockRecord() const noexcept { return dockRecord; }
    [[nodiscard]] std::wstring DockName() const { return dockName; }
    [[nodiscard]] std::wstring DockModuleName() const { return dockModule; }
    [[nodiscard]] HWND Panel() const noexcept { return dockRecord.hClient; }
    [[nodiscard]] HWND DockArea() const noexcept { return dockArea; }
    // Hides the panel as the host's own docking controls would.
    void ClosePanelFromHost();

    // --- Settings. ---
    [[nodiscard]] const std::filesystem::path& ConfigDir() const noexcept { return configDir; }
    [[nodiscard]] HWND MainWindow() const noexcept { return main; }

private:
    static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void BuildMenu();

    HWND main = nullptr;
    HWND views[2] = {};
    HWND dockArea = nullptr;
    HMENU menuBar = nullptr;
    HMENU pluginMenu = nullptr;
    HMODULE scintilla = nullptr;
    HMODULE plugin = nullptr;
    int currentView = 0;
    std::vector<UINT> commandIds;
    int registrations = 0;
    host::NppTbData dockRecord{};
    std::wstring dockName;
    std::wstring dockModule;
    std::filesystem::path configDir;
    bool ownConfigDir = false;
    bool answerConfigDir = true;
    bool shutDown = false;
};

// The folder of the running test program, where the DLLs are.
std::filesystem::path ProgramFolder();

}  // namespace korvex::testhost
