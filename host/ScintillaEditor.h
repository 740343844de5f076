// The analysis' editor requests, sent to a Scintilla view.
#pragma once

#include <windows.h>

#include "analysis/Editor.h"

namespace korvex::host {

class ScintillaEditor final : public Editor {
public:
    explicit ScintillaEditor(HWND view = nullptr) noexcept : hwnd(view) {}
    void Target(HWND view) noexcept { hwnd = view; }

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
    LRESULT Call(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const noexcept {
        return ::SendMessageW(hwnd, message, wParam, lParam);
    }
    HWND hwnd;
};

// The view the host names as current, asked afresh on every Current(). One
// editor object per view, so a reference an operation holds stays aimed at
// the view it was given, whatever a nested operation asks later.
class HostViews final : public Views {
public:
    Editor& Current() override;

private:
    ScintillaEditor main;
    ScintillaEditor second;
};

}  // namespace korvex::host
