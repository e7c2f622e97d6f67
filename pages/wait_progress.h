#pragma once

#include "command_scope.h"

#include <QMetaObject>
#include <QPointer>
#include <QString>

#include <optional>

class PageHost;
class QProgressDialog;
class QStatusBar;
class basic_monitor;

// Shows a blocking sequence of the GUI thread (pauses, completion waits, transfers of many
// exchanges) in a window-modal progress dialog without Cancel, and keeps the window painted
// while it runs: each report of the monitor and each exchange logged lets the window process
// its events. The bar follows the sequence's steps (progress) once it reports one; until then
// each pause or wait fills it by its time (waiting). The dialog cannot be closed; it goes when
// the object does, and a wait ends at its own time-out.
class WaitProgress {
public:
    WaitProgress(PageHost& host, basic_monitor& monitor, const QString& label);
    ~WaitProgress();
    WaitProgress(const WaitProgress&) = delete;
    WaitProgress& operator=(const WaitProgress&) = delete;

private:
    void show(int done, int total);

    PageHost& host;
    QPointer<QProgressDialog> dialog;
    QMetaObject::Connection steps;
    QMetaObject::Connection waits;
    bool follows_steps = false;
};

// A user action in one command frame that says when it is done: a failure goes to the status
// bar as an error, a success as the caller's words. A long one (shown) runs under a
// WaitProgress; a short one only says what it did.
//
//     LongAction action(host, *monitor, ui.statusBar, tr("Saving..."));
//     if (action)
//         action.finish(monitor->save_current_settings(), tr("Saved."));
class LongAction {
public:
    LongAction(PageHost& host, basic_monitor& monitor, QStatusBar* bar, const QString& running,
               bool shown = true);
    ~LongAction();
    LongAction(const LongAction&) = delete;
    LongAction& operator=(const LongAction&) = delete;

    // False when the connection did not open: the host has said why, and nothing is sent.
    explicit operator bool() const { return bool(frame); }
    // The action's result; done is said only for 0. Returns the result.
    int finish(int result, const QString& done);

private:
    CommandScope frame;
    QStatusBar* bar;
    std::optional<WaitProgress> progress;
};
