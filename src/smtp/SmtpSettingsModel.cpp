#include "smtp/SmtpSettingsModel.h"

#include "cellular/CellularRecord.h"
#include "cellular/OperatorDatabase.h"
#include "common/Utf8Text.h"
#include "i18n/CountryTexts.h"
#include "i18n/MmsTexts.h"
#include "i18n/SmtpTexts.h"
#include "smtp/SmtpFile.h"
#include "smtp/SmtpFileLoad.h"

#include <algorithm>
#include <array>
#include <utility>
#include <variant>

namespace tamb {
namespace {

constexpr std::size_t kPasswordLimit = 32;
constexpr std::size_t kApnLimit = 32;
constexpr std::size_t kServerLimit = 40;
constexpr std::size_t kPortLimit = 10;
constexpr std::size_t kPhoneLimit = 30;
// A text shorter than this counts as not entered.
constexpr std::size_t kShortestEntry = 2;
// An SMS phone number needs at least this many characters.
constexpr std::size_t kShortestPhone = 5;
// A picture limit typed at or above this is replaced by 0 (no limit).
constexpr std::int32_t kPicturesCorrectedFrom = 100;

// The GPRS edits: read-only in Auto mode, where the operator database supplies their values.
constexpr std::array kGprsEdits { kSmtpApnEditId, kSmtpAccountEditId, kSmtpPasswordEditId };

std::vector<std::string> Strings(std::span<const std::string_view> texts)
{
    return { texts.begin(), texts.end() };
}

std::vector<std::string> SmtpOperatorList(std::size_t position)
{
    return Strings(SmtpOperators(position));
}

std::size_t Length(const std::string& text)
{
    return Utf16Length(text);
}

// The checks of an e-mail address at Generate: entered, with "@", with ".".
std::optional<DialogMessage> EmailFault(const std::string& address)
{
    if (Length(address) < kShortestEntry)
        return DialogMessage::of(MessageId::EmailMissing);
    if (address.find('@') == std::string::npos)
        return DialogMessage::of(MessageId::EmailWithoutAt);
    if (address.find('.') == std::string::npos)
        return DialogMessage::of(MessageId::EmailWithoutDot);
    return std::nullopt;
}

} // namespace

SmtpSettingsModel::SmtpSettingsModel(SmtpFamily family, SmtpEnvironment environment)
    : FileSettingsModel(kSmtpFileName, environment.startFolder, environment.offerToLoad, &CheckSmtpFile, &LoadSmtpFile)
    , m_data(SmtpDialogDataOf(family))
    , m_environment(std::move(environment))
{
    // The picture limit uses the platform's own range prompt, as its edit is a plain integer edit.
    m_exchange.bindInteger(kSmtpPicturesEditId, m_picturesPerDay, 0, kMaxPicturesPerDay, MessageId::PromptIntegerRange);
    m_exchange.bindText(kSmtpRecipientEmailEditId, m_recipientEmail, m_data.emailLimit);
    m_exchange.bindText(kSmtpSenderEmailEditId, m_senderEmail, m_data.emailLimit);
    m_exchange.bindText(kSmtpSenderPasswordEditId, m_senderPassword, kPasswordLimit);
    m_exchange.bindText(kSmtpServerEditId, m_smtpServer, kServerLimit);
    m_exchange.bindText(kSmtpPortEditId, m_smtpPort, kPortLimit);
    m_exchange.bindText(kSmtpAccountEditId, m_account, kPasswordLimit);
    m_exchange.bindText(kSmtpApnEditId, m_apn, kApnLimit);
    m_exchange.bindText(kSmtpPasswordEditId, m_password, kPasswordLimit);
    m_exchange.bindText(kSmtpFolderEditId, m_folder);
    m_exchange.bindText(m_data.smsPhoneEditId, m_smsPhone, kPhoneLimit);

    startAfresh();
}

void SmtpSettingsModel::startAfresh()
{
    m_mode = static_cast<int>(SmtpMode::Auto);
    m_country = 0;
    m_operator = 0;
    m_hour = kRemoteControlOff;
    m_status = static_cast<int>(SmtpStatus::Vga);
    m_picturesPerDay = 0;
    for (std::string* text : { &m_recipientEmail, &m_senderEmail, &m_senderPassword, &m_smtpServer, &m_smtpPort,
             &m_account, &m_apn, &m_password, &m_smsPhone })
        text->clear();
    // The Chinese user interface names China's operators in Chinese, but only until the list is refilled.
    m_operatorNames = app().language == kChinese ? Strings(ChinaOperatorNamesZh) : SmtpOperatorList(0);
    writeBack();
}

std::vector<std::string> SmtpSettingsModel::listItems(int controlId) const
{
    const LanguageId language = app().language;
    if (controlId == kSmtpModeListId)
        return Strings(SmtpModeOptions.row(language));
    if (controlId == kSmtpCountryListId) {
        if (!isAuto())
            return { std::string { OtherText.text(language, 0) } };
        return Strings(SmtpCountries(language));
    }
    if (controlId == kSmtpOperatorListId)
        return m_operatorNames;
    if (controlId == m_data.hourListId) {
        std::vector<std::string> hours;
        for (int hour = 0; hour < kRemoteControlOff; ++hour)
            hours.push_back(std::to_string(hour));
        hours.emplace_back(HourOffText.text(language, 0));
        return hours;
    }
    if (controlId == m_data.statusListId && controlId != kNoControl)
        return Strings(SmtpStatusOptions.row(language));
    return {};
}

int SmtpSettingsModel::*SmtpSettingsModel::selectionOf(int controlId) const
{
    if (controlId == kSmtpModeListId)
        return &SmtpSettingsModel::m_mode;
    if (controlId == kSmtpCountryListId)
        return &SmtpSettingsModel::m_country;
    if (controlId == kSmtpOperatorListId)
        return &SmtpSettingsModel::m_operator;
    if (controlId == m_data.hourListId)
        return &SmtpSettingsModel::m_hour;
    if (controlId == m_data.statusListId && controlId != kNoControl)
        return &SmtpSettingsModel::m_status;
    return nullptr;
}

int SmtpSettingsModel::selection(int controlId) const
{
    const auto selected = selectionOf(controlId);
    return selected != nullptr ? this->*selected : -1;
}

bool SmtpSettingsModel::isReadOnly(int controlId) const
{
    return isAuto() && std::ranges::find(kGprsEdits, controlId) != kGprsEdits.end();
}

DialogOutcome SmtpSettingsModel::editChanged(int controlId, std::string text)
{
    static constexpr std::array kEdits { kSmtpPicturesEditId, kSmtpRecipientEmailEditId, kSmtpSenderEmailEditId,
        kSmtpSenderPasswordEditId, kSmtpServerEditId, kSmtpPortEditId, kSmtpAccountEditId, kSmtpApnEditId,
        kSmtpPasswordEditId, kSmtpFolderEditId };
    const bool bound = controlId == m_data.smsPhoneEditId || std::ranges::find(kEdits, controlId) != kEdits.end();
    if (!bound || isReadOnly(controlId))
        return {};
    m_edits.setControlText(controlId, text);
    DialogOutcome outcome = sync();
    if (controlId == kSmtpPicturesEditId && m_picturesPerDay >= kPicturesCorrectedFrom) {
        m_picturesPerDay = 0;
        writeBack();
    }
    return outcome;
}

DialogOutcome SmtpSettingsModel::selectionChanged(int controlId, int index)
{
    const auto selected = selectionOf(controlId);
    if (selected == nullptr || index < 0 || static_cast<std::size_t>(index) >= listItems(controlId).size())
        return {};
    if (controlId == kSmtpModeListId) {
        // Choosing the mode already shown changes nothing: a mode change empties what the user typed.
        if (index == m_mode)
            return {};
        DialogOutcome outcome = sync();
        changeMode(static_cast<SmtpMode>(index));
        return outcome;
    }
    this->*selected = index;
    if (controlId == kSmtpCountryListId && isAuto()) {
        m_operatorNames = SmtpOperatorList(static_cast<std::size_t>(index));
        m_operator = 0;
    }
    return {};
}

DialogOutcome SmtpSettingsModel::listClosedWithoutChoice(int controlId)
{
    if (controlId == m_data.hourListId && m_data.hourListSyncsOnClose)
        return sync();
    return {};
}

void SmtpSettingsModel::changeMode(SmtpMode mode)
{
    const auto country = static_cast<std::size_t>(m_country);
    for (std::string* text : { &m_recipientEmail, &m_senderEmail, &m_senderPassword, &m_smtpServer, &m_smtpPort,
             &m_password, &m_account, &m_apn })
        text->clear();
    m_mode = static_cast<int>(mode);
    m_operatorNames = mode == SmtpMode::Manual
        ? std::vector<std::string> { std::string { OtherText.text(app().language, 0) } }
        : SmtpOperatorList(country);
    m_country = 0;
    m_operator = 0;
    writeBack();
}

DialogOutcome SmtpSettingsModel::clicked(int controlId)
{
    if (controlId == kSmtpGenerateButtonId)
        return generate();
    if (controlId == kSmtpTestButtonId)
        return testAccount();
    if (controlId == kSmtpSelectFolderButtonId)
        return chooseFolderFrom(kSmtpFolderEditId);
    // The OK action (what Enter stands for in a dialog without a default button) writes nothing and, unlike
    // Exit, must not end the dialog and lose what was typed.
    return {};
}

std::optional<SettingsFile> SmtpSettingsModel::buildFile(DialogOutcome& outcome)
{
    const std::optional<SmtpSettings> settings = checkedSettings(outcome);
    if (!settings)
        return std::nullopt;
    return SettingsFile { .name = kSmtpFileName,
        .bytes = SmtpFileBytes(*settings, m_data.family, app(), m_environment.codePage) };
}

std::optional<DialogMessage> SmtpSettingsModel::firstInvalidText() const
{
    if (!isAuto() && Length(m_apn) < kShortestEntry)
        return DialogMessage::of(MessageId::GprsApnMissing);
    // An operator without an access point in the database would be written without one, which Manual mode
    // refuses: the user is sent there to type it.
    if (isAuto() && chosenOperatorParameters().apn.empty()) {
        return DialogMessage::of(MessageId::OperatorWithoutParameters,
            SmtpModeOptions.text(app().language, static_cast<std::size_t>(SmtpMode::Manual)));
    }
    if (Length(m_smtpServer) < kShortestEntry)
        return DialogMessage::of(MessageId::SmtpServerMissing);
    if (Length(m_smtpPort) < kShortestEntry)
        return DialogMessage::of(MessageId::SmtpPortMissing);
    if (std::optional<DialogMessage> sender = EmailFault(m_senderEmail))
        return sender;
    if (Length(m_senderPassword) < kShortestEntry)
        return DialogMessage::of(MessageId::SenderPasswordMissing);
    if (std::optional<DialogMessage> recipient = EmailFault(m_recipientEmail))
        return recipient;
    const std::size_t phone = Length(m_smsPhone);
    if (m_data.phoneCheckedWithoutHour && phone > 0 && phone < kShortestPhone)
        return DialogMessage::of(MessageId::SmsPhoneError);
    if (m_hour != kRemoteControlOff && phone < kShortestPhone)
        return DialogMessage::of(MessageId::SmsPhoneError);
    return std::nullopt;
}

std::string SmtpSettingsModel::editText(int controlId) const
{
    if (controlId != kSmtpParameterSourceId)
        return m_edits.controlText(controlId);
    if (!isAuto())
        return {};
    const GprsParameters parameters = chosenOperatorParameters();
    return ParameterSourceLine(parameters.origin, parameters.empty(), app().language);
}

GprsParameters SmtpSettingsModel::chosenOperatorParameters() const
{
    return m_environment.operators->gprs(static_cast<std::size_t>(m_country), static_cast<std::size_t>(m_operator));
}

SmtpSettings SmtpSettingsModel::collect() const
{
    SmtpSettings settings;
    settings.autoMode = isAuto();
    settings.operatorIndex = static_cast<std::uint8_t>(m_operator);
    settings.countryIndex = isAuto() ? static_cast<std::uint8_t>(m_country) : kManualCountryIndex;
    settings.picturesPerDay = static_cast<std::uint8_t>(std::clamp<std::int32_t>(m_picturesPerDay, 0, 99));
    settings.smtpStatus = static_cast<std::uint8_t>(m_status);
    settings.remoteControlHour = static_cast<std::uint8_t>(m_hour);
    if (isAuto()) {
        // Not shown: the edits of Auto mode stay empty.
        const GprsParameters gprs = chosenOperatorParameters();
        settings.apn = gprs.apn;
        settings.account = gprs.account;
        settings.password = gprs.password;
    } else {
        settings.apn = m_apn;
        settings.account = m_account;
        settings.password = m_password;
    }
    settings.smtpServer = m_smtpServer;
    settings.smtpPort = m_smtpPort;
    settings.senderEmail = m_senderEmail;
    settings.senderPassword = m_senderPassword;
    settings.smsPhone = m_smsPhone;
    settings.recipientEmail = m_recipientEmail;
    return settings;
}

std::optional<SyncFailure> SmtpSettingsModel::firstUnstorableText(const SmtpSettings& settings) const
{
    const std::array<std::pair<int, const std::string*>, 9> texts { {
        { kSmtpApnEditId, &settings.apn },
        { kSmtpAccountEditId, &settings.account },
        { kSmtpPasswordEditId, &settings.password },
        { kSmtpServerEditId, &settings.smtpServer },
        { kSmtpPortEditId, &settings.smtpPort },
        { kSmtpSenderEmailEditId, &settings.senderEmail },
        { kSmtpSenderPasswordEditId, &settings.senderPassword },
        { m_data.smsPhoneEditId, &settings.smsPhone },
        { kSmtpRecipientEmailEditId, &settings.recipientEmail },
    } };
    for (const auto& [controlId, text] : texts) {
        if (!TextFitsRecord(*text, m_environment.codePage))
            return SyncFailure { controlId, DialogMessage::of(MessageId::SmtpTextNotStorable) };
    }
    return std::nullopt;
}

std::optional<SmtpSettings> SmtpSettingsModel::checkedSettings(DialogOutcome& outcome)
{
    // What the edits show is what gets written, so a sync that fails stops here.
    outcome = sync();
    if (!outcome.messages.empty())
        return std::nullopt;
    if (std::optional<DialogMessage> invalid = firstInvalidText()) {
        outcome.add(std::move(*invalid));
        return std::nullopt;
    }
    SmtpSettings settings = collect();
    // The camera would receive "?" or a cut text; say so instead of writing it.
    if (std::optional<SyncFailure> unstorable = firstUnstorableText(settings)) {
        focusFailure(outcome, std::move(*unstorable));
        return std::nullopt;
    }
    return settings;
}

DialogOutcome SmtpSettingsModel::generate()
{
    return writeChecked([this](DialogOutcome& outcome) { return checkedSettings(outcome); },
        m_environment.writeSmtpFile,
        [this](const SmtpSettings& settings) {
            return WriteSmtpFile(m_folder, settings, m_data.family, app(), m_environment.codePage);
        },
        MessageId::SmtpFileGenerated);
}

} // namespace tamb

