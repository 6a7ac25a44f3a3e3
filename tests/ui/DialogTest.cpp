#include "ui/Dialog.h"

#include "support/ModalRun.h"
#include "ui/QtTranslations.h"
#include "ui/RecordingUiServices.h"
#include "ui/UiServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QProxyStyle>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <array>
#include <utility>
#include <vector>

namespace tamb {
namespace {

using guitest::RunOutcome;
using guitest::RunWhile;

enum : int
{
    kVideoLengthEdit = 1002,
    kFolderEdit = 1064,
    kPasswordEdit = 1070,
    kServerEdit = 1006,
    kUnitList = 1029,
    kGetTimeButton = 1031,
    kLabel = 1004,
    kAboutCommand = 16,
};

constexpr std::array kControls {
    GroupBox(kNoId, { 4, 4, 150, 40 }),
    StaticText(kLabel, { 10, 10, 50, 8 }, "Video Length", ControlStyle::Centred),
    Edit(kVideoLengthEdit, { 70, 10, 26, 12 }, ControlStyle::DigitsOnly | ControlStyle::Centred),
    DropDownList(kUnitList, { 100, 10, 40, 60 }),
    Edit(kFolderEdit, { 10, 50, 150, 14 }),
    Edit(kPasswordEdit, { 10, 70, 60, 14 }, ControlStyle::Masked, 4),
    Edit(kServerEdit, { 10, 86, 60, 12 }, ControlStyle::None, 40),
    PushButton(kGetTimeButton, { 80, 70, 60, 20 }, "Get Time", ControlStyle::MultiLine),
    PushButton(kOkId, { 10, 100, 50, 14 }, "Generate", ControlStyle::DefaultButton),
    PushButton(kCancelId, { 70, 100, 50, 14 }, "Exit"),
};
constexpr DialogTemplate kTemplate { 900, "Tamb Vorrel", 170, 120, 9, kControls };

constexpr std::array kNoDefaultControls {
    PushButton(1000, { 10, 10, 80, 30 }, "Camera Setup", ControlStyle::MultiLine),
    DropDownList(1080, { 10, 50, 60, 100 }),
};
// A style that gives the standard buttons of dialog button boxes their icons.
class ButtonsWithIconsStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(
        StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* returnData) const override
    {
        return hint == SH_DialogButtonBox_ButtonsHaveIcons ? 1
                                                           : QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

constexpr DialogTemplate kNoDefaultTemplate { 901, "Tamb Vorrel", 120, 80, 9, kNoDefaultControls };

} // namespace

class DialogTest : public QObject
{
    Q_OBJECT

private slots:
    void placesControlsByDialogUnitsWithTheirIdentifiers();
    void paintsTheWindowColours();
    void controlsOfEveryDialogShareTheStylesCachedDrawings();
    void keysEndTheRun_data();
    void keysEndTheRun();
    void notifiesUserActionsOnly();
    void editsFilterTyping();
    void pastesKeepWhatFitsTheTypingLimit_data();
    void pastesKeepWhatFitsTheTypingLimit();
    void listsKeepTheOrderOfAppending();
    void runsNestAndTheOuterRunResumes();
    void folderChooserCancelKeepsThePreviousFolder();
    void theRealMessageBoxHasTheBrandCaptionAndOnlyOk();
    void theRealQuestionAsksYesOrNoInTheInterfaceLanguage();
};

void DialogTest::placesControlsByDialogUnitsWithTheirIdentifiers()
{
    Dialog dialog(kTemplate);
    const DialogBaseUnits& units = dialog.baseUnits();
    QVERIFY(units.averageCharWidth > 0 && units.charHeight > 0);
    QCOMPARE(dialog.width(), HorizontalPixels(170, units));
    QCOMPARE(dialog.height(), VerticalPixels(120, units));
    for (const ControlTemplate& control : kControls) {
        if (control.id == kNoId) {
            continue;
        }
        QWidget* widget = dialog.findChild<QWidget*>(QString::number(control.id));
        QVERIFY2(widget != nullptr, qPrintable(QString::number(control.id)));
        QCOMPARE(widget, dialog.control(control.id));
        const PixelRect expected = ToPixels(control.rect, units);
        QCOMPARE(widget->pos(), QPoint(expected.x, expected.y));
        QCOMPARE(widget->width(), expected.width);
        if (control.kind != ControlKind::DropDownList) {
            QCOMPARE(widget->height(), expected.height);
        }
    }
    // The list's template height is its opened height; closed it is shorter.
    QVERIFY(dialog.controlRect(kUnitList).height() < VerticalPixels(60, units));

    dialog.moveControlBy(kLabel, 0, 10);
    QCOMPARE(dialog.controlRect(kLabel).topLeft(), QPoint(HorizontalPixels(10, units), VerticalPixels(10, units) + 10));
}

void DialogTest::paintsTheWindowColours()
{
    Dialog dialog(kTemplate);
    // A corner that no control covers shows the dialog's background.
    QCOMPARE(dialog.grab().toImage().pixelColor(dialog.width() - 2, dialog.height() - 2), QColor(111, 153, 224));
    QCOMPARE(dialog.control(kLabel)->palette().color(QPalette::WindowText), QColor(Qt::white));
    QVERIFY(dialog.control(kVideoLengthEdit)->palette().color(QPalette::Text) != QColor(Qt::white));
}

void DialogTest::controlsOfEveryDialogShareTheStylesCachedDrawings()
{
    // The style caches its drawings of lists and buttons under the palette's identity: controls with a palette
    // of their own in every new dialog would add drawings to the process-wide cache each time a dialog opens.
    const qint64 applicationPalette = QApplication::palette().cacheKey();
    for (int opened = 0; opened < 2; ++opened) {
        Dialog dialog(kTemplate);
        for (const int id : { int(kUnitList), int(kGetTimeButton), int(kOkId), int(kCancelId) }) {
            QVERIFY2(dialog.control(id)->palette().cacheKey() == applicationPalette, qPrintable(QString::number(id)));
        }
    }
}

void DialogTest::keysEndTheRun_data()
{
    QTest::addColumn<bool>("withDefaultButton");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("defaultButtonEnabled");
    QTest::addColumn<bool>("expectOpen");
    QTest::addColumn<int>("expectResult");

    const int ok = static_cast<int>(DialogResult::Ok);
    const int cancel = static_cast<int>(DialogResult::Cancel);
    QTest::newRow("enter presses the default OK") << true << int(Qt::Key_Return) << true << false << ok;
    QTest::newRow("keypad enter too") << true << int(Qt::Key_Enter) << true << false << ok;
    QTest::newRow("enter with the default disabled does nothing")
        << true << int(Qt::Key_Return) << false << true << cancel;
    QTest::newRow("escape cancels") << true << int(Qt::Key_Escape) << true << false << cancel;
    QTest::newRow("enter without a default button means OK") << false << int(Qt::Key_Return) << true << false << ok;
    QTest::newRow("escape without a default button cancels") << false << int(Qt::Key_Escape) << true << false << cancel;
}

void DialogTest::keysEndTheRun()
{
    QFETCH(bool, withDefaultButton);
    QFETCH(int, key);
    QFETCH(bool, defaultButtonEnabled);
    QFETCH(bool, expectOpen);
    QFETCH(int, expectResult);

    Dialog dialog(withDefaultButton ? kTemplate : kNoDefaultTemplate);
    if (withDefaultButton) {
        dialog.enableControl(kOkId, defaultButtonEnabled);
    } else {
        // Focus on a list, as when the main window opens: Enter is not taken by a focused button.
        dialog.control(1080)->setFocus();
    }
    const RunOutcome outcome = RunWhile(dialog, [&] { QTest::keyClick(&dialog, Qt::Key(key)); });
    QCOMPARE(outcome.leftOpen, expectOpen);
    QCOMPARE(static_cast<int>(outcome.result), expectResult);
}

void DialogTest::notifiesUserActionsOnly()
{
    Dialog dialog(kTemplate);
    dialog.appendListItem(kUnitList, "Second");
    dialog.appendListItem(kUnitList, "Minute");
    std::vector<std::pair<int, Notification>> heard;
    for (int id : { kVideoLengthEdit, kUnitList, kGetTimeButton, kAboutCommand }) {
        for (Notification n : { Notification::SelectionChanged, Notification::ListClosedWithoutChoice,
                 Notification::TextChanged, Notification::Clicked, Notification::SystemMenuCommand }) {
            dialog.on(id, n, [&heard, id, n] { heard.emplace_back(id, n); });
        }
    }
    dialog.addSystemMenuCommand(kAboutCommand, "About Setup...");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    // Code changes notify nobody.
    dialog.setControlText(kVideoLengthEdit, "10");
    dialog.selectListItem(kUnitList, 1);
    QVERIFY(heard.empty());

    QTest::keyClick(dialog.edit(kVideoLengthEdit), Qt::Key_5);
    QTest::keyClick(dialog.list(kUnitList), Qt::Key_Up);
    QTest::mouseClick(dialog.button(kGetTimeButton), Qt::LeftButton);
    QTest::keyClick(&dialog, Qt::Key_F1);
    dialog.list(kUnitList)->showPopup();
    dialog.list(kUnitList)->hidePopup();
    QTest::qWait(20);

    const std::vector<std::pair<int, Notification>> expected {
        { kVideoLengthEdit, Notification::TextChanged },
        { kUnitList, Notification::SelectionChanged },
        { kGetTimeButton, Notification::Clicked },
        { kAboutCommand, Notification::SystemMenuCommand },
        { kUnitList, Notification::ListClosedWithoutChoice },
    };
    QVERIFY(heard == expected);
    QCOMPARE(dialog.selectedListItem(kUnitList), 0);
}

void DialogTest::editsFilterTyping()
{
    Dialog dialog(kTemplate);
    QTest::keyClicks(dialog.edit(kVideoLengthEdit), QStringLiteral("1a-2 3"));
    QCOMPARE(dialog.controlText(kVideoLengthEdit), std::string("123"));

    QLineEdit* password = dialog.edit(kPasswordEdit);
    QCOMPARE(password->echoMode(), QLineEdit::Password);
    QTest::keyClicks(password, QStringLiteral("abcdef"));
    QCOMPARE(dialog.controlText(kPasswordEdit), std::string("abcd"));

    // Text set by code is not cut; typing cannot lengthen it, but the user may shorten it.
    dialog.setControlText(kPasswordEdit, "123456");
    password->end(false);
    QTest::keyClick(password, Qt::Key_7);
    QCOMPARE(dialog.controlText(kPasswordEdit), std::string("123456"));
    QTest::keyClick(password, Qt::Key_Backspace);
    QCOMPARE(dialog.controlText(kPasswordEdit), std::string("12345"));

    dialog.setTypingLimit(kPasswordEdit, 0);
    QTest::keyClicks(password, QStringLiteral("xyz"));
    QCOMPARE(dialog.controlText(kPasswordEdit), std::string("12345xyz"));

    const QColor editableField = dialog.edit(kFolderEdit)->palette().color(QPalette::Base);
    dialog.setReadOnly(kFolderEdit, true);
    QTest::keyClicks(dialog.edit(kFolderEdit), QStringLiteral("D:"));
    QCOMPARE(dialog.controlText(kFolderEdit), std::string());
    QVERIFY2(dialog.edit(kFolderEdit)->palette().color(QPalette::Base) != editableField, "read-only looks editable");
    dialog.setReadOnly(kFolderEdit, false);
    QCOMPARE(dialog.edit(kFolderEdit)->palette().color(QPalette::Base), editableField);
    QTest::keyClicks(dialog.edit(kFolderEdit), QStringLiteral("D:"));
    QCOMPARE(dialog.controlText(kFolderEdit), std::string("D:"));
}

void DialogTest::pastesKeepWhatFitsTheTypingLimit_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("before"); // set by code
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("rejections");

