#include "analysis/DocumentBounds.h"
#include "analysis/Main.h"
#include "analysis/Recognise.h"

namespace korvex {

void Main::SetupStyles() {
    Editor& editor = views->Current();
    editor.StyleSetBack(SCE_STYLE_DEFAULT, COLOR_WHITE);
    editor.StyleSetFore(SCE_STYLE_DEFAULT, COLOR_DIM_GREY);
    editor.StyleSetBack(SCE_STYLE_HIGHLIGHT, COLOR_BLACK);
    editor.StyleSetBold(SCE_STYLE_HIGHLIGHT, true);
    editor.IndicSetStyle(SCE_INDIC_ACTIVE, INDIC_BOX);

    const struct {
        int indicator;
        Colour colour;
    } colours[] = {
        {SCE_INDIC_FIRST, COLOR_ORANGE},
        {SCE_INDIC_SECOND, COLOR_LIGHT_BLUE},
        {SCE_INDIC_THIRD, COLOR_RED},
        {SCE_INDIC_FOURTH, COLOR_GREEN},
    };
    for (const auto& [indicator, colour] : colours) {
        editor.IndicSetStyle(indicator, INDIC_ROUNDBOX);
        editor.IndicSetFore(indicator, colour);
        editor.IndicSetAlpha(indicator, INDICATOR_ALPHA);
    }
}

std::int32_t Main::GetIndicator(std::int32_t input) noexcept {
    switch (input % 4) {  // truncating: a negative input has a remainder <= 0
    case 1: return SCE_INDIC_SECOND;
    case 2: return SCE_INDIC_THIRD;
    case 3: return SCE_INDIC_FOURTH;
    default: return SCE_INDIC_FIRST;
    }
}

void Main::RemoveIndicators(std::int32_t start, std::int32_t length) {
    Editor& editor = views->Current();
    const Span span = DocumentBounds(editor).Clamp(start, length);
    for (const int indicator : {SCE_INDIC_ACTIVE, SCE_INDIC_FIRST, SCE_INDIC_SECOND, SCE_INDIC_THIRD, SCE_INDIC_FOURTH}) {
        editor.SetIndicatorCurrent(indicator);
        editor.IndicatorClearRange(span.start, span.length);
    }
}

void Main::DoAlternateStyling() {
    if (!regel)
        return;
    Editor& editor = views->Current();
    const Position position = editor.CurrentPos();
    const Line line = editor.LineFromPosition(position);
    const Position lineStart = editor.PositionFromLine(line);
    const Position lineEnd = editor.LineEndPosition(line);
    const Position lineLength = lineEnd - lineStart;

    DocumentBounds bounds(editor);
    std::int32_t loopPos = 0;
    std::int32_t counter = 0;
    // A field of length 0 would be found again at the same column for ever.
    for (int budget = 100; loopPos < lineLength && budget > 0; --budget) {
        const Veld* veld = regel->FindVeldStartingAt(loopPos);
        if (!veld)
            break;  // past the record's last field: the rest stays unpainted
        // The field starts at loopPos; on a short line it is cut at the line end.
        const Span painted = bounds.Clamp(FieldSpan(*veld, lineStart, lineEnd));
        editor.SetIndicatorCurrent(GetIndicator(counter++));
        editor.IndicatorFillRange(painted.start, painted.length);
        loopPos += veld->Lengte;  // the full width, not the cut one
    }
    previousLine = static_cast<std::int32_t>(line);
}

}  // namespace korvex
