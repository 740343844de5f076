// A document in a fake editor view that answers the analysis' requests the
// way Scintilla does, keeps per-position styles and indicator values, and
// records every request in order.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "analysis/Editor.h"

namespace korvex::testing {

class FakeEditor final : public Editor {
public:
    static constexpr int indicatorCount = 8;
    static constexpr int utf8 = 65001;

    explicit FakeEditor(std::string text = {}, Position caret = 0, int codePage = 0);

    // The user's edits. Indicator values and styles move with the text as the
    // editor moves them: typing inside a marked stretch lengthens it, typing at
    // its start or end does not; deleted text takes its marks along.
    void Type(std::string_view typed);          // at the caret, caret after it
    void Delete(Position start, Position end);  // caret at start
    void MoveCaret(Position position) { caret = position; }
    [[nodiscard]] Position Caret() const noexcept { return caret; }
    [[nodiscard]] const std::string& Text() const noexcept { return text; }

    // The positions of a line, its line end included: 'X' where the indicator
    // is set (or the style is the one asked for), '-' elsewhere.
    [[nodiscard]] std::string Indicated(int indicator, Line line) const;
    [[nodiscard]] std::string Styled(int style, Line line) const;

    struct StyleDefinition {
        std::optional<Colour> fore, back;
        std::optional<bool> bold;
        friend bool operator==(const StyleDefinition&, const StyleDefinition&) = default;
    };
    struct IndicatorDefinition {
        std::optional<int> style;
        std::optional<Colour> fore;
        std::optional<int> alpha;
        friend bool operator==(const IndicatorDefinition&, const IndicatorDefinition&) = default;
    };
    std::map<int, StyleDefinition> styleDefinitions;  // emptied by StyleClearAll
    std::map<int, IndicatorDefinition> indicatorDefinitions;
    int styleClearAlls = 0;
    std::optional<std::pair<Position, Position>> selection;  // anchor, caret of the last SetSel

    std::vector<std::string> log;     // every request, as "Name(arg,arg)"
    std::vector<std::string>* journal = nullptr;  // also there, when shared with a panel
    std::vector<std::string> faults;  // requests the real editor ignores or mishandles

    // Editor.
    Position CurrentPos() override;
    Line LineFromPosition(Position position) override;
    Position PositionFromLine(Line line) override;
    Position LineEndPosition(Line line) override;
    Position Length() override;
    int CodePage() override;
    std::string CurLine(std::size_t bufferSize) override;
    std::string TextRange(Position start, Position end) override;
    void StyleClearAll() override;
    void StyleSetFore(int style, Colour colour) override;
    void StyleSetBack(int style, Colour colour) override;
    void StyleSetBold(int style, bool bold) override;
    void StartStyling(Position start) override;
    void SetStyling(Position length, int style) override;
    void IndicSetStyle(int indicator, int indicatorStyle) override;
    void IndicSetFore(int indicator, Colour colour) override;
    void IndicSetAlpha(int indicator, int alpha) override;
    void SetIndicatorCurrent(int indicator) override;
    void IndicatorFillRange(Position start, Position length) override;
    void IndicatorClearRange(Position start, Position length) override;
    void SetSel(Position anchor, Position caret) override;
    void GotoPos(Position position) override;
    void GrabFocus() override;

private:
    [[nodiscard]] Position Size() const noexcept { return static_cast<Position>(text.size()); }
    [[nodiscard]] Line LinesTotal() const;
    [[nodiscard]] Position LineStart(Line line) const;
    [[nodiscard]] Position LineEnd(Line line) const;
    [[nodiscard]] Line LineOf(Position position) const;
    void Fill(const char* request, Position start, Position length, int value);
    void Record(std::string request) {
        if (journal)
            journal->push_back(request);
        log.push_back(std::move(request));
    }

    std::string text;
    Position caret;
    int codePage;
    std::vector<int> styles;
    std::array<std::vector<int>, indicatorCount> indicators;
    int currentIndicator = 0;
    Position endStyled = 0;
};

// Two editor views; Current() answers with the one named current. With
// flipAfterAsk the host's answer changes after every question, which shows
// whether an operation asks once or again and again.
class FakeViews final : public Views {
public:
    FakeViews(FakeEditor& main, FakeEditor& second) noexcept : views{&main, &second} {}

    Editor& Current() override;

    std::array<FakeEditor*, 2> views;
    int current = 0;
    int asks = 0;
    bool flipAfterAsk = false;
};

}  // namespace korvex::testing
