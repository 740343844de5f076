// The pure half of the analysis: from the bytes and positions the editor
// reports to fields, stretches and columns. Nothing here talks to an editor.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/Editor.h"
#include "catalogue/Bericht.h"

namespace korvex {

// A stretch of the document as indicator and styling requests take it.
struct Span {
    Position start = 0;
    Position length = 0;

    [[nodiscard]] Position End() const noexcept { return start + length; }
    friend bool operator==(const Span&, const Span&) = default;
};

// The column FindVeldAt takes for a caret or click position: the 0-based
// column of the character just right of it, plus one. Saturated, so that an
// absurd distance finds no field instead of wrapping onto one.
[[nodiscard]] std::int32_t ColumnAfter(Position position, Position lineStart) noexcept;

// A field of the line that starts at lineStart, cut at lineEnd so that it never
// covers the line-end characters or the next line. A field that begins past the
// line end (the caret inside CR LF) gives an empty stretch, never a negative one.
[[nodiscard]] Span FieldSpan(const Veld& veld, Position lineStart, Position lineEnd) noexcept;

// Text handed over by the editor ends at its first zero byte. Bytes stay bytes:
// one position is one character of the fixed-width record.
[[nodiscard]] std::string UpToTerminator(std::string text);

// The record kind of a line: its first two characters; none for a shorter line.
[[nodiscard]] std::optional<std::string_view> RecordKind(std::string_view line) noexcept;

// What a trimmed selection keeps of a field: `lead` blanks skipped, then `kept`
// bytes. In a single-byte document the Western no-break space 0xA0 is blank
// too; in any multi-byte one only ASCII white space is, since 0xA0 there can be
// the tail of a character that a trim must not cut in two.
struct Trim {
    Position lead = 0;
    Position kept = 0;
};
[[nodiscard]] Trim TrimBlanks(std::string_view text, bool singleByte) noexcept;

}  // namespace korvex
