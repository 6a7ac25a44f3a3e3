#include "cellular/MmsSettingsModel.h"

#include "cellular/MmsChecks.h"
#include "cellular/OperatorDatabase.h"
#include "cellular/SetupFile.h"
#include "cellular/SetupFileLoad.h"
#include "common/Utf8Text.h"
#include "i18n/CountryTexts.h"
#include "i18n/MmsTexts.h"
#include "i18n/RemoteHourList.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tamb {
namespace {

using namespace mms;

// The edits of the operator parameters, which only Manual mode lets the user type.
constexpr std::initializer_list<int> kParameterEdits { kUrlEdit, kApnEdit, kGatewayEdit, kPortEdit, kAccountEdit,
    kPasswordEdit };

[[nodiscard]] std::vector<std::string> Strings(std::span<const std::string_view> texts)
{
    return { texts.begin(), texts.end() };
}

template <std::size_t W> [[nodiscard]] std::vector<std::string> Row(const LocalisedTable<W>& table, LanguageId language)
{
    std::vector<std::string> row;
    for (std::size_t i = 0; i < W; ++i)
        row.emplace_back(table.text(language, i));
    return row;
}

} // namespace

MmsSettingsModel::MmsSettingsModel(MmsEnvironment environment)
    : FileSettingsModel(
        kSetupFileName, environment.startFolder, environment.offerToLoad, &CheckSetupFile, &LoadSetupFile)
    , m_environment(std::move(environment))
    , m_rules(MmsDialogRulesFor(m_environment.app.model))
{
    m_exchange.bindText(kAccountEdit, m_account, 30);
    m_exchange.bindText(kFolderEdit, m_folder, m_environment.folderLimit);
    m_exchange.bindText(kUrlEdit, m_url, 50);
    m_exchange.bindText(kApnEdit, m_apn, 30);
    m_exchange.bindText(kPasswordEdit, m_password, 30);
    m_exchange.bindText(kGatewayEdit, m_gateway, 20);
    m_exchange.bindText(kPortEdit, m_port, 10);
    m_exchange.bindText(kPhone1Edit, m_phone1,
        m_rules.phone1TypingLimit != 0 ? m_rules.phone1TypingLimit : DataExchange::kUnlimited,
        [this](const std::string& phone) { return Phone1LengthFault(phone, m_rules, phoneScope()); });
    m_exchange.bindText(kPhone2Edit, m_phone2, m_rules.phoneOrEmailLimit);
    m_exchange.bindText(kPhone3Edit, m_phone3, m_rules.phoneOrEmailLimit);
    m_exchange.bindText(kEmailEdit, m_email, 40);
    m_exchange.bindInteger(kPicturesPerDayEdit, m_picturesPerDay, 0, kMaxPicturesPerDay);

    startAfresh();
}

void MmsSettingsModel::startAfresh()
{
    for (std::string* value :
        { &m_url, &m_apn, &m_gateway, &m_port, &m_phone1, &m_email, &m_account, &m_password, &m_phone2, &m_phone3 })
        value->clear();
    m_picturesPerDay = 0;
    m_phoneScope = 0;
    m_countryIndex = 0;
    m_operatorIndex = 0;
    m_mode = static_cast<int>(MmsMode::Auto);
    m_status = 1;
    m_country = 0;
    m_operator = 0;
    m_hour = kRemoteControlOff;
    m_linkType = 0;
    m_scope = 0;
    // The first filling of the operator list names China's operators in Chinese on a Chinese screen.
    m_operatorItems = app().language == kChinese ? Strings(ChinaOperatorNamesZh) : operatorNames(0);
    m_readOnly.clear();
    setReadOnly(kParameterEdits, true);
    setReadOnly({ kPhone2Edit, kPhone3Edit, kFolderEdit }, true);
    writeBack();
}

std::vector<std::string> MmsSettingsModel::operatorNames(std::size_t country) const
{
    return Strings(MmsOperators(country));
}

std::string MmsSettingsModel::editText(int controlId) const
{
    if (controlId != kParameterSourceText)
        return m_edits.controlText(controlId);
    if (mode() != MmsMode::Auto)
        return {};
    const MmsParameters parameters = chosenOperatorParameters();
    return ParameterSourceLine(parameters.origin, parameters.empty(), app().language);
}

MmsParameters MmsSettingsModel::chosenOperatorParameters() const
{
    return m_environment.operators->mms(static_cast<std::size_t>(m_country), static_cast<std::size_t>(m_operator));
}

std::optional<std::string_view> MmsSettingsModel::chosenOperatorMmsEnded() const
{
    if (mode() != MmsMode::Auto)
        return std::nullopt;
    return MmsEndedDate(static_cast<std::size_t>(m_country), static_cast<std::size_t>(m_operator));
}

