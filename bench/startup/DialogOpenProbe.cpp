// Opens one setup dialog the way a user does and prints how long it took: the program's window loop shows a main
// window with a model chosen that routes to the dialog; once the main window has been painted, its setup button
// is clicked; the time runs from the click until the dialog has been painted for the first time. The dialog is
// then left with Escape and the next main window closed, so the program ends as a user's session would.
//
// Usage: tamb_dialog_open_probe <row of the setup dialog table>; prints the wall milliseconds and the processor
// milliseconds the program spent in them, on one line.
#include "../support/SetupRoute.h"
#include "app/SetupLoop.h"
#include "startup/InMemoryPreferenceStore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QKeyEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

// The processor time this thread has used: the part of a wall time that the program itself spent, whatever the
// load of the machine and the X server.
double ThreadCpuMilliseconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

class ClickToShownTimer : public QObject
{
public:
    explicit ClickToShownTimer(int buttonId)
        : m_buttonId(buttonId)
    {
    }

    [[nodiscard]] double milliseconds() const { return m_milliseconds; }
    [[nodiscard]] double cpuMilliseconds() const { return m_cpuMilliseconds; }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || !watched->isWidgetType()) {
            return false;
        }
        if (auto* mainWindow = dynamic_cast<tamb::MainWindow*>(watched)) {
            mainWindowPainted(mainWindow);
        } else if (auto* dialog = dynamic_cast<tamb::Dialog*>(watched); dialog != nullptr && dialog->isWindow()) {
            setupDialogPainted(dialog);
        }
        return false;
    }

private:
    enum class Stage
    {
        AwaitingMainWindow,
        AwaitingDialog,
        AwaitingReturn,
        Done,
    };

    void mainWindowPainted(tamb::MainWindow* window)
    {
        if (m_stage == Stage::AwaitingMainWindow) {
            m_stage = Stage::AwaitingDialog;
            // Click once the paint has been delivered, as a user would on a window already on screen.
            QTimer::singleShot(0, window, [this, window] {
                m_clock.start();
                m_cpuAtClick = ThreadCpuMilliseconds();
                window->button(m_buttonId)->click();
            });
        } else if (m_stage == Stage::AwaitingReturn) {
            m_stage = Stage::Done;
            QTimer::singleShot(0, window, [window] { window->close(); });
        }
    }

    void setupDialogPainted(tamb::Dialog* dialog)
    {
        if (m_stage != Stage::AwaitingDialog) {
            return;
        }
        m_stage = Stage::AwaitingReturn;
        // Stop the clock after the whole first paint has been delivered to the window.
        QTimer::singleShot(0, dialog, [this, dialog] {
            m_milliseconds = static_cast<double>(m_clock.nsecsElapsed()) / 1e6;
            m_cpuMilliseconds = ThreadCpuMilliseconds() - m_cpuAtClick;
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(dialog, &escape);
        });
    }

    int m_buttonId;
    Stage m_stage = Stage::AwaitingMainWindow;
    QElapsedTimer m_clock;
    double m_milliseconds = -1.0;
    double m_cpuAtClick = 0;
    double m_cpuMilliseconds = 0;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const auto& table = tamb::SetupDialogTable();
    const int row = argc > 1 ? std::atoi(argv[1]) : -1;
    if (row < 0 || static_cast<std::size_t>(row) >= table.size()) {
        std::fprintf(
            stderr, "usage: tamb_dialog_open_probe <row 0..%zu of the setup dialog table>\n", table.size() - 1);
        return 2;
    }
    const std::optional<tamb::bench::SetupRoute> route = tamb::bench::RouteTo(table[row].dialog);
    if (!route || table[row].run == nullptr) {
        std::fprintf(stderr, "tamb_dialog_open_probe: no way to open the dialog of row %d\n", row);
        return 2;
    }

    tamb::InMemoryPreferenceStore preferences(0x0409);
    preferences.setKeyPresent(true);
    preferences.putNumber(std::string(tamb::kModelValue), static_cast<std::uint32_t>(route->model));
    tamb::AppState state;
    state.model = route->model;

    ClickToShownTimer timer(route->buttonId);
    application.installEventFilter(&timer);
    tamb::RunSetupLoop(state, preferences);
    if (timer.milliseconds() < 0) {
        std::fprintf(stderr, "tamb_dialog_open_probe: the dialog was not shown\n");
        return 1;
    }
    std::printf("%.3f %.3f\n", timer.milliseconds(), timer.cpuMilliseconds());
    return 0;
}
