#include "analysis/Recognise.h"

#include <algorithm>
#include <limits>

namespace korvex {

std::int32_t ColumnAfter(Position position, Position lineStart) noexcept {
    constexpr Position lowest = std::numeric_limits<std::int32_t>::min();
    constexpr Position highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp<Position>(position - lineStart + 1, lowest, highest));
}

Span FieldSpan(const Veld& veld, Position lineStart, Position lineEnd) noexcept {
    const Position start = lineStart + veld.Start;
    Position length = veld.Lengte;
    if (start + length > lineEnd)
        length = std::max<Position>(lineEnd - start, 0);
    return {start, length};
}

std::string UpToTerminator(std::string text) {
    if (const auto zero = text.find('\0'); zero != std::string::npos)
        text.resize(zero);
    return text;
}

std::optional<std::string_view> RecordKind(std::string_view line) noexcept {
    if (line.size() < 2)
        return std::nullopt;
    return line.substr(0, 2);
}

namespace {
bool IsBlank(unsigned char byte, bool singleByte) noexcept {
    return byte == ' ' || (byte >= '\t' && byte <= '\r') || (singleByte && byte == 0xA0);
}
}  // namespace

Trim TrimBlanks(std::string_view text, bool singleByte) noexcept {
    const auto blank = [singleByte](char c) { return IsBlank(static_cast<unsigned char>(c), singleByte); };
    const auto first = std::find_if_not(text.begin(), text.end(), blank);
    const auto last = std::find_if_not(text.rbegin(), std::make_reverse_iterator(first), blank).base();
    return {first - text.begin(), last - first};
}

}  // namespace korvex
