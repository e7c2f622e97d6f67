#include "opcode_scanner_page.h"

#include "basic_monitor.h"
#include "opcode_scan.h"
#include "opcodes.h"
#include "program_globals.h"
#include "progress_dialog.h"
#include "string_resource.h"

#include <QMessageBox>
#include <QTextEdit>

OpcodeScannerPage::OpcodeScannerPage(const PageContext& context, QObject* parent)
    : PageController(context, parent) {}

QList<QWidget*> OpcodeScannerPage::pages() const {
    return {ui.opcode_scanner};
}

void OpcodeScannerPage::on_opcode_scanner_pushButton_clicked() {
    ui.opcode_results_textEdit->clear();
    // Asked before the connection opens: a run the user does not start opens none.
    if (!confirm(StringId::ScanBeginQuestion))
        return;
    // One connection serves both passes and the wait between them.
    if (!host.open_for_command())
        return;
    const std::optional<int> result = run_scan();
    host.close_after_command();
    if (result)
        host.show_error_status(*result);
}

std::optional<int> OpcodeScannerPage::run_scan() {
    OpcodeScanPass first, second;
    const std::optional<int> read = scan_pass(first, tr("Op Code scanning progress..."),
                                              QStringLiteral("Reading Op Code 0x%1"));
    if (!read || *read != 0)
        return read;
    if (!confirm(StringId::ScanCompareQuestion))
        return std::nullopt;
    const std::optional<int> compared = scan_pass(second, tr("Op Code re-scanning progress..."),
                                                  QStringLiteral("Comparing Op Code 0x%1"));
    if (compared && *compared == 0)
        ui.opcode_results_textEdit->setHtml(
            opcode_scan_report(first, second, controlDefinitions()));
    return compared;
}

std::optional<int> OpcodeScannerPage::scan_pass(OpcodeScanPass& pass, const QString& label,
                                                const QString& step_label) {
    QProgressDialog progress(label, tr("Abort"), 0, ProgressMaximum, host.dialog_parent());
    show_progress_dialog(progress, host.dialog_parent());
    int result = 0, steps = 0;
    for (const OpCode::Range& range : OpCode::ScannedPages) {
        for (uint opcode = range.first; opcode <= range.last; ++opcode) {
            uint current = 0, max = 0;
            unsigned char result_byte = 0, type = 0;
            // A failure ends its range; what the display says of support does not matter.
            result = monitor->get_parameter(opcode, &current, &max, &result_byte, &type);
            if (result != 0)
                break;
            pass.opcodes << opcode;
            pass.values << current;
            progress.setLabelText(step_label.arg(opcode, 4, 16, QLatin1Char('0')));
            progress.setValue(++steps);
            if (progress.wasCanceled())
                return std::nullopt;
        }
    }
    return result;
}

bool OpcodeScannerPage::confirm(int string_id) {
    QMessageBox box(QMessageBox::Question, StringResource(StringId::ApplicationName),
                    StringResource(string_id), QMessageBox::Ok | QMessageBox::Cancel,
                    host.dialog_parent());
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}
