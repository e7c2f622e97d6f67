#include "ir_remote_page.h"

#include "basic_monitor.h"
#include "hexlistvalidator.h"
#include "ir_codes.h"
#include "opcodes.h"
#include "page_lists.h"
#include "string_resource.h"
#include "wait_progress.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace {
constexpr int kIrControlModes = 4;
constexpr unsigned int kShownFromMs = 1000;
} // namespace

IrRemotePage::IrRemotePage(const PageContext& context, QObject* parent)
    : PageController(context, parent) {
    PageLists::fill({{ui.ir_control_comboBox,
                      PageLists::resource_range(StringId::IrControlModes, kIrControlModes)}});
    // The keypad's shortcut "Enter" is the keypad key; the main Return key presses the same IR
    // key. Held by the button, it acts like the button's own shortcut: only while it is shown.
    QPushButton* enter = ui.ir_remote_ent_pushButton;
    auto* return_key = new QShortcut(QKeySequence(Qt::Key_Return), enter);
    connect(return_key, &QShortcut::activated, enter, [enter] { enter->animateClick(); });
    for (const IrCodes::Key& key : IrCodes::keys()) {
        auto* button = ui.ir_remote->findChild<QPushButton*>(IrCodes::button_name(key));
        if (button)
            connect(button, &QPushButton::clicked, this,
                    [this, code = key.code] { sendIrKey(code); });
    }
    ui.ir_remote_code_lineEdit->setValidator(new HexListValidator(ui.ir_remote_code_lineEdit));
    connect(ui.ir_remote_code_lineEdit, &QLineEdit::textChanged, this,
            &IrRemotePage::update_send_ir_sequence_state);
    connect(ui.ir_control_comboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &IrRemotePage::onIR_control_comboBoxChanged);
}

QList<QWidget*> IrRemotePage::pages() const {
    return {ui.ir_remote};
}

void IrRemotePage::refresh(QWidget* page) {
    PageRead pass(read_controls(page), dummy_interface());
    uint value = 0;
    const int result = monitor->get_vcp_value(OpCode::IrControl, &value);
    pass.read(result, read_controls(page),
              [this, value] { select_by_data(ui.ir_control_comboBox, value); });
    show_failure(pass.failure());
}

QList<QWidget*> IrRemotePage::read_controls(QWidget*) const {
    return {ui.ir_control_comboBox};
}

void IrRemotePage::sendIrKey(unsigned char code) {
    ui.ir_remote_code_lineEdit->setText(IrCodes::append(ui.ir_remote_code_lineEdit->text(), code));
    if (ui.ir_remote_send_immediately_checkBox->isChecked())
        sendIrCodes({code});
}

void IrRemotePage::sendIrCodes(const QList<unsigned char>& codes) {
    // A key sent at once passes in a moment; a sequence whose pauses take a second is shown.
    const bool shown = basic_monitor::ir_codes_pause_ms(codes) >= kShownFromMs;
    LongAction action(host, *monitor, ui.statusBar, tr("Sending the IR codes to the display..."),
                      shown);
    if (!action)
        return;
    QString text;
    for (unsigned char code : codes)
        text = IrCodes::append(text, code);
    // Nothing on the page changes: only these words say that the display took them.
    action.finish(monitor->send_ir_remote_codes(codes), codes.size() == 1
                                                            ? tr("IR code %1 sent.").arg(text)
                                                            : tr("IR codes %1 sent.").arg(text));
}

void IrRemotePage::on_ir_remote_sendsequence_pushButton_clicked() {
    const IrCodes::Sequence sequence = IrCodes::parse(ui.ir_remote_code_lineEdit->text());
    if (!sequence.codes.isEmpty())
        sendIrCodes(sequence.codes);
    ui.ir_remote_code_lineEdit->setText(sequence.text);
}

void IrRemotePage::update_send_ir_sequence_state() {
    ui.ir_remote_sendsequence_pushButton->setEnabled(
        ui.ir_remote_code_lineEdit->hasAcceptableInput());
}

void IrRemotePage::onIR_control_comboBoxChanged(int index) {
    write_value(OpCode::IrControl, ui.ir_control_comboBox->itemData(index).toUInt(),
                {ui.ir_control_comboBox},
                [this](uint value) { select_by_data(ui.ir_control_comboBox, value); });
}
