#include "proof_of_play_page.h"

#include "basic_monitor.h"
#include "command_scope.h"
#include "program_globals.h"
#include "proof_of_play_report.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

#include <vector>

namespace {
enum Mode : unsigned char { Stop = 0, Start = 1, Clear = 2 };
constexpr int kAlreadyInThatState = 2;
} // namespace

ProofOfPlayPage::ProofOfPlayPage(const PageContext& context, QObject* parent)
    : PageController(context, parent) {}

QList<QWidget*> ProofOfPlayPage::pages() const {
    return {ui.proof_of_play};
}

void ProofOfPlayPage::run(bool read, const std::function<int()>& action) {
    // Emptied before the link opens, with the status line: a report from before does not
    // stand for this press, also when the link does not open.
    if (read)
        ui.proof_of_play_plainTextEdit->clear();
    write_in_frame({}, ui.pop_v2_status_lineEdit,
                   [&action](CommandScope& frame) { return frame.report(action()); });
}

void ProofOfPlayPage::set_mode(unsigned char mode, const QString& already) {
    run(false, [this, mode, &already] {
        int status = 0;
        const int result = monitor->set_proof_of_play_mode(&status, mode);
        if (result == 0)
            ui.pop_v2_status_lineEdit->setText(
                status == kAlreadyInThatState ? QStringLiteral("%1 (%2)").arg(status).arg(already)
                                              : reply_status_text(status));
        return result;
    });
}

void ProofOfPlayPage::on_proof_of_playV2_start_pushButton_clicked() {
    set_mode(Start, QStringLiteral("Already started"));
}
void ProofOfPlayPage::on_proof_of_playV2_stop_pushButton_clicked() {
    set_mode(Stop, QStringLiteral("Already stopped"));
}
void ProofOfPlayPage::on_proof_of_playV2_clear_pushButton_clicked() {
    set_mode(Clear, QStringLiteral("Already cleared"));
}

void ProofOfPlayPage::on_proof_of_playV2_get_current_pushButton_clicked() {
    run(true, [this] {
        int status = 0;
        proof_of_play_log entry;
        const int result = monitor->get_proof_of_play_current(&status, &entry);
        if (result != 0)
            return result;
        if (status == 0)
            ui.proof_of_play_plainTextEdit->setPlainText(eventLogEntryText(entry) +
                                                         QStringLiteral("\r\n"));
        ui.pop_v2_status_lineEdit->setText(reply_status_text(status));
        return 0;
    });
}

// A range whose last number is below its first reads nothing and says so, without opening
// the link; an earlier failure on the status bar no longer stands.
void ProofOfPlayPage::on_proof_of_playV2_get_number_to_number_pushButton_clicked() {
    const int from = ui.proof_of_playV2_from_spinBox->value();
    const int to = ui.proof_of_playV2_to_spinBox->value();
    if (to < from) {
        host.show_error_status(0);
        ui.pop_v2_status_lineEdit->clear();
        ui.proof_of_play_plainTextEdit->setPlainText(
            tr("Nothing read: \"To\" (%1) is below \"From\" (%2).").arg(to).arg(from));
        return;
    }
    run(true, [this, from, to] {
        int status = 0, count = 0;
        std::vector<proof_of_play_log> entries(size_t(to - from + 1));
        const int result = monitor->get_proof_of_play_number_to_number(
            from, to, &status, &count, entries.data(), int(entries.size()));
        if (result != 0)
            return result;
        if (status == 0)
            ui.proof_of_play_plainTextEdit->setPlainText(
                ProofOfPlayText::range(from, entries.data(), count, controlDefinitions()));
        ui.pop_v2_status_lineEdit->setText(reply_status_text(status));
        return 0;
    });
}

void ProofOfPlayPage::on_proof_of_playV2_get_status_pushButton_clicked() {
    run(true, [this] {
        int error = 0, total = 0, maximum = 0, current = 0;
        const int result = monitor->get_proof_of_play_status(&error, &total, &maximum, &current);
        if (result != 0)
            return result;
        ui.proof_of_play_plainTextEdit->setPlainText(
            ProofOfPlayText::status(error, total, maximum, current));
        ui.pop_v2_status_lineEdit->setText(reply_status_text(error));
        return 0;
    });
}
