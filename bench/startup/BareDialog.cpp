// A bare Qt Widgets program that shows one dialog comparable to the main window (two labels, two lists, four
// buttons, a version line) and quits as soon as it has been painted: the yardstick for the start-up benchmark.
// With --second-dialog it then shows a second dialog of about a setup dialog's controls (labels, lists, edits)
// and quits once that has been painted: the yardstick for the peak memory after one dialog.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

class QuitWhenPainted : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_quitting) {
            m_quitting = true;
            QTimer::singleShot(0, watched, [watched] { static_cast<QDialog*>(watched)->close(); });
        }
        return false;
    }

private:
    bool m_quitting = false;
};

// A dialog of about the size and controls of a camera setup dialog.
void ShowSecondDialog()
{
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Camera Setup"));
    auto* grid = new QGridLayout(&dialog);
    for (int row = 0; row < 16; ++row) {
        grid->addWidget(new QLabel(QStringLiteral("Setting %1").arg(row + 1), &dialog), row, 0);
        auto* choices = new QComboBox(&dialog);
        for (int choice = 0; choice < 8; ++choice) {
            choices->addItem(QStringLiteral("Choice %1").arg(choice + 1));
        }
        grid->addWidget(choices, row, 1);
        grid->addWidget(new QLabel(QStringLiteral("Value %1").arg(row + 1), &dialog), row, 2);
        grid->addWidget(new QLineEdit(QStringLiteral("0"), &dialog), row, 3);
    }
    int column = 0;
    for (const char* caption : { "Default", "OK", "Exit" }) {
        grid->addWidget(new QPushButton(QString::fromUtf8(caption), &dialog), 16, column++);
    }
    QuitWhenPainted quitWhenPainted;
    dialog.installEventFilter(&quitWhenPainted);
    dialog.exec();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Tamb Vorrel"));
    dialog.setFixedSize(531, 276);
    auto* languageLabel = new QLabel(QStringLiteral("Select Language"), &dialog);
    languageLabel->setGeometry(43, 57, 105, 34);
    auto* languages = new QComboBox(&dialog);
    languages->setGeometry(151, 55, 96, 24);
    for (const char* name : { "Chinese", "English", "Deutsch", "Suomi", "Italiano", "Francais", "Magyar" }) {
        languages->addItem(QString::fromUtf8(name));
    }
    auto* modelLabel = new QLabel(QStringLiteral("Camera Model"), &dialog);
    modelLabel->setGeometry(258, 55, 108, 31);
    auto* models = new QComboBox(&dialog);
    models->setGeometry(370, 54, 106, 24);
    for (int model = 1; model <= 17; ++model) {
        models->addItem(QStringLiteral("Tamb Q%1").arg(model * 10 + 100));
    }
    int x = 54;
    for (const char* caption : { "Camera Setup", "MMS Setup", "Smtp Setup" }) {
        auto* button = new QPushButton(QString::fromUtf8(caption), &dialog);
        button->setGeometry(x, 153, 126, 63);
        x += 144;
    }
    auto* update = new QPushButton(QStringLiteral("Click here to get the latest updates"), &dialog);
    update->setGeometry(103, 237, 301, 23);
    auto* version = new QLabel(QStringLiteral("Version: 1.0.0.1"), &dialog);
    version->setGeometry(108, 5, 288, 13);

    QuitWhenPainted quitWhenPainted;
    dialog.installEventFilter(&quitWhenPainted);
    dialog.exec();
    if (QApplication::arguments().contains(QStringLiteral("--second-dialog"))) {
        ShowSecondDialog();
    }
    return 0;
}
