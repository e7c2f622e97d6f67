#include "wait_progress.h"

#include "basic_monitor.h"
#include "page_host.h"
#include "progress_dialog.h"
#include "qvcommprotocol.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QWidget>

#include <algorithm>

namespace {
// A progress dialog that the user cannot close: the wait behind it has no way to stop early.
class WaitDialog : public QProgressDialog {
public:
    using QProgressDialog::QProgressDialog;
    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};
} // namespace

WaitProgress::WaitProgress(PageHost& host, const QString& label) {
    QWidget* window = host.dialog_parent();
    auto* d = new WaitDialog(label, QString(), 0, 1, window);
    d->setCancelButton(nullptr);
    d->setAutoClose(false);
    d->setAutoReset(false);
    d->setMinimumDuration(0);
    show_progress_dialog(*d, window);
    dialog = d;
}

WaitProgress::~WaitProgress() {
    delete dialog;
}

void WaitProgress::show(int elapsed_ms, int total_ms) {
    if (!dialog)
        return;
    // A total of 0 would leave no range to fill: one step that is already done.
    const int total = std::max(total_ms, 1);
    dialog->setMaximum(total);
    dialog->setValue(std::clamp(elapsed_ms, 0, total));
    QCoreApplication::processEvents();
}

void WaitProgress::pause(basic_monitor& monitor, unsigned int ms) {
    show(0, int(ms));
    for (unsigned int waited = 0; waited < ms;) {
        const unsigned int step = std::min(unsigned(QVCommProtocol::WaitSliceMs), ms - waited);
        monitor.delay(step);
        waited += step;
        show(int(waited), int(ms));
    }
}
