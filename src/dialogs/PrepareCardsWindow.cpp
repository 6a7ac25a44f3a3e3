#include "dialogs/PrepareCardsWindow.h"

#include "camera/MenuFile.h"
#include "common/ModelCatalogue.h"
#include "common/Paths.h"
#include "common/SmallFile.h"
#include "fleet/SheetRecord.h"
#include "i18n/Messages.h"
#include "i18n/PrepareCardsTexts.h"
#include "ui/CardEject.h"
#include "ui/DialogTemplate.h"
#include "ui/MountedVolumes.h"
#include "ui/UiServices.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStorageInfo>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <ctime>

namespace tamb {
namespace {

using E = PrepareCardsEntry;

// The columns the window shows, in the sheet's own words.
constexpr std::array kShownColumns {
    SheetColumn::Camera,
    SheetColumn::Name,
    SheetColumn::Model,
    SheetColumn::Profile,
    SheetColumn::Written,
    SheetColumn::Card,
};
constexpr int kWrittenColumn = 4;
constexpr int kCardColumn = 5;

QString QtText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string PrepareCardsSentence(E entry, LanguageId language, std::initializer_list<std::string> args = {})
{
    return FillPlaceholders(PrepareCardsWord(entry, language), std::vector<std::string>(args));
}

// The serial number in a card's menu.dat when it is switched on.
std::optional<std::string> SerialOnCard(const CardVolume& card)
{
    constexpr std::string_view kAlphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const auto menu = ReadSmallRegularFile(PathFromUtf8(FileInFolder(card.root, kMenuFileName)), 4096);
    if (!menu || menu->size() != kCameraRecordSize || (*menu)[24] != 1)
        return std::nullopt;
    std::string serial;
    for (std::size_t i = 25; i < 29; ++i) {
        const auto index = static_cast<unsigned char>((*menu)[i]);
        if (index >= kAlphabet.size())
            return std::nullopt;
        serial += kAlphabet[index];
    }
    return serial;
}

std::vector<CardVolume> SystemRemovableVolumes()
{
    std::vector<CardVolume> cards;
    for (const Volume& volume : MountedVolumes({})) {
        if (!volume.removable)
            continue;
        const QStorageInfo storage(QDir::fromNativeSeparators(QString::fromStdString(volume.root)));
        cards.push_back({ volume.root, storage.name().toStdString(), storage.device().toStdString() });
    }
    return cards;
}

} // namespace

CardServices SystemCardServices()
{
    return {
        .removableVolumes = &SystemRemovableVolumes,
        .eject = [](const CardVolume& card) { return EjectVolume(card.root, card.device); },
        .now = [] { return IsoLocalTime(std::time(nullptr)); },
        .pollMilliseconds = 1000,
    };
}

PrepareCardsWindow::PrepareCardsWindow(
    FleetEnvironment environment, ProfileStore profiles, CardServices services, QWidget* parent)
    : QDialog(parent)
    , m_app(environment.app)
    , m_environment(std::move(environment))
    , m_profiles(std::move(profiles))
    , m_services(std::move(services))
{
    setObjectName(QStringLiteral("PrepareCards"));
    setWindowTitle(QtText(PrepareCardsWord(E::Title, m_app.language)));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(kDialogBackground.red, kDialogBackground.green, kDialogBackground.blue));
    setPalette(colours);
    setAutoFillBackground(true);
    QPalette white = colours;
    white.setColor(QPalette::WindowText, QColor(kStaticText.red, kStaticText.green, kStaticText.blue));

    m_sheetLabel = new QLabel(this);
    m_sheetLabel->setPalette(white);
    m_table = new QTableWidget(0, static_cast<int>(kShownColumns.size()), this);
    m_table->setObjectName(QStringLiteral("cameras"));
    QStringList headers;
    for (const std::string_view column : kShownColumns)
        headers << QtText(column);
    m_table->setHorizontalHeaderLabels(headers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->setVisible(false);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, [this] {
        refreshButtons();
        const auto chosen = chosenCamera();
        if (!chosen)
            return;
        const SheetCamera& camera = m_sheet.cameras[*chosen];
        if (!camera.written.empty())
            showStatus(PrepareCardsSentence(E::Written, m_app.language, { camera.serial, camera.card }));
        else if (m_card)
            showStatus(PrepareCardsSentence(E::CardReady, m_app.language, { cardName(*m_card), camera.serial }));
        else
            showStatus(PrepareCardsSentence(E::InsertCard, m_app.language, { camera.serial, camera.name }));
    });
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setWordWrap(true);
    m_status->setPalette(white);

