// The built-in catalogue against the published table, its invariants, and the lookups
// on real definitions.
#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>

#include <gtest/gtest.h>

#include "catalogue/Berichtdefinities.h"
#include "tests/catalogue/CatalogueTable.h"

namespace korvex {
namespace {

using testdata::rows;

std::string ClassName(const Bericht& bericht) {
    return std::string(bericht.Standaard) + "V" + std::string(bericht.Versie) +
           std::string(bericht.Subversie);
}

const Bericht* Find(std::string_view klasse) {
    for (const auto& bericht : Berichtdefinities::Standaarden())
        if (ClassName(*bericht) == klasse)
            return bericht.get();
    return nullptr;
}

const Regel& Record(std::string_view klasse, std::string_view kenmerk) {
    const Bericht* bericht = Find(klasse);
    if (bericht == nullptr)
        throw std::runtime_error("no definition " + std::string(klasse));
    const Regel* regel = bericht->FindRegel(kenmerk);
    if (regel == nullptr)
        throw std::runtime_error("no record " + std::string(kenmerk) + " in " + std::string(klasse));
    return *regel;
}

int RecordLength(const Regel& regel) { return regel.Velden.empty() ? 0 : regel.Velden.back().Eind; }

const testdata::RecordSet& SetOf(char label) {
    for (const auto& set : testdata::recordSets)
        if (set.label == label)
            return set;
    throw std::runtime_error(std::string("no record set ") + label);
}

// The six JW 3.4 definitions spell the record kind "Kenmerkrecord" in every record.
bool SpellsKenmerkrecord(std::string_view klasse) {
    static const std::set<std::string_view> jw = {"JW301V0304", "JW302V0304", "JW305V0304",
                                                  "JW306V0304", "JW307V0304", "JW308V0304"};
    return jw.count(klasse) > 0;
}

std::set<std::string_view> PartialKinds(std::string_view klasse) {
    for (const auto& p : testdata::partial)
        if (p.klasse == klasse)
            return {p.kenmerken.begin(), p.kenmerken.end()};
    return {};
}

TEST(CatalogueTable, TranscriptionHoldsTheTableTotals) {
    int records = 0;
    int fields = 0;
    for (const auto& row : rows) {
        records += static_cast<int>(row.fields.size());
        for (int n : row.fields)
            fields += n;
    }
    EXPECT_EQ(rows.size(), 103u);
    EXPECT_EQ(records, 623);
    EXPECT_EQ(fields, 12151);
}

TEST(CatalogueTable, EveryDefinitionMatchesItsRow) {
    const auto& standaarden = Berichtdefinities::Standaarden();
    ASSERT_EQ(standaarden.size(), rows.size());
    std::map<std::string_view, std::string_view> filledIn;
    for (const auto& f : testdata::filledInCodes)
        filledIn[f.klasse] = f.code;

    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& row = rows[i];
        const Bericht& bericht = *standaarden[i];
        SCOPED_TRACE(testing::Message() << "entry " << i + 1 << " " << row.klasse);
        ASSERT_EQ(ClassName(bericht), row.klasse);
        EXPECT_EQ(bericht.Standaard, row.klasse.substr(0, row.klasse.size() - 5));
        EXPECT_EQ(bericht.Versie, row.klasse.substr(row.klasse.size() - 4, 2));
        EXPECT_EQ(bericht.Subversie, row.klasse.substr(row.klasse.size() - 2, 2));

        std::vector<std::string_view> codes = row.codes;
        if (auto it = filledIn.find(row.klasse); it != filledIn.end())
            codes = {it->second};
        EXPECT_EQ(bericht.Codes, codes);

        const auto& kinds = SetOf(row.recordSet).kinds;
        ASSERT_EQ(bericht.Regels.size(), kinds.size());
        ASSERT_EQ(row.fields.size(), kinds.size());
        const auto partial = PartialKinds(row.klasse);
        for (std::size_t r = 0; r < kinds.size(); ++r) {
            const Regel& regel = bericht.Regels[r];
            SCOPED_TRACE(testing::Message() << "record " << kinds[r].kenmerk);
            EXPECT_EQ(regel.Kenmerk, kinds[r].kenmerk);
            EXPECT_EQ(regel.Naam, kinds[r].naam);
            int length = row.length;
            for (const auto& e : row.except)
                if (e.kenmerk == regel.Kenmerk)
                    length = e.length;
            if (partial.count(regel.Kenmerk)) {
                EXPECT_NE(regel.Velden.size(), static_cast<std::size_t>(row.fields[r]))
                    << "listed as lacking a layout, but complete: take it off the list";
                EXPECT_EQ(regel.Velden.size(), 1u);
                EXPECT_EQ(RecordLength(regel), 2);
            } else {
                EXPECT_EQ(regel.Velden.size(), static_cast<std::size_t>(row.fields[r]));
                EXPECT_EQ(RecordLength(regel), length);
            }
        }
    }
}

TEST(CatalogueTable, PartialListNamesOnlyRealRecords) {
    for (const auto& p : testdata::partial) {
        SCOPED_TRACE(p.klasse);
        const Bericht* bericht = Find(p.klasse);
        ASSERT_NE(bericht, nullptr);
        ASSERT_FALSE(p.kenmerken.empty());
        for (std::string_view kenmerk : p.kenmerken) {
            EXPECT_NE(bericht->FindRegel(kenmerk), nullptr) << kenmerk;
            EXPECT_NE(kenmerk, "01") << "every header is given in full";
        }
    }
}

// Every record of every definition, as the analyser relies on it.
TEST(CatalogueInvariants, RecordsAreContiguousAndStartWithTheirKind) {
    for (const auto& bericht : Berichtdefinities::Standaarden()) {
        const std::string klasse = ClassName(*bericht);
        for (const Regel& regel : bericht->Regels) {
            SCOPED_TRACE(klasse + " record " + std::string(regel.Kenmerk));
            ASSERT_FALSE(regel.Velden.empty());
            int expectedStart = 0;
            for (const Veld& veld : regel.Velden) {
                EXPECT_EQ(veld.Start, expectedStart) << veld.Naam;
                EXPECT_GE(veld.Lengte, 1) << veld.Naam;
                EXPECT_EQ(veld.Eind, veld.Start + veld.Lengte) << veld.Naam;
                EXPECT_FALSE(veld.Naam.empty());
                expectedStart = veld.Eind;
            }
            const Veld& kind = regel.Velden.front();
            EXPECT_EQ(kind.Naam, SpellsKenmerkrecord(klasse) ? "Kenmerkrecord" : "Kenmerk Record");
            EXPECT_EQ(kind.Lengte, 2);
            EXPECT_EQ(kind.Patroon, "");
            const bool qe301Header = klasse == "QE301V0100" && regel.Kenmerk == "01";
            EXPECT_EQ(kind.Verplicht, qe301Header ? "J" : "M");

            // The walk of the alternate colouring visits every field once, in order.
            int positie = 0;
            std::size_t visited = 0;
            while (const Veld* veld = regel.FindVeldStartingAt(positie)) {
                ASSERT_LT(visited, regel.Velden.size());
                EXPECT_EQ(veld, &regel.Velden[visited]);
                positie += veld->Lengte;
                ++visited;
            }
            EXPECT_EQ(visited, regel.Velden.size());
            EXPECT_EQ(positie, RecordLength(regel));
        }
    }
}

TEST(CatalogueInvariants, KindsAreUniqueAscendingWithAHeader) {
    for (const auto& bericht : Berichtdefinities::Standaarden()) {
        SCOPED_TRACE(ClassName(*bericht));
        ASSERT_FALSE(bericht->Regels.empty());
        EXPECT_EQ(bericht->Regels.front().Kenmerk, "01");
        for (std::size_t i = 1; i < bericht->Regels.size(); ++i)
            EXPECT_LT(bericht->Regels[i - 1].Kenmerk, bericht->Regels[i].Kenmerk);
        for (const Regel& regel : bericht->Regels) {
            EXPECT_EQ(regel.Kenmerk.size(), 2u);
            EXPECT_TRUE(std::all_of(regel.Kenmerk.begin(), regel.Kenmerk.end(),
                                    [](char c) { return c >= '0' && c <= '9'; }));
        }
    }
}

TEST(CatalogueInvariants, HeaderValuesLieAtTheSamePlacesEverywhere) {
    const std::pair<int, int> prefix[] = {{0, 2}, {2, 5}, {5, 7}, {7, 9}};
    for (const auto& bericht : Berichtdefinities::Standaarden()) {
        SCOPED_TRACE(ClassName(*bericht));
        const Regel* header = bericht->FindRegel("01");
        ASSERT_NE(header, nullptr);
        ASSERT_GE(header->Velden.size(), 5u);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(header->Velden[i].Start, prefix[i].first);
            EXPECT_EQ(header->Velden[i].Eind, prefix[i].second);
        }
    }
}

