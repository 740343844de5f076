// Message, record and field definitions of the EI standards, and the lookups on them.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace korvex {

// One fixed-width field. Texts are UTF-8 and point into static data: the
// catalogue never copies a name, so building it allocates per record, not per field.
struct Veld {
    std::string_view Naam;
    std::int32_t Lengte = 0;
    std::int32_t Start = 0;
    std::int32_t Eind = 0;  // always Start + Lengte
    std::string_view Patroon;
    std::string_view Verplicht;

    [[nodiscard]] std::string_view ToString() const noexcept { return Naam; }
};

// One record kind: the lines whose first two characters are Kenmerk.
struct Regel {
    std::string_view Kenmerk;
    std::string_view Naam;
    std::vector<Veld> Velden;  // in line order, contiguous from column 0

    // First field with Start <= positie <= Eind: both bounds inclusive, so on a
    // boundary the earlier field wins. Callers pass a caret column plus one.
    [[nodiscard]] const Veld* FindVeldAt(std::int32_t positie) const noexcept;
    [[nodiscard]] const Veld* FindVeldStartingAt(std::int32_t positie) const noexcept;
    [[nodiscard]] const Veld* FindVeldByNaam(std::string_view naam) const noexcept;
};

// One standard at one version and subversion. Each built-in definition is a
// class derived from it whose constructor only fills in the data.
class Bericht {
public:
    std::string_view Standaard;
    std::string_view Versie;
    std::string_view Subversie;
    std::vector<std::string_view> Codes;
    std::vector<Regel> Regels;  // ascending Kenmerk

    virtual ~Bericht() = default;
    Bericht(const Bericht&) = delete;
    Bericht& operator=(const Bericht&) = delete;

    // Exact, case-sensitive comparisons: "7" is not "07", " 01" is not "01".
    [[nodiscard]] bool Matches(std::string_view code, std::string_view versie,
                               std::string_view subversie) const noexcept;
    [[nodiscard]] const Regel* FindRegel(std::string_view kenmerk) const noexcept;

protected:
    Bericht() = default;
};

}  // namespace korvex
