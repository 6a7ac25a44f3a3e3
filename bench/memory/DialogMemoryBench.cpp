// Prints how much the program grows each time a user opens and closes a window: every setup dialog that has been
// built (main window, setup button, the dialog, Escape, a new main window), the About box (F1 in the main window,
// Escape) and a message box (shown from the main window, Escape). Each subject runs a warm-up, then the measured
// cycles; the figures are the growth of the resident set and of the heap in use, per cycle, averaged.
//
// Usage: tamb_dialog_memory_bench [cycles=200] [warm-up cycles=30] [only the subjects whose name holds this]. Run it
// under the platform to be measured, for example under Xvfb, where the X11 platform paints like a user's screen, or
// with QT_QPA_PLATFORM=offscreen.
#include "../support/SetupRoute.h"
#include "app/SetupLoop.h"
#include "startup/InMemoryPreferenceStore.h"
#include "ui/UiServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <malloc.h>
#include <string>
#include <unistd.h>

namespace {

struct MemoryUse
{
    double residentKb = 0;
    double heapKb = 0;
};

MemoryUse CurrentMemoryUse()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    const double pageKb = static_cast<double>(sysconf(_SC_PAGESIZE)) / 1024.0;
    return MemoryUse { .residentKb = static_cast<double>(resident) * pageKb,
        .heapKb = static_cast<double>(mallinfo2().uordblks) / 1024.0 };
}

void PressKey(QWidget* widget, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

// Counts cycles and takes the memory readings: the first reading after the warm-up, the last after the final cycle.
class CycleCounter
{
public:
    CycleCounter(int warmUp, int cycles)
        : m_warmUp(warmUp)
        , m_cycles(cycles)
    {
    }

    // Called at the same point of every cycle; false once every cycle has run.
    bool startNext()
    {
        if (m_done == m_warmUp) {
            m_before = CurrentMemoryUse();
        }
        if (m_done == m_warmUp + m_cycles) {
            m_after = CurrentMemoryUse();
            return false;
        }
        ++m_done;
        return true;
    }

    void print(const std::string& subject) const
    {
        std::printf("%-24s %9.2f KB RSS  %9.2f KB heap  per cycle\n", subject.c_str(),
            (m_after.residentKb - m_before.residentKb) / m_cycles, (m_after.heapKb - m_before.heapKb) / m_cycles);
    }

private:
    int m_warmUp;
    int m_cycles;
    int m_done = 0;
    MemoryUse m_before;
    MemoryUse m_after;
};

// Acts on the first paint of each new window: a main window gets `onMainWindow`, any other window Escape once
// it is on screen.
class WindowDriver : public QObject
{
public:
    explicit WindowDriver(std::function<void(tamb::MainWindow*)> onMainWindow)
        : m_onMainWindow(std::move(onMainWindow))
    {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || !watched->isWidgetType()) {
            return false;
        }
        auto* widget = static_cast<QWidget*>(watched);
        if (!widget->isWindow() || widget->property(kSeen).toBool()) {
            return false;
        }
        widget->setProperty(kSeen, true);
        if (auto* mainWindow = dynamic_cast<tamb::MainWindow*>(widget)) {
            QTimer::singleShot(0, mainWindow, [this, mainWindow] { m_onMainWindow(mainWindow); });
        } else {
            QTimer::singleShot(0, widget, [widget] { PressKey(widget, Qt::Key_Escape); });
        }
        return false;
    }

private:
    static constexpr const char* kSeen = "tambBenchSeen";
    std::function<void(tamb::MainWindow*)> m_onMainWindow;
};

// Runs the program's window loop from a main window with `model` chosen; `onMainWindow` drives each main window.
void RunWindows(tamb::ModelId model, const std::function<void(tamb::MainWindow*)>& onMainWindow)
{
    tamb::InMemoryPreferenceStore preferences(0x0409);
    preferences.setKeyPresent(true);
    preferences.putNumber(std::string(tamb::kModelValue), static_cast<std::uint32_t>(model));
    tamb::AppState state;
    state.model = model;
    WindowDriver driver(onMainWindow);
    tamb::RunSetupLoop(state, preferences);
}

void MeasureSetupDialog(const tamb::bench::SetupRoute& route, int warmUp, int cycles)
{
    CycleCounter counter(warmUp, cycles);
    RunWindows(route.model, [&](tamb::MainWindow* window) {
        if (counter.startNext()) {
            window->button(route.buttonId)->click();
        } else {
            window->close();
        }
    });
    counter.print(std::string(route.className));
}

// Cycles run inside one main window: `cycle` opens a window that the driver closes with Escape.
void MeasureFromMainWindow(
    const std::string& subject, int warmUp, int cycles, const std::function<void(QWidget*)>& cycle)
{
    CycleCounter counter(warmUp, cycles);
    RunWindows(1, [&](tamb::MainWindow* window) {
        while (counter.startNext()) {
            cycle(window);
        }
        window->close();
    });
    counter.print(subject);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const int cycles = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const int warmUp = argc > 2 ? std::max(0, std::atoi(argv[2])) : 30;
    std::printf("platform %s, style %s, %d cycles after %d warm-up cycles\n", qPrintable(QApplication::platformName()),
        qPrintable(QApplication::style()->name()), cycles, warmUp);

    const std::string only = argc > 3 ? argv[3] : "";
    const auto chosen = [&](std::string_view subject) { return subject.find(only) != std::string_view::npos; };

    for (const tamb::bench::SetupRoute& route : tamb::bench::BuiltDialogRoutes()) {
        if (chosen(route.className)) {
            MeasureSetupDialog(route, warmUp, cycles);
        }
    }
    if (chosen("About box")) {
        MeasureFromMainWindow(
            "About box", warmUp, cycles, [](QWidget* mainWindow) { PressKey(mainWindow, Qt::Key_F1); });
    }
    if (chosen("message box")) {
        MeasureFromMainWindow("message box", warmUp, cycles,
            [](QWidget* /*mainWindow*/) { tamb::ShowMessage("Camera menu configuration file is generated"); });
    }
    return 0;
}
