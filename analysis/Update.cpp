#include "analysis/DocumentBounds.h"
#include "analysis/Main.h"
#include "analysis/Recognise.h"
#include "catalogue/Berichtdefinities.h"

namespace korvex {

namespace {
constexpr std::size_t caretLineBuffer = 1024;  // only the record kind is used
}  // namespace

void Main::DoUpdateAll(bool charAdded) {
    if (!pluginEnabled)
        return;

    // A character typed inside or before the marked field moved or lengthened
    // it by one: the clearing below must reach that far.
    if (charAdded && previousLength)
        ++*previousLength;

    Editor& editor = views->Current();
    DocumentBounds bounds(editor);

    // The header is read afresh every time; only the definition is remembered.
    {
        const std::string code = getCodeKorvex();
        const std::string versie = GetVersie();
        const std::string subversie = GetSubversie();
        if (!ei || !ei->Matches(code, versie, subversie)) {
            regelStart.reset();
            regel = nullptr;
            ei = Berichtdefinities::FindBericht(code, versie, subversie);
        }
    }

    form->ClearSelection();

    if (ei)
        SetupStyles();

    if (previousStart && previousLength && *previousLength > 0 && ei) {
        // After a deletion this may reach past the document's end.
        const Span previous = bounds.Clamp(*previousStart, *previousLength);
        editor.SetIndicatorCurrent(SCE_INDIC_ACTIVE);
        editor.IndicatorClearRange(previous.start, previous.length);
        editor.StartStyling(previous.start);
        editor.SetStyling(previous.length, SCE_STYLE_DEFAULT);
    }

    if (previousLine && ei) {
        const Position start = editor.PositionFromLine(*previousLine);
        const Position end = editor.LineEndPosition(*previousLine);
        RemoveIndicators(static_cast<std::int32_t>(start), static_cast<std::int32_t>(end - start));
    }

    if (!ei) {
        // Marks painted while the document was recognised stay where they are.
        editor.StyleClearAll();
        form->ClearFields();
        form->UpdateAlgemeen(std::nullopt, std::nullopt, std::nullopt);
        form->UpdateVeld(std::nullopt, std::nullopt);
        return;
    }

    const std::string caretLine = UpToTerminator(editor.CurLine(caretLineBuffer));
    const std::optional<std::string_view> kind = RecordKind(caretLine);
    if (!kind)
        return;  // an empty LF line or the empty last line: the panel stays

    bool recordChanged = false;
    if (regelStart != *kind) {
        regelStart = std::string(*kind);
        recordChanged = true;
        form->ClearFields();
        regel = ei->FindRegel(*kind);
    }

    if (!regel) {
        form->UpdateRecord(std::nullopt);
        return;
    }

    if (alternateStylingEnabled)
        DoAlternateStyling();

    if (recordChanged) {
        for (const Veld& veld : regel->Velden)
            form->AddField(veld);
        form->UpdateAlgemeen(ei->Standaard, VersionText(ei->Versie, ei->Subversie), regel->Naam);
    }

    const Position position = editor.CurrentPos();
    const Line line = editor.LineFromPosition(position);
    const Position lineStart = editor.PositionFromLine(line);
    const Position lineEnd = editor.LineEndPosition(line);

    const Veld* veld = regel->FindVeldAt(ColumnAfter(position, lineStart));
    if (!veld) {
        form->UpdateVeld(std::nullopt, std::nullopt);
        return;
    }

    const Span field = FieldSpan(*veld, lineStart, lineEnd);
    RemoveIndicators(static_cast<std::int32_t>(field.start), static_cast<std::int32_t>(field.length));

    const Span marked = bounds.Clamp(field);
    editor.SetIndicatorCurrent(SCE_INDIC_ACTIVE);
    editor.IndicatorFillRange(marked.start, marked.length);
    editor.StartStyling(marked.start);
    editor.SetStyling(marked.length, SCE_STYLE_HIGHLIGHT);

    previousStart = static_cast<std::int32_t>(field.start);
    previousLength = static_cast<std::int32_t>(field.length);

    form->SelectField(*veld);
    form->UpdateVeld(veld->Patroon, veld->Verplicht);
}

}  // namespace korvex
