// Every text of every window fits, measured twice: by the font's metrics (FindCutTexts) and by the pixels the
// dialog paints (FindCutPixels); every control lies inside its frame and none covers another
// (FindMisplacedControls). The locale and the scale come from the environment (LANG, QT_SCALE_FACTOR): CMake
// runs this program once per locale and scale. TAMB_LAYOUT_LANGUAGES (comma-separated LanguageIds) limits the
// interface languages checked; all 15 by default.

#include "EveryDialog.h"
#include "app/AboutBox.h"
#include "i18n/Messages.h"
#include "startup/InMemoryPreferenceStore.h"
#include "support/ControlPlacementCheck.h"
#include "support/DrawnTextCheck.h"
#include "ui/AppIcon.h"
#include "ui/RecordingUiServices.h"
#include "ui/TextFit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDebug>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QSet>
#include <QStringList>
#include <QTest>
#include <algorithm>

namespace tamb {
namespace {

AppState StateOf(ModelId model, LanguageId language)
{
    AppState state;
    state.model = model;
    state.language = language;
    return state;
}

std::vector<LanguageId> CheckedLanguages()
{
    const QByteArray chosen = qgetenv("TAMB_LAYOUT_LANGUAGES");
    std::vector<LanguageId> languages;
    for (const QByteArray& one : chosen.split(',')) {
        bool number = false;
        const int language = one.trimmed().toInt(&number);
        if (number && language >= kFirstLanguage && language <= kLastLanguage)
            languages.push_back(language);
    }
    if (languages.empty()) {
        for (LanguageId language = kFirstLanguage; language <= kLastLanguage; ++language)
            languages.push_back(language);
    }
    return languages;
}

// TAMB_LAYOUT_TEN_DIALOGS: check the ten setup dialogs, each as one model opens it, rather than every dialog of
// every model; the runs at the larger scales do so to stay within the time of a CI run.
bool TenDialogsOnly()
{
    return qEnvironmentVariableIsSet("TAMB_LAYOUT_TEN_DIALOGS");
}

// The models whose dialogs are checked, and for each the kinds of dialog ("" for all of them).
std::vector<std::pair<ModelId, QString>> CheckedModels()
{
    std::vector<std::pair<ModelId, QString>> models;
    if (TenDialogsOnly()) {
        for (const test::DialogOfModel& ten : test::TenDialogs())
            models.emplace_back(ten.model, ten.name);
    } else {
        for (ModelId model = 1; model <= kModelCount; ++model)
            models.emplace_back(model, QString());
    }
    return models;
}

// Where the check runs: the locale and scale, for the failure report.
QString Setting()
{
    return QStringLiteral("LANG=%1, scale %2")
        .arg(QString::fromLocal8Bit(qgetenv("LANG")))
        .arg(QGuiApplication::primaryScreen()->devicePixelRatio());
}

enum class Checks
{
    All,
    // For Qt's own windows, laid out by Qt rather than by our fitting, whose measure the metrics check shares.
    DrawnPixelsOnly,
};

QString Described(const QRect& place)
{
    return QStringLiteral("%1,%2 %3x%4").arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height());
}

// The checks of one window, as lines of a report: cut texts, and controls out of place.
QString CutTextsOf(QWidget& window, const QString& name, LanguageId language, Checks checks = Checks::All)
{
    QString text;
    const std::vector<CutText> byMetrics = checks == Checks::All ? FindCutTexts(window) : std::vector<CutText> {};
    for (const CutText& one : byMetrics)
        text += QStringLiteral("\n  %1, language %2, control %3: \"%4\" lacks %5 px of width")
                    .arg(name)
                    .arg(language)
                    .arg(one.control, one.text)
                    .arg(one.missingPixels);
    for (const test::CutPixels& one : test::FindCutPixels(window))
        text += QStringLiteral("\n  %1, language %2, control %3: \"%4\" loses %5 glyph pixels")
                    .arg(name)
                    .arg(language)
                    .arg(one.control, one.text)
                    .arg(one.pixels);
    const std::vector<test::MisplacedControl> misplaced
        = checks == Checks::All ? test::FindMisplacedControls(window) : std::vector<test::MisplacedControl> {};
    for (const test::MisplacedControl& one : misplaced)
        text += QStringLiteral("\n  %1, language %2, control %3 %4 %5 by %6 px (%7 and %8)")
                    .arg(name)
                    .arg(language)
                    .arg(one.control, one.fault, one.other)
                    .arg(one.pixels)
                    .arg(Described(one.place), Described(one.otherPlace));
    return text;
}

// Everything the checks look at in a window: each control's class, place, state and texts. Two windows alike in
// this are checked once (many models open the same dialog with the same texts).
QString Fingerprint(const QWidget& window)
{
    QString print = QStringLiteral("%1x%2").arg(window.width()).arg(window.height());
    for (const QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect place = child->geometry();
        print += QStringLiteral("|%1 %2,%3,%4,%5 %6%7 ")
                     .arg(QString::fromLatin1(child->metaObject()->className()))
                     .arg(place.x())
                     .arg(place.y())
                     .arg(place.width())
                     .arg(place.height())
                     .arg(child->isVisibleTo(&window))
                     .arg(child->isEnabled());
        if (const auto* label = qobject_cast<const QLabel*>(child))
            print += label->text();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(child))
            print += button->text();
        else if (const auto* group = qobject_cast<const QGroupBox*>(child))
            print += group->title();
        else if (const auto* list = qobject_cast<const QComboBox*>(child)) {
            print += QString::number(list->currentIndex());
            for (int i = 0; i < list->count(); ++i)
                print += QLatin1Char('\n') + list->itemText(i);
        }
    }
    return print;
}

