#include "host/ScintillaEditor.h"

#include <cstring>
#include <vector>

#include "host/HostInterface.h"
#include "host/PluginBase.h"

namespace korvex::host {

namespace {
// The plug-in reads a caret line, a header field or one record field: far
// less than this. A larger request is a fault, not a read.
constexpr Position MaxRead = 1 << 20;

WPARAM W(Position value) noexcept { return static_cast<WPARAM>(value); }
LPARAM L(Position value) noexcept { return static_cast<LPARAM>(value); }
}  // namespace

Position ScintillaEditor::CurrentPos() { return Call(sci::GETCURRENTPOS); }
Line ScintillaEditor::LineFromPosition(Position position) { return Call(sci::LINEFROMPOSITION, W(position)); }
Position ScintillaEditor::PositionFromLine(Line line) { return Call(sci::POSITIONFROMLINE, W(line)); }
Position ScintillaEditor::LineEndPosition(Line line) { return Call(sci::GETLINEENDPOSITION, W(line)); }
Position ScintillaEditor::Length() { return Call(sci::GETLENGTH); }
int ScintillaEditor::CodePage() { return static_cast<int>(Call(sci::GETCODEPAGE)); }

std::string ScintillaEditor::CurLine(std::size_t bufferSize) {
    if (bufferSize == 0 || bufferSize > static_cast<std::size_t>(MaxRead))
        return {};
    // The editor copies up to wParam bytes of the line and then a terminator
    // (older versions one byte fewer): room for both, zeroed.
    std::vector<char> buffer(bufferSize + 1, '\0');
    Call(sci::GETCURLINE, bufferSize, reinterpret_cast<LPARAM>(buffer.data()));
    buffer[bufferSize] = '\0';
    return std::string(buffer.data());
}

std::string ScintillaEditor::TextRange(Position start, Position end) {
    // An empty or reversed range would make the editor write its terminator
    // before the buffer.
    if (start < 0 || end <= start || end - start > MaxRead)
        return {};
    const auto size = static_cast<std::size_t>(end - start) + 1;
    // Zeroed: for a range past the document's end the editor copies nothing.
    std::vector<char> buffer(size, '\0');
    Sci_TextRange range{{static_cast<std::intptr_t>(start), static_cast<std::intptr_t>(end)}, buffer.data()};
    Call(sci::GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    buffer[size - 1] = '\0';
    return std::string(buffer.data());
}

void ScintillaEditor::StyleClearAll() { Call(sci::STYLECLEARALL); }
void ScintillaEditor::StyleSetFore(int style, Colour colour) { Call(sci::STYLESETFORE, style, colour); }
void ScintillaEditor::StyleSetBack(int style, Colour colour) { Call(sci::STYLESETBACK, style, colour); }
void ScintillaEditor::StyleSetBold(int style, bool bold) { Call(sci::STYLESETBOLD, style, bold ? 1 : 0); }
void ScintillaEditor::StartStyling(Position start) { Call(sci::STARTSTYLING, W(start), 31); }
void ScintillaEditor::SetStyling(Position length, int style) { Call(sci::SETSTYLING, W(length), style); }

void ScintillaEditor::IndicSetStyle(int indicator, int indicatorStyle) { Call(sci::INDICSETSTYLE, indicator, indicatorStyle); }
void ScintillaEditor::IndicSetFore(int indicator, Colour colour) { Call(sci::INDICSETFORE, indicator, colour); }
void ScintillaEditor::IndicSetAlpha(int indicator, int alpha) { Call(sci::INDICSETALPHA, indicator, alpha); }
void ScintillaEditor::SetIndicatorCurrent(int indicator) { Call(sci::SETINDICATORCURRENT, indicator); }
void ScintillaEditor::IndicatorFillRange(Position start, Position length) { Call(sci::INDICATORFILLRANGE, W(start), L(length)); }
void ScintillaEditor::IndicatorClearRange(Position start, Position length) { Call(sci::INDICATORCLEARRANGE, W(start), L(length)); }

void ScintillaEditor::SetSel(Position anchor, Position caret) { Call(sci::SETSEL, W(anchor), L(caret)); }
void ScintillaEditor::GotoPos(Position position) { Call(sci::GOTOPOS, W(position)); }
void ScintillaEditor::GrabFocus() { Call(sci::GRABFOCUS); }

Editor& HostViews::Current() {
    const HWND view = PluginBase::GetCurrentScintilla();
    const bool isSecond = view == PluginBase::nppData._scintillaSecondHandle &&
                          view != PluginBase::nppData._scintillaMainHandle;
    ScintillaEditor& editor = isSecond ? second : main;
    editor.Target(view);
    return editor;
}

}  // namespace korvex::host
