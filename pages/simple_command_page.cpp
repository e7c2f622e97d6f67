#include "simple_command_page.h"

#include "basic_monitor.h"
#include "command_scope.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace {
constexpr unsigned char kCarriageReturn = 0x0D;

struct Preset {
    const char* label;
    const char* command;
};
const Preset kPresets[] = {
    {"", ""},
    {"Power On: 00!", "00!"},
    {"Power Off: 00\"", "00\""},
    {"Select Input DVI: 00_r1", "00_r1"},
    {"Select Input VGA: 00_r2", "00_r2"},
    {"Select Input RGB/HV: 00_r3", "00_r3"},
    {"Select Input HDMI: 00_h1", "00_h1"},
    {"Select Input Video(1): 00_v1", "00_v1"},
    {"Select Input DVD/HD(1): 00_v2", "00_v2"},
    {"Select Input S-Video: 00_v3", "00_v3"},
    {"Select Input TV Digital: 00_t1", "00_t1"},
    {"Select Input Video(2): 00_e1", "00_e1"},
    {"Select Input DVD/HD(2): 00_e2", "00_e2"},
    {"Select Input Option: 00_o1", "00_o1"},
    {"Select Input DisplayPort: 00_d1", "00_d1"},
    {"Read Power state: 00vP", "00vP"},
    {"Read Input selection: 00vI", "00vI"},
    {"Read Picture Mode: 00vM", "00vM"},
    {"Read Temp Sensor1: 00tcx1", "00tcx1"},
    {"Read Temp Sensor2: 00tcx2", "00tcx2"},
    {"Read Temp Sensor3: 00tcx3", "00tcx3"},
};
} // namespace

SimpleCommandPage::SimpleCommandPage(const PageContext& context, QObject* parent)
    : PageController(context, parent) {
    for (const Preset& p : kPresets)
        ui.simple_command_comboBox->addItem(QString::fromLatin1(p.label),
                                            QString::fromLatin1(p.command));
    connect(ui.simple_command_comboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &SimpleCommandPage::onsimple_command_comboBoxChanged);
    connect(ui.simple_command_send_lineEdit, &QLineEdit::textEdited, this,
            &SimpleCommandPage::onsimple_command_send_lineEditEdited);
}

QList<QWidget*> SimpleCommandPage::pages() const {
    return {ui.simple_commands};
}

void SimpleCommandPage::onsimple_command_comboBoxChanged(int item) {
    ui.simple_command_send_lineEdit->setText(ui.simple_command_comboBox->itemData(item).toString());
}

void SimpleCommandPage::onsimple_command_send_lineEditEdited() {
    // The text stays as typed: the empty row's own text is not put in.
    const QSignalBlocker blocker(ui.simple_command_comboBox);
    ui.simple_command_comboBox->setCurrentIndex(0);
}

// A failed send or receive is reported on the status bar, and the reply field stays empty.
void SimpleCommandPage::on_simple_command_send_pushButton_clicked() {
    ui.simple_command_receive_plainTextEdit->setPlainText(QString());
    CommandScope frame(host);
    if (!frame)
        return;
    QList<unsigned char> bytes;
    for (char c : ui.simple_command_send_lineEdit->text().toLatin1())
        bytes << static_cast<unsigned char>(c);
    bytes << kCarriageReturn;
    if (frame.report(monitor->send_raw(bytes)) != 0)
        return;
    QList<unsigned char> reply;
    if (frame.report(monitor->receive_raw(reply, kCarriageReturn)) != 0)
        return;
    QString text;
    for (unsigned char c : reply)
        text += QChar::fromLatin1(char(c));
    ui.simple_command_receive_plainTextEdit->setPlainText(text);
}
