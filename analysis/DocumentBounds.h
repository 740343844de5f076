// Every indicator, styling and text range the analysis sends passes through
// here. The editor drops an indicator or styling range that reaches past the
// document's end as a whole, so a stretch that a deletion left inside the
// document would stay marked; a negative start or length is no range at all.
// Cutting each stretch to the document answers all of these in one place.
#pragma once

#include <optional>

#include "analysis/Editor.h"
#include "analysis/Recognise.h"

namespace korvex {

class DocumentBounds {
public:
    explicit DocumentBounds(Editor& editor) noexcept : editor(editor) {}

    // [start, start + length) cut to [0, document length]; empty when they do
    // not meet. The length is asked once, on first use: the analysis never
    // changes the text, so it holds for the whole operation.
    [[nodiscard]] Span Clamp(Position start, Position length);
    [[nodiscard]] Span Clamp(Span span) { return Clamp(span.start, span.length); }

private:
    Editor& editor;
    std::optional<Position> documentLength;
};

}  // namespace korvex
