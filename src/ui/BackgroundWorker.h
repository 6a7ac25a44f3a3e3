#pragma once

#include "model/DialogOutcome.h"

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace tamb {

// Runs one piece of background work at a time on a thread of its own and hands its outcome to the GUI thread,
// through the event loop of `context`. A cancelled work is told to stop and its outcome is dropped; the thread is
// joined when the next work starts, on stop() and at the latest by the destructor, so it never outlives the worker.
class BackgroundWorker
{
public:
    using Finished = std::function<void(DialogOutcome)>;

    explicit BackgroundWorker(QObject& context);
    ~BackgroundWorker();
    BackgroundWorker(const BackgroundWorker&) = delete;
    BackgroundWorker& operator=(const BackgroundWorker&) = delete;

    // True from start() until the outcome is handed over or the work is cancelled.
    [[nodiscard]] bool isRunning() const { return m_running; }

    // Starts `work` (after joining the thread of an earlier, cancelled work); `finished` gets its outcome on the
    // GUI thread unless the work is cancelled first.
    void start(std::function<DialogOutcome(const std::atomic<bool>&)> work, Finished finished);
    // Tells the running work to stop and drops its outcome; returns at once.
    void cancel();
    // Cancels and waits for the thread to end.
    void stop();

private:
    void deliver(unsigned run, DialogOutcome outcome);

    QObject& m_context;
    std::thread m_thread;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    Finished m_finished;
    unsigned m_run = 0; // counts the works started, so that a late outcome of a cancelled one is known
    bool m_running = false;
};

} // namespace tamb
