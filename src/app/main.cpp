#include "app/MainWindow.h"
#include "app/SetupLoop.h"
#include "startup/FilePreferenceStore.h"
#include "startup/Startup.h"
#include "startup/SystemLanguage.h"
#include "ui/AppIcon.h"
#include "ui/QtTranslations.h"

#ifdef _WIN32
#include "startup/RegistryPreferenceStore.h"

#include <windows.h>
#endif

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QTimer>
#include <functional>

namespace {

// For the start-up benchmark only: closes the first main window as soon as it has been painted, which ends the
// program the way a user's close would. With `openCameraSetup`, first opens the camera setup dialog from it,
// leaves that with Escape once painted and closes the main window that follows: the peak memory after one dialog.
class CloseFirstMainWindowWhenPainted : public QObject
{
public:
    explicit CloseFirstMainWindowWhenPainted(bool openCameraSetup)
        : m_dialogsLeft(openCameraSetup ? 1 : 0)
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_done || event->type() != QEvent::Paint || !watched->isWidgetType()) {
            return false;
        }
        if (auto* window = dynamic_cast<tamb::MainWindow*>(watched); window != nullptr && !m_inDialog) {
            if (m_dialogsLeft > 0) {
                --m_dialogsLeft;
                m_inDialog = true;
                QTimer::singleShot(0, window, [window] { window->button(tamb::kCameraSetupButtonId)->click(); });
            } else {
                m_done = true;
                QTimer::singleShot(0, window, [window] { window->close(); });
            }
        } else if (auto* dialog = dynamic_cast<tamb::Dialog*>(watched);
                   m_inDialog && dialog != nullptr && dialog->isWindow() && window == nullptr) {
            m_inDialog = false;
            QTimer::singleShot(0, dialog, [dialog] {
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(dialog, &escape);
            });
        }
        return false;
    }

private:
    int m_dialogsLeft;
    bool m_inDialog = false;
    bool m_done = false;
};

// Runs `work` once, right after the first main window's first paint has been delivered: what a start can leave
// until the window is on screen.
class AfterFirstPaint : public QObject
{
public:
    explicit AfterFirstPaint(std::function<void()> work)
        : m_work(std::move(work))
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_work && event->type() == QEvent::Paint && dynamic_cast<tamb::MainWindow*>(watched) != nullptr) {
            QTimer::singleShot(0, this, [this] { runNow(); });
        }
        return false;
    }

    // Runs the work now if it has not run yet.
    void runNow()
    {
        if (m_work) {
            const auto work = std::move(m_work);
            m_work = nullptr;
            work();
        }
    }

private:
    std::function<void()> m_work;
};

// The system's default language as a Windows language identifier.
std::uint16_t SystemLanguageId()
{
#ifdef _WIN32
    return GetSystemDefaultLangID();
#else
    return tamb::WindowsLanguageIdFromLocale(QLocale::system().name().toStdString());
#endif
}

bool QuitWhenShownRequested()
{
    return QCoreApplication::arguments().contains(QStringLiteral("--quit-when-shown"))
        || qEnvironmentVariableIsSet("TAMB_QUIT_WHEN_SHOWN");
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tamb-setup"));
    QGuiApplication::setDesktopFileName(QStringLiteral("tamb-setup"));
    QApplication::setWindowIcon(tamb::ApplicationIcon());

    CloseFirstMainWindowWhenPainted closer(
        qEnvironmentVariable("TAMB_QUIT_WHEN_SHOWN") == QLatin1String("after-camera-setup"));
    if (QuitWhenShownRequested()) {
        application.installEventFilter(&closer);
    }

    const std::uint16_t systemLanguage = SystemLanguageId();
#ifdef _WIN32
    tamb::RegistryPreferenceStore preferences(systemLanguage);
#else
    tamb::FilePreferenceStore preferences(tamb::FilePreferenceStore::DefaultPath(), systemLanguage);
    // Start-up reads the file once; what it stores on a first start is written in one go once the window shows.
    preferences.deferWrites();
#endif
    tamb::AppState state = tamb::RunStartup(preferences, systemLanguage);
    // The main window shows no text of Qt's own, so Qt's translation waits until the window is on screen.
    AfterFirstPaint afterFirstPaint([&state, &preferences] {
#ifndef _WIN32
        (void)preferences.writeDeferred();
#endif
        tamb::UseQtTranslations(state.language);
    });
    application.installEventFilter(&afterFirstPaint);
    tamb::RunSetupLoop(state, preferences);
    afterFirstPaint.runNow();
    return 0;
}
