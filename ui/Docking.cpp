// Creating the panel once, registering it with the host's docking manager,
// and showing and hiding it through the host.
#include <algorithm>
#include <string>

#include <windows.h>

#include "analysis/Main.h"
#include "host/HostInterface.h"
#include "host/PluginBase.h"
#include "ui/KorvexForm.h"
#include "ui/Resources.h"
#include "ui/ids.h"

namespace korvex {

using host::PluginBase;

namespace ui {
namespace {

// The single panel; Main::form points at it. Both live until the process
// ends, as do the docking record and its strings, which the host keeps.
KorvexForm* panel = nullptr;
host::NppTbData dockRecord{};
wchar_t dockName[64] = {};
wchar_t dockModuleName[64] = {};

void CopyInto(wchar_t (&target)[64], std::wstring_view text) noexcept {
    const std::size_t units = std::min(text.size(), std::size(target) - 1);
    std::copy_n(text.data(), units, target);
    target[units] = L'\0';
}

}  // namespace

HWND PanelWindow() noexcept {
    return panel ? panel->Handle() : nullptr;
}

bool PanelVisible() noexcept {
    const HWND window = PanelWindow();
    return window && ::IsWindowVisible(window);
}

// Read after the host has handled the message, from the window itself.
void UpdateCheckMark() noexcept {
    PluginBase::SetCheck(Main::MENU_DOCKABLE_WINDOW_VISIBLE, PanelVisible());
}

void CloseDockableWindow() noexcept {
    if (panel)
        panel->Close();
}

}  // namespace ui

void Main::OpenDockableWindow() {
    if (form) {
        ShowDockableWindow();
        return;
    }
    // Once only: form is never replaced, so the host sees one registration.
    // The analysis relies on form from now on, so it is set even if the
    // window cannot be made; such a panel shows nothing and is not docked.
    ui::panel = new ui::KorvexForm();
    form = ui::panel;
    if (!ui::panel->Create(PluginBase::module, PluginBase::nppData._nppHandle))
        return;

    ui::CopyInto(ui::dockName, ui::LoadText(IDS_DOCK_NAME));
    ui::CopyInto(ui::dockModuleName, PluginName);
    host::NppTbData& record = ui::dockRecord;
    record.hClient = ui::panel->Handle();
    record.pszName = ui::dockName;
    record.dlgID = idFormKorvex;
    record.uMask = host::DWS_DF_CONT_RIGHT | host::DWS_ICONBAR | host::DWS_ICONTAB;
    record.hIconTab = nullptr;
    record.pszAddInfo = nullptr;
    record.rcFloat = RECT{0, 0, 0, 0};
    record.iPrevCont = 0;
    record.pszModuleName = ui::dockModuleName;
    ::SendMessageW(PluginBase::nppData._nppHandle, host::nppm::DMMREGASDCKDLG, 0, reinterpret_cast<LPARAM>(&record));
    ui::UpdateCheckMark();
}

void Main::ShowDockableWindow() {
    const HWND window = ui::PanelWindow();
    if (!window)
        return;
    ::SendMessageW(PluginBase::nppData._nppHandle, host::nppm::DMMSHOW, 0, reinterpret_cast<LPARAM>(window));
    ui::UpdateCheckMark();
}

void Main::HideDockableWindow() {
    const HWND window = ui::PanelWindow();
    if (!window)
        return;
    ::SendMessageW(PluginBase::nppData._nppHandle, host::nppm::DMMHIDE, 0, reinterpret_cast<LPARAM>(window));
    ui::UpdateCheckMark();
}

}  // namespace korvex
