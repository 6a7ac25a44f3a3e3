#include "cellular/OperatorDatabase.h"
#include "cellular/OperatorParameters.h"
#include "cellular/SettingsFileReport.h"
#include "cli/CliCommand.h"
#include "i18n/CountryTexts.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tamb {
namespace {

// One operator of the MMS or the SMTP list with what Auto mode writes for it.
struct OperatorRow
{
    std::string_view table; // "mms" or "smtp"
    std::size_t country = 0; // the country index
    std::size_t position = 0; // the position in the dialog's country list
    std::size_t operatorPosition = 0;
    std::string name;
    std::vector<std::pair<std::string_view, std::string>> parameters;
    ParameterOrigin origin;
    bool empty = false;
    std::optional<std::string_view> mmsEnded;
};

std::vector<OperatorRow> OperatorRows(const OperatorParameters& source, std::optional<std::size_t> onlyCountry)
{
    std::vector<OperatorRow> rows;
    for (std::size_t country = 0; country < kCountryCount; ++country) {
        if (onlyCountry && *onlyCountry != country)
            continue;
        const auto names = MmsOperators(country);
        for (std::size_t op = 0; op < names.size(); ++op) {
            MmsParameters p = source.mms(country, op);
            rows.push_back(OperatorRow { .table = "mms",
                .country = country,
                .position = country,
                .operatorPosition = op,
                .name = std::string(names[op]),
                .parameters = { { "url", p.url }, { "apn", p.apn }, { "gateway", p.gateway }, { "port", p.port },
                    { "account", p.account }, { "password", p.password } },
                .origin = p.origin,
                .empty = p.empty(),
                .mmsEnded = MmsEndedDate(country, op) });
        }
    }
    for (std::size_t position = 0; position < kSmtpCountryCount; ++position) {
        const std::size_t country = SmtpCountryPositions[position];
        if (onlyCountry && *onlyCountry != country)
            continue;
        const auto names = SmtpOperators(position);
        for (std::size_t op = 0; op < names.size(); ++op) {
            GprsParameters p = source.gprs(position, op);
            rows.push_back(OperatorRow { .table = "smtp",
                .country = country,
                .position = position,
                .operatorPosition = op,
                .name = std::string(names[op]),
                .parameters = { { "apn", p.apn }, { "account", p.account }, { "password", p.password } },
                .origin = p.origin,
                .empty = p.empty(),
                .mmsEnded = std::nullopt });
        }
    }
    return rows;
}

std::string_view SourceName(const OperatorRow& row)
{
    if (row.empty)
        return "none";
    return row.origin.source == ParameterSource::ProviderDatabase ? "database" : "built-in";
}

void WriteJson(const std::vector<OperatorRow>& rows, std::ostream& out)
{
    out << "[\n";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const OperatorRow& row = rows[i];
        out << "  {\"table\": \"" << row.table << "\", \"country\": " << row.country
            << ", \"countryName\": " << JsonString(std::string(CountryName(kEnglish, row.country)))
            << ", \"position\": " << row.position << ", \"operator\": " << row.operatorPosition
            << ", \"name\": " << JsonString(row.name) << ", \"parameters\": {";
        for (std::size_t f = 0; f < row.parameters.size(); ++f) {
            out << (f == 0 ? "" : ", ") << '"' << row.parameters[f].first
                << "\": " << JsonString(row.parameters[f].second);
        }
        out << "}, \"source\": \"" << SourceName(row) << "\", \"date\": " << JsonString(row.origin.date)
            << ", \"mmsEnded\": " << (row.mmsEnded ? JsonString(std::string(*row.mmsEnded)) : "null") << '}'
            << (i + 1 < rows.size() ? ",\n" : "\n");
    }
    out << "]\n";
}

void WriteText(const std::vector<OperatorRow>& rows, std::ostream& out)
{
    for (const OperatorRow& row : rows) {
        out << row.table << '\t' << row.position << '\t' << row.operatorPosition << '\t'
            << CountryName(kEnglish, row.country) << '\t' << row.name;
        for (const auto& [field, value] : row.parameters)
            out << '\t' << field << '=' << value;
        out << '\t' << SourceName(row) << ' ' << row.origin.date;
        if (row.mmsEnded)
            out << "\tMMS ended " << *row.mmsEnded;
        out << '\n';
    }
}

int RunOperators(const ParsedArguments& arguments, std::ostream& out, std::ostream& err)
{
    const std::vector<OperatorRow> rows = OperatorRows(SystemOperatorParameters(), arguments.country);
    if (arguments.json)
        WriteJson(rows, out);
    else
        WriteText(rows, out);
    out.flush();
    if (!out) {
        err << kProgramName << " operators: the output could not be written\n";
        return kExitFailure;
    }
    return kExitSuccess;
}

} // namespace

const CliCommand kOperatorsCommand {
    "operators",
    "list the operators of Auto mode, their parameters and where they come from",
    R"(Usage: tamb-setup-cli operators [--country C] [--json]

Lists every operator of the MMS dialogs' lists (table mms) and of the SMTP dialogs'
lists (table smtp) with the parameters Auto mode writes for it, their source and its
date, and for an MMS operator the date it ended its MMS service, if it did. Sources:
"database" (the provider database: the system's mobile-broadband-provider-info where
it is newer than the copy built in, else that copy), "built-in" (the program's own
table), "none" (no parameters known; Auto mode cannot serve the operator).

Text lines: table, position in the dialog's country list, operator position, country,
operator, the parameters as NAME=VALUE, source and date, and "MMS ended DATE".
With --json: an array of objects with the keys table, country (the country index),
countryName, position, operator, name, parameters, source, date and mmsEnded (a date
or null).

Options:
  --country C  only the operators of country index C (0..43, the MMS country list)
  --json       write JSON instead of text lines
  --help       show this text
)",
    ArgumentRules { Option::Country | Option::Json, 0 },
    &RunOperators,
};

} // namespace tamb
