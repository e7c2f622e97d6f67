#pragma once

#include "page_controller.h"

#include <optional>

struct OpcodeScanPass;

// The op-code scanner: reads every op code of four ranges, lets the user change a setting on
// the display's own menu, reads them all again and reports which ones changed.
class OpcodeScannerPage : public PageController {
    Q_OBJECT

public:
    // The progress dialogs' range; a pass counts at most 1023 steps, so they never close by
    // themselves.
    static constexpr int ProgressMaximum = 1024;

    explicit OpcodeScannerPage(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;

public slots:
    void on_opcode_scanner_pushButton_clicked();

private:
    // Both passes, the question between them and the report on the open connection; the
    // result code to report, none when the user stopped the run.
    std::optional<int> run_scan();
    // One pass: the result of the last exchange of the last range, none when aborted.
    std::optional<int> scan_pass(OpcodeScanPass& pass, const QString& label,
                                 const QString& step_label);
    // Asks the question of the string id; true for OK.
    bool confirm(int string_id);
};
