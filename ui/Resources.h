// This module's own resources and the few Win32 services the windows share.
#pragma once

#include <string>
#include <string_view>

#include <windows.h>

namespace korvex::ui {

// The catalogue's texts are UTF-8; the windows take UTF-16. Invalid bytes
// become U+FFFD rather than dropping the whole text.
[[nodiscard]] std::wstring Utf16(std::string_view utf8);

// A string of the string table; empty when it is missing.
[[nodiscard]] std::wstring LoadText(UINT id);

// The "FileVersion" string of the version resource in the file the module was
// loaded from, unchanged ("1.9.0.0"); empty when the file has none.
[[nodiscard]] std::wstring FileVersion(HMODULE module);

// The change-log resource exactly as built from changelog.txt.
[[nodiscard]] std::string_view ChangelogBytes(HMODULE module) noexcept;

// Windows created while one of these lives get comctl32 version 6 (the link
// controls need it), whatever the host process's own manifest says. Does
// nothing when the activation context cannot be made.
class ActivationScope {
public:
    ActivationScope() noexcept;
    ~ActivationScope();
    ActivationScope(const ActivationScope&) = delete;
    ActivationScope& operator=(const ActivationScope&) = delete;

private:
    ULONG_PTR cookie = 0;
    bool active = false;
};

}  // namespace korvex::ui
