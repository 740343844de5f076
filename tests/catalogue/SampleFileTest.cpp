// A real Vektis test file (GZ321 1.0) read through the catalogue, as the analyser reads it.
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "catalogue/Berichtdefinities.h"

namespace korvex {
namespace {

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            lines.push_back(line);
    return lines;
}

class SampleGZ321 : public testing::Test {
protected:
    void SetUp() override {
        lines = ReadLines(KORVEX_VEKTIS_SAMPLES "/GZ321-basisbestand-correct.ASC");
        ASSERT_FALSE(lines.empty()) << "sample not found under " KORVEX_VEKTIS_SAMPLES;
        bericht = Berichtdefinities::FindBericht(lines[0].substr(2, 3), lines[0].substr(5, 2),
                                                 lines[0].substr(7, 2));
        ASSERT_NE(bericht, nullptr);
    }

    const std::string& FirstLineOfKind(std::string_view kenmerk) const {
        for (const std::string& line : lines)
            if (line.compare(0, 2, kenmerk) == 0)
                return line;
        throw std::runtime_error("no line of kind " + std::string(kenmerk));
    }

    std::vector<std::string> lines;
    const Bericht* bericht = nullptr;
};

TEST_F(SampleGZ321, HeaderIsRecognisedAndEveryLineHasItsRecordAndLength) {
    EXPECT_EQ(bericht->Standaard, "GZ321");
    EXPECT_EQ(bericht->Versie, "01");
    EXPECT_EQ(bericht->Subversie, "00");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "line " << i + 1);
        const Regel* regel = bericht->FindRegel(lines[i].substr(0, 2));
        ASSERT_NE(regel, nullptr) << lines[i].substr(0, 2);
        EXPECT_EQ(static_cast<int>(lines[i].size()), regel->Velden.back().Eind);
    }
}

// Columns where the caret stands (FindVeldAt takes column + 1), the field that the
// official GZ321 sheet places there, and what this file holds in it.
TEST_F(SampleGZ321, CaretColumnsFindTheFieldsOfTheOfficialSheet) {
    const struct {
        std::string_view kenmerk;
        int column;
        std::string_view naam;
        std::string_view value;  // the start of the field's text in the first line of the kind
    } cases[] = {
        {"01", 2, "Code Externe-integratiebericht", "195"},
        {"01", 71, "Begindatum Declaratieperiode", "20150101"},
        {"01", 114, "Valutacode", "EUR"},
        {"02", 14, "Burgerservicenummer (bsn) Verzekerde", "600000291"},
        {"02", 53, "Datum Geboorte Verzekerde", "19940130"},
        {"02", 146, "Postcode (huisadres) Verzekerde", "3831PE"},
        {"04", 61, "Prestatiecode/dbc Declaratiecode", "26A012"},
        {"04", 79, "Begindatum Prestatie", "20140101"},
        {"04", 247, "Indicatie Debet/credit", "D"},
        {"06", 72, "Poortspecialisme", "0329"},
        {"06", 166, "Referentienummer Dit Tariefrecord", "pres001_tar001"},
        {"16", 61, "Activiteitcode", "act_9.1"},
        {"16", 81, "Begindatum Zorgactiviteit", "20140110"},
        {"17", 63, "Zorgverlenerscode Hoofdbehandelaar", "03029353"},
        {"17", 106, "Referentienummer Dit Tijdsbestedingrecord", "pres001_tb001"},
        {"98", 18, "Vrije Tekst", "dit is het commentaar"},
        {"99", 14, "Aantal Prestatierecords", "000006"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kenmerk << " column " << c.column);
        const std::string& line = FirstLineOfKind(c.kenmerk);
        const Regel* regel = bericht->FindRegel(c.kenmerk);
        ASSERT_NE(regel, nullptr);
        const Veld* veld = regel->FindVeldAt(c.column + 1);
        ASSERT_NE(veld, nullptr);
        EXPECT_EQ(veld->Naam, c.naam);
        EXPECT_EQ(line.substr(veld->Start, veld->Lengte).substr(0, c.value.size()), c.value);
    }
}

// The trailer counts the file's records: read at the trailer's own field positions, the
// counts agree with the lines, which they would not if a position were off.
TEST_F(SampleGZ321, TrailerCountsAgreeWithTheLines) {
    std::map<std::string, int> perKind;
    for (const std::string& line : lines)
        ++perKind[line.substr(0, 2)];
    const std::string& trailer = FirstLineOfKind("99");
    const Regel* sluit = bericht->FindRegel("99");
    ASSERT_NE(sluit, nullptr);
    const struct {
        std::string_view naam;
        int count;
    } counts[] = {
        {"Aantal Verzekerdenrecords", perKind["02"]},
        {"Aantal Prestatierecords", perKind["04"]},
        {"Aantal Tariefrecords", perKind["06"]},
        {"Aantal Zorgactiviteitrecords", perKind["16"]},
        {"Aantal Tijdsbestedingrecords", perKind["17"]},
        {"Aantal Commentaarrecords", perKind["98"]},
        {"Totaal Aantal Detailrecords", static_cast<int>(lines.size()) - 2},
    };
    for (const auto& c : counts) {
        SCOPED_TRACE(c.naam);
        const Veld* veld = sluit->FindVeldByNaam(c.naam);
        ASSERT_NE(veld, nullptr);
        EXPECT_EQ(std::stoi(trailer.substr(veld->Start, veld->Lengte)), c.count);
    }
}

TEST_F(SampleGZ321, DateFieldsHoldDates) {
    for (const std::string& line : lines) {
        const Regel* regel = bericht->FindRegel(line.substr(0, 2));
        ASSERT_NE(regel, nullptr);
        for (const Veld& veld : regel->Velden) {
            if (veld.Patroon != "EEJJMMDD")
                continue;
            const std::string value = line.substr(veld.Start, veld.Lengte);
            SCOPED_TRACE(std::string(regel->Kenmerk) + " " + std::string(veld.Naam) + " [" + value + "]");
            EXPECT_EQ(value.find_first_not_of("0123456789"), std::string::npos);
            EXPECT_TRUE(value == "00000000" || value.compare(0, 2, "19") == 0 ||
                        value.compare(0, 2, "20") == 0);
        }
    }
}

}  // namespace
}  // namespace korvex