    auto* open = new QPushButton(QtText(PrepareCardsWord(E::OpenSheet, m_app.language)), this);
    m_write = new QPushButton(QtText(PrepareCardsWord(E::WriteCard, m_app.language)), this);
    m_write->setObjectName(QStringLiteral("write"));
    m_eject = new QPushButton(QtText(PrepareCardsWord(E::Eject, m_app.language)), this);
    m_eject->setObjectName(QStringLiteral("eject"));
    auto* close = new QPushButton(QtText(PrepareCardsWord(E::Close, m_app.language)), this);
    connect(open, &QPushButton::clicked, this, [this] {
        const QString chosen
            = QFileDialog::getOpenFileName(this, QtText(PrepareCardsWord(E::OpenSheet, m_app.language)),
                QtText(m_sheetPath.empty() ? DefaultOutputFolder() : Utf8FromPath(m_sheetPath)),
                QStringLiteral("CSV (*.csv *.txt)"));
        if (!chosen.isEmpty())
            (void)openSheet(PathFromUtf8(chosen.toStdString()));
    });
    connect(m_write, &QPushButton::clicked, this, [this] { writeCard(); });
    connect(m_eject, &QPushButton::clicked, this, [this] {
        if (m_lastWritten)
            ejectCard(*m_lastWritten);
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(m_sheetLabel, 1);
    top->addWidget(open);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_write);
    buttons->addWidget(m_eject);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_status);
    layout->addLayout(buttons);
    resize(720, 420);

    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, [this] { pollVolumes(); });
    m_timer->start(m_services.pollMilliseconds);
    showStatus(std::string { PrepareCardsWord(E::NoSheet, m_app.language) });
    refreshButtons();
}

PrepareCardsWindow::~PrepareCardsWindow() = default;

bool PrepareCardsWindow::openSheet(const std::filesystem::path& path)
{
    CameraSheet sheet;
    const ProfileStore& profiles = m_profiles;
    const auto problems = LoadCameraSheet(
        path, [&profiles](std::string_view name, Profile& profile) { return profiles.load(name, profile); },
        m_environment, sheet);
    if (!problems.empty()) {
        std::string lines;
        for (const SheetProblem& problem : problems) {
            if (!lines.empty())
                lines += '\n';
            lines += DescribeProblem(problem);
        }
        ShowMessage(PrepareCardsSentence(E::SheetBad, m_app.language, { lines }));
        return false;
    }
    m_sheetPath = path;
    m_sheet = std::move(sheet);
    m_sheetLabel->setText(QtText(Utf8FromPath(path)));
    m_runStarted = false;
    fillTable();
    chooseNext();
    return true;
}

void PrepareCardsWindow::fillTable()
{
    m_table->setRowCount(static_cast<int>(m_sheet.cameras.size()));
    for (std::size_t row = 0; row < m_sheet.cameras.size(); ++row) {
        const SheetCamera& camera = m_sheet.cameras[row];
        const std::array<std::string, kShownColumns.size()> cells { camera.serial, camera.name,
            std::to_string(camera.model) + " (" + std::string { ModelTitle(camera.model) } + ")", camera.profile,
            camera.written, camera.card };
        for (std::size_t column = 0; column < cells.size(); ++column)
            m_table->setItem(
                static_cast<int>(row), static_cast<int>(column), new QTableWidgetItem(QtText(cells[column])));
    }
    m_table->resizeColumnsToContents();
}

void PrepareCardsWindow::chooseNext()
{
    const auto chosen = chosenCamera();
    const std::size_t start = chosen ? *chosen + 1 : 0;
    for (std::size_t step = 0; step < m_sheet.cameras.size(); ++step) {
        const std::size_t row = (start + step) % m_sheet.cameras.size();
        if (m_sheet.cameras[row].written.empty()) {
            m_table->selectRow(static_cast<int>(row));
            const SheetCamera& camera = m_sheet.cameras[row];
            showStatus(m_card ? PrepareCardsSentence(E::CardReady, m_app.language, { cardName(*m_card), camera.serial })
                              : PrepareCardsSentence(E::InsertCard, m_app.language, { camera.serial, camera.name }));
            return;
        }
    }
    m_table->clearSelection();
    showStatus(std::string { PrepareCardsWord(E::AllDone, m_app.language) });
}

std::optional<std::size_t> PrepareCardsWindow::chosenCamera() const
{
    const auto rows = m_table->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return static_cast<std::size_t>(rows.front().row());
}