// That the chosen operator ended MMS, and when: the warning on choosing it, or the question of Generate.
std::optional<DialogMessage> MmsSettingsModel::mmsEndedMessage(MessageId id) const
{
    const std::optional<std::string_view> ended = chosenOperatorMmsEnded();
    if (!ended)
        return std::nullopt;
    return DialogMessage::of(id, m_operatorItems[static_cast<std::size_t>(m_operator)], *ended);
}

bool MmsSettingsModel::smsChosen() const
{
    return m_rules.smsPosition != kNoSmsPosition && m_status == m_rules.smsPosition;
}

void MmsSettingsModel::setReadOnly(std::initializer_list<int> controls, bool readOnly)
{
    for (const int id : controls) {
        if (readOnly)
            m_readOnly.insert(id);
        else
            m_readOnly.erase(id);
    }
}

std::vector<std::string> MmsSettingsModel::listItems(int controlId) const
{
    const LanguageId language = app().language;
    const bool manual = mode() == MmsMode::Manual;
    switch (controlId) {
    case kModeList:
        return Row(MmsModeOptions, language);
    case kStatusList:
        return m_rules.statusList == MmsStatusList::Full ? Row(MmsStatusOptions, language)
                                                         : Row(MmsStatusShortOptions, language);
    case kCountryList: {
        if (manual)
            return Row(OtherText, language);
        std::vector<std::string> names;
        for (std::size_t country = 0; country < kCountryCount; ++country)
            names.emplace_back(CountryName(language, country));
        return names;
    }
    case kOperatorList:
        return m_operatorItems;
    case kLinkTypeList:
        return manual ? std::vector<std::string> { "APN", "CSD" } : std::vector<std::string> { "APN" };
    case kPhoneScopeList:
        return Row(PhoneScopeOptions, language);
    default:
        break;
    }
    if (controlId == m_rules.remoteHourListId)
        return Strings(RemoteHourListTexts(language));
    return {};
}

int MmsSettingsModel::selection(int controlId) const
{
    switch (controlId) {
    case kModeList:
        return m_mode;
    case kStatusList:
        return m_status;
    case kCountryList:
        return m_country;
    case kOperatorList:
        return m_operator;
    case kLinkTypeList:
        return m_linkType;
    case kPhoneScopeList:
        return m_scope;
    default:
        return controlId == m_rules.remoteHourListId ? m_hour : -1;
    }
}

bool MmsSettingsModel::isShown(int controlId) const
{
    if (controlId == kParameterSourceText)
        return mode() == MmsMode::Auto;
    return controlId != kPhoneScopeList || m_rules.phoneScopeShown();
}

DialogOutcome MmsSettingsModel::editChanged(int controlId, std::string text)
{
    switch (controlId) {
    case kUrlEdit:
    case kApnEdit:
    case kGatewayEdit:
    case kPortEdit:
    case kAccountEdit:
    case kPasswordEdit:
    case kPhone3Edit:
        m_edits.setControlText(controlId, text);
        return sync();
    case kPhone1Edit:
        m_edits.setControlText(controlId, text);
        return changePhone1();
    case kEmailEdit:
        m_edits.setControlText(controlId, text);
        return changeEmail();
    case kPhone2Edit:
        m_edits.setControlText(controlId, text);
        return changePhone2();
    case kPicturesPerDayEdit:
        m_edits.setControlText(controlId, text);
        return changePicturesPerDay();
    case kFolderEdit:
        // Read-only: only the folder chooser fills it, but a binder may still report its text.
        m_edits.setControlText(controlId, text);
        return {};
    default:
        return {};
    }
}

DialogOutcome MmsSettingsModel::selectionChanged(int controlId, int index)
{
    if (index < 0 || std::cmp_greater_equal(index, listItems(controlId).size()))
        return {};
    switch (controlId) {
    case kModeList:
        // Choosing the mode already shown changes nothing: a mode change empties what the user typed.
        if (index == m_mode)
            return {};
        m_mode = index;
        return changeMode();
    case kStatusList:
        m_status = index;
        return changeStatus();
    case kCountryList:
        m_country = index;
        return changeCountry();
    case kOperatorList: {
        m_operator = index;
        DialogOutcome outcome = sync();
        if (std::optional<DialogMessage> ended = mmsEndedMessage(MessageId::MmsEnded))
            outcome.add(std::move(*ended));
        return outcome;
    }
    case kLinkTypeList:
        m_linkType = index;
        return {};
    case kPhoneScopeList:
        m_scope = index;
        return changeScope();
    default:
        if (controlId != m_rules.remoteHourListId)
            return {};
        m_hour = index;
        return sync();
    }
}

DialogOutcome MmsSettingsModel::clicked(int controlId)
{
    if (controlId == kGenerateButtonId)
        return generate();
    if (controlId == kSelectFolderButton)
        return chooseFolderFrom(kFolderEdit);
    return {};
}