TEST(CatalogueInvariants, PatternsAndLettersComeFromTheVocabulary) {
    // Pattern -> the widths it may have.
    const std::map<std::string_view, std::set<int>> patterns = {
        {"", {}}, {"EEJJMMDD", {8}}, {"NNNNNNNN", {8}}, {"NNNN", {4}}, {"NNN", {3}},
        {"NNNNAA", {6}}, {"NNNNN", {5}}, {"AA", {2}}, {"EEJJ", {4, 12}}, {"UUMM", {4}},
        {"HHMMSS", {6}}, {"KK", {2}}, {"MM", {2}}, {"NNN,NN", {5}}, {"EEJJMMDDUUMMSS", {14}},
    };
    const std::set<std::string_view> unpublished(testdata::lettersUnpublished.begin(),
                                                 testdata::lettersUnpublished.end());
    for (const auto& bericht : Berichtdefinities::Standaarden()) {
        const std::string klasse = ClassName(*bericht);
        for (const Regel& regel : bericht->Regels) {
            for (const Veld& veld : regel.Velden) {
                SCOPED_TRACE(klasse + " " + std::string(regel.Kenmerk) + " " + std::string(veld.Naam));
                auto p = patterns.find(veld.Patroon);
                ASSERT_NE(p, patterns.end()) << "pattern " << veld.Patroon;
                if (!veld.Patroon.empty()) {
                    EXPECT_TRUE(p->second.count(veld.Lengte)) << "width " << veld.Lengte;
                }

                const std::string_view v = veld.Verplicht;
                if (v.empty()) {
                    // Only where the layout's source gives no letter; never in a header.
                    EXPECT_TRUE(unpublished.count(klasse));
                    EXPECT_NE(regel.Kenmerk, "01");
                } else {
                    EXPECT_TRUE(v == "M" || v == "C" || v == "O" || v == "S" || v == "J") << v;
                }
                if (v == "S") {
                    EXPECT_EQ(veld.Naam.substr(0, 7), "Reserve");
                }
                if (v == "J") {
                    EXPECT_TRUE(klasse == "QE301V0100" && regel.Kenmerk == "01" && veld.Start == 0);
                }
            }
        }
    }
}

