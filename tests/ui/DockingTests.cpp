// Opening, showing and hiding the panel through a stand-in for the host's
// main window, which answers the docking messages as the host does and has
// the menu whose check mark follows the panel.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <windows.h>

#include "UiTestSupport.h"
#include "analysis/Main.h"
#include "host/HostInterface.h"
#include "host/PluginBase.h"
#include "ui/KorvexForm.h"

namespace korvex {
namespace {

using host::PluginBase;

constexpr UINT FirstCommandId = 22000;

struct DockingHost {
    HWND main = nullptr;
    HWND dockArea = nullptr;
    HMENU menu = nullptr;
    bool obeysShow = true;  // false: a host that leaves the panel hidden
    std::vector<UINT> messages;
    const host::NppTbData* record = nullptr;
    host::NppTbData copy{};
    bool visibleWhenRegistered = false;  // before the host shows the panel
};
DockingHost* dockingHost = nullptr;

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DockingHost* h = dockingHost;
    if (h && (message == host::nppm::DMMREGASDCKDLG || message == host::nppm::DMMSHOW ||
              message == host::nppm::DMMHIDE)) {
        h->messages.push_back(message);
        if (message == host::nppm::DMMREGASDCKDLG) {
            h->record = reinterpret_cast<const host::NppTbData*>(lParam);
            h->copy = *h->record;
            h->visibleWhenRegistered = ::IsWindowVisible(h->record->hClient) != FALSE;
            ::SetParent(h->record->hClient, h->dockArea);
            ::ShowWindow(h->record->hClient, SW_SHOW);
        } else if (message == host::nppm::DMMSHOW) {
            if (h->obeysShow)
                ::ShowWindow(reinterpret_cast<HWND>(lParam), SW_SHOW);
        } else {
            ::ShowWindow(reinterpret_cast<HWND>(lParam), SW_HIDE);
        }
        return TRUE;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

bool Checked(const DockingHost& h) {
    return (::GetMenuState(h.menu, FirstCommandId + Main::MENU_DOCKABLE_WINDOW_VISIBLE, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

// One process has one panel for its whole life, as the host has: the steps
// run in order in one test.
TEST(Docking, PanelIsRegisteredOnceAndItsCheckMarkFollowsItsRealVisibility) {
    DockingHost h;
    dockingHost = &h;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &HostProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"KorvexDockingTestHost";
    ASSERT_NE(::RegisterClassW(&windowClass), 0);
    h.main = ::CreateWindowExW(0, windowClass.lpszClassName, L"Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 900,
                               600, nullptr, nullptr, windowClass.hInstance, nullptr);
    h.dockArea = ::CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 600, 0, 280, 550, h.main, nullptr,
                                   windowClass.hInstance, nullptr);
    h.menu = ::CreateMenu();
    for (int i = 0; i < 5; ++i)
        ::AppendMenuW(h.menu, MF_STRING, FirstCommandId + i, L"command");
    ::SetMenu(h.main, h.menu);

    PluginBase::nppData._nppHandle = h.main;
    for (int i = 0; i < 5; ++i)
        PluginBase::SetCommand(i, L"command", nullptr);
    for (int i = 0; i < 5; ++i)  // the host numbers the items and writes the ids back
        PluginBase::_funcItems().NativePointer()[i]._cmdID = static_cast<int>(FirstCommandId + i);
    PluginBase::_funcItems().RefreshItems();
    Main::idFormKorvex = Main::MENU_ENABLE;

    {
        SCOPED_TRACE("before the first switch-on");
        ::CheckMenuItem(h.menu, FirstCommandId + Main::MENU_DOCKABLE_WINDOW_VISIBLE, MF_BYCOMMAND | MF_CHECKED);
        Main::ShowDockableWindow();
        Main::HideDockableWindow();
        EXPECT_TRUE(h.messages.empty());
        EXPECT_TRUE(Checked(h)) << "the mark is left alone";
        EXPECT_EQ(ui::PanelWindow(), nullptr);
        ::CheckMenuItem(h.menu, FirstCommandId + Main::MENU_DOCKABLE_WINDOW_VISIBLE, MF_BYCOMMAND | MF_UNCHECKED);
    }

    Main::OpenDockableWindow();
    const HWND panel = ui::PanelWindow();
    {
        SCOPED_TRACE("first switch-on");
        ASSERT_NE(panel, nullptr);
        EXPECT_NE(Main::form, nullptr);
        ASSERT_EQ(h.messages, std::vector<UINT>{host::nppm::DMMREGASDCKDLG});
        EXPECT_EQ(h.copy.hClient, panel);
        EXPECT_STREQ(h.copy.pszName, L"Korvex editor");
        EXPECT_EQ(h.copy.dlgID, 0);
        EXPECT_EQ(h.copy.uMask, 0x10000003u);
        EXPECT_EQ(h.copy.hIconTab, nullptr);
        EXPECT_EQ(h.copy.pszAddInfo, nullptr);
        EXPECT_EQ(h.copy.rcFloat.left | h.copy.rcFloat.top | h.copy.rcFloat.right | h.copy.rcFloat.bottom, 0);
        EXPECT_EQ(h.copy.iPrevCont, 0);
        EXPECT_STREQ(h.copy.pszModuleName, L"Korvex");
        EXPECT_TRUE(Checked(h));
        // Made hidden: only the host's registration showed it.
        EXPECT_FALSE(h.visibleWhenRegistered);
        EXPECT_TRUE(::IsWindowVisible(panel));
    }

    const struct {
        const char* step;
        void (*operation)();
        bool obeysShow;
        UINT message;
        bool visible;
    } steps[] = {
        {"hide", &Main::HideDockableWindow, true, host::nppm::DMMHIDE, false},
        {"show", &Main::ShowDockableWindow, true, host::nppm::DMMSHOW, true},
        {"hide again", &Main::HideDockableWindow, true, host::nppm::DMMHIDE, false},
        {"switch-on again only shows", &Main::OpenDockableWindow, true, host::nppm::DMMSHOW, true},
        {"hide once more", &Main::HideDockableWindow, true, host::nppm::DMMHIDE, false},
        {"a show the host does not carry out", &Main::ShowDockableWindow, false, host::nppm::DMMSHOW, false},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        h.messages.clear();
        h.obeysShow = s.obeysShow;
        s.operation();
        EXPECT_EQ(h.messages, std::vector<UINT>{s.message});
        EXPECT_EQ(ui::PanelWindow(), panel) << "the same window throughout";
        EXPECT_EQ(::IsWindowVisible(panel) != FALSE, s.visible);
        EXPECT_EQ(Checked(h), s.visible);
    }

    {
        SCOPED_TRACE("the record the host keeps");
        ASSERT_NE(h.record, nullptr);
        EXPECT_EQ(h.record->hClient, panel);
        EXPECT_STREQ(h.record->pszName, L"Korvex editor");
        EXPECT_STREQ(h.record->pszModuleName, L"Korvex");
    }

    {
        SCOPED_TRACE("shutdown");
        h.messages.clear();
        ui::CloseDockableWindow();
        EXPECT_FALSE(::IsWindow(panel));
        EXPECT_EQ(ui::PanelWindow(), nullptr);
        Main::ShowDockableWindow();
        Main::HideDockableWindow();
        ui::CloseDockableWindow();
        EXPECT_TRUE(h.messages.empty());
        ASSERT_NE(Main::form, nullptr);
        Main::form->UpdateAlgemeen("ZH308", "7,2", "Voorlooprecord");  // a late update is harmless
    }

    dockingHost = nullptr;
    ::DestroyWindow(h.main);
}

}  // namespace
}  // namespace korvex
