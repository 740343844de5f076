// The plug-in's state and operations, one static class as the host sees it.
// The analysis half (state, update, styling, double-click) is portable and
// lives here; the commands, settings and panel operations need Win32 and are
// defined in host/ and ui/.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/Editor.h"
#include "analysis/Panel.h"
#include "catalogue/Bericht.h"

namespace korvex {

class Main {
public:
    Main() = delete;

    // Command indices in the command table.
    static constexpr int MENU_ENABLE = 0;
    static constexpr int MENU_DOCKABLE_WINDOW_VISIBLE = 1;
    static constexpr int MENU_ALTERNATE_STYLING = 2;
    static constexpr int MENU_SEPERATOR = 3;
    static constexpr int MENU_ABOUT = 4;

    static constexpr std::wstring_view PluginName = L"Korvex";

    static constexpr int SCE_STYLE_DEFAULT = 0;
    static constexpr int SCE_STYLE_HIGHLIGHT = 1;

    static constexpr int SCE_INDIC_ACTIVE = 0;
    static constexpr int SCE_INDIC_FIRST = 1;
    static constexpr int SCE_INDIC_SECOND = 2;
    static constexpr int SCE_INDIC_THIRD = 3;
    static constexpr int SCE_INDIC_FOURTH = 4;

    static constexpr int INDIC_BOX = 6;
    static constexpr int INDIC_ROUNDBOX = 7;
    static constexpr int INDICATOR_ALPHA = 80;

    // 0xBBGGRR.
    static constexpr Colour COLOR_WHITE = 16777215;
    static constexpr Colour COLOR_BLACK = 0;
    static constexpr Colour COLOR_ORANGE = 4626167;
    static constexpr Colour COLOR_DIM_GREY = 6908265;
    static constexpr Colour COLOR_LIGHT_BLUE = 12419407;
    static constexpr Colour COLOR_RED = 5066944;
    static constexpr Colour COLOR_GREEN = 5880731;

    // --- State (values at load). ---
    static inline bool pluginEnabled = false;
    static inline bool alternateStylingEnabled = false;
    // The definition panel; set once on the first switch-on and present
    // whenever pluginEnabled is true.
    static inline Panel* form = nullptr;
    static inline const Bericht* ei = nullptr;          // matched the header last
    static inline std::optional<std::string> regelStart;  // kind regel was looked up for
    static inline const Regel* regel = nullptr;         // a record of ei; Kenmerk == regelStart
    // Both present or both absent: what the last update highlighted.
    static inline std::optional<std::int32_t> previousStart;
    static inline std::optional<std::int32_t> previousLength;
    static inline std::optional<std::int32_t> previousLine;  // painted by DoAlternateStyling
    static inline std::optional<std::wstring> iniFilePath;
    static inline int idFormKorvex = -1;

    // The editor views, wired by the host at load (tests wire a fake).
    static inline Views* views = nullptr;

    // --- Analysis. ---
    static void DoUpdateAll(bool charAdded);
    static std::string getCodeKorvex();
    static std::string GetVersie();
    static std::string GetSubversie();
    static std::string GetSubstringFromOpenDocument(std::int64_t start, std::int64_t end);

    static void SetupStyles();
    static void DoAlternateStyling();
    static void RemoveIndicators(std::int32_t start, std::int32_t length);
    [[nodiscard]] static std::int32_t GetIndicator(std::int32_t input) noexcept;

    static void DoubleClick(std::int64_t position, std::int64_t line, std::int32_t modifiers);

    // Another document became active: forget definition, record and highlight.
    static void Reset() noexcept;

    // The version text the panel shows: "07","02" -> "7,2"; "01","00" -> "1,0".
    [[nodiscard]] static std::string VersionText(std::string_view versie, std::string_view subversie);

    // --- Commands and settings (host/). ---
    static void CommandMenuInit();
    static void PluginCleanUp();
    static void menuEnablePluginClick();
    static void ToggleDockableWindowVisible();
    static void menuEnableAlternateStylingClick();
    static void openAboutDialog();

    // --- Panel docking (ui/). ---
    static void OpenDockableWindow();
    static void ShowDockableWindow();
    static void HideDockableWindow();
};

}  // namespace korvex
