#include "EveryDialog.h"
#include "startup/InMemoryPreferenceStore.h"
#include "ui/RecordingUiServices.h"
#include "ui/TextFit.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDebug>
#include <QLabel>
#include <QTest>

namespace tamb {
namespace {

AppState StateOf(ModelId model, LanguageId language)
{
    AppState state;
    state.model = model;
    state.language = language;
    return state;
}

// Texts that cannot fit with any means of the fitting (free room beside or, for wrapping labels, above and below,
// then a font down to the smallest readable size), and why.
const QStringList kAllowedCutTexts {
    // The unit after the video-length edit ends at the edge of its row's frame, with the edit right before it.
    QStringLiteral("Sekunden"),
    QStringLiteral("Secondes"),
    QStringLiteral("Sekuntia"),
    // The Q300 direction lists stand between the coordinate captions and the degree edits.
    QStringLiteral("Південь"),
    QStringLiteral("Захід"),
    // The Q100 wireless-password row holds its caption, the on/off list and the password edit in half the width.
    QStringLiteral("Izklop"),
    QStringLiteral("paalla"),
    QStringLiteral("kapama"),
    // The Japanese interface draws Latin country names in a wider font than the MMS country list was made for.
    QStringLiteral("Bosnia and Herzegovina"),
};

QString Describe(const QString& dialog, LanguageId language, const std::vector<CutText>& cut)
{
    QString text;
    for (const CutText& one : cut) {
        if (!kAllowedCutTexts.contains(one.text)) {
            text += QStringLiteral("\n  %1, language %2, control %3: \"%4\" lacks %5 px")
                        .arg(dialog)
                        .arg(language)
                        .arg(one.control, one.text)
                        .arg(one.missingPixels);
        }
    }
    return text;
}

} // namespace

class LayoutCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void everyTextFitsInEveryDialogOfEveryModelInEveryLanguage();
    void everyOperatorListFitsAfterEachCountry();
    void everyTextOfTheMainWindowFitsInEveryLanguage();
    void aTextGrowsIntoFreeSpaceAndShrinksOnlyWhereThereIsNone();
};

void LayoutCheckTest::everyTextFitsInEveryDialogOfEveryModelInEveryLanguage()
{
    QString failures;
    for (LanguageId language = kFirstLanguage; language <= kLastLanguage; ++language) {
        for (ModelId model = 1; model <= kModelCount; ++model) {
            for (const auto& [name, dialog] : test::SetupDialogsOf(model, language))
                failures += Describe(
                    QStringLiteral("%1 dialog of model %2").arg(name).arg(model), language, FindCutTexts(*dialog));
        }
    }
    if (!failures.isEmpty())
        qWarning().noquote() << "texts cut off:" << failures;
    QVERIFY2(failures.isEmpty(), "texts are cut off; the warning above lists them");
}

void LayoutCheckTest::everyOperatorListFitsAfterEachCountry()
{
    // Some countries' first operator ended MMS, which the dialog says in a message box.
    RecordingUiServices services;
    const ScopedUiServices scoped(services);
    QString failures;
    for (const LanguageId language : { kChinese, kEnglish }) {
        for (const ModelId model : { 3, 4 }) {
            for (const auto& [name, dialog] : test::SetupDialogsOf(model, language)) {
                const int countryList = name == QStringLiteral("mms") ? mms::kCountryList : kSmtpCountryListId;
                if (!dialog->hasControl(countryList))
                    continue;
                QComboBox* countries = dialog->list(countryList);
                for (int country = 0; country < countries->count(); ++country) {
                    countries->setCurrentIndex(country);
                    emit countries->activated(country);
                    failures += Describe(
                        QStringLiteral("%1 dialog of model %2 with country %3").arg(name).arg(model).arg(country),
                        language, FindCutTexts(*dialog));
                }
            }
        }
    }
    if (!failures.isEmpty())
        qWarning().noquote() << "texts cut off:" << failures;
    QVERIFY2(failures.isEmpty(), "texts are cut off; the warning above lists them");
}

void LayoutCheckTest::everyTextOfTheMainWindowFitsInEveryLanguage()
{
    QString failures;
    for (LanguageId language = kFirstLanguage; language <= kLastLanguage; ++language) {
        InMemoryPreferenceStore store(0x0409);
        AppState state = StateOf(1, language);
        test::Prepared<MainWindow> window(state, store);
        failures += Describe(QStringLiteral("main window"), language, FindCutTexts(window));
    }
    if (!failures.isEmpty())
        qWarning().noquote() << "texts cut off:" << failures;
    QVERIFY2(failures.isEmpty(), "texts are cut off; the warning above lists them");
}

void LayoutCheckTest::aTextGrowsIntoFreeSpaceAndShrinksOnlyWhereThereIsNone()
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
    QVERIFY(free->width() > 40);
    QCOMPARE(free->font().pointSizeF(), font.pointSizeF()); // it had room: same font
    QCOMPARE(free->x(), 10);
    QVERIFY(squeezed->geometry().right() < neighbour->x()); // it never covers its neighbour
    QVERIFY(squeezed->font().pointSizeF() < font.pointSizeF());
    QVERIFY(list->view()->minimumWidth() > QFontMetrics(list->font()).horizontalAdvance(list->itemText(1)));
    QVERIFY(list->geometry().right() < window.width());
}

} // namespace tamb

QTEST_MAIN(tamb::LayoutCheckTest)
#include "LayoutCheckTest.moc"
