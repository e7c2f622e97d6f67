#include "wait_progress.h"

#include "basic_monitor.h"
#include "page_host.h"
#include "progress_dialog.h"
#include "status_bar_style.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QWidget>

#include <algorithm>

namespace {
// A progress dialog that the user cannot close: the sequence behind it has no way to stop
// early.
class WaitDialog : public QProgressDialog {
public:
    using QProgressDialog::QProgressDialog;
    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};
} // namespace

WaitProgress::WaitProgress(PageHost& host, basic_monitor& monitor, const QString& label)
    : host(host) {
    QWidget* window = host.dialog_parent();
    auto* d = new WaitDialog(label, QString(), 0, 1, window);
    d->setCancelButton(nullptr);
    d->setAutoClose(false);
    d->setAutoReset(false);
    d->setMinimumDuration(0);
    show_progress_dialog(*d, window);
    dialog = d;
    steps = QObject::connect(&monitor, &basic_monitor::progress, d, [this](int done, int total) {
        follows_steps = true;
        show(done, total);
    });
    waits = QObject::connect(&monitor, &basic_monitor::waiting, d, [this](int elapsed, int total) {
        if (follows_steps)
            QCoreApplication::processEvents();
        else
            show(elapsed, total);
    });
    host.set_process_events_while_logging(true);
    // Painted at once: the window, and a question box that went before, too.
    QCoreApplication::processEvents();
}

WaitProgress::~WaitProgress() {
    host.set_process_events_while_logging(false);
    QObject::disconnect(steps);
    QObject::disconnect(waits);
    delete dialog;
}

void WaitProgress::show(int done, int total) {
    if (!dialog)
        return;
    // A total of 0 would leave no range to fill: one step that is already done.
    const int maximum = std::max(total, 1);
    dialog->setMaximum(maximum);
    dialog->setValue(std::clamp(done, 0, maximum));
    QCoreApplication::processEvents();
}

LongAction::LongAction(PageHost& host, basic_monitor& monitor, QStatusBar* bar,
                       const QString& running, bool shown)
    : frame(host), bar(bar) {
    if (frame && shown)
        progress.emplace(host, monitor, running);
}

LongAction::~LongAction() = default;

int LongAction::finish(int result, const QString& done) {
    if (result != 0)
        frame.report(result);
    else
        showConfirmation(bar, done);
    return result;
}
