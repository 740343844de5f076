// EI documents to load into the stand-in host.
#pragma once

#include <string>
#include <string_view>

#include "tests/host/TestHost.h"

namespace korvex::testdocs {

namespace sci = testhost::sci;

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
