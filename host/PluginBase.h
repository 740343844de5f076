// The host's handles, the command table and the choice of editor view.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/HostInterface.h"

namespace korvex::host {

struct CommandEntry {
    std::wstring itemName;
    PluginFunc pFunc = nullptr;  // null: a separator
    int cmdID = 0;               // the index until the host assigns its id
    bool init2Check = false;
    std::optional<ShortcutKey> shortcut;
};

// The command table in two forms: the plug-in's entries, and one contiguous
// block of records in the host's layout that the host reads and writes.
class FuncItems {
public:
    FuncItems() = default;
    FuncItems(const FuncItems&) = delete;
    FuncItems& operator=(const FuncItems&) = delete;
    ~FuncItems();

    void Add(CommandEntry entry);
    // Copies the command ids the host wrote into the block back into Items.
    void RefreshItems() noexcept;

    [[nodiscard]] const std::vector<CommandEntry>& Items() const noexcept { return items; }
    [[nodiscard]] FuncItem* NativePointer() const noexcept { return native; }

private:
    std::vector<CommandEntry> items;
    FuncItem* native = nullptr;
    std::vector<ShortcutKey*> shortcuts;  // handed to the host; live as long as the table
};

class PluginBase {
public:
    PluginBase() = delete;

    static inline NppData nppData{};
    static inline HINSTANCE module = nullptr;  // this DLL, for its resources
    static FuncItems& _funcItems();

    static void SetCommand(int index, std::wstring_view commandName, PluginFunc functionPointer,
                           std::optional<ShortcutKey> shortcut = std::nullopt, bool checkOnInit = false);

    // Asked afresh on every call: the host decides which view is current.
    [[nodiscard]] static HWND GetCurrentScintilla() noexcept;

    // Check mark of the command at index, addressed by the id the host assigned.
    static void SetCheck(int index, bool checked) noexcept;
};

}  // namespace korvex::host
