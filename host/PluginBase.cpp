#include "host/PluginBase.h"

#include <algorithm>
#include <cstring>

namespace korvex::host {

FuncItems::~FuncItems() {
    // The host may still hold the block while the process ends; it is released
    // only with the table itself, at unload.
    delete[] native;
    for (ShortcutKey* key : shortcuts)
        delete key;
}

void FuncItems::Add(CommandEntry entry) {
    const std::size_t count = items.size() + 1;
    auto* block = new FuncItem[count]{};  // zeroed, padding included
    if (native)
        std::memcpy(block, native, (count - 1) * sizeof(FuncItem));
    FuncItem& record = block[count - 1];
    const std::size_t units = std::min<std::size_t>(entry.itemName.size(), MenuItemSize - 1);
    std::copy_n(entry.itemName.data(), units, record._itemName);
    record._itemName[units] = L'\0';
    record._pFunc = entry.pFunc;
    record._cmdID = entry.cmdID;
    record._init2Check = entry.init2Check;
    if (entry.shortcut && entry.shortcut->_key != 0) {
        record._pShKey = new ShortcutKey(*entry.shortcut);
        shortcuts.push_back(record._pShKey);
    }
    delete[] native;
    native = block;
    items.push_back(std::move(entry));
}

void FuncItems::RefreshItems() noexcept {
    for (std::size_t i = 0; i < items.size(); ++i)
        items[i].cmdID = native[i]._cmdID;
}

FuncItems& PluginBase::_funcItems() {
    static FuncItems funcItems;
    return funcItems;
}

void PluginBase::SetCommand(int index, std::wstring_view commandName, PluginFunc functionPointer,
                            std::optional<ShortcutKey> shortcut, bool checkOnInit) {
    CommandEntry entry;
    entry.itemName = commandName;
    entry.pFunc = functionPointer;
    entry.cmdID = index;
    entry.init2Check = checkOnInit;
    if (shortcut && shortcut->_key != 0)
        entry.shortcut = shortcut;
    _funcItems().Add(std::move(entry));
}

HWND PluginBase::GetCurrentScintilla() noexcept {
    int which = 0;
    ::SendMessageW(nppData._nppHandle, nppm::GETCURRENTSCINTILLA, 0, reinterpret_cast<LPARAM>(&which));
    return which != 0 ? nppData._scintillaSecondHandle : nppData._scintillaMainHandle;
}

void PluginBase::SetCheck(int index, bool checked) noexcept {
    const auto& items = _funcItems().Items();
    if (index < 0 || static_cast<std::size_t>(index) >= items.size())
        return;
    ::CheckMenuItem(::GetMenu(nppData._nppHandle), static_cast<UINT>(items[index].cmdID),
                    MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace korvex::host
