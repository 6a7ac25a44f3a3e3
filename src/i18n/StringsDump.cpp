#include "i18n/StringsDump.h"

#include "i18n/Languages.h"
#include "i18n/Messages.h"
#include "i18n/TableRegistry.h"

namespace tamb {

std::string EscapeForDump(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        if (c == '\t') {
            escaped += "\\t";
        } else if (c == '\n') {
            escaped += "\\n";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

void WriteTableDump(std::ostream& out, std::optional<LanguageId> language)
{
    for (const TableView& table : AllTables()) {
        for (LanguageId row = table.firstLanguage; row <= table.lastLanguage(); ++row) {
            if (language && *language != row) {
                continue;
            }
            for (std::size_t index = 0; index < table.width; ++index) {
                out << table.name << '\t' << row << '\t' << index << '\t' << EscapeForDump(table.text(row, index))
                    << '\n';
            }
        }
    }
}

std::size_t WriteUntranslatedTables(std::ostream& out, std::optional<LanguageId> language)
{
    std::size_t lines = 0;
    for (const Language& shown : AllLanguages()) {
        if (language && *language != shown.id) {
            continue;
        }
        for (const std::string_view table : UntranslatedTables(shown.id)) {
            out << table << '\t' << shown.id << '\n';
            ++lines;
        }
    }
    return lines;
}

void WriteMessageDump(std::ostream& out)
{
    for (const Message& message : AllMessages()) {
        out << message.name << '\t' << EscapeForDump(message.chinese()) << '\t' << EscapeForDump(message.english())
            << '\n';
    }
}

} // namespace tamb