    const QString twoHundred = QString(50, u'a') + QString(50, u'b') + QString(50, u'c') + QString(50, u'd');
    QTest::newRow("200 characters into an empty 40-character edit")
        << 40 << QString() << 0 << twoHundred << twoHundred.left(40) << 1;
    QTest::newRow("into the middle, the end of the paste is dropped")
        << 6 << QStringLiteral("abcd") << 2 << QStringLiteral("XYZ") << QStringLiteral("abXYcd") << 1;
    QTest::newRow("what fits exactly") << 6 << QStringLiteral("abcd") << 4 << QStringLiteral("XY")
                                       << QStringLiteral("abcdXY") << 0;
    QTest::newRow("a character of two UTF-16 units is never halved")
        << 5 << QStringLiteral("ab") << 2 << QStringLiteral("😀😀") << QStringLiteral("ab😀") << 1;
    QTest::newRow("a text already over the limit does not grow")
        << 4 << QStringLiteral("123456") << 6 << QStringLiteral("78") << QStringLiteral("123456") << 1;
    QTest::newRow("no limit") << 0 << QStringLiteral("ab") << 2 << twoHundred << QStringLiteral("ab") + twoHundred << 0;
}

// A paste (Ctrl+V from the clipboard) goes the way of typing: what fits goes in, and the edit signals the rest as
// rejected input, which the dialog answers with the system's beep.
void DialogTest::pastesKeepWhatFitsTheTypingLimit()
{
    QFETCH(int, limit);
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    QFETCH(int, rejections);

    Dialog dialog(kTemplate);
    int edited = 0;
    dialog.on(kServerEdit, Notification::TextChanged, [&edited] { ++edited; });
    dialog.setTypingLimit(kServerEdit, limit);
    dialog.setControlText(kServerEdit, before.toStdString());
    QLineEdit* edit = dialog.edit(kServerEdit);
    edit->setCursorPosition(cursor);
    QSignalSpy rejected(edit, &QLineEdit::inputRejected);
    QApplication::clipboard()->setText(pasted);
    QTest::keySequence(edit, QKeySequence::Paste);

    QCOMPARE(edit->text(), after);
    QCOMPARE(static_cast<int>(rejected.count()), rejections);
    // A change reaches the dialog as an edit of the user's.
    if (after != before) {
        QCOMPARE(edited, 1);
    }
}

void DialogTest::listsKeepTheOrderOfAppending()
{
    Dialog dialog(kTemplate);
    for (const char* text : { "Second", "Minute", "Hour" }) {
        dialog.appendListItem(kUnitList, text);
    }
    QCOMPARE(dialog.list(kUnitList)->itemText(0), QStringLiteral("Second"));
    QCOMPARE(dialog.list(kUnitList)->itemText(2), QStringLiteral("Hour"));
    dialog.selectListItem(kUnitList, 2);
    QCOMPARE(dialog.controlText(kUnitList), std::string("Hour"));
    dialog.clearList(kUnitList);
    QCOMPARE(dialog.selectedListItem(kUnitList), -1);
}

void DialogTest::runsNestAndTheOuterRunResumes()
{
    Dialog outer(kTemplate);
    std::vector<std::string> steps;
    outer.on(kGetTimeButton, Notification::Clicked, [&] {
        Dialog inner(kNoDefaultTemplate);
        const RunOutcome innerOutcome = RunWhile(inner, [&] { QTest::keyClick(&inner, Qt::Key_Escape); });
        steps.push_back(innerOutcome.result == DialogResult::Cancel ? "inner cancelled" : "inner ok");
        steps.push_back(outer.isVisible() ? "outer still open" : "outer closed");
    });
    const RunOutcome outcome = RunWhile(outer, [&] {
        outer.button(kGetTimeButton)->click();
        steps.emplace_back("back in outer");
        QTest::keyClick(&outer, Qt::Key_Return);
    });
    QCOMPARE(steps, (std::vector<std::string> { "inner cancelled", "outer still open", "back in outer" }));
    QCOMPARE(outcome.result, DialogResult::Ok);
}

void DialogTest::folderChooserCancelKeepsThePreviousFolder()
{
    RecordingUiServices services;
    const ScopedUiServices installed(services);
    services.folderAnswers = { std::nullopt, std::string(), std::string("/media/card") };
    QCOMPARE(ChooseFolder("/home/owner"), std::string("/home/owner"));
    QCOMPARE(ChooseFolder("/home/owner"), std::string("/home/owner"));
    QCOMPARE(ChooseFolder("/home/owner"), std::string("/media/card"));
    QCOMPARE(services.folderQuestions.size(), size_t(3));
}

void DialogTest::theRealMessageBoxHasTheBrandCaptionAndOnlyOk()
{
    // As under desktop themes that put icons on standard buttons.
    const QString styleName = QApplication::style()->name();
    QApplication::setStyle(new ButtonsWithIconsStyle(styleName));
    QString title;
    QString text;
    int buttonCount = 0;
    bool okButton = false;
    bool silentIcon = false;
    bool iconShown = false;
    bool okWithoutIcon = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        title = box->windowTitle();
        text = box->text();
        buttonCount = static_cast<int>(box->buttons().size());
        okButton = box->button(QMessageBox::Ok) != nullptr;
        silentIcon = box->icon() == QMessageBox::NoIcon;
        iconShown = !box->iconPixmap().isNull();
        okWithoutIcon = box->button(QMessageBox::Ok)->icon().isNull();
        box->button(QMessageBox::Ok)->click();
    });
    closer.start(5);

    ShowMessage("Camera menu configuration file is generated");
    QApplication::setStyle(styleName);

    QCOMPARE(title, QStringLiteral("Tamb Vorrel"));
    QCOMPARE(text, QStringLiteral("Camera menu configuration file is generated"));
    QCOMPARE(buttonCount, 1);
    QVERIFY(okButton);
    QVERIFY2(silentIcon, "a standard icon would make the platform play its sound");
    QVERIFY(iconShown);
    QVERIFY2(okWithoutIcon, "an icon loaded for every box fills the pixmap cache");
}

void DialogTest::theRealQuestionAsksYesOrNoInTheInterfaceLanguage()
{
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_zh_CN.qm")))
        QSKIP("Qt's translations are not installed (qt6-translations-l10n)");
    QStringList buttonTexts;
    bool answerYes = true;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        buttonTexts = { box->button(QMessageBox::Yes)->text(), box->button(QMessageBox::No)->text() };
        box->button(answerYes ? QMessageBox::Yes : QMessageBox::No)->click();
    });
    answerer.start(5);

    UseQtTranslations(kChinese);
    QVERIFY(AskYesNo("Load?"));
    QVERIFY(buttonTexts.front().startsWith(QStringLiteral("是")));
    UseQtTranslations(kEnglish);
    answerYes = false;
    QVERIFY(!AskYesNo("Load?"));
    QCOMPARE(buttonTexts, (QStringList { QStringLiteral("&Yes"), QStringLiteral("&No") }));
}

} // namespace tamb

QTEST_MAIN(tamb::DialogTest)
#include "DialogTest.moc"
