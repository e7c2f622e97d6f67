#pragma once

#include <QPointer>
#include <QString>

class PageHost;
class QProgressDialog;
class basic_monitor;

// Shows a blocking wait of the GUI thread (a pause of a timed sequence, a completion wait) in a
// window-modal progress dialog without Cancel, and keeps the window painted while it runs:
// each report of the wait moves the bar and lets the window process its events. The dialog
// cannot be closed; it goes when the object does, and the wait ends at its own time-out.
class WaitProgress {
public:
    WaitProgress(PageHost& host, const QString& label);
    ~WaitProgress();
    WaitProgress(const WaitProgress&) = delete;
    WaitProgress& operator=(const WaitProgress&) = delete;

    // elapsed_ms of total_ms have passed.
    void show(int elapsed_ms, int total_ms);
    // A pause of ms through the monitor's own delay, in slices, shown as it goes.
    void pause(basic_monitor& monitor, unsigned int ms);

private:
    QPointer<QProgressDialog> dialog;
};
