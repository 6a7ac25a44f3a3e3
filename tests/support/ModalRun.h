#pragma once

// Helpers for GUI tests that drive modal dialogs of the ui layer without a person.

#include "ui/Dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

namespace tamb::guitest {

struct RunOutcome
{
    DialogResult result = DialogResult::Cancel;
    bool leftOpen = false; // the action did not end the run; it was ended with Cancel afterwards
};

// Runs `dialog` modally while `action` drives it from inside its run. Record inside the action, assert after.
inline RunOutcome RunWhile(Dialog& dialog, const std::function<void()>& action)
{
    RunOutcome outcome;
    QTimer::singleShot(0, &dialog, [&] {
        action();
        QTimer::singleShot(0, &dialog, [&] {
            outcome.leftOpen = dialog.isVisible();
            if (outcome.leftOpen) {
                dialog.endRun(DialogResult::Cancel);
            }
        });
    });
    outcome.result = dialog.run();
    return outcome;
}

// Drives the modal dialogs that code under test opens on its own (a loop of windows): each new active modal
// dialog gets the next step. Steps left over when the code returns are visible in stepsTaken().
class ModalDriver
{
public:
    using Step = std::function<void(Dialog&)>;

    explicit ModalDriver(std::vector<Step> steps)
        : m_steps(std::move(steps))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    [[nodiscard]] std::size_t stepsTaken() const { return m_next; }

private:
    void poll()
    {
        auto* active = dynamic_cast<Dialog*>(QApplication::activeModalWidget());
        // A window destroyed since its step no longer counts, even when the next one takes its address.
        if (active == nullptr || active == m_lastDriven.data() || m_next >= m_steps.size()) {
            return;
        }
        m_lastDriven = active;
        m_steps[m_next++](*active);
    }

    QTimer m_timer;
    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    QPointer<Dialog> m_lastDriven;
};

// Picks entry `index` of a drop-down list the way a user does with the keyboard: Home, then Down step by step,
// each step a choice the dialog is told of.
inline void ChooseEntry(Dialog& dialog, int listId, int index)
{
    QComboBox* list = dialog.list(listId);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int step = 0; step < index; ++step) {
        QTest::keyClick(list, Qt::Key_Down);
    }
}

} // namespace tamb::guitest
