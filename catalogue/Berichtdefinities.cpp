#include "Berichtdefinities.h"

#include <utility>

#include "definitions/Definitions.h"

namespace korvex {

namespace {
// Constant-initialised empty; filled once, on first use, without a lock: only
// the host's user-interface thread ever asks for it.
std::vector<std::unique_ptr<Bericht>> standaarden;
}  // namespace

const std::vector<std::unique_ptr<Bericht>>& Berichtdefinities::Standaarden() {
    if (standaarden.empty()) {
        // Built aside and moved in whole: should a construction throw, the registry stays
        // empty and the next call tries again, instead of serving a part of the catalogue.
        std::vector<std::unique_ptr<Bericht>> built;
        definitions::AppendAll(built);
        standaarden = std::move(built);
    }
    return standaarden;
}

const Bericht* Berichtdefinities::FindBericht(std::string_view code, std::string_view versie,
                                              std::string_view subversie) {
    for (const auto& bericht : Standaarden())
        if (bericht->Matches(code, versie, subversie))
            return bericht.get();
    return nullptr;
}

}  // namespace korvex
