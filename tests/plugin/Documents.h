// Editor messages the tests read state with, and EI documents to load.
#pragma once

#include <string>
#include <string_view>

namespace korvex::testdocs {

namespace sci {
constexpr unsigned STYLEGETFORE = 2481, STYLEGETBACK = 2482, STYLEGETBOLD = 2483;
constexpr unsigned INDICGETSTYLE = 2081, INDICGETFORE = 2083, INDICGETALPHA = 2524;
constexpr unsigned SETINDICATORCURRENT = 2500, INDICATORFILLRANGE = 2504;
constexpr unsigned GETANCHOR = 2009, GETCURRENTPOS = 2008, SETSEL = 2160;
constexpr unsigned GETDOCPOINTER = 2357, SETDOCPOINTER = 2358, CREATEDOCUMENT = 2375, RELEASEDOCUMENT = 2377;
constexpr unsigned ADDREFDOCUMENT = 2376;
constexpr unsigned DELETERANGE = 2645, INSERTTEXT = 2003, STYLESETFORE = 2051;
}  // namespace sci

// A line of the given kind, filled with a recognisable pattern to its width.
inline std::string Record(std::string_view kind, std::size_t width) {
    std::string line(kind);
    for (std::size_t i = line.size(); i < width; ++i)
        line += static_cast<char>('a' + i % 26);
    return line;
}

// The header of a GZ340 01.00 document (170 characters): kind, code, version,
// subversion, sender, creation time, message number, filler.
inline std::string Gz340Header(std::size_t width = 170) {
    std::string header = "01" "249" "01" "00" "AB" "20260101120000" "000001";
    header.resize(170, ' ');
    header.resize(width, 'x');
    return header;
}

// Header, one detail record, the trailer; LF line ends unless crlf.
inline std::string Gz340Document(bool crlf = false) {
    const char* eol = crlf ? "\r\n" : "\n";
    return Gz340Header() + eol + Record("04", 170) + eol + Record("04", 170) + eol + Record("99", 170) + eol;
}

}  // namespace korvex::testdocs
