// The six entry points the host calls. Nothing may cross back into the host:
// every body runs through Guarded.
#include <cstring>

#include <windows.h>

#include "analysis/Main.h"
#include "host/Guarded.h"
#include "host/HostInterface.h"
#include "host/PluginBase.h"
#include "host/ScintillaEditor.h"

using korvex::Main;
using namespace korvex::host;

namespace {

HostViews views;

// The name string handed out by getName; released at shutdown.
wchar_t* _ptrPluginName = nullptr;

// An update paints, and painting may make the editor notify again; a nested
// update would work on half-updated state.
bool updating = false;

void Update(bool charAdded) {
    if (updating)
        return;
    updating = true;
    Guarded([&] { Main::DoUpdateAll(charAdded); });
    updating = false;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        PluginBase::module = instance;
    return TRUE;
}

extern "C" {

BOOL isUnicode() noexcept { return TRUE; }

void setInfo(NppData data) noexcept {
    Guarded([&] {
        PluginBase::nppData = data;
        Main::views = &views;
        Main::CommandMenuInit();
    });
}

FuncItem* getFuncsArray(int* count) noexcept {
    FuncItem* items = nullptr;
    Guarded([&] {
        FuncItems& table = PluginBase::_funcItems();
        if (count)
            *count = static_cast<int>(table.Items().size());
        items = table.NativePointer();
    });
    return items;
}

LRESULT messageProc(UINT, WPARAM, LPARAM) noexcept { return TRUE; }

const wchar_t* getName() noexcept {
    Guarded([] {
        if (!_ptrPluginName) {
            const std::size_t units = Main::PluginName.size();
            _ptrPluginName = new wchar_t[units + 1];
            std::memcpy(_ptrPluginName, Main::PluginName.data(), units * sizeof(wchar_t));
            _ptrPluginName[units] = L'\0';
        }
    });
    return _ptrPluginName;
}

void beNotified(SCNotification* notification) noexcept {
    if (!notification)
        return;
    switch (notification->nmhdr.code) {
    case nppn::TBMODIFICATION:
        PluginBase::_funcItems().RefreshItems();
        break;
    case scn::CHARADDED:
        Update(true);
        break;
    case nppn::SHUTDOWN:
        Guarded([] { Main::PluginCleanUp(); });
        delete[] _ptrPluginName;
        _ptrPluginName = nullptr;
        break;
    case scn::UPDATEUI:
        Update(false);
        break;
    case nppn::BUFFERACTIVATED:
        Main::Reset();
        break;
    case scn::DOUBLECLICK:
        Guarded([&] {
            Main::DoubleClick(notification->position, notification->line, notification->modifiers);
        });
        break;
    default:
        break;
    }
}

}  // extern "C"
