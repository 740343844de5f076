#include "analysis/DocumentBounds.h"

#include <algorithm>

namespace korvex {

Span DocumentBounds::Clamp(Position start, Position length) {
    if (!documentLength)
        documentLength = std::max<Position>(editor.Length(), 0);
    const Position first = std::clamp<Position>(start, 0, *documentLength);
    const Position last = std::clamp<Position>(start + std::max<Position>(length, 0), first, *documentLength);
    return {first, last - first};
}

}  // namespace korvex