// CutTextsOf for a window unless one just like it was checked before.
QString CutTextsOfNew(QWidget& window, const QString& name, LanguageId language)
{
    static QSet<QString> checked;
    const QString print = Fingerprint(window);
    if (checked.contains(print))
        return {};
    checked.insert(print);
    return CutTextsOf(window, name, language);
}

// TAMB_LAYOUT_LENGTHEN_CAPTION=ID: the label ID of every checked setup dialog shows its caption three times after
// the dialog placed it, as a faulty layout would leave a caption too long for its place, so that the check can be
// seen failing on it.
void LengthenCaptionIfAsked(SettingsDialog& dialog)
{
    bool number = false;
    const int id = qEnvironmentVariableIntValue("TAMB_LAYOUT_LENGTHEN_CAPTION", &number);
    auto* label = number && dialog.hasControl(id) ? qobject_cast<QLabel*>(dialog.control(id)) : nullptr;
    if (label != nullptr)
        label->setText(QStringList(3, label->text()).join(QLatin1Char(' ')));
}

// Whether the checks look at the dialog `name` ("camera", "mms", "smtp") of `model`.
bool IsChecked(ModelId model, const QString& name)
{
    static const std::vector<std::pair<ModelId, QString>> checked = CheckedModels();
    return std::ranges::any_of(checked, [&](const std::pair<ModelId, QString>& one) {
        return one.first == model && (one.second.isEmpty() || one.second.startsWith(name));
    });
}

struct Extreme
{
    int size = 0;
    QString name;
};

// Every setup dialog of every model in the checked languages, made once for the slots that look at all of them
// (making the dialogs takes most of their time): what the checks find in those that are checked, and the tallest
// and the widest of all.
struct DialogSurvey
{
    QString failures;
    Extreme tallest;
    Extreme widest;
};

const DialogSurvey& SurveyOfEveryDialog()
{
    static const DialogSurvey survey = [] {
        DialogSurvey made;
        for (const LanguageId language : CheckedLanguages()) {
            for (ModelId model = 1; model <= kModelCount; ++model) {
                for (const auto& [name, dialog] : test::SetupDialogsOf(model, language)) {
                    const QString described = QStringLiteral("%1 dialog of model %2").arg(name).arg(model);
                    const QString withLanguage = QStringLiteral("%1, language %2").arg(described).arg(language);
                    if (dialog->height() > made.tallest.size)
                        made.tallest = { dialog->height(), withLanguage };
                    if (dialog->width() > made.widest.size)
                        made.widest = { dialog->width(), withLanguage };
                    if (!IsChecked(model, name))
                        continue;
                    LengthenCaptionIfAsked(*dialog);
                    made.failures += CutTextsOfNew(*dialog, described, language);
                }
            }
        }
        return made;
    }();
    return survey;
}

void Report(const QString& failures)
{
    if (!failures.isEmpty())
        qWarning().noquote() << "layout faults under" << Setting() << ":" << failures;
}

// A message box as the program shows it, laid out.
class ShownMessage : public QMessageBox
{
public:
    explicit ShownMessage(const QString& text)
        : QMessageBox(QMessageBox::NoIcon, QStringLiteral("Tamb Vorrel"), text, QMessageBox::Yes | QMessageBox::No)
    {
        setIconPixmap(ApplicationIcon().pixmap(32, 32));
        show();
    }
};

} // namespace

class LayoutCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void everyTextFitsInEveryDialogOfEveryModel();
    void everyOperatorListFitsAfterEachCountry();
    void everyTextOfTheMainWindowAndAboutFits();
    void everyMessageFitsItsBox();
    void everyDialogFitsALaptopScreen();
    void theCheckFindsCutPixels_data();
    void theCheckFindsCutPixels();
    void theCheckFindsControlsOutOfPlace_data();
    void theCheckFindsControlsOutOfPlace();
    void aTextGrowsIntoFreeSpaceAndTheWindowWidensWhereThereIsNone();
};

