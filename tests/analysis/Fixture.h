// The state every analysis test starts from, and a small definition whose
// layout is easy to draw: a 12-character header, an 8-character detail record.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>
#include <string_view>

#include "FakeEditor.h"
#include "RecordingPanel.h"
#include "analysis/Main.h"
#include "catalogue/Bericht.h"

namespace korvex::testing {

// Header "01TOY0702ABC": kind 0-1, code 2-4, version 5-6, subversion 7-8, sender 9-11.
class ToyBericht final : public Bericht {
public:
    ToyBericht() {
        Standaard = "TOY01";
        Versie = "07";
        Subversie = "02";
        Codes = {"TOY"};  // no digits: no built-in definition can answer to it
        Regels = {
            {"01", "Voorlooprecord",
             {{"Kenmerk Record", 2, 0, 2, "", "M"},
              {"Code Externe-integratiebericht", 3, 2, 5, "NNN", "M"},
              {"Versienummer Berichtstandaard", 2, 5, 7, "", "M"},
              {"Subversienummer Berichtstandaard", 2, 7, 9, "", "C"},
              {"Afzender", 3, 9, 12, "", "O"}}},
            {"04", "Prestatierecord",
             {{"Kenmerk Record", 2, 0, 2, "", "M"},
              {"Code", 2, 2, 4, "", "M"},
              {"Bedrag", 4, 4, 8, "NNNN", "C"}}},
            {"05", "Naamrecord",
             {{"Kenmerk Record", 2, 0, 2, "", "M"},
              {"Naam", 10, 2, 12, "", "O"}}},
            {"99", "Sluitrecord",
             {{"Kenmerk Record", 2, 0, 2, "", "M"},
              {"Aantal", 4, 2, 6, "NNNN", "M"}}},
        };
    }
};

inline constexpr std::string_view toyHeader = "01TOY0702ABC";

// A record whose first field has no width: a walk over it never advances.
class StuckBericht final : public Bericht {
public:
    StuckBericht() {
        Standaard = "STUCK";
        Versie = "07";
        Subversie = "02";
        Codes = {"TOY"};
        Regels = {{"04", "Leeg", {{"Leeg", 0, 0, 0, "", "S"}}}};
    }
};

inline const ToyBericht toy;

// Line 0 the header, lines 1 and 2 of kind 04, line 3 the trailer.
inline const std::string document = std::string(toyHeader) + "\n04XY1234\n04ZZ5678\n990002";
inline constexpr Position line1 = 13, line2 = 22, line3 = 31;

// The header, then one more line.
inline std::string WithDetail(std::string_view detail) { return std::string(toyHeader) + "\n" + std::string(detail); }

// What defining the styles and indicators sends, in order.
inline const std::vector<std::string> setupStylesRequests = {
    "StyleSetBack(0,16777215)", "StyleSetFore(0,6908265)", "StyleSetBack(1,0)", "StyleSetBold(1,1)",
    "IndicSetStyle(0,6)",
    "IndicSetStyle(1,7)", "IndicSetFore(1,4626167)", "IndicSetAlpha(1,80)",
    "IndicSetStyle(2,7)", "IndicSetFore(2,12419407)", "IndicSetAlpha(2,80)",
    "IndicSetStyle(3,7)", "IndicSetFore(3,5066944)", "IndicSetAlpha(3,80)",
    "IndicSetStyle(4,7)", "IndicSetFore(4,5880731)", "IndicSetAlpha(4,80)",
};

class AnalysisTest : public ::testing::Test {
protected:
    void SetUp() override {
        Main::pluginEnabled = true;
        Main::alternateStylingEnabled = false;
        Main::form = &panel;
        Main::views = &views;
        Main::Reset();
    }

    void TearDown() override {
        // Whatever a test did, nothing the real editor would drop or mishandle
        // may have reached it.
        EXPECT_THAT(main.faults, ::testing::IsEmpty());
        EXPECT_THAT(second.faults, ::testing::IsEmpty());
        Main::Reset();
        Main::pluginEnabled = false;
        Main::alternateStylingEnabled = false;
        Main::form = nullptr;
        Main::views = nullptr;
    }

    // Opens a document in the main view. The toy definitions are not in the
    // registry, so the test stands in for the first lookup: an update keeps a
    // remembered definition for as long as the header matches it.
    // Opening another document is a switch of document: Reset, as the host's
    // notification does, and a fresh panel.
    void Open(std::string text, Position caret, const Bericht* matching = &toy, int codePage = 0) {
        EXPECT_THAT(main.faults, ::testing::IsEmpty()) << "in the document opened before";
        main = FakeEditor(std::move(text), caret, codePage);
        panel = RecordingPanel();
        Main::Reset();
        Main::ei = matching;
    }

    // Moves the caret and runs the update the editor's notification starts.
    void UpdateAt(Position caret) {
        main.MoveCaret(caret);
        Main::DoUpdateAll(false);
    }

    // True when `calls` occur in `log` one right after the other.
    static bool InSequence(const std::vector<std::string>& log, const std::vector<std::string>& calls) {
        return std::search(log.begin(), log.end(), calls.begin(), calls.end()) != log.end();
    }

    void ForgetRequests() {
        main.log.clear();
        second.log.clear();
        panel.log.clear();
    }

    FakeEditor main;
    FakeEditor second;
    FakeViews views{main, second};
    RecordingPanel panel;
};

}  // namespace korvex::testing