DialogOutcome MmsSettingsModel::answeredTo(const DialogMessage& question, bool yes)
{
    if (question.id != MessageId::MmsEndedWriteAnyway)
        return answered(yes);
    return yes ? write() : DialogOutcome {};
}

std::optional<SettingsFile> MmsSettingsModel::buildFile(DialogOutcome& outcome)
{
    const std::optional<MmsSettings> settings = checkedSettings(outcome);
    if (!settings)
        return std::nullopt;
    return SettingsFile { .name = kSetupFileName, .bytes = SetupFileBytes(*settings, app(), m_environment.codePage) };
}

DialogOutcome MmsSettingsModel::changeMode()
{
    for (std::string* value :
        { &m_url, &m_apn, &m_gateway, &m_port, &m_account, &m_password, &m_email, &m_phone1, &m_phone2, &m_phone3 })
        value->clear();
    m_country = 0;
    m_operator = 0;
    m_linkType = 0;
    if (mode() == MmsMode::Manual) {
        // The country and operator lists hold the single "Other" entry.
        m_operatorItems = Row(OtherText, app().language);
        setReadOnly(kParameterEdits, false);
        setReadOnly({ kPhone1Edit, kEmailEdit }, false);
        m_countryIndex = kManualCountryIndex;
        m_operatorIndex = kManualOperatorIndex;
        if (smsChosen())
            setReadOnly(kParameterEdits, true);
    } else {
        // The operators of the country the refilled list selects, so that list and parameters always agree.
        m_operatorItems = operatorNames(0);
        setReadOnly(kParameterEdits, true);
        setReadOnly({ kPhone1Edit, kEmailEdit }, false);
    }
    // With SMS the pictures go to phone numbers only, in either mode.
    if (smsChosen())
        setReadOnly({ kEmailEdit }, true);
    setReadOnly({ kPhone2Edit, kPhone3Edit }, true);
    writeBack();
    return {};
}

DialogOutcome MmsSettingsModel::changeStatus()
{
    if (smsChosen()) {
        setReadOnly(kParameterEdits, true);
        setReadOnly({ kPhone1Edit }, false);
        setReadOnly({ kEmailEdit, kPhone2Edit, kPhone3Edit }, true);
        writeBack();
        return {};
    }
    // In Auto mode the read-only states stay: an e-mail edit locked by an earlier SMS choice stays locked
    // until the mode changes.
    if (mode() == MmsMode::Manual) {
        setReadOnly(kParameterEdits, false);
        setReadOnly({ kPhone1Edit, kEmailEdit }, false);
        setReadOnly({ kPhone2Edit, kPhone3Edit }, true);
    }
    return sync();
}

DialogOutcome MmsSettingsModel::changeCountry()
{
    if (mode() == MmsMode::Auto) {
        m_operatorItems = operatorNames(static_cast<std::size_t>(m_country));
        m_operator = 0;
    }
    writeBack();
    DialogOutcome outcome;
    if (std::optional<DialogMessage> ended = mmsEndedMessage(MessageId::MmsEnded))
        outcome.add(std::move(*ended));
    return outcome;
}

DialogOutcome MmsSettingsModel::changeScope()
{
    m_phoneScope = m_scope;
    DialogOutcome outcome;
    if (m_scope == 1)
        outcome.add(DialogMessage::of(MessageId::PhoneNotShownInCamera));
    return outcome;
}

void MmsSettingsModel::lockRecipientsAfterFirst()
{
    m_phone2.clear();
    m_phone3.clear();
    setReadOnly({ kPhone2Edit, kPhone3Edit }, true);
}

DialogOutcome MmsSettingsModel::changePhone1()
{
    DialogOutcome outcome = sync();
    // A number beyond the limit (already reported by the sync) is dropped.
    const std::size_t limit
        = m_rules.phone1TypingLimit != 0 ? m_rules.phone1TypingLimit : Phone1Limit(m_rules, phoneScope());
    if (Utf16Length(m_phone1) > limit)
        m_phone1.clear();
    if (IsGivenRecipient(m_phone1))
        setReadOnly({ kPhone2Edit }, false);
    else
        lockRecipientsAfterFirst();
    writeBack();
    return outcome;
}

DialogOutcome MmsSettingsModel::changeEmail()
{
    DialogOutcome outcome = sync();
    if (!IsGivenRecipient(m_email)) {
        lockRecipientsAfterFirst();
        writeBack();
    } else if (m_email.find('@') != std::string::npos || m_rules.recipients == MmsRecipients::PhoneOrEmail) {
        setReadOnly({ kPhone2Edit }, false);
        writeBack();
    }
    return outcome;
}

