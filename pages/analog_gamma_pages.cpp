#include "analog_gamma_pages.h"

#include "analog_sequences.h"
#include "basic_monitor.h"
#include "command_scope.h"
#include "lut3d_entry.h"
#include "string_resource.h"
#include "wait_progress.h"

#include <QMessageBox>

namespace {
constexpr int kApplicationName = 1;
constexpr int kAskAutoSetup = 712;
constexpr int kAskAutoGainBias = 713;
constexpr int kAskNormalLut = 714;
constexpr int kAskBlackLut = 715;
constexpr int kAskWhiteLut = 716;
enum LutPattern { NormalLut = 0, BlackLut = 1, WhiteLut = 2 };
constexpr int kMsPerSecond = 1000;
} // namespace

AnalogGammaPages::AnalogGammaPages(const PageContext& context, QObject* parent)
    : PageController(context, parent) {}

QList<QWidget*> AnalogGammaPages::pages() const {
    return {ui.analog, ui.gamma, ui.luts3d};
}

bool AnalogGammaPages::confirm(int text_id) {
    return QMessageBox::question(host.dialog_parent(), StringResource(kApplicationName),
                                 StringResource(text_id), QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Cancel) == QMessageBox::Ok;
}

void AnalogGammaPages::run(const std::function<int()>& operation) {
    CommandScope frame(host);
    if (!frame)
        return;
    frame.report(operation());
}

AnalogSequences::Wait AnalogGammaPages::shown_wait(const QString& sequence) {
    return [this, sequence](unsigned int ms) {
        WaitProgress progress(
            host, tr("%1: waiting %2 s for the display...").arg(sequence).arg(ms / kMsPerSecond));
        progress.pause(*monitor, ms);
    };
}

void AnalogGammaPages::on_auto_setup_pushButton_clicked() {
    if (!confirm(kAskAutoSetup))
        return;
    run([this] {
        return AnalogSequences::auto_setup(*monitor, shown_wait(tr("Analog auto-setup")));
    });
}

void AnalogGammaPages::on_auto_gain_bias_pushButton_clicked() {
    if (!confirm(kAskAutoGainBias))
        return;
    run([this] {
        return AnalogSequences::auto_gain_bias(*monitor,
                                               shown_wait(tr("Analog auto bias/gain setup")));
    });
}

void AnalogGammaPages::load_lut(int text_id, int pattern) {
    if (!confirm(text_id))
        return;
    run([this, pattern] { return AnalogSequences::load_lut(*monitor, pattern); });
}

void AnalogGammaPages::on_normal_lut_pushButton_clicked() {
    load_lut(kAskNormalLut, NormalLut);
}
void AnalogGammaPages::on_black_lut_pushButton_clicked() {
    load_lut(kAskBlackLut, BlackLut);
}
void AnalogGammaPages::on_white_lut_pushButton_clicked() {
    load_lut(kAskWhiteLut, WhiteLut);
}

void AnalogGammaPages::on_gamma_init_pushButton_clicked() {
    run([this] { return monitor->init_gamma_table(); });
}
void AnalogGammaPages::on_gamma_refresh_pushButton_clicked() {
    run([this] { return monitor->refresh_gamma_table(); });
}
void AnalogGammaPages::on_gamma_reset_pushButton_clicked() {
    run([this] { return monitor->reset_gamma_table(); });
}
void AnalogGammaPages::on_gamma_save_pushButton_clicked() {
    run([this] { return monitor->save_gamma_table(); });
}

void AnalogGammaPages::on_test_gamma_lut_write_pushButton_clicked() {
    run([this] {
        QVector<int> table = AnalogSequences::raw_test_table();
        return monitor->write_gamma_table(table);
    });
}

void AnalogGammaPages::on_test_theoretical_lut_write_pushButton_clicked() {
    run([this] {
        QVector<int> table = AnalogSequences::raw_test_table();
        return monitor->write_theoretical_curve(table);
    });
}

// The values read are not shown: the exchange itself is in the communications log.
void AnalogGammaPages::on_gamma_read_3d_LUT_from_RAM_pushButton_clicked() {
    run([this] {
        constexpr int n = AnalogSequences::LutGrid;
        QVector<lut3d_entry> entries(n * n * n);
        return monitor->lut3d_read(entries.data(), n);
    });
}