void LayoutCheckTest::everyTextFitsInEveryDialogOfEveryModel()
{
    const QString& failures = SurveyOfEveryDialog().failures;
    Report(failures);
    QVERIFY2(failures.isEmpty(), "the layout has faults; the warning above lists them");
}

void LayoutCheckTest::everyOperatorListFitsAfterEachCountry()
{
    // Some countries' first operator ended MMS, which the dialog says in a message box.
    RecordingUiServices services;
    const ScopedUiServices scoped(services);
    QString failures;
    for (const LanguageId language : CheckedLanguages()) {
        // The country and operator names are English in every language but Chinese; Japanese draws them in its
        // own font.
        if ((language != kChinese && language != kEnglish && language != 10) || TenDialogsOnly())
            continue;
        for (const ModelId model : { 3, 4 }) {
            for (const auto& [name, dialog] : test::SetupDialogsOf(model, language)) {
                const int countryList = name == QStringLiteral("mms") ? mms::kCountryList : kSmtpCountryListId;
                if (!dialog->hasControl(countryList))
                    continue;
                QComboBox* countries = dialog->list(countryList);
                for (int country = 0; country < countries->count(); ++country) {
                    countries->setCurrentIndex(country);
                    emit countries->activated(country);
                    failures += CutTextsOfNew(*dialog,
                        QStringLiteral("%1 dialog of model %2 with country %3").arg(name).arg(model).arg(country),
                        language);
                }
            }
        }
    }
    Report(failures);
    QVERIFY2(failures.isEmpty(), "the layout has faults; the warning above lists them");
}

void LayoutCheckTest::everyTextOfTheMainWindowAndAboutFits()
{
    QString failures;
    for (const LanguageId language : CheckedLanguages()) {
        InMemoryPreferenceStore store(0x0409);
        AppState state = StateOf(1, language);
        test::Prepared<MainWindow> window(state, store);
        failures += CutTextsOf(window, QStringLiteral("main window"), language);
        AboutBox about(language);
        failures += CutTextsOf(about, QStringLiteral("About box"), language);
    }
    Report(failures);
    QVERIFY2(failures.isEmpty(), "the layout has faults; the warning above lists them");
}

void LayoutCheckTest::everyMessageFitsItsBox()
{
    QString failures;
    const std::vector<std::string> arguments { "/media/card/menu.dat", "Permission denied", "smtp.example.org" };
    for (const LanguageId language : CheckedLanguages()) {
        for (const Message& message : AllMessages()) {
            const std::string text = FillPlaceholders(MessageText(message.id, language), arguments);
            ShownMessage box(QString::fromStdString(text));
            failures += CutTextsOf(box, QStringLiteral("message %1").arg(QLatin1StringView(message.name)), language,
                Checks::DrawnPixelsOnly);
        }
    }
    Report(failures);
    QVERIFY2(failures.isEmpty(), "the layout has faults; the warning above lists them");
}

void LayoutCheckTest::everyDialogFitsALaptopScreen()
{
    // A 1366 x 768 screen less a 40 px panel, less a title bar as tall as a tall desktop draws it.
    constexpr int kAvailableHeight = 728;
    constexpr int kTitleBar = 40;
    const DialogSurvey& survey = SurveyOfEveryDialog();
    QVERIFY2(survey.widest.size <= 1366, qPrintable(survey.widest.name));
    const auto& [tallest, tallestName] = survey.tallest;
    qInfo().noquote() << "tallest dialog under" << Setting() << ":" << tallestName << tallest << "px";
    const qreal scale = QGuiApplication::primaryScreen()->devicePixelRatio();
    if (scale == 1.0)
        QVERIFY2(tallest + kTitleBar <= kAvailableHeight, qPrintable(tallestName));
}

void LayoutCheckTest::theCheckFindsCutPixels_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<bool>("coveredByAList");
    QTest::addColumn<bool>("cut");
    QTest::newRow("fits") << QStringLiteral("Interval") << QRect(10, 10, 150, 24) << false << false;
    QTest::newRow("a caption far too long")
        << QStringLiteral("A caption far longer than its place") << QRect(10, 10, 60, 24) << false << true;
    QTest::newRow("accents above a short label") << QStringLiteral("ÓÉÁŐ") << QRect(10, 10, 150, 8) << false << true;
    QTest::newRow("under a list") << QStringLiteral("Format") << QRect(10, 10, 150, 24) << true << true;
}

