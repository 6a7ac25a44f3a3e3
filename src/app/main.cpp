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

#include <QApplication>
#include <QEvent>
#include <QLocale>
#include <QTimer>

namespace {

// For the start-up benchmark only: closes the first main window as soon as it has been painted, which ends the
// program the way a user's close would.
class CloseFirstMainWindowWhenPainted : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_done && event->type() == QEvent::Paint) {
            if (auto* window = dynamic_cast<tamb::MainWindow*>(watched)) {
                m_done = true;
                QTimer::singleShot(0, window, [window] { window->close(); });
            }
        }
        return false;
    }

private:
    bool m_done = false;
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

    CloseFirstMainWindowWhenPainted closer;
    if (QuitWhenShownRequested()) {
        application.installEventFilter(&closer);
    }

    const std::uint16_t systemLanguage = SystemLanguageId();
#ifdef _WIN32
    tamb::RegistryPreferenceStore preferences(systemLanguage);
#else
    tamb::FilePreferenceStore preferences(tamb::FilePreferenceStore::DefaultPath(), systemLanguage);
#endif
    tamb::AppState state = tamb::RunStartup(preferences, systemLanguage);
    tamb::UseQtTranslations(state.language);
    tamb::RunSetupLoop(state, preferences);
    return 0;
}
