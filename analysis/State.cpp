#include "analysis/Main.h"

#include <algorithm>

namespace korvex {

void Main::Reset() noexcept {
    ei = nullptr;
    regel = nullptr;
    regelStart.reset();
    previousStart.reset();
    previousLength.reset();
    previousLine.reset();
}

std::string Main::VersionText(std::string_view versie, std::string_view subversie) {
    const auto withoutLeadingZeros = [](std::string_view text) {
        text.remove_prefix(std::min(text.find_first_not_of('0'), text.size()));
        return text;
    };
    const std::string_view major = withoutLeadingZeros(versie);
    const std::string_view minor = withoutLeadingZeros(subversie);
    // Only the subversion stands in as "0": "01","00" reads "1,0".
    std::string text(major);
    text += ',';
    text += minor.empty() ? std::string_view("0") : minor;
    return text;
}

}  // namespace korvex