void LayoutCheckTest::theCheckFindsCutPixels()
{
    QFETCH(QString, caption);
    QFETCH(QRect, place);
    QFETCH(bool, coveredByAList);
    QFETCH(bool, cut);
    QWidget window;
    window.resize(300, 60);
    auto* label = new QLabel(caption, &window);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setGeometry(place);
    if (coveredByAList) {
        auto* list = new QComboBox(&window);
        list->setGeometry(40, 8, 120, 28);
    }
    const std::vector<test::CutPixels> found = test::FindCutPixels(window);
    const bool labelCut = std::ranges::any_of(found, [&](const test::CutPixels& one) { return one.text == caption; });
    QCOMPARE(labelCut, cut);
}

void LayoutCheckTest::theCheckFindsControlsOutOfPlace_data()
{
    QTest::addColumn<bool>("aList");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<bool>("found");
    QTest::newRow("a list inside the frame") << true << QString() << QRect(190, 18, 40, 24) << false;
    QTest::newRow("a list sticking out of its frame") << true << QString() << QRect(190, 18, 60, 24) << true;
    QTest::newRow("a list out of the window") << true << QString() << QRect(250, 90, 80, 24) << true;
    QTest::newRow("a row placed over SD Cycle")
        << false << QStringLiteral("Time Lapse") << QRect(16, 24, 80, 20) << true;
    QTest::newRow("a list over a caption") << true << QString() << QRect(40, 20, 30, 20) << true;
    QTest::newRow("a caption whose box runs under the list beside it")
        << false << QStringLiteral("Interval") << QRect(16, 62, 120, 20) << false;
}

void LayoutCheckTest::theCheckFindsControlsOutOfPlace()
{
    QFETCH(bool, aList);
    QFETCH(QString, caption);
    QFETCH(QRect, place);
    QFETCH(bool, found);
    // A framed row ("SD Cycle" and its list), and a list of the next row without a frame.
    QWidget window;
    window.resize(300, 120);
    (new QGroupBox(&window))->setGeometry(10, 10, 230, 40);
    (new QLabel(QStringLiteral("SD Cycle"), &window))->setGeometry(16, 20, 60, 20);
    (new QComboBox(&window))->setGeometry(80, 18, 100, 24);
    (new QComboBox(&window))->setGeometry(80, 60, 100, 24);
    QWidget* added = aList ? static_cast<QWidget*>(new QComboBox(&window)) : new QLabel(caption, &window);
    added->setObjectName(QStringLiteral("added"));
    added->setGeometry(place);
    const std::vector<test::MisplacedControl> misplaced = test::FindMisplacedControls(window);
    const bool addedFound = std::ranges::any_of(misplaced, [](const test::MisplacedControl& one) {
        return one.control == QStringLiteral("added") || one.other == QStringLiteral("added");
    });
    QCOMPARE(addedFound, found);
    QCOMPARE(misplaced.empty(), !found);
}

void LayoutCheckTest::aTextGrowsIntoFreeSpaceAndTheWindowWidensWhereThereIsNone()
{
    QWidget window;
    window.resize(400, 100);
    const QFont font = window.font();
    auto* free = new QLabel(QStringLiteral("A caption far longer than its place"), &window);
    free->setGeometry(10, 10, 40, 16);
    auto* squeezed = new QLabel(QStringLiteral("Another caption far longer than its place"), &window);
    squeezed->setGeometry(10, 40, 40, 16);
    auto* neighbour = new QLabel(QStringLiteral("x"), &window);
    neighbour->setGeometry(60, 40, 20, 16);
    auto* list = new QComboBox(&window);
    list->addItems({ QStringLiteral("short"), QStringLiteral("an entry much longer than the list is wide") });
    list->setGeometry(300, 70, 60, 20);
    QCOMPARE(FindCutTexts(window).size(), std::size_t { 3 });

    FitTexts(window);
    QVERIFY(FindCutTexts(window).empty());
    QVERIFY(window.width() > 400); // the squeezed caption had no room: everything widened
    for (const QLabel* label : { free, squeezed })
        QCOMPARE(label->font().pointSizeF(), font.pointSizeF()); // never a smaller font
    QVERIFY(squeezed->geometry().right() < neighbour->x()); // it never covers its neighbour
    QVERIFY(list->view()->minimumWidth() > QFontMetrics(list->font()).horizontalAdvance(list->itemText(1)));
    QVERIFY(list->geometry().right() < window.width());

    // Fitting again starts from the first placing.
    const int width = window.width();
    FitTexts(window);
    QCOMPARE(window.width(), width);
}

} // namespace tamb

QTEST_MAIN(tamb::LayoutCheckTest)
#include "LayoutCheckTest.moc"
