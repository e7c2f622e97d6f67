#pragma once

#include "page_controller.h"

// The IR remote page: each key button sends its IR key code, which the display runs as if the
// key had been pressed on its remote. Keys build a code sequence in a text field, sent at once
// key by key ("Send Immediately") or as a whole; the page also sets the IR control mode.
class IrRemotePage : public PageController {
    Q_OBJECT

public:
    explicit IrRemotePage(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;
    // The IR lock refresh: the control mode the display reports.
    void refresh(QWidget* page) override;
    QList<QWidget*> read_controls(QWidget* page) const override;

    // Appends the code to the sequence and, with "Send Immediately", sends it.
    void sendIrKey(unsigned char code);
    // Sends the codes in one command frame and says on the status bar what was sent; a
    // sequence with a second or more of pauses runs under the progress dialog.
    void sendIrCodes(const QList<unsigned char>& codes);
    // "Send Sequence" is enabled exactly when the sequence text is acceptable.
    void update_send_ir_sequence_state();
    // Writes the chosen IR control mode and shows what the display then reports.
    void onIR_control_comboBoxChanged(int index);

public slots:
    void on_ir_remote_sendsequence_pushButton_clicked();
};