namespace tamb {

DialogOutcome SmtpSettingsModel::testAccount()
{
    // The check reads what the edits show, so a sync that fails stops here, as it stops Generate.
    DialogOutcome outcome = sync();
    if (!outcome.messages.empty())
        return outcome;
    auto account = SmtpAccountFromTexts(m_smtpServer, m_smtpPort, m_senderEmail, m_senderPassword);
    if (auto* refusal = std::get_if<DialogMessage>(&account)) {
        outcome.add(std::move(*refusal));
        return outcome;
    }
    if (!m_environment.checkLogin) // the button is hidden then
        return outcome;
    m_testedAccount = std::get<SmtpAccount>(std::move(account));
    outcome.background = loginCheck(*m_testedAccount, false);
    return outcome;
}

BackgroundWork SmtpSettingsModel::loginCheck(SmtpAccount account, bool allowPlainLogin) const
{
    // The work owns copies of the account and the check: it runs on another thread while the dialog goes on.
    return BackgroundWork {
        .controlId = kSmtpTestButtonId,
        .run =
            [account = std::move(account), allowPlainLogin, check = m_environment.checkLogin,
                limit = m_environment.loginTimeLimit](const std::atomic<bool>& cancel) {
                DialogOutcome done;
                const SmtpLoginResult result = check(account, allowPlainLogin, cancel);
                if (result.outcome == SmtpLoginOutcome::PlainLoginNotAllowed)
                    done.ask(SmtpPlainLoginQuestion(account), DefaultAnswer::No);
                else if (result.outcome != SmtpLoginOutcome::Cancelled)
                    done.add(SmtpLoginMessage(result, account, limit));
                return done;
            },
    };
}

DialogOutcome SmtpSettingsModel::answeredTo(const DialogMessage& question, bool yes)
{
    if (question.id != MessageId::SmtpPlainLoginQuestion)
        return answered(yes);
    // Only a yes to this very question lets the password cross the network readable, and only for this check.
    DialogOutcome outcome;
    std::optional<SmtpAccount> account = std::exchange(m_testedAccount, std::nullopt);
    if (yes && account)
        outcome.background = loginCheck(std::move(*account), true);
    return outcome;
}

} // namespace tamb
