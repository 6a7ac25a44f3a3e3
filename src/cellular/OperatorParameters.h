#pragma once

#include "cellular/ProviderDatabase.h"
#include "common/AppState.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tamb {

// Where the parameters of an operator come from.
enum class ParameterSource
{
    ProviderDatabase, // the provider database: the snapshot the program was built with, or the system's newer file
    BuiltIn, // the program's own table (data/operators/README.md)
};

// The source of an operator's parameters and the date of that source's data: YYYY-MM-DD for the provider
// database, the year for the built-in table.
struct ParameterOrigin
{
    ParameterSource source = ParameterSource::BuiltIn;
    std::string date;

    friend bool operator==(const ParameterOrigin&, const ParameterOrigin&) = default;
};

// The year of most values of the built-in table.
inline constexpr std::string_view kBuiltInTableDate = "2016";

struct MmsParameters
{
    std::string url;
    std::string apn;
    std::string gateway;
    std::string port;
    std::string account;
    std::string password;
    ParameterOrigin origin;

    // True when the operator has no parameters at all.
    [[nodiscard]] bool empty() const { return url.empty() && apn.empty() && gateway.empty(); }
};

struct GprsParameters
{
    std::string apn;
    std::string account;
    std::string password;
    ParameterOrigin origin;

    [[nodiscard]] bool empty() const { return apn.empty(); }
};

// The parameters that Auto mode writes for an operator. An operator mapped to the provider database takes them
// from there: from the system's file where that file is newer than the snapshot the program was built with and
// still holds the operator's entry with usable values, else from the snapshot. Any other operator keeps the
// built-in table's values.
class OperatorParameters
{
public:
    // The snapshot only (a system without the database).
    OperatorParameters() = default;
    // The snapshot and `system`, which serves where it is newer than the snapshot.
    explicit OperatorParameters(std::optional<ProviderDatabase> system);

    // The parameters of an offered MMS operator (country index, operator position).
    [[nodiscard]] MmsParameters mms(std::size_t countryIndex, std::size_t operatorPosition) const;
    // The parameters of an offered SMTP operator (SMTP position, operator position).
    [[nodiscard]] GprsParameters gprs(std::size_t smtpPosition, std::size_t operatorPosition) const;
    // True when the system's file serves (it is newer than the snapshot).
    [[nodiscard]] bool usesSystemFile() const { return m_system.has_value(); }

private:
    [[nodiscard]] ParameterOrigin databaseOrigin(bool fromSystem) const;

    std::optional<ProviderDatabase> m_system;
    std::string m_systemDate;
};

// The line that says where parameters come from and how old they are, in `language`; `empty` parameters have none.
[[nodiscard]] std::string ParameterSourceLine(const ParameterOrigin& origin, bool empty, LanguageId language);

// The operator parameters of this system, read once: the snapshot and, where it is newer, the system's database.
[[nodiscard]] const OperatorParameters& SystemOperatorParameters();

// The date (YYYY-MM-DD) on which an MMS operator (country index, operator position) ended its MMS service.
[[nodiscard]] std::optional<std::string_view> MmsEndedDate(std::size_t countryIndex, std::size_t operatorPosition);

} // namespace tamb