TEST(Registry, HoldsTheDefinitionsInClassNameOrder) {
    const auto& standaarden = Berichtdefinities::Standaarden();
    ASSERT_EQ(standaarden.size(), 103u);
    EXPECT_EQ(ClassName(*standaarden[0]), "AP304V0702");
    EXPECT_EQ(ClassName(*standaarden[54]), "QD301V0100");
    EXPECT_EQ(ClassName(*standaarden[55]), "QDG301V0100");
    EXPECT_EQ(ClassName(*standaarden[102]), "ZV303V0100");
    for (std::size_t i = 1; i < standaarden.size(); ++i)
        EXPECT_LT(ClassName(*standaarden[i - 1]), ClassName(*standaarden[i]));
}

TEST(Registry, IsBuiltOnceAndHandsOutTheSameObjects) {
    const auto& first = Berichtdefinities::Standaarden();
    std::vector<const Bericht*> before;
    for (const auto& bericht : first)
        before.push_back(bericht.get());
    const auto& second = Berichtdefinities::Standaarden();
    EXPECT_EQ(&first, &second);
    ASSERT_EQ(second.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(second[i].get(), before[i]);
    EXPECT_EQ(Berichtdefinities::FindBericht("249", "01", "00"), before[24]);
}

TEST(FindBericht, AnswersHeaderTriplesByFirstMatch) {
    const struct {
        std::string_view code, versie, subversie;
        std::optional<std::string_view> klasse;
    } cases[] = {
        {"101", "07", "02", "ZH308V0702"},
        {"103", "07", "02", "ZH308V0702"},  // any of the definition's codes answers
        {"101", "09", "00", "ZH308V0900"},
        {"106", "07", "02", "AP304V0702"},
        {"193", "08", "00", "AP304V0800"},
        {"101", "7", "02", std::nullopt},   // no numeric reading
        {"106", "08", "00", std::nullopt},  // AP304 08.00 answers only to 193
        {" 101", "07", "02", std::nullopt},
        {"183", "01", "01", "FZ301V0101"},
        {"183", "02", "00", "FZ301V0200"},
        {"450", "02", "00", "JW303V0200"},
        {"450", "01", "00", std::nullopt},
        {"517", "01", "01", "QA302V0101"},
        {"524", "02", "00", "QA302V0200"},
        {"430", "01", "04", "AW319V0104"},
        {"431", "01", "04", "AW320V0104"},
        {"189", "01", "00", "ZH310V0100"},
        {"246", "01", "00", "ZV303V0100"},
        // Codes the table leaves open, as filled in.
        {"181", "02", "01", "GZ311V0201"},
        {"181", "02", "00", "GZ311V0200"},
        {"182", "02", "01", "GZ312V0201"},
        {"416", "01", "00", "WMO303V0100"},
        {"191", "01", "01", "EF301V0101"},
        {"192", "01", "01", "EF302V0101"},
        {"518", "01", "01", "QZ302V0101"},
        {"570", "02", "00", "QF302V0200"},
        {"513", "02", "00", "QF301V0200"},
        {"513", "01", "00", "QF301V0100"},
        // The standard's title stood where QF301 02.00's code belongs; it is no code.
        {"EI Aanleverspecificaties schadelastinformatie farmaceutische hulp", "02", "00",
         std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.code << "\" " << c.versie << ' ' << c.subversie);
        const Bericht* found = Berichtdefinities::FindBericht(c.code, c.versie, c.subversie);
        if (!c.klasse) {
            EXPECT_EQ(found, nullptr);
            continue;
        }
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(ClassName(*found), *c.klasse);
    }
}

TEST(FindBericht, NoTwoDefinitionsShareAThreeDigitTriple) {
    std::map<std::tuple<std::string_view, std::string_view, std::string_view>, std::string> seen;
    for (const auto& bericht : Berichtdefinities::Standaarden())
        for (std::string_view code : bericht->Codes) {
            if (code.size() != 3)
                continue;
            auto [it, fresh] = seen.emplace(std::tuple{code, bericht->Versie, bericht->Subversie},
                                            ClassName(*bericht));
            EXPECT_TRUE(fresh) << code << " " << bericht->Versie << bericht->Subversie << ": "
                               << it->second << " and " << ClassName(*bericht);
        }
}

TEST(FindRegel, FindsRecordKindsExactly) {
    EXPECT_EQ(Find("GZ340V0100")->FindRegel("98"), nullptr);
    EXPECT_EQ(Find("JW306V0304")->FindRegel("98"), nullptr);
    EXPECT_EQ(Record("JW306V0304", "27").Naam, "Zorgzwaartepakketrecord (geleverd)");
    for (const auto& bericht : Berichtdefinities::Standaarden()) {
        EXPECT_EQ(bericht->FindRegel("1 "), nullptr) << ClassName(*bericht);
        EXPECT_EQ(bericht->FindRegel("1"), nullptr) << ClassName(*bericht);
    }
}

// Field lookups on the data, as the caret, double-click and panel use them.
TEST(FieldLookups, FindTheFieldsThatTheLayoutsPlace) {
    enum class By { At, StartingAt, Naam };
    const struct {
        std::string_view klasse, kenmerk;
        By by;
        int positie;
        std::string_view naam;  // the argument of By::Naam
        std::optional<std::string_view> found;
        int start;
    } cases[] = {
        {"GZ340V0100", "01", By::At, 0, {}, "Kenmerk Record", 0},
        {"GZ340V0100", "01", By::At, 2, {}, "Kenmerk Record", 0},  // boundary: earlier field
        {"GZ340V0100", "01", By::At, 3, {}, "Code Externe-integratiebericht", 2},
        {"GZ340V0100", "01", By::At, 31, {}, "Berichtnummer", 25},
        {"GZ340V0100", "01", By::At, 32, {}, "Reserve", 31},
        {"GZ340V0100", "01", By::At, 170, {}, "Reserve", 31},  // the record's length
        {"GZ340V0100", "01", By::At, 171, {}, std::nullopt, 0},
        {"GZ340V0100", "01", By::At, -1, {}, std::nullopt, 0},
        {"GZ340V0100", "01", By::StartingAt, 31, {}, "Reserve", 31},
        {"GZ340V0100", "01", By::StartingAt, 30, {}, std::nullopt, 0},
        {"ZH309V0702", "01", By::At, 310, {}, "Reserve", 117},
        {"ZH309V0702", "01", By::At, 311, {}, "Referentienummer Zorgverzekeraar", 310},
        {"ZH309V0702", "01", By::At, 370, {}, "Reserve", 354},
        {"QH301V0101", "04", By::At, 125, {}, "Indicatie Debet/credit (03)", 124},
        {"QH301V0101", "04", By::At, 126, {}, "Referentienummer Dit Prestatierecord", 125},
        {"AP305V0702", "01", By::Naam, 0, "Reserve", "Reserve", 117},  // first of two
        {"EF301V0101", "01", By::At, 14, {}, "Uzovi-nummer ", 13},
        {"EF301V0101", "01", By::Naam, 0, "Uzovi-nummer ", "Uzovi-nummer ", 13},
        {"EF301V0101", "01", By::Naam, 0, "Uzovi-nummer", std::nullopt, 0},  // no trimming
        {"ZV303V0100", "98", By::Naam, 0, "Status Aanlevering Record", "Status Aanlevering Record", 158},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.klasse << " " << c.kenmerk << " positie " << c.positie
                                        << " naam \"" << c.naam << '"');
        const Regel& regel = Record(c.klasse, c.kenmerk);
        const Veld* veld = c.by == By::At           ? regel.FindVeldAt(c.positie)
                           : c.by == By::StartingAt ? regel.FindVeldStartingAt(c.positie)
                                                    : regel.FindVeldByNaam(c.naam);
        if (!c.found) {
            EXPECT_EQ(veld, nullptr);
            continue;
        }
        ASSERT_NE(veld, nullptr);
        EXPECT_EQ(veld->ToString(), *c.found);
        EXPECT_EQ(veld->Start, c.start);
    }
}