DialogOutcome MmsSettingsModel::changePhone2()
{
    DialogOutcome outcome = sync();
    if (!IsGivenRecipient(m_phone2)) {
        m_phone3.clear();
        setReadOnly({ kPhone3Edit }, true);
    } else {
        setReadOnly({ kPhone3Edit }, false);
    }
    writeBack();
    return outcome;
}

DialogOutcome MmsSettingsModel::changePicturesPerDay()
{
    DialogOutcome outcome = sync();
    if (m_picturesPerDay > kMaxPicturesPerDay) {
        m_picturesPerDay = 0;
        writeBack();
    }
    return outcome;
}

void MmsSettingsModel::clearOperatorParameters()
{
    for (std::string* value : { &m_url, &m_apn, &m_gateway, &m_port, &m_account, &m_password })
        value->clear();
}

// An operator whose centre and access point the database does not know would be written with empty parameters,
// which Manual mode refuses: the user is sent there to type them.
std::optional<DialogMessage> MmsSettingsModel::operatorParameterCheck() const
{
    const MmsParameters params = chosenOperatorParameters();
    if (!params.url.empty() && !params.apn.empty())
        return std::nullopt;
    return DialogMessage::of(MessageId::OperatorWithoutParameters,
        MmsModeOptions.text(app().language, static_cast<std::size_t>(MmsMode::Manual)));
}

MmsSettings MmsSettingsModel::buildSettings() const
{
    MmsSettings settings;
    settings.mmsStatusCode = MmsStatusCodes(m_rules.statusList)[static_cast<std::size_t>(m_status)];
    settings.mmsStatusIndex = static_cast<std::uint8_t>(m_status);
    settings.linkType = static_cast<LinkType>(m_linkType);
    settings.picturesPerDay = static_cast<std::uint8_t>(m_picturesPerDay);
    settings.phoneScope = static_cast<PhoneScope>(m_phoneScope);
    settings.countryIndex = static_cast<std::uint8_t>(m_countryIndex);
    settings.operatorIndex = static_cast<std::uint8_t>(m_operatorIndex);
    settings.remoteControlHour = static_cast<std::uint8_t>(m_hour);
    settings.autoMode = mode() == MmsMode::Auto;
    settings.url = m_url;
    settings.apn = m_apn;
    settings.gateway = m_gateway;
    settings.port = m_port;
    settings.account = m_account;
    settings.password = m_password;
    settings.phone1 = m_phone1;
    settings.phone2 = m_phone2;
    settings.phone3 = m_phone3;
    settings.email = m_email;
    return settings;
}

std::optional<MmsSettings> MmsSettingsModel::checkedSettings(DialogOutcome& outcome)
{
    // The file carries what the edits show: a failed sync writes nothing.
    outcome = sync();
    if (!outcome.messages.empty())
        return std::nullopt;
    const bool autoMode = mode() == MmsMode::Auto;
    if (autoMode)
        clearOperatorParameters();
    const MmsSettings typed = buildSettings();
    std::optional<DialogMessage> failure = RecipientFault(typed, m_rules, smsChosen());
    if (!failure && !smsChosen())
        failure = autoMode ? operatorParameterCheck() : ManualParameterFault(typed, m_rules);
    if (!failure)
        failure = RemoteControlFault(typed, m_rules);
    if (failure) {
        outcome.add(std::move(*failure));
        return std::nullopt;
    }
    if (autoMode) {
        m_countryIndex = m_country;
        m_operatorIndex = m_operator;
        const MmsParameters params = chosenOperatorParameters();
        m_url = params.url;
        m_apn = params.apn;
        m_gateway = params.gateway;
        m_port = params.port;
        m_account = params.account;
        m_password = params.password;
    }
    MmsSettings settings = buildSettings();
    if (autoMode)
        clearOperatorParameters();
    if (std::optional<SyncFailure> unstorable
        = UnstorableMmsText(settings, m_rules, m_environment.codePage, app().language)) {
        focusFailure(outcome, std::move(*unstorable));
        return std::nullopt;
    }
    return settings;
}

DialogOutcome MmsSettingsModel::generate()
{
    DialogOutcome outcome;
    if (!checkedSettings(outcome))
        return outcome;
    // An operator that ended MMS cannot carry the pictures: the user decides, No being the default.
    if (std::optional<DialogMessage> ended = mmsEndedMessage(MessageId::MmsEndedWriteAnyway)) {
        outcome.ask(std::move(*ended), DefaultAnswer::No);
        return outcome;
    }
    return write();
}

DialogOutcome MmsSettingsModel::write()
{
    return writeChecked([this](DialogOutcome& outcome) { return checkedSettings(outcome); },
        m_environment.writeSetupFile,
        [this](
            const MmsSettings& settings) { return WriteSetupFile(m_folder, settings, app(), m_environment.codePage); },
        MessageId::MmsFileGenerated);
}

} // namespace tamb
