#include "fleet/CsvTable.h"

#include <algorithm>
#include <array>

namespace tamb {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The separator the first line uses most, outside quotes; a comma when it uses none.
char DetectSeparator(std::string_view text)
{
    constexpr std::array kCandidates { ',', ';', '\t' };
    std::array<std::size_t, kCandidates.size()> counts {};
    bool quoted = false;
    for (const char c : text) {
        if (c == '"')
            quoted = !quoted;
        if (!quoted && (c == '\n' || c == '\r'))
            break;
        for (std::size_t i = 0; i < kCandidates.size(); ++i)
            counts[i] += !quoted && c == kCandidates[i] ? 1 : 0;
    }
    const auto most = std::ranges::max_element(counts);
    return *most == 0 ? ',' : kCandidates[static_cast<std::size_t>(most - counts.begin())];
}

bool NeedsQuotes(std::string_view cell, char separator)
{
    return cell.find_first_of(std::string { separator } + "\"\r\n") != std::string_view::npos;
}

} // namespace

Status ParseCsv(std::string_view text, CsvTable& table)
{
    CsvTable parsed;
    if (text.starts_with(kByteOrderMark)) {
        parsed.byteOrderMark = true;
        text.remove_prefix(kByteOrderMark.size());
    }
    parsed.separator = DetectSeparator(text);
    const auto firstEnd = text.find('\n');
    parsed.lineEnd = firstEnd != std::string_view::npos && firstEnd > 0 && text[firstEnd - 1] == '\r' ? "\r\n" : "\n";

    std::vector<std::string> row;
    std::string cell;
    bool quoted = false;
    bool cellStarted = false;
    std::size_t rowStart = 1;
    const auto endRow = [&] {
        row.push_back(std::move(cell));
        cell.clear();
        parsed.rows.push_back(std::move(row));
        row.clear();
        cellStarted = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
            continue;
        }
        if (c == '"' && !cellStarted) {
            quoted = true;
            cellStarted = true;
            rowStart = parsed.rows.size() + 1;
        } else if (c == parsed.separator) {
            row.push_back(std::move(cell));
            cell.clear();
            cellStarted = false;
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        } else if (c == '\n' || c == '\r') {
            endRow();
        } else {
            cell += c;
            cellStarted = true;
        }
    }
    if (quoted)
        return Status::failure("row " + std::to_string(rowStart) + ": a quoted cell is not closed");
    if (cellStarted || !row.empty())
        endRow();
    table = std::move(parsed);
    return Status::success();
}

std::string FormatCsv(const CsvTable& table)
{
    std::string text { table.byteOrderMark ? kByteOrderMark : std::string_view {} };
    for (const auto& row : table.rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0)
                text += table.separator;
            if (!NeedsQuotes(row[i], table.separator)) {
                text += row[i];
                continue;
            }
            text += '"';
            for (const char c : row[i])
                text += c == '"' ? std::string { "\"\"" } : std::string { c };
            text += '"';
        }
        text += table.lineEnd;
    }
    return text;
}

} // namespace tamb
