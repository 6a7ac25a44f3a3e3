#include "cellular/OperatorParameters.h"

#include "i18n/Messages.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <utility>

namespace tamb {
namespace {

// The field limits of the files; a value beyond them, or outside ASCII, is not taken from a newer file.
constexpr std::size_t kUrlLimit = 50;
constexpr std::size_t kMmsTextLimit = 30;
constexpr std::size_t kGatewayLimit = 20;
constexpr std::size_t kPortLimit = 10;
constexpr std::size_t kGprsTextLimit = 32;

[[nodiscard]] bool Fits(const std::string& text, std::size_t limit)
{
    return text.size() <= limit && std::ranges::all_of(text, [](char c) { return c >= ' ' && c <= '~'; });
}

[[nodiscard]] std::string DateOf(std::int64_t secondsSince1970)
{
    const std::chrono::sys_days day
        = std::chrono::floor<std::chrono::days>(std::chrono::sys_seconds(std::chrono::seconds(secondsSince1970)));
    const std::chrono::year_month_day date(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
        static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

// The values of an MMS access point of a newer file, when it holds everything the camera needs.
[[nodiscard]] std::optional<MmsParameters> MmsValues(const ProviderAccessPoint& point)
{
    const std::size_t colon = point.mmsProxy.rfind(':');
    if (point.usage.find("mms") == std::string::npos || point.mmsc.empty() || colon == std::string::npos || colon == 0)
        return std::nullopt;
    MmsParameters values { .url = point.mmsc,
        .apn = point.apn,
        .gateway = point.mmsProxy.substr(0, colon),
        .port = point.mmsProxy.substr(colon + 1),
        .account = point.username,
        .password = point.password,
        .origin = {} };
    const bool portIsNumber
        = !values.port.empty() && std::ranges::all_of(values.port, [](char c) { return c >= '0' && c <= '9'; });
    if (!portIsNumber || !Fits(values.url, kUrlLimit) || !Fits(values.apn, kMmsTextLimit)
        || !Fits(values.gateway, kGatewayLimit) || !Fits(values.port, kPortLimit)
        || !Fits(values.account, kMmsTextLimit) || !Fits(values.password, kMmsTextLimit))
        return std::nullopt;
    return values;
}

[[nodiscard]] std::optional<GprsParameters> GprsValues(const ProviderAccessPoint& point)
{
    if (point.usage.find("internet") == std::string::npos || !Fits(point.apn, kGprsTextLimit)
        || !Fits(point.username, kGprsTextLimit) || !Fits(point.password, kGprsTextLimit))
        return std::nullopt;
    return GprsParameters { .apn = point.apn, .account = point.username, .password = point.password, .origin = {} };
}

[[nodiscard]] MmsParameters FromSet(const MmsParameterSet& set, ParameterOrigin origin)
{
    return MmsParameters { .url = std::string(set.url),
        .apn = std::string(set.apn),
        .gateway = std::string(set.gateway),
        .port = std::string(set.port),
        .account = std::string(set.account),
        .password = std::string(set.password),
        .origin = std::move(origin) };
}

[[nodiscard]] GprsParameters FromSet(const GprsParameterSet& set, ParameterOrigin origin)
{
    return GprsParameters { .apn = std::string(set.apn),
        .account = std::string(set.account),
        .password = std::string(set.password),
        .origin = std::move(origin) };
}

} // namespace

OperatorParameters::OperatorParameters(std::optional<ProviderDatabase> system)
{
    // The same package as the snapshot, or an older one, adds nothing.
    if (system && system->fileTime > ProviderSnapshotFileTime) {
        m_systemDate = DateOf(system->fileTime);
        m_system = std::move(system);
    }
}

ParameterOrigin OperatorParameters::databaseOrigin(bool fromSystem) const
{
    return ParameterOrigin { .source = ParameterSource::ProviderDatabase,
        .date = fromSystem ? m_systemDate : std::string(ProviderSnapshotDate) };
}

MmsParameters OperatorParameters::mms(std::size_t countryIndex, std::size_t operatorPosition) const
{
    const ProviderMmsEntry& entry = ProviderMmsSnapshot[countryIndex][operatorPosition];
    if (entry.key.networkCode.empty())
        return FromSet(MmsParams(countryIndex, operatorPosition),
            ParameterOrigin { .source = ParameterSource::BuiltIn, .date = std::string(kBuiltInTableDate) });
    if (m_system) {
        if (const ProviderAccessPoint* point = m_system->find(entry.key)) {
            if (std::optional<MmsParameters> values = MmsValues(*point)) {
                values->origin = databaseOrigin(true);
                return *values;
            }
        }
    }
    return FromSet(entry.values, databaseOrigin(false));
}

GprsParameters OperatorParameters::gprs(std::size_t smtpPosition, std::size_t operatorPosition) const
{
    const ProviderGprsEntry& entry = ProviderGprsSnapshot[smtpPosition][operatorPosition];
    if (entry.key.networkCode.empty())
        return FromSet(GprsParamsFor(smtpPosition, operatorPosition),
            ParameterOrigin { .source = ParameterSource::BuiltIn, .date = std::string(kBuiltInTableDate) });
    if (m_system) {
        if (const ProviderAccessPoint* point = m_system->find(entry.key)) {
            if (std::optional<GprsParameters> values = GprsValues(*point)) {
                values->origin = databaseOrigin(true);
                return *values;
            }
        }
    }
    return FromSet(entry.values, databaseOrigin(false));
}

std::string ParameterSourceLine(const ParameterOrigin& origin, bool empty, LanguageId language)
{
    if (empty)
        return std::string(MessageText(MessageId::ParameterSourceNone, language));
    const MessageId id = origin.source == ParameterSource::ProviderDatabase ? MessageId::ParameterSourceDatabase
                                                                            : MessageId::ParameterSourceBuiltIn;
    const std::array<std::string, 1> date { origin.date };
    return FillPlaceholders(MessageText(id, language), date);
}

const OperatorParameters& SystemOperatorParameters()
{
    static const OperatorParameters parameters = [] {
        const std::optional<std::filesystem::path> path = SystemProviderDatabasePath();
        return OperatorParameters(path ? ReadProviderDatabase(*path) : std::nullopt);
    }();
    return parameters;
}

std::optional<std::string_view> MmsEndedDate(std::size_t countryIndex, std::size_t operatorPosition)
{
    for (const MmsEndedEntry& entry : MmsEndedOperators) {
        if (entry.countryIndex == countryIndex && entry.operatorPosition == operatorPosition)
            return entry.date;
    }
    return std::nullopt;
}

} // namespace tamb