QString PrepareCardsWindow::status() const
{
    return m_status->text();
}

void PrepareCardsWindow::showStatus(std::string text)
{
    m_status->setText(QtText(text));
}

void PrepareCardsWindow::refreshButtons()
{
    m_write->setEnabled(m_card.has_value() && chosenCamera().has_value());
    m_eject->setEnabled(m_lastWritten.has_value());
}

std::string PrepareCardsWindow::cardName(const CardVolume& card) const
{
    return card.label.empty() ? card.root : card.label;
}

void PrepareCardsWindow::pollVolumes()
{
    const std::vector<CardVolume> volumes = m_services.removableVolumes();
    std::set<std::string> roots;
    std::optional<CardVolume> inserted;
    for (const CardVolume& volume : volumes) {
        roots.insert(volume.root);
        if (!m_seenRoots.contains(volume.root))
            inserted = volume;
    }
    m_seenRoots = std::move(roots);
    if (m_card && !m_seenRoots.contains(m_card->root)) {
        m_card.reset();
        chooseNext();
    }
    if (m_lastWritten && !m_seenRoots.contains(m_lastWritten->root))
        m_lastWritten.reset();
    if (inserted && !m_sheet.cameras.empty()) {
        m_card = inserted;
        if (m_runStarted && chosenCamera()) {
            writeCard();
        } else if (const auto chosen = chosenCamera()) {
            showStatus(PrepareCardsSentence(
                E::CardReady, m_app.language, { cardName(*m_card), m_sheet.cameras[*chosen].serial }));
        }
    }
    refreshButtons();
}

bool PrepareCardsWindow::mayOverwrite(const CardVolume& card, const SheetCamera& camera)
{
    const auto serial = SerialOnCard(card);
    if (!serial || *serial == camera.serial || m_sheet.find(*serial) == nullptr)
        return true;
    return AskYesNo(PrepareCardsSentence(E::OtherCamera, m_app.language, { cardName(card), *serial, camera.serial }));
}

void PrepareCardsWindow::writeCard()
{
    const auto chosen = chosenCamera();
    if (!m_card || !chosen)
        return;
    const CardVolume card = *m_card;
    const SheetCamera camera = m_sheet.cameras[*chosen];
    if (!mayOverwrite(card, camera))
        return;
    // The card counts as used, whatever comes of it: it is written again only after it was taken out.
    m_card.reset();
    m_runStarted = true;
    const ProfileStore& profiles = m_profiles;
    std::unique_ptr<CameraSetup> setup;
    const auto lookup = [&profiles](std::string_view name, Profile& profile) { return profiles.load(name, profile); };
    std::vector<std::string> written;
    Status wrote = Status::success();
    if (const auto problem = PrepareCamera(camera, lookup, m_environment, setup))
        wrote = Status::failure(DescribeProblem(*problem));
    else
        wrote = setup->write(card.root, written);
    if (!wrote.ok()) {
        ShowMessage(PrepareCardsSentence(E::NotWritten, m_app.language, { camera.serial, wrote.reason() }));
        refreshButtons();
        return;
    }
    const std::string when = m_services.now();
    const std::string label = cardName(card);
    if (const Status recorded = RecordCardWritten(m_sheetPath, camera.serial, when, label); !recorded.ok())
        ShowMessage(PrepareCardsSentence(E::NotRecorded, m_app.language, { camera.serial, recorded.reason() }));
    m_sheet.cameras[*chosen].written = when;
    m_sheet.cameras[*chosen].card = label;
    m_table->item(static_cast<int>(*chosen), kWrittenColumn)->setText(QtText(when));
    m_table->item(static_cast<int>(*chosen), kCardColumn)->setText(QtText(label));
    m_table->resizeColumnsToContents();
    m_lastWritten = card;
    showStatus(PrepareCardsSentence(E::Written, m_app.language, { camera.serial, label }));
    refreshButtons();
    if (AskYesNo(PrepareCardsSentence(E::AskEject, m_app.language, { camera.serial, label })))
        ejectCard(card);
    chooseNext();
}

void PrepareCardsWindow::ejectCard(const CardVolume& card)
{
    const Status ejected = m_services.eject(card);
    if (ejected.ok()) {
        ShowMessage(PrepareCardsSentence(E::Ejected, m_app.language, { cardName(card) }));
        m_lastWritten.reset();
    } else {
        ShowMessage(PrepareCardsSentence(E::NotEjected, m_app.language, { cardName(card), ejected.reason() }));
    }
    refreshButtons();
}

} // namespace tamb
