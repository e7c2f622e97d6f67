#pragma once

#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

// Writes of sliders and spin boxes wait until the user has stopped moving them: every change
// restarts the wait, and each key (an op code) is queued once, oldest first, so that the
// widget's value at the time of writing is what its writer sends.
class WriteBehindQueue {
public:
    static constexpr int WaitMs = 1500;
    using Write = std::function<void()>;

    struct Entry {
        QPointer<QWidget> widget; // an entry whose widget is gone writes nothing
        uint key = 0;
        Write write;
    };

    explicit WriteBehindQueue(QTimer* timer) : timer(timer) { timer->setSingleShot(true); }

    void queue(QWidget* widget, uint key, Write write) {
        timer->start(WaitMs);
        for (const Entry& e : pending)
            if (e.key == key)
                return;
        pending.append({widget, key, std::move(write)});
    }
    bool isEmpty() const { return pending.isEmpty(); }
    int size() const { return pending.size(); }
    // Writes every entry in turn, oldest first, and empties the queue; an entry whose widget
    // is gone is dropped unwritten.
    void run() {
        while (!pending.isEmpty()) {
            const Entry entry = pending.takeFirst();
            if (entry.widget)
                entry.write();
        }
    }
    QTimer* queueTimer() const { return timer; }

private:
    QTimer* timer;
    QList<Entry> pending;
};
