#include "FakeEditor.h"

#include <algorithm>

namespace korvex::testing {

namespace {
std::string Call(std::string_view name, std::initializer_list<long long> arguments) {
    std::string call(name);
    call += '(';
    for (const long long argument : arguments) {
        if (call.back() != '(')
            call += ',';
        call += std::to_string(argument);
    }
    return call + ')';
}

std::string UpToNul(std::string bytes) {
    bytes.resize(std::min(bytes.find('\0'), bytes.size()));
    return bytes;
}
}  // namespace

FakeEditor::FakeEditor(std::string text, Position caret, int codePage)
    : text(std::move(text)), caret(caret), codePage(codePage) {
    styles.assign(this->text.size(), 0);
    for (auto& values : indicators)
        values.assign(this->text.size(), 0);
}

void FakeEditor::Type(std::string_view typed) {
    const auto at = static_cast<std::size_t>(caret);
    for (auto& values : indicators) {
        // The editor extends a run only when the text goes inside it.
        const int value = (at > 0 && at < values.size() && values[at] != 0) ? values[at - 1] : 0;
        values.insert(values.begin() + caret, typed.size(), value);
    }
    styles.insert(styles.begin() + caret, typed.size(), 0);
    text.insert(at, typed);
    caret += static_cast<Position>(typed.size());
}

void FakeEditor::Delete(Position start, Position end) {
    for (auto& values : indicators)
        values.erase(values.begin() + start, values.begin() + end);
    styles.erase(styles.begin() + start, styles.begin() + end);
    text.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
    caret = start;
}

std::string FakeEditor::Indicated(int indicator, Line line) const {
    std::string picture;
    for (Position p = LineStart(line); p < LineStart(line + 1); ++p)
        picture += indicators[indicator][p] != 0 ? 'X' : '-';
    return picture;
}

std::string FakeEditor::Styled(int style, Line line) const {
    std::string picture;
    for (Position p = LineStart(line); p < LineStart(line + 1); ++p)
        picture += styles[p] == style ? 'X' : '-';
    return picture;
}

Line FakeEditor::LinesTotal() const { return 1 + std::count(text.begin(), text.end(), '\n'); }

Position FakeEditor::LineStart(Line line) const {
    if (line <= 0)
        return 0;
    if (line >= LinesTotal())
        return Size();
    Line seen = 0;
    for (Position p = 0; p < Size(); ++p)
        if (text[p] == '\n' && ++seen == line)
            return p + 1;
    return Size();
}

Position FakeEditor::LineEnd(Line line) const {
    if (line >= LinesTotal() - 1)
        return LineStart(line + 1);
    Position position = LineStart(line + 1) - 1;  // back over the LF
    if (position > LineStart(line) && text[position - 1] == '\r')
        --position;
    return position;
}

Line FakeEditor::LineOf(Position position) const {
    position = std::clamp<Position>(position, 0, Size());
    return std::count(text.begin(), text.begin() + position, '\n');
}

Position FakeEditor::CurrentPos() {
    Record("CurrentPos()");
    return caret;
}

Line FakeEditor::LineFromPosition(Position position) {
    Record(Call("LineFromPosition", {position}));
    return LineOf(position);
}

Position FakeEditor::PositionFromLine(Line line) {
    Record(Call("PositionFromLine", {line}));
    if (line < 0)
        line = LineOf(caret);
    if (line == 0)
        return 0;
    if (line > LinesTotal())
        return -1;
    return LineStart(line);
}

Position FakeEditor::LineEndPosition(Line line) {
    Record(Call("LineEndPosition", {line}));
    return LineEnd(line);
}

Position FakeEditor::Length() {
    Record("Length()");
    return Size();
}

int FakeEditor::CodePage() {
    Record("CodePage()");
    return codePage;
}

std::string FakeEditor::CurLine(std::size_t bufferSize) {
    Record(Call("CurLine", {static_cast<long long>(bufferSize)}));
    if (bufferSize == 0) {
        faults.push_back("CurLine without room for the terminator");
        return {};
    }
    // The line from its start, line end included, at most bufferSize - 1 bytes.
    const Line line = LineOf(caret);
    const Position start = LineStart(line);
    const Position length = std::min<Position>(LineStart(line + 1) - start, static_cast<Position>(bufferSize) - 1);
    return UpToNul(text.substr(start, length));
}

std::string FakeEditor::TextRange(Position start, Position end) {
    Record(Call("TextRange", {start, end}));
    if (end <= start) {
        faults.push_back(Call("TextRange writes its terminator before the buffer", {start, end}));
        return {};
    }
    if (start < 0 || end > Size()) {
        // The editor copies nothing: the zeroed buffer reads as empty text.
        faults.push_back(Call("TextRange outside the document", {start, end}));
        return {};
    }
    return UpToNul(text.substr(start, end - start));
}

void FakeEditor::StyleClearAll() {
    Record("StyleClearAll()");
    ++styleClearAlls;
    styleDefinitions.clear();
}

void FakeEditor::StyleSetFore(int style, Colour colour) {
    Record(Call("StyleSetFore", {style, colour}));
    styleDefinitions[style].fore = colour;
}

void FakeEditor::StyleSetBack(int style, Colour colour) {
    Record(Call("StyleSetBack", {style, colour}));
    styleDefinitions[style].back = colour;
}

void FakeEditor::StyleSetBold(int style, bool bold) {
    Record(Call("StyleSetBold", {style, bold ? 1 : 0}));
    styleDefinitions[style].bold = bold;
}

void FakeEditor::StartStyling(Position start) {
    Record(Call("StartStyling", {start}));
    if (start < 0 || start > Size())
        faults.push_back(Call("StartStyling outside the document", {start}));
    endStyled = start;
}

void FakeEditor::SetStyling(Position length, int style) {
    Record(Call("SetStyling", {length, style}));
    if (length < 0 || endStyled < 0 || endStyled + length > Size()) {
        // Past the end the editor styles nothing at all.
        faults.push_back(Call("SetStyling outside the document", {endStyled, length}));
        return;
    }
    std::fill(styles.begin() + endStyled, styles.begin() + endStyled + length, style);
    endStyled += length;
}

void FakeEditor::IndicSetStyle(int indicator, int indicatorStyle) {
    Record(Call("IndicSetStyle", {indicator, indicatorStyle}));
    indicatorDefinitions[indicator].style = indicatorStyle;
}

void FakeEditor::IndicSetFore(int indicator, Colour colour) {
    Record(Call("IndicSetFore", {indicator, colour}));
    indicatorDefinitions[indicator].fore = colour;
}

void FakeEditor::IndicSetAlpha(int indicator, int alpha) {
    Record(Call("IndicSetAlpha", {indicator, alpha}));
    indicatorDefinitions[indicator].alpha = alpha;
}

void FakeEditor::SetIndicatorCurrent(int indicator) {
    Record(Call("SetIndicatorCurrent", {indicator}));
    if (indicator < 0 || indicator >= indicatorCount)
        faults.push_back(Call("SetIndicatorCurrent out of range", {indicator}));
    else
        currentIndicator = indicator;
}

void FakeEditor::Fill(const char* request, Position start, Position length, int value) {
    Record(Call(request, {start, length}));
    if (length < 0 || start < 0 || start + length > Size()) {
        // RunStyles::FillRange leaves everything as it was.
        faults.push_back(Call(std::string(request) + " outside the document", {start, length}));
        return;
    }
    auto& values = indicators[currentIndicator];
    std::fill(values.begin() + start, values.begin() + start + length, value);
}

void FakeEditor::IndicatorFillRange(Position start, Position length) { Fill("IndicatorFillRange", start, length, 1); }
void FakeEditor::IndicatorClearRange(Position start, Position length) { Fill("IndicatorClearRange", start, length, 0); }

void FakeEditor::SetSel(Position anchor, Position caretPosition) {
    Record(Call("SetSel", {anchor, caretPosition}));
    // Negative values mean "no anchor" and "document end" to the editor.
    if (anchor < 0 || caretPosition < 0 || anchor > Size() || caretPosition > Size())
        faults.push_back(Call("SetSel outside the document", {anchor, caretPosition}));
    selection = {anchor, caretPosition};
    caret = caretPosition;
}

void FakeEditor::GotoPos(Position position) {
    Record(Call("GotoPos", {position}));
    caret = position;
}

void FakeEditor::GrabFocus() { Record("GrabFocus()"); }

Editor& FakeViews::Current() {
    ++asks;
    Editor& answer = *views[current];
    if (flipAfterAsk)
        current = 1 - current;
    return answer;
}

}  // namespace korvex::testing
