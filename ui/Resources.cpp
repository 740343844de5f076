#include "ui/Resources.h"

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <vector>

#include <commctrl.h>

#include "host/PluginBase.h"
#include "ui/ids.h"

namespace korvex::ui {

std::wstring Utf16(std::string_view utf8) {
    if (utf8.empty())
        return {};
    // Longer texts than an int can count never reach a label; cut rather than wrap.
    const int bytes = static_cast<int>(std::min<std::size_t>(utf8.size(), 0x7fffffff));
    const int units = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), bytes, nullptr, 0);
    if (units <= 0)
        return {};
    std::wstring text(static_cast<std::size_t>(units), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), bytes, text.data(), units);
    return text;
}

std::wstring LoadText(UINT id) {
    const wchar_t* text = nullptr;
    // With a zero buffer size LoadString hands out a pointer into the resource.
    const int length = ::LoadStringW(host::PluginBase::module, id, reinterpret_cast<wchar_t*>(&text), 0);
    if (length <= 0 || !text)
        return {};
    return std::wstring(text, static_cast<std::size_t>(length));
}

namespace {

std::wstring ModulePath(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        if (path.size() >= 0x8000)  // longer than any Windows path
            return {};
        path.resize(path.size() * 2);
    }
}

std::wstring QueryFileVersion(const std::vector<std::byte>& block, WORD language, WORD codePage) {
    wchar_t key[64];
    std::swprintf(key, std::size(key), L"\\StringFileInfo\\%04x%04x\\FileVersion", language, codePage);
    void* value = nullptr;
    UINT units = 0;
    if (!::VerQueryValueW(block.data(), key, &value, &units) || !value || units == 0)
        return {};
    const auto* text = static_cast<const wchar_t*>(value);
    return std::wstring(text, ::wcsnlen(text, units));
}

}  // namespace

std::wstring FileVersion(HMODULE module) {
    const std::wstring path = ModulePath(module);
    if (path.empty())
        return {};
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0)
        return {};
    std::vector<std::byte> block(size);
    if (!::GetFileVersionInfoW(path.c_str(), 0, size, block.data()))
        return {};

    // The string tables the file declares first, then the usual ones.
    struct Translation {
        WORD language;
        WORD codePage;
    };
    std::vector<Translation> candidates;
    void* table = nullptr;
    UINT tableBytes = 0;
    if (::VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &table, &tableBytes) && table) {
        const auto* entries = static_cast<const Translation*>(table);
        candidates.assign(entries, entries + tableBytes / sizeof(Translation));
    }
    candidates.push_back({0x0413, 1200});
    candidates.push_back({0x0409, 1200});
    candidates.push_back({0x0409, 1252});
    for (const Translation& candidate : candidates) {
        std::wstring version = QueryFileVersion(block, candidate.language, candidate.codePage);
        if (!version.empty())
            return version;
    }
    return {};
}

std::string_view ChangelogBytes(HMODULE module) noexcept {
    const HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(IDR_CHANGELOG), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!resource)
        return {};
    const HGLOBAL loaded = ::LoadResource(module, resource);
    const DWORD size = ::SizeofResource(module, resource);
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (!data || size == 0)
        return {};
    return std::string_view(static_cast<const char*>(data), size);
}

namespace {

// Made once from the manifest resource (id 2) and kept for the process's life.
HANDLE ModuleActivationContext() noexcept {
    static const HANDLE context = []() noexcept {
        wchar_t path[MAX_PATH] = {};
        ::GetModuleFileNameW(host::PluginBase::module, path, MAX_PATH);
        ACTCTXW request{};
        request.cbSize = sizeof request;
        request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
        request.lpSource = path;
        request.hModule = host::PluginBase::module;
        request.lpResourceName = MAKEINTRESOURCEW(2);
        return ::CreateActCtxW(&request);
    }();
    return context;
}

}  // namespace

ActivationScope::ActivationScope() noexcept {
    const HANDLE context = ModuleActivationContext();
    if (context != INVALID_HANDLE_VALUE)
        active = ::ActivateActCtx(context, &cookie) != FALSE;
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LINK_CLASS};
        return ::InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)registered;
}

ActivationScope::~ActivationScope() {
    if (active)
        ::DeactivateActCtx(0, cookie);
}

}  // namespace korvex::ui
