#pragma once

#include "common/Status.h"

#include <string>
#include <string_view>
#include <vector>

namespace tamb {

// A CSV file as a spreadsheet saves it, kept so that it can be written again the same way: the cells of each row
// (the first row is the header), the separator (comma, semicolon or tab, whichever the header uses most), the line
// end and whether the file began with a UTF-8 byte order mark. Cells may be quoted with doubled quotes inside and
// may hold line ends.
struct CsvTable
{
    std::vector<std::vector<std::string>> rows;
    char separator = ',';
    std::string lineEnd = "\n";
    bool byteOrderMark = false;
};

// Reads `text`; a quoted cell that is never closed fails with the number of the row it began in.
[[nodiscard]] Status ParseCsv(std::string_view text, CsvTable& table);

// The table as text, quoting the cells that need it.
[[nodiscard]] std::string FormatCsv(const CsvTable& table);

} // namespace tamb
