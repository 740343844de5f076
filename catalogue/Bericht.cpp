#include "Bericht.h"

#include <algorithm>

namespace korvex {

const Veld* Regel::FindVeldAt(std::int32_t positie) const noexcept {
    for (const Veld& veld : Velden)
        if (veld.Start <= positie && positie <= veld.Eind)
            return &veld;
    return nullptr;
}

const Veld* Regel::FindVeldStartingAt(std::int32_t positie) const noexcept {
    for (const Veld& veld : Velden)
        if (veld.Start == positie)
            return &veld;
    return nullptr;
}

const Veld* Regel::FindVeldByNaam(std::string_view naam) const noexcept {
    for (const Veld& veld : Velden)
        if (veld.Naam == naam)
            return &veld;
    return nullptr;
}

bool Bericht::Matches(std::string_view code, std::string_view versie,
                      std::string_view subversie) const noexcept {
    return Versie == versie && Subversie == subversie &&
           std::find(Codes.begin(), Codes.end(), code) != Codes.end();
}

const Regel* Bericht::FindRegel(std::string_view kenmerk) const noexcept {
    for (const Regel& regel : Regels)
        if (regel.Kenmerk == kenmerk)
            return &regel;
    return nullptr;
}

}  // namespace korvex
