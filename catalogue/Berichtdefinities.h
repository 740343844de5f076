// The registry of the built-in message definitions.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "Bericht.h"

namespace korvex {

class Berichtdefinities {
public:
    // All built-in definitions in registry order (ascending class name). Built
    // on the first call, on the caller's thread, and kept until unload.
    [[nodiscard]] static const std::vector<std::unique_ptr<Bericht>>& Standaarden();

    // The first definition in registry order that answers to the header's texts.
    [[nodiscard]] static const Bericht* FindBericht(std::string_view code, std::string_view versie,
                                                    std::string_view subversie);
};

}  // namespace korvex
