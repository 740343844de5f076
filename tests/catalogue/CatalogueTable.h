// The catalogue table as published: record sets, the 103 definitions in registry order,
// and the records that no published layout gives. Transcribed separately from the
// generator's data so that a fault in either shows up here.
#pragma once

#include <string_view>
#include <vector>

namespace korvex::testdata {

struct RecordKind {
    std::string_view kenmerk;
    std::string_view naam;
};

struct RecordSet {
    char label;
    std::vector<RecordKind> kinds;
};

inline const std::vector<RecordSet> recordSets = {
    {'A', {{"01", "Voorlooprecord"}, {"02", "Verzekerdenrecord"}, {"04", "Prestatierecord"}, {"98", "Commentaarrecord"}, {"99", "Sluitrecord"}}},
    {'B', {{"01", "Voorlooprecord"}, {"18", "(e)125 formulierrecord "}, {"99", "Sluitrecord"}}},
    {'C', {{"01", "Voorlooprecord"}, {"02", "Verzekerdenrecord"}, {"04", "Prestatierecord"}, {"05", "Verblijfrecord"}, {"98", "Commentaarrecord"}, {"99", "Sluitrecord"}}},
    {'D', {{"01", "Voorlooprecord"}, {"02", "Verzekerdenrecord"}, {"04", "Prestatierecord"}, {"06", "Tariefrecord"}, {"98", "Commentaarrecord"}, {"99", "Sluitrecord"}}},
    {'E', {{"01", "Voorlooprecord"}, {"02", "Verzekerdenrecord"}, {"04", "Prestatierecord"}, {"06", "Tariefrecord"}, {"16", "Zorgactiviteitrecord"}, {"17", "Tijdsbestedingrecord"}, {"98", "Commentaarrecord"}, {"99", "Sluitrecord"}}},
    {'F', {{"01", "Voorlooprecord"}, {"04", "Prestatierecord"}, {"99", "Sluitrecord"}}},
    {'G', {{"01", "Voorlooprecord"}, {"02", "Clientrecord"}, {"03", "Relatierecord"}, {"04", "Adresrecord"}, {"06", "Ziektebeeld- en stoornisrecord"}, {"07", "Beperkingrecord"}, {"08", "Beschikkingrecord"}, {"09", "Productrecord (beschikt)"}, {"11", "Score stoornisrecord"}, {"12", "Score beperkingrecord"}, {"15", "Productrecord (toegewezen)"}, {"22", "Zorgzwaartepakketrecord (beschikt)"}, {"25", "Zorgzwaartepakketrecord (toegewezen)"}, {"98", "Commentaarrecord"}, {"99", "Sluitrecord"}}},
    {'H', {{"01", "Voorlooprecord"}, {"02", "Clientrecord"}, {"07", "Productrecord (geleverd)"}}},
    {'I', {{"01", "Voorlooprecord"}, {"02", "Clientrecord"}, {"07", "Productrecord (geleverd)"}, {"27", "Zorgzwaartepakketrecord (geleverd)"}, {"99", "Sluitrecord"}}},
    {'J', {{"01", "Voorlooprecord"}, {"02", "Clientrecord"}, {"06", "Mutatie productrecord"}}},
    {'K', {{"01", "Voorlooprecord"}, {"02", "Clientrecord"}, {"06", "Mutatie productrecord"}, {"29", "Mutatie zorgzwaartepakketrecord"}, {"30", "Aanvraag productrecord"}, {"31", "Aanvraag zorgzwaartepakketrecord"}, {"99", "Sluitrecord"}}},
    {'L', {{"01", "Voorlooprecord"}, {"02", "Verzekerdenrecord"}, {"04", "Prestatierecord"}, {"08", "Indicatierecord"}, {"98", "Commentaarrecord"}, {"99", "Sluitrecord"}}},
    {'M', {{"01", "Voorlooprecord"}, {"02", "Verzekerdenrecord"}, {"04", "Prestatierecord"}, {"99", "Sluitrecord"}}},
    {'N', {{"01", "Voorlooprecord"}, {"04", "Prestatierecord"}, {"06", "Tariefrecord"}, {"16", "Zorgactiviteitrecord"}, {"17", "Tijdsbestedingrecord"}, {"99", "Sluitrecord"}}},
    {'O', {{"01", "Voorlooprecord"}, {"04", "Prestatierecord"}, {"08", "Indicatierecord"}, {"99", "Sluitrecord"}}},
    {'P', {{"01", "Voorlooprecord"}, {"04", "Prestatierecord"}, {"06", "Tariefrecord"}, {"16", "Zorgactiviteitrecord"}, {"99", "Sluitrecord"}}},
    {'Q', {{"01", "Voorlooprecord"}, {"02", "Verzekerdenrecord"}, {"04", "Prestatierecord"}, {"06", "Tariefrecord"}, {"99", "Sluitrecord"}}},
    {'R', {{"01", "Voorlooprecord"}, {"02", "Clientrecord"}, {"08", "Ziektebeeld en stoornisrecord"}, {"09", "Beperkingrecord"}, {"10", "Beschikkingrecord"}, {"11", "Productrecord (beschikt)"}, {"13", "Productrecord (wachtlijst)"}, {"22", "Zorgzwaartepakketrecord (beschikt)"}, {"27", "Zorgzwaartepakketrecord (wachtlijst)"}, {"34", "Leveringsstatusrecord"}, {"99", "Sluitrecord"}}},
    {'S', {{"01", "Voorlooprecord"}, {"02", "Clientrecord"}, {"03", "Relatierecord"}, {"04", "Adresrecord"}, {"06", "Ziektebeeld- en stoornisrecord"}, {"07", "Beperkingrecord"}, {"08", "Beschikkingrecord"}, {"09", "Productrecord (beschikt)"}, {"12", "Score stoornisrecord"}, {"13", "Score beperkingrecord"}, {"22", "Zorgzwaartepakketrecord (beschikt)"}, {"98", "Commentaarrecord"}, {"99", "Sluitrecord"}}},
    {'T', {{"01", "Voorlooprecord"}, {"02", "Clientrecord"}, {"03", "Relatierecord"}, {"04", "Adresrecord"}, {"05", "Mantelzorgrecord"}, {"06", "Ziektebeeld- en stoornisrecord"}, {"07", "Beperkingrecord"}, {"08", "Aanvraagrecord"}, {"09", "Productrecord (aangevraagd)"}, {"12", "Score stoornisrecord"}, {"13", "Score beperkingrecord"}, {"15", "Deskundigerecord"}, {"22", "Zorgzwaartepakketrecord (aangevraagd)"}, {"98", "Commentaarrecord"}, {"99", "Sluitrecord"}}},
    {'U', {{"01", "Voorlooprecord"}, {"02", "Verzekerdenrecord"}, {"04", "Prestatierecord"}, {"05", "Opnamerecord"}, {"06", "Tariefrecord"}, {"07", "Toeslagrecord"}, {"98", "Commentaarrecord"}, {"99", "Sluitrecord"}}},
    {'V', {{"01", "Voorlooprecord"}, {"02", "Verzekerdenrecord"}, {"04", "Prestatierecord"}, {"06", "Tariefrecord"}, {"16", "Zorgactiviteitrecord"}, {"98", "Commentaarrecord"}, {"99", "Sluitrecord"}}},
    {'W', {{"01", "Voorlooprecord"}, {"02", "Cliëntrecord"}, {"03", "Relatierecord"}, {"04", "Adresrecord"}, {"05", "Omgevingrecord"}, {"06", "Ziektebeeld- en stoornisrecord"}, {"07", "Beperkingrecord"}, {"08", "Indicatiebesluitrecord"}, {"09", "Functierecord (geïndiceerd)"}, {"10", "Activiteitrecord (geïndiceerd)"}, {"11", "Score stoornisrecord"}, {"12", "Score beperkingrecord"}, {"15", "Functierecord (toegewezen)"}, {"22", "Zorgzwaartepakketrecord (geïndiceerd)"}, {"25", "Zorgzwaartepakketrecord (toegewezen)"}, {"32", "Pgb record"}, {"98", "Commentaarrecord"}, {"99", "Sluitrecord"}}},
};

struct LengthException {
    std::string_view kenmerk;
    int length;
};

struct Row {
    std::string_view klasse;
    std::vector<std::string_view> codes;  // as the table gives them; "" is its empty entry
    char recordSet;
    std::vector<int> fields;              // per record, in the order of the record set
    int length;
    std::vector<LengthException> except;
};

inline const std::vector<Row> rows = {
    {"AP304V0702", {"106", "120"}, 'A', {20, 25, 41, 5, 9}, 310, {}},
    {"AP304V0800", {"193"}, 'A', {20, 25, 47, 5, 9}, 360, {}},
    {"AP305V0702", {"143", "144"}, 'A', {26, 29, 50, 9, 11}, 370, {}},
    {"AP305V0800", {"194"}, 'A', {26, 29, 61, 9, 11}, 430, {}},
    {"AW319V0104", {"187", "428", "430"}, 'A', {20, 26, 33, 5, 9}, 310, {}},
    {"AW320V0104", {"188", "429", "431"}, 'A', {26, 30, 41, 9, 11}, 370, {}},
    {"DG301V0100", {"197"}, 'A', {20, 24, 37, 5, 9}, 310, {}},
    {"DG302V0100", {"198"}, 'A', {26, 28, 45, 9, 11}, 370, {}},
    {"EF301V0101", {""}, 'B', {12, 65, 4}, 1320, {}},
    {"EF302V0101", {""}, 'B', {15, 68, 4}, 1370, {}},
    {"EP301V0102", {"179"}, 'A', {20, 24, 24, 5, 9}, 310, {}},
    {"EP302V0102", {"180"}, 'A', {26, 28, 32, 9, 11}, 370, {}},
    {"FZ301V0101", {"183"}, 'C', {20, 24, 37, 19, 5, 10}, 310, {}},
    {"FZ301V0200", {"183"}, 'D', {20, 24, 22, 26, 5, 10}, 310, {}},
    {"FZ302V0101", {"184"}, 'C', {26, 28, 45, 27, 9, 12}, 370, {}},
    {"FZ302V0200", {"184"}, 'D', {26, 28, 26, 34, 9, 12}, 370, {}},
    {"FZ303V0100", {"442"}, 'A', {20, 24, 31, 5, 9}, 310, {}},
    {"FZ304V0100", {"443"}, 'A', {26, 28, 39, 9, 11}, 370, {}},
    {"GZ311V0200", {"181"}, 'D', {20, 24, 20, 32, 5, 10}, 310, {}},
    {"GZ311V0201", {""}, 'D', {20, 24, 20, 32, 5, 10}, 310, {}},
    {"GZ312V0200", {"182"}, 'D', {26, 28, 24, 40, 9, 12}, 370, {}},
    {"GZ312V0201", {""}, 'D', {26, 28, 24, 40, 9, 12}, 370, {}},
    {"GZ321V0100", {"195"}, 'E', {20, 24, 42, 29, 21, 21, 5, 12}, 310, {}},
    {"GZ322V0100", {"196"}, 'E', {26, 28, 46, 37, 25, 25, 9, 14}, 370, {}},
    {"GZ340V0100", {"249"}, 'F', {8, 20, 4}, 170, {}},
    {"HA304V0402", {"112"}, 'A', {20, 24, 22, 5, 9}, 310, {}},
    {"HA305V0402", {"113"}, 'A', {33, 35, 35, 16, 11}, 380, {}},
    {"JW301V0304", {"436"}, 'G', {10, 26, 19, 23, 12, 9, 13, 16, 9, 10, 21, 12, 19, 5, 16}, 310, {}},
    {"JW302V0304", {"437"}, 'G', {17, 30, 23, 27, 16, 13, 17, 20, 13, 14, 25, 16, 23, 9, 16}, 350, {}},
    {"JW303V0100", {"432"}, 'A', {20, 26, 33, 5, 9}, 310, {}},
    {"JW303V0200", {"432", "450"}, 'A', {20, 21, 29, 5, 10}, 310, {}},
    {"JW304V0100", {"433"}, 'A', {26, 30, 41, 9, 11}, 370, {}},
    {"JW304V0200", {"433", "451"}, 'A', {26, 25, 37, 9, 10}, 370, {}},
    {"JW305V0304", {"438"}, 'H', {10, 15, 11}, 180, {{"07", 87}}},
    {"JW306V0304", {"439"}, 'I', {17, 19, 20, 20, 6}, 220, {}},
    {"JW307V0304", {"440"}, 'J', {10, 14, 11}, 140, {{"06", 87}}},
    {"JW308V0304", {"441"}, 'K', {17, 18, 21, 20, 16, 14, 8}, 180, {}},
    {"JW321V0100", {"434"}, 'E', {20, 24, 42, 29, 21, 21, 5, 12}, 310, {}},
    {"JW321V0200", {"434"}, 'E', {20, 24, 42, 29, 21, 21, 5, 12}, 310, {}},
    {"JW322V0100", {"435"}, 'E', {26, 28, 46, 37, 25, 25, 9, 14}, 370, {}},
    {"JW322V0200", {"435"}, 'E', {26, 28, 46, 37, 25, 25, 9, 14}, 370, {}},
    {"KZ301V0302", {"133"}, 'L', {20, 24, 25, 14, 5, 10}, 310, {}},
    {"KZ302V0302", {"134"}, 'L', {26, 28, 33, 18, 9, 12}, 370, {}},
    {"LH307V0502", {"110"}, 'A', {20, 24, 42, 5, 9}, 310, {}},
    {"LH308V0502", {"111"}, 'A', {26, 28, 50, 9, 11}, 370, {}},
    {"MZ301V0103", {"176", "250"}, 'A', {20, 24, 34, 5, 9}, 310, {}},
    {"MZ302V0103", {"177", "251"}, 'A', {26, 28, 42, 9, 11}, 370, {}},
    {"OS301V0100", {"185"}, 'A', {20, 24, 22, 5, 9}, 310, {}},
    {"OS302V0100", {"186"}, 'A', {26, 28, 30, 9, 11}, 370, {}},
    {"PM304V0302", {"107"}, 'A', {20, 23, 36, 5, 9}, 310, {}},
    {"PM305V0302", {"108"}, 'A', {26, 27, 44, 9, 11}, 370, {}},
    {"QA301V0200", {"515", "523"}, 'M', {14, 15, 38, 9}, 310, {}},
    {"QA302V0101", {"517"}, 'M', {20, 19, 39, 5}, 370, {}},
    {"QA302V0200", {"517", "524"}, 'M', {20, 19, 42, 5}, 370, {}},
    {"QD301V0100", {"514"}, 'M', {11, 9, 49, 9}, 310, {}},
    {"QDG301V0100", {"531"}, 'F', {12, 47, 12}, 370, {}},
    {"QDG302V0100", {"532"}, 'F', {18, 51, 4}, 430, {}},
    {"QE301V0100", {"511"}, 'M', {11, 7, 27, 9}, 250, {}},
    {"QF301V0100", {"513"}, 'M', {11, 9, 38, 9}, 250, {}},
    {"QF301V0200", {"EI Aanleverspecificaties schadelastinformatie farmaceutische hulp"}, 'F', {12, 53, 12}, 400, {}},
    {"QF302V0200", {""}, 'F', {18, 57, 4}, 460, {}},
    {"QG321V0100", {"521"}, 'N', {12, 48, 23, 13, 13, 15}, 370, {}},
    {"QG322V0100", {"522"}, 'N', {18, 52, 27, 17, 17, 7}, 430, {}},
    {"QH301V0101", {"508"}, 'M', {11, 7, 24, 9}, 250, {}},
    {"QK301V0100", {"525"}, 'O', {12, 36, 10, 13}, 310, {}},
    {"QK302V0100", {"526"}, 'O', {18, 40, 14, 5}, 370, {}},
    {"QM301V0101", {"510"}, 'M', {11, 7, 36, 9}, 250, {}},
    {"QP301V0101", {"509"}, 'M', {11, 7, 38, 9}, 250, {}},
    {"QV301V0100", {""}, 'F', {12, 40, 12}, 310, {}},
    {"QV302V0100", {""}, 'F', {18, 44, 4}, 370, {}},
    {"QX301V0201", {""}, 'F', {12, 31, 13}, 310, {}},
    {"QZ301V0200", {"516"}, 'P', {12, 55, 20, 14, 14}, 390, {}},
    {"QZ302V0101", {""}, 'Q', {18, 15, 52, 31, 6}, 400, {}},
    {"QZ302V0200", {"518"}, 'P', {18, 59, 24, 18, 6}, 450, {}},
    {"VE303V0402", {"117"}, 'A', {20, 24, 42, 5, 9}, 330, {}},
    {"VE304V0402", {"118"}, 'A', {26, 28, 50, 9, 11}, 390, {}},
    {"VK301V0202", {"141"}, 'A', {20, 24, 31, 5, 9}, 310, {}},
    {"VK302V0202", {"142"}, 'A', {26, 28, 39, 9, 11}, 370, {}},
    {"WMO301V0304", {"414"}, 'G', {10, 26, 19, 23, 12, 9, 13, 16, 9, 10, 21, 12, 19, 5, 16}, 310, {}},
    {"WMO302V0304", {"415"}, 'G', {17, 30, 23, 27, 16, 13, 17, 20, 13, 14, 25, 16, 23, 9, 16}, 350, {}},
    {"WMO303V0100", {""}, 'A', {20, 26, 33, 5, 9}, 310, {}},
    {"WMO303V0200", {"416", "448"}, 'A', {20, 21, 29, 5, 10}, 310, {}},
    {"WMO304V0100", {"417"}, 'A', {26, 30, 41, 9, 11}, 370, {}},
    {"WMO304V0200", {"417", "449"}, 'A', {26, 25, 37, 9, 10}, 370, {}},
    {"WMO305V0304", {"418"}, 'H', {10, 14, 11}, 180, {{"07", 87}}},
    {"WMO306V0304", {"419"}, 'I', {17, 18, 20, 20, 6}, 220, {}},
    {"WMO307V0304", {"420"}, 'J', {10, 14, 10}, 140, {{"06", 79}}},
    {"WMO308V0304", {"421"}, 'K', {17, 18, 21, 20, 16, 14, 8}, 180, {}},
    {"WMO309V0304", {"422"}, 'R', {10, 8, 9, 6, 11, 12, 14, 10, 13, 5, 12}, 110, {}},
    {"WMO310V0304", {"423"}, 'R', {16, 12, 13, 10, 15, 16, 18, 14, 17, 9, 12}, 150, {}},
    {"WMO311V0304", {"424"}, 'S', {8, 26, 19, 23, 11, 8, 12, 16, 8, 9, 12, 5, 14}, 310, {}},
    {"WMO312V0304", {"425"}, 'S', {14, 30, 23, 27, 15, 12, 16, 20, 12, 13, 16, 9, 14}, 350, {}},
    {"WMO313V0304", {"426"}, 'T', {8, 22, 18, 22, 19, 10, 7, 13, 15, 7, 8, 22, 11, 5, 16}, 310, {}},
    {"WMO314V0304", {"427"}, 'T', {14, 26, 22, 26, 23, 14, 11, 17, 19, 11, 12, 26, 15, 9, 16}, 350, {{"99", 310}}},
    {"ZH308V0702", {"101", "103", "156", "160", "162"}, 'U', {20, 24, 27, 13, 29, 20, 5, 12}, 310, {}},
    {"ZH308V0800", {"101"}, 'D', {20, 24, 55, 24, 5, 10}, 570, {}},
    {"ZH308V0900", {"101"}, 'V', {20, 24, 60, 24, 22, 5, 11}, 610, {}},
    {"ZH309V0702", {"102", "104", "157", "161", "163"}, 'U', {26, 28, 31, 17, 37, 28, 9, 14}, 370, {}},
    {"ZH309V0800", {"102"}, 'D', {26, 28, 59, 32, 9, 12}, 630, {}},
    {"ZH309V0900", {"102"}, 'V', {26, 28, 64, 32, 26, 9, 13}, 670, {}},
    {"ZH310V0100", {"189"}, 'Q', {15, 12, 20, 15, 7}, 170, {}},
    {"ZH311V0100", {"190"}, 'Q', {20, 16, 24, 19, 7}, 200, {}},
    {"ZV303V0100", {"246"}, 'W', {11, 31, 20, 25, 21, 14, 11, 15, 21, 14, 12, 13, 29, 17, 25, 29, 6, 19}, 310, {}},
};

// The codes that the table leaves open, filled in from Vektis' message-code list.
// QV301V0100, QV302V0100 and QX301V0201 keep the table's empty entry.
struct FilledInCode {
    std::string_view klasse;
    std::string_view code;
};

inline const std::vector<FilledInCode> filledInCodes = {
    {"EF301V0101", "191"}, {"EF302V0101", "192"}, {"GZ311V0201", "181"},
    {"GZ312V0201", "182"}, {"QF301V0200", "513"}, {"QF302V0200", "570"},
    {"QZ302V0101", "518"}, {"WMO303V0100", "416"},
};

// Definitions whose detail records come from a layout that publishes no mandatory letters
// (at most "M"): there Verplicht is empty where the source gives none.
inline const std::vector<std::string_view> lettersUnpublished = {
    "AP304V0702", "AP304V0800", "AW320V0104", "EP301V0102", "EP302V0102", "HA304V0402",
    "HA305V0402", "LH307V0502", "LH308V0502", "MZ301V0103", "MZ302V0103", "OS301V0100",
    "OS302V0100", "PM304V0302", "PM305V0302", "VK301V0202", "VK302V0202", "ZH308V0800",
    "ZH309V0800",
};

// Records that no published layout gives, per definition: each carries only its record
// kind (one field, two characters). The test fails when a listed record turns out
// complete, and when an unlisted one differs from the table.
struct Partial {
    std::string_view klasse;
    std::vector<std::string_view> kenmerken;
};

inline const std::vector<Partial> partial = {
    {"AP305V0702", {"02", "04"}},
    {"AP305V0800", {"02", "04"}},
    {"DG301V0100", {"02", "04", "99"}},
    {"DG302V0100", {"02", "04", "99"}},
    {"EF301V0101", {"18", "99"}},
    {"EF302V0101", {"18", "99"}},
    {"FZ301V0101", {"02", "04", "05", "99"}},
    {"FZ301V0200", {"02", "04", "06", "99"}},
    {"FZ302V0101", {"02", "04", "05", "99"}},
    {"FZ302V0200", {"02", "04", "06", "99"}},
    {"FZ303V0100", {"02", "04"}},
    {"FZ304V0100", {"02", "04", "99"}},
    {"GZ312V0200", {"02", "04", "06", "99"}},
    {"GZ312V0201", {"02", "04", "06", "99"}},
    {"GZ322V0100", {"02", "04", "06", "16", "17", "99"}},
    {"JW301V0304", {"02", "03", "04", "06", "07", "08", "09", "11", "12", "15", "22", "25", "99"}},
    {"JW302V0304", {"02", "03", "04", "06", "07", "08", "09", "11", "12", "15", "22", "25", "99"}},
    {"JW303V0100", {"02", "04"}},
    {"JW303V0200", {"02", "04", "99"}},
    {"JW304V0100", {"02", "04"}},
    {"JW304V0200", {"02", "04", "99"}},
    {"JW305V0304", {"02", "07"}},
    {"JW306V0304", {"02", "07", "27", "99"}},
    {"JW307V0304", {"02", "06"}},
    {"JW308V0304", {"02", "06", "29", "30", "31", "99"}},
    {"JW321V0100", {"02", "04", "06", "16", "17", "99"}},
    {"JW321V0200", {"02", "04", "06", "16", "17", "99"}},
    {"JW322V0100", {"02", "04", "06", "16", "17", "99"}},
    {"JW322V0200", {"02", "04", "06", "16", "17", "99"}},
    {"KZ301V0302", {"02", "04", "08", "99"}},
    {"KZ302V0302", {"02", "04", "08", "99"}},
    {"QA301V0200", {"02", "04", "99"}},
    {"QA302V0101", {"02", "04", "99"}},
    {"QA302V0200", {"02", "04", "99"}},
    {"QD301V0100", {"02", "04", "99"}},
    {"QDG301V0100", {"04", "99"}},
    {"QDG302V0100", {"04", "99"}},
    {"QE301V0100", {"02", "04", "99"}},
    {"QF301V0100", {"02", "04", "99"}},
    {"QF301V0200", {"04", "99"}},
    {"QF302V0200", {"04", "99"}},
    {"QG321V0100", {"04", "06", "16", "17", "99"}},
    {"QG322V0100", {"04", "06", "16", "17", "99"}},
    {"QK301V0100", {"04", "08", "99"}},
    {"QK302V0100", {"04", "08", "99"}},
    {"QM301V0101", {"02", "04", "99"}},
    {"QP301V0101", {"02", "04", "99"}},
    {"QV301V0100", {"04", "99"}},
    {"QV302V0100", {"04", "99"}},
    {"QX301V0201", {"04", "99"}},
    {"QZ301V0200", {"04", "06", "16", "99"}},
    {"QZ302V0101", {"02", "04", "06", "99"}},
    {"QZ302V0200", {"04", "06", "16", "99"}},
    {"VE303V0402", {"02", "04"}},
    {"VE304V0402", {"02", "04", "99"}},
    {"WMO301V0304", {"02", "03", "04", "06", "07", "08", "09", "11", "12", "15", "22", "25", "99"}},
    {"WMO302V0304", {"02", "03", "04", "06", "07", "08", "09", "11", "12", "15", "22", "25", "99"}},
    {"WMO303V0100", {"02", "04"}},
    {"WMO303V0200", {"02", "04", "99"}},
    {"WMO304V0100", {"02", "04"}},
    {"WMO304V0200", {"02", "04", "99"}},
    {"WMO305V0304", {"02", "07"}},
    {"WMO306V0304", {"02", "07", "27", "99"}},
    {"WMO307V0304", {"02", "06"}},
    {"WMO308V0304", {"02", "06", "29", "30", "31", "99"}},
    {"WMO309V0304", {"02", "08", "09", "10", "11", "13", "22", "27", "34", "99"}},
    {"WMO310V0304", {"02", "08", "09", "10", "11", "13", "22", "27", "34", "99"}},
    {"WMO311V0304", {"02", "03", "04", "06", "07", "08", "09", "12", "13", "22", "99"}},
    {"WMO312V0304", {"02", "03", "04", "06", "07", "08", "09", "12", "13", "22", "99"}},
    {"WMO313V0304", {"02", "03", "04", "05", "06", "07", "08", "09", "12", "13", "15", "22", "99"}},
    {"WMO314V0304", {"02", "03", "04", "05", "06", "07", "08", "09", "12", "13", "15", "22", "99"}},
    {"ZH308V0702", {"02", "04", "05", "06", "07", "99"}},
    {"ZH309V0702", {"02", "04", "05", "06", "07", "99"}},
    {"ZH309V0900", {"02", "04", "06", "16", "99"}},
    {"ZH310V0100", {"02", "04", "06", "99"}},
    {"ZH311V0100", {"02", "04", "06", "99"}},
    {"ZV303V0100", {"02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12", "15", "22", "25", "32", "99"}},
};

}  // namespace korvex::testdata