TEST(RecordLayouts, ReturnBlocksAndCommentRecordsSitWhereTheTablesPutThem) {
    const Regel& ap305 = Record("AP305V0800", "01");
    EXPECT_EQ(ap305.FindVeldStartingAt(360)->Naam, "Referentienummer Zorgverzekeraar");
    EXPECT_EQ(ap305.FindVeldAt(360)->Start, 117);  // the filler reaches the return block
    EXPECT_EQ(ap305.Velden.back().Naam, "Reserve");
    EXPECT_EQ(ap305.Velden.back().Start, 404);
    EXPECT_EQ(ap305.Velden.back().Lengte, 26);

    const Regel& ha305 = Record("HA305V0402", "98");
    EXPECT_EQ(ha305.Velden.size(), 16u);
    EXPECT_EQ(RecordLength(ha305), 380);
    EXPECT_EQ(ha305.FindVeldStartingAt(310)->Naam, "Code Verwerking");

    const Regel& zv303 = Record("ZV303V0100", "98");
    EXPECT_EQ(zv303.FindVeldStartingAt(158)->Eind, 159);

    const Regel& ef302 = Record("EF302V0101", "01");
    EXPECT_EQ(ef302.FindVeldStartingAt(51)->Naam, "Reserve (01)");
    EXPECT_EQ(ef302.Velden.back().Naam, "Reserve (02)");
    EXPECT_EQ(RecordLength(ef302), 1370);

    for (std::string_view kenmerk : {"01", "02", "04", "99"})
        EXPECT_EQ(RecordLength(Record("QH301V0101", kenmerk)), 250) << kenmerk;
    EXPECT_EQ(RecordLength(Record("GZ340V0100", "01")), 170);
}

TEST(Texts, UnicodeLettersAndTrailingBlanksArePartOfTheNames) {
    // Bytes spelled out, so that the test does not share the compiler's reading of the source.
    EXPECT_EQ(Record("ZV303V0100", "02").Naam, "Cli\xc3\xab" "ntrecord");
    EXPECT_EQ(Record("ZV303V0100", "09").Naam, "Functierecord (ge\xc3\xaf" "ndiceerd)");
    EXPECT_EQ(Record("EF301V0101", "18").Naam, "(e)125 formulierrecord ");
    EXPECT_EQ(Record("EF302V0101", "18").Naam, "(e)125 formulierrecord ");
    EXPECT_EQ(Record("EF301V0101", "01").FindVeldStartingAt(13)->Naam, "Uzovi-nummer ");
}

}  // namespace
}  // namespace korvex
