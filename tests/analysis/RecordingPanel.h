// A panel that shows what the real one would show and records each call.
#pragma once

#include <string>
#include <vector>

#include "analysis/Panel.h"

namespace korvex::testing {

class RecordingPanel final : public Panel {
public:
    // What the labels and the list show now.
    std::string standaard, versie, record, patroon, verplicht;
    std::vector<const Veld*> fields;
    const Veld* selected = nullptr;

    std::vector<std::string> log;
    std::vector<std::string>* journal = nullptr;  // also there, when shared with an editor

    void ClearSelection() override {
        Record("ClearSelection");
        selected = nullptr;
    }
    void ClearFields() override {
        Record("ClearFields");
        fields.clear();
        selected = nullptr;
    }
    void AddField(const Veld& veld) override {
        Record("AddField");
        fields.push_back(&veld);
    }
    void SelectField(const Veld& veld) override {
        Record("SelectField(" + std::string(veld.Naam) + ")");
        selected = &veld;
    }
    void UpdateRecord(Text text) override {
        Record("UpdateRecord(" + Show(text) + ")");
        record = text.value_or("");
    }
    void UpdateAlgemeen(Text s, Text v, Text r) override {
        Record("UpdateAlgemeen(" + Show(s) + "," + Show(v) + "," + Show(r) + ")");
        standaard = s.value_or("");
        versie = v.value_or("");
        record = r.value_or("");
    }
    void UpdateVeld(Text p, Text v) override {
        Record("UpdateVeld(" + Show(p) + "," + Show(v) + ")");
        patroon = p.value_or("");
        verplicht = v.value_or("");
    }

    [[nodiscard]] int Count(std::string_view call) const {
        int count = 0;
        for (const auto& entry : log)
            count += entry == call;
        return count;
    }

private:
    void Record(std::string call) {
        if (journal)
            journal->push_back("panel." + call);
        log.push_back(std::move(call));
    }
    static std::string Show(Text text) { return text ? std::string(*text) : std::string("none"); }
};

}  // namespace korvex::testing
