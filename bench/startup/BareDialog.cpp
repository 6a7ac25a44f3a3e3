// A bare Qt Widgets program that shows one dialog comparable to the main window (two labels, two lists, four
// buttons, a version line) and quits as soon as it has been painted: the yardstick for the start-up benchmark.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QLabel>
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
    return 0;
}
