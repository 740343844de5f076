// The subset of the host's and the editor's published interfaces that the
// plug-in uses, declared from their documented numbers and 64-bit layouts.
#pragma once

#include <cstddef>
#include <cstdint>

#include <windows.h>

namespace korvex::host {

// --- Host (Notepad++) messages, sent to the main window. ---
namespace nppm {
constexpr UINT Base = WM_USER + 1000;
constexpr UINT GETCURRENTSCINTILLA = Base + 4;   // 2028
constexpr UINT DMMSHOW = Base + 30;              // 2054
constexpr UINT DMMHIDE = Base + 31;              // 2055
constexpr UINT DMMREGASDCKDLG = Base + 33;       // 2057
constexpr UINT GETPLUGINSCONFIGDIR = Base + 46;  // 2070
static_assert(GETCURRENTSCINTILLA == 2028 && DMMSHOW == 2054 && DMMHIDE == 2055 &&
              DMMREGASDCKDLG == 2057 && GETPLUGINSCONFIGDIR == 2070);
}  // namespace nppm

// --- Notification codes that reach beNotified. ---
namespace nppn {
constexpr std::uint32_t TBMODIFICATION = 1002;
constexpr std::uint32_t SHUTDOWN = 1009;
constexpr std::uint32_t BUFFERACTIVATED = 1010;
}  // namespace nppn
namespace scn {
constexpr std::uint32_t CHARADDED = 2001;
constexpr std::uint32_t DOUBLECLICK = 2006;
constexpr std::uint32_t UPDATEUI = 2007;
}  // namespace scn

// --- Editor (Scintilla) messages, sent to the current view. ---
namespace sci {
constexpr UINT GETLENGTH = 2006;
constexpr UINT GOTOPOS = 2025;
constexpr UINT GETCURLINE = 2027;
constexpr UINT GETCURRENTPOS = 2008;
constexpr UINT STARTSTYLING = 2032;
constexpr UINT SETSTYLING = 2033;
constexpr UINT STYLECLEARALL = 2050;
constexpr UINT STYLESETFORE = 2051;
constexpr UINT STYLESETBACK = 2052;
constexpr UINT STYLESETBOLD = 2053;
constexpr UINT INDICSETSTYLE = 2080;
constexpr UINT INDICSETFORE = 2082;
constexpr UINT GETLINEENDPOSITION = 2136;
constexpr UINT GETCODEPAGE = 2137;
constexpr UINT SETSEL = 2160;
constexpr UINT GETTEXTRANGE = 2162;
constexpr UINT LINEFROMPOSITION = 2166;
constexpr UINT POSITIONFROMLINE = 2167;
constexpr UINT GRABFOCUS = 2400;
constexpr UINT SETINDICATORCURRENT = 2500;
constexpr UINT INDICATORFILLRANGE = 2504;
constexpr UINT INDICATORCLEARRANGE = 2505;
constexpr UINT INDICSETALPHA = 2523;
}  // namespace sci

// --- Records. ---
struct NppData {
    HWND _nppHandle;
    HWND _scintillaMainHandle;
    HWND _scintillaSecondHandle;
};
static_assert(sizeof(NppData) == 24);

struct ShortcutKey {
    bool _isCtrl;
    bool _isAlt;
    bool _isShift;
    std::uint8_t _key;
};
static_assert(sizeof(ShortcutKey) == 4);

using PluginFunc = void (*)();

constexpr int MenuItemSize = 64;  // UTF-16 units, terminator included

struct FuncItem {
    wchar_t _itemName[MenuItemSize];
    PluginFunc _pFunc;
    int _cmdID;
    bool _init2Check;  // the host reads one byte
    ShortcutKey* _pShKey;
};
static_assert(sizeof(wchar_t) == 2);
static_assert(sizeof(FuncItem) == 152);
static_assert(offsetof(FuncItem, _pFunc) == 128 && offsetof(FuncItem, _cmdID) == 136 &&
              offsetof(FuncItem, _init2Check) == 140 && offsetof(FuncItem, _pShKey) == 144);

struct NotifyHeader {
    void* hwndFrom;
    std::uintptr_t idFrom;
    std::uint32_t code;
};

// Only the leading part; the host's record is longer, so it is never copied by value.
struct SCNotification {
    NotifyHeader nmhdr;
    std::int64_t position;
    int ch;
    int modifiers;
    int modificationType;
    const char* text;
    std::int64_t length;
    std::int64_t linesAdded;
    int message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    std::int64_t line;
};
static_assert(offsetof(SCNotification, nmhdr.code) == 16 && offsetof(SCNotification, position) == 24 &&
              offsetof(SCNotification, ch) == 32 && offsetof(SCNotification, modifiers) == 36 &&
              offsetof(SCNotification, modificationType) == 40 && offsetof(SCNotification, text) == 48 &&
              offsetof(SCNotification, length) == 56 && offsetof(SCNotification, linesAdded) == 64 &&
              offsetof(SCNotification, message) == 72 && offsetof(SCNotification, wParam) == 80 &&
              offsetof(SCNotification, lParam) == 88 && offsetof(SCNotification, line) == 96);

// The host's editor takes pointer-sized character ranges.
struct Sci_CharacterRange {
    std::intptr_t cpMin;
    std::intptr_t cpMax;
};
struct Sci_TextRange {
    Sci_CharacterRange chrg;
    char* lpstrText;
};
static_assert(sizeof(Sci_TextRange) == 24 && offsetof(Sci_TextRange, lpstrText) == 16);

// Docking record.
constexpr std::uint32_t DWS_ICONTAB = 0x00000001;
constexpr std::uint32_t DWS_ICONBAR = 0x00000002;
constexpr std::uint32_t DWS_DF_CONT_RIGHT = 0x10000000;  // right-hand docking area

struct NppTbData {
    HWND hClient;
    const wchar_t* pszName;
    int dlgID;
    std::uint32_t uMask;
    HICON hIconTab;
    const wchar_t* pszAddInfo;
    RECT rcFloat;
    int iPrevCont;
    const wchar_t* pszModuleName;
};
static_assert(sizeof(NppTbData) == 72 && offsetof(NppTbData, dlgID) == 16 &&
              offsetof(NppTbData, uMask) == 20 && offsetof(NppTbData, hIconTab) == 24 &&
              offsetof(NppTbData, pszAddInfo) == 32 && offsetof(NppTbData, rcFloat) == 40 &&
              offsetof(NppTbData, iPrevCont) == 56 && offsetof(NppTbData, pszModuleName) == 64);

}  // namespace korvex::host
