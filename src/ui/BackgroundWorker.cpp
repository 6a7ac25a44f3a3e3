#include "ui/BackgroundWorker.h"

#include <QMetaObject>
#include <utility>

namespace tamb {

BackgroundWorker::BackgroundWorker(QObject& context)
    : m_context(context)
{
}

BackgroundWorker::~BackgroundWorker()
{
    stop();
}

void BackgroundWorker::start(std::function<DialogOutcome(const std::atomic<bool>&)> work, Finished finished)
{
    stop();
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    m_finished = std::move(finished);
    m_running = true;
    const unsigned run = ++m_run;
    m_thread = std::thread([this, run, cancel = m_cancel, work = std::move(work)] {
        DialogOutcome outcome = work(*cancel);
        // Posted to the GUI thread: the thread is joined before the context goes away, and Qt drops what is
        // still queued for a context that is deleted, so the delivery never reaches a destroyed dialog.
        QMetaObject::invokeMethod(
            &m_context, [this, run, done = std::move(outcome)]() mutable { deliver(run, std::move(done)); },
            Qt::QueuedConnection);
    });
}

void BackgroundWorker::deliver(unsigned run, DialogOutcome outcome)
{
    if (run != m_run || !m_running)
        return;
    m_running = false;
    if (m_thread.joinable())
        m_thread.join();
    Finished finished = std::exchange(m_finished, {});
    finished(std::move(outcome));
}

void BackgroundWorker::cancel()
{
    if (m_cancel)
        m_cancel->store(true);
    m_running = false;
    m_finished = {};
}

void BackgroundWorker::stop()
{
    cancel();
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace tamb
