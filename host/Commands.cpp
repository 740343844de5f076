// The plug-in's menu commands and its one setting.
#include <array>
#include <string>
#include <string_view>

#include <windows.h>
#include <shlobj.h>

#include "analysis/Main.h"
#include "host/Guarded.h"
#include "host/HostInterface.h"
#include "host/PluginBase.h"
#include "ui/KorvexForm.h"

namespace korvex {

using host::PluginBase;

namespace {

// The host calls these through plain function pointers.
template <void (*Handler)()>
void GuardedCommand() noexcept {
    host::Guarded(Handler);
}

struct Command {
    int index;
    std::wstring_view label;
    host::PluginFunc handler;  // null: a separator
};

// In index order: the host numbers its menu items in table order.
constexpr std::array<Command, 5> commands{{
    {Main::MENU_ENABLE, L"Korvex editor actief", &GuardedCommand<&Main::menuEnablePluginClick>},
    {Main::MENU_DOCKABLE_WINDOW_VISIBLE, L"Definitievenster zichtbaar", &GuardedCommand<&Main::ToggleDockableWindowVisible>},
    {Main::MENU_ALTERNATE_STYLING, L"Alternate styling", &GuardedCommand<&Main::menuEnableAlternateStylingClick>},
    {Main::MENU_SEPERATOR, L"---", nullptr},
    {Main::MENU_ABOUT, L"Over", &GuardedCommand<&Main::openAboutDialog>},
}};

constexpr wchar_t SettingsSection[] = L"Main";
constexpr wchar_t SettingsKey[] = L"AlternateStyling";
constexpr wchar_t SettingsFile[] = L"Korvex.ini";
constexpr int ConfigDirCapacity = 260;  // UTF-16 units, terminator included

// The host's plug-in configuration directory, created with its parents when
// missing; empty when the host gave none or it cannot be made.
std::wstring ConfigDirectory() {
    wchar_t buffer[ConfigDirCapacity] = {};
    ::SendMessageW(PluginBase::nppData._nppHandle, host::nppm::GETPLUGINSCONFIGDIR, ConfigDirCapacity,
                   reinterpret_cast<LPARAM>(buffer));
    buffer[ConfigDirCapacity - 1] = L'\0';
    std::wstring directory(buffer);
    if (directory.empty())
        return {};
    // Creates every missing parent too; an existing folder is no failure.
    ::SHCreateDirectoryExW(nullptr, directory.c_str(), nullptr);
    const DWORD attributes = ::GetFileAttributesW(directory.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return {};
    return directory;
}

}  // namespace

void Main::CommandMenuInit() {
    const std::wstring directory = ConfigDirectory();
    // Without a directory there is no place for the file: a bare file name
    // would make the profile functions use the Windows folder instead.
    if (!directory.empty()) {
        std::wstring path = directory;
        if (path.back() != L'\\' && path.back() != L'/')
            path += L'\\';
        path += SettingsFile;
        iniFilePath = std::move(path);
        alternateStylingEnabled = ::GetPrivateProfileIntW(SettingsSection, SettingsKey, 0, iniFilePath->c_str()) > 0;
    }

    for (const Command& command : commands) {
        PluginBase::SetCommand(command.index, command.label, command.handler);
        if (command.index == MENU_ENABLE)
            idFormKorvex = MENU_ENABLE;
    }
}

void Main::PluginCleanUp() {
    if (iniFilePath)
        ::WritePrivateProfileStringW(SettingsSection, SettingsKey, alternateStylingEnabled ? L"1" : L"0",
                                     iniFilePath->c_str());
    ui::CloseDockableWindow();
}

void Main::menuEnablePluginClick() {
    pluginEnabled = !pluginEnabled;
    if (pluginEnabled) {
        OpenDockableWindow();
    } else {
        alternateStylingEnabled = false;
        HideDockableWindow();
    }
    PluginBase::SetCheck(MENU_ENABLE, pluginEnabled);
    PluginBase::SetCheck(MENU_ALTERNATE_STYLING, alternateStylingEnabled);
}

void Main::ToggleDockableWindowVisible() {
    if (!ui::PanelWindow())
        return;
    if (!ui::PanelVisible()) {
        if (pluginEnabled) {
            ShowDockableWindow();
            DoUpdateAll(false);
        }
    } else {
        HideDockableWindow();
    }
    ui::UpdateCheckMark();
}

void Main::menuEnableAlternateStylingClick() {
    if (!pluginEnabled)
        return;
    alternateStylingEnabled = !alternateStylingEnabled;
    DoUpdateAll(false);
    PluginBase::SetCheck(MENU_ALTERNATE_STYLING, alternateStylingEnabled);
}

}  // namespace korvex
