#include "cli/CliCommand.h"
#include "i18n/StringsDump.h"

namespace tamb {
namespace {

int RunStrings(const ParsedArguments& arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.messages && arguments.language) {
        return ReportUsageError("strings", "--messages prints both languages of every message; drop --language", err);
    }
    if (arguments.messages && arguments.check) {
        return ReportUsageError("strings", "--check lists untranslated tables, not messages; drop --messages", err);
    }
    bool untranslated = false;
    if (arguments.messages) {
        WriteMessageDump(out);
    } else if (arguments.check) {
        untranslated = WriteUntranslatedTables(out, arguments.language) != 0;
    } else {
        WriteTableDump(out, arguments.language);
    }
    out.flush();
    if (!out) {
        err << kProgramName << " strings: the output could not be written\n";
        return kExitFailure;
    }
    return untranslated ? kExitFailure : kExitSuccess;
}

} // namespace

const CliCommand kStringsCommand {
    "strings",
    "print every caption, option list and message",
    R"(Usage: tamb-setup-cli strings [--language L]
       tamb-setup-cli strings --messages
       tamb-setup-cli strings --check [--language L]

Prints every localised table, one text per line as
  TableName<TAB>L<TAB>index<TAB>text
for language L only or for every language. A caption indexed directly by
language also prints its element 0 (language 0) when no language is given.
With --messages, prints the message catalogue as
  Name<TAB>Chinese<TAB>English
With --check, prints
  TableName<TAB>L
for every table that language L (or any language) has no texts for and shows
in English, and exits with 1 when there is one.
Texts are UTF-8; a tab or line break inside a text is written as \t or \n.

Options:
  --language L  only language L (1 Chinese, 2 English, 3 Deutsch, 4 Suomi,
                5 Italiano, 6 Francais, 7 Magyar, 8 Slovenian, 9 Cesky,
                10 Japanese, 11 Lithuanian, 12 Polish, 13 Turkiye,
                14 Ukraine, 15 Russian)
  --messages    print the messages instead of the tables
  --check       list the tables a language shows in English
  --help        show this text
)",
    ArgumentRules { Option::Language | Option::Messages | Option::Check, 0 },
    &RunStrings,
};

} // namespace tamb
