// What the analysis tells the definition panel. The Windows build implements it
// with the docked window; tests record the calls.
#pragma once

#include <optional>
#include <string_view>

#include "catalogue/Bericht.h"

namespace korvex {

using Text = std::optional<std::string_view>;  // none empties the label

class Panel {
public:
    virtual ~Panel() = default;

    // The field list, listBox1. Entries are the catalogue's own Veld objects.
    virtual void ClearSelection() = 0;
    virtual void ClearFields() = 0;
    virtual void AddField(const Veld& veld) = 0;
    virtual void SelectField(const Veld& veld) = 0;  // by identity; scrolls it into view

    virtual void UpdateRecord(Text record) = 0;
    virtual void UpdateAlgemeen(Text standaard, Text versie, Text record) = 0;
    virtual void UpdateVeld(Text patroon, Text verplicht) = 0;
};

}  // namespace korvex
