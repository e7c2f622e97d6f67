#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

// Writes of sliders and spin boxes wait until the user has stopped moving them: every change
// restarts the wait, and each op code is queued once, oldest first, so its widget's value at
// the time of writing is what goes to the display.
template <class Widget> class WriteBehindQueue {
public:
    static constexpr int WaitMs = 1500;

    struct Entry {
        QPointer<Widget> widget;
        uint opcode = 0;
    };

    explicit WriteBehindQueue(QTimer* timer) : timer(timer) { timer->setSingleShot(true); }

    void queue(Widget* widget, uint opcode) {
        timer->stop();
        timer->start(WaitMs);
        for (const Entry& e : pending)
            if (e.opcode == opcode)
                return;
        pending.append({widget, opcode});
    }
    bool isEmpty() const { return pending.isEmpty(); }
    Entry takeFirst() { return pending.takeFirst(); }
    QTimer* queueTimer() const { return timer; }

private:
    QTimer* timer;
    QList<Entry> pending;
};
