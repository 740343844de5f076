#include "analysis/Main.h"
#include "analysis/Recognise.h"

namespace korvex {

namespace {
constexpr std::int32_t SCMOD_CTRL = 2;
constexpr int singleByteCodePage = 0;  // the editor's code page for an ANSI document
}  // namespace

// The line the editor reports is not used: the line is taken from the position.
void Main::DoubleClick(std::int64_t position, [[maybe_unused]] std::int64_t line, std::int32_t modifiers) {
    if (!pluginEnabled || !regel)
        return;
    // A double-click beside the text may come with a negative position, which
    // is no place in the document: the editor's own selection stays.
    if (position < 0)
        return;

    Editor& editor = views->Current();
    const Line clicked = editor.LineFromPosition(position);
    const Position lineStart = editor.PositionFromLine(clicked);
    const Position lineEnd = editor.LineEndPosition(clicked);

    const Veld* veld = regel->FindVeldAt(ColumnAfter(position, lineStart));
    if (!veld)
        return;  // after the record's last field
    const Span field = FieldSpan(*veld, lineStart, lineEnd);

    // Anchor at the right end, caret at the left: the next update marks the
    // field the caret now stands in front of.
    if (modifiers == SCMOD_CTRL) {
        const std::string text = GetSubstringFromOpenDocument(field.start, field.End());
        const Trim trim = TrimBlanks(text, editor.CodePage() == singleByteCodePage);
        editor.SetSel(field.start + trim.lead + trim.kept, field.start + trim.lead);
    } else {
        editor.SetSel(field.End(), field.start);
    }
}

}  // namespace korvex
