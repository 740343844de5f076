#include "analysis/DocumentBounds.h"
#include "analysis/Main.h"
#include "analysis/Recognise.h"

namespace korvex {

std::string Main::GetSubstringFromOpenDocument(std::int64_t start, std::int64_t end) {
    if (end <= start)
        return {};
    Editor& editor = views->Current();
    // A document shorter than the range (a header of fewer than 9 characters)
    // gives what is there, which answers to no definition.
    const Span range = DocumentBounds(editor).Clamp(start, end - start);
    if (range.length == 0)
        return {};
    return UpToTerminator(editor.TextRange(range.start, range.End()));
}

// The header values lie at the same places in every definition.
std::string Main::getCodeKorvex() { return GetSubstringFromOpenDocument(2, 5); }
std::string Main::GetVersie() { return GetSubstringFromOpenDocument(5, 7); }
std::string Main::GetSubversie() { return GetSubstringFromOpenDocument(7, 9); }

}  // namespace korvex
