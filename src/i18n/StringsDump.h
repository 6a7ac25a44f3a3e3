#pragma once

#include "common/AppState.h"

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace tamb {

// A text made safe for one tab-separated line: a tab is written as \t and a line break as \n; nothing else changes.
[[nodiscard]] std::string EscapeForDump(std::string_view text);

// Writes every entry of every table as "TableName<TAB>language<TAB>index<TAB>text", one per line, for `language`
// only or, without one, for every language a table holds.
void WriteTableDump(std::ostream& out, std::optional<LanguageId> language);

// Writes "TableName<TAB>language" for each table that `language` (or, without one, any language) has no row for
// and shows in English, and returns how many lines it wrote.
std::size_t WriteUntranslatedTables(std::ostream& out, std::optional<LanguageId> language);

// Writes the message catalogue as "Name<TAB>Chinese<TAB>English", one message per line.
void WriteMessageDump(std::ostream& out);

} // namespace tamb
