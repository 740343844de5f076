// The editor requests the analysis makes, as a narrow interface: the Windows
// build sends them to a Scintilla view, tests answer them from a fake.
#pragma once

#include <cstdint>
#include <string>

namespace korvex {

using Position = std::int64_t;  // byte offset in the document
using Line = std::int64_t;      // 0-based line number
using Colour = std::int32_t;    // 0xBBGGRR, as the editor takes it

class Editor {
public:
    virtual ~Editor() = default;

    [[nodiscard]] virtual Position CurrentPos() = 0;
    [[nodiscard]] virtual Line LineFromPosition(Position position) = 0;
    [[nodiscard]] virtual Position PositionFromLine(Line line) = 0;
    [[nodiscard]] virtual Position LineEndPosition(Line line) = 0;
    [[nodiscard]] virtual Position Length() = 0;
    [[nodiscard]] virtual int CodePage() = 0;  // 65001: the document is UTF-8

    // The caret line from its start, line end included, at most bufferSize - 1
    // bytes: the editor's SCI_GETCURLINE into a zeroed buffer of bufferSize.
    [[nodiscard]] virtual std::string CurLine(std::size_t bufferSize) = 0;
    // Bytes [start, end) via SCI_GETTEXTRANGE into a zeroed buffer of
    // end - start + 1; the caller guarantees start < end.
    [[nodiscard]] virtual std::string TextRange(Position start, Position end) = 0;

    virtual void StyleClearAll() = 0;
    virtual void StyleSetFore(int style, Colour colour) = 0;
    virtual void StyleSetBack(int style, Colour colour) = 0;
    virtual void StyleSetBold(int style, bool bold) = 0;
    virtual void StartStyling(Position start) = 0;
    virtual void SetStyling(Position length, int style) = 0;

    virtual void IndicSetStyle(int indicator, int indicatorStyle) = 0;
    virtual void IndicSetFore(int indicator, Colour colour) = 0;
    virtual void IndicSetAlpha(int indicator, int alpha) = 0;
    virtual void SetIndicatorCurrent(int indicator) = 0;
    virtual void IndicatorFillRange(Position start, Position length) = 0;
    virtual void IndicatorClearRange(Position start, Position length) = 0;

    virtual void SetSel(Position anchor, Position caret) = 0;
    virtual void GotoPos(Position position) = 0;
    virtual void GrabFocus() = 0;
};

// Which view is current is the host's answer at the moment of asking: each
// operation asks once and sends all its requests to the view it got.
class Views {
public:
    virtual ~Views() = default;
    [[nodiscard]] virtual Editor& Current() = 0;
};

}  // namespace korvex
