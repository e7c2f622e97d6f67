#include "analog_gamma_pages.h"

#include "analog_sequences.h"
#include "basic_monitor.h"
#include "lut3d_entry.h"
#include "string_resource.h"
#include "wait_progress.h"

#include <QMessageBox>

namespace {
enum LutPattern { NormalLut = 0, BlackLut = 1, WhiteLut = 2 };
constexpr int kMsPerSecond = 1000;
using Task = AnalogGammaPages::Task;
const Task kAutoSetup{QT_TRANSLATE_NOOP("AnalogGammaPages", "Analog auto-setup"),
                      QT_TRANSLATE_NOOP("AnalogGammaPages", "Analog auto-setup done.")};
const Task kAutoGainBias{
    QT_TRANSLATE_NOOP("AnalogGammaPages", "Analog auto bias/gain setup"),
    QT_TRANSLATE_NOOP("AnalogGammaPages", "Analog auto bias/gain setup done.")};
const Task kLuts[] = {
    {QT_TRANSLATE_NOOP("AnalogGammaPages", "Loading the normal LUT into the display..."),
     QT_TRANSLATE_NOOP("AnalogGammaPages", "Normal LUT loaded; the gamma is Programmable.")},
    {QT_TRANSLATE_NOOP("AnalogGammaPages", "Loading the black LUT into the display..."),
     QT_TRANSLATE_NOOP("AnalogGammaPages", "Black LUT loaded; the gamma is Programmable.")},
    {QT_TRANSLATE_NOOP("AnalogGammaPages", "Loading the white LUT into the display..."),
     QT_TRANSLATE_NOOP("AnalogGammaPages", "White LUT loaded; the gamma is Programmable.")},
};
const Task kGammaInit{QT_TRANSLATE_NOOP("AnalogGammaPages", "Initialising the gamma table..."),
                      QT_TRANSLATE_NOOP("AnalogGammaPages", "Gamma table initialised.")};
const Task kGammaRefresh{QT_TRANSLATE_NOOP("AnalogGammaPages", "Refreshing the gamma table..."),
                         QT_TRANSLATE_NOOP("AnalogGammaPages", "Gamma table refreshed.")};
const Task kGammaReset{QT_TRANSLATE_NOOP("AnalogGammaPages", "Resetting the gamma table..."),
                       QT_TRANSLATE_NOOP("AnalogGammaPages", "Gamma table reset.")};
const Task kGammaSave{QT_TRANSLATE_NOOP("AnalogGammaPages", "Saving the gamma table..."),
                      QT_TRANSLATE_NOOP("AnalogGammaPages", "Gamma table saved in the display.")};
const Task kTestGammaWrite{
    QT_TRANSLATE_NOOP("AnalogGammaPages", "Writing the test gamma table..."),
    QT_TRANSLATE_NOOP("AnalogGammaPages", "Test gamma table written (1,024 values).")};
const Task kTestCurveWrite{
    QT_TRANSLATE_NOOP("AnalogGammaPages", "Writing the test theoretical curve..."),
    QT_TRANSLATE_NOOP("AnalogGammaPages", "Test theoretical curve written (1,024 values).")};
const Task kLut3dRead{
    QT_TRANSLATE_NOOP("AnalogGammaPages", "Reading the 3D LUT from the display's RAM..."),
    QT_TRANSLATE_NOOP("AnalogGammaPages",
                      "3D LUT read (4,913 entries); the exchange is in the communications log.")};
} // namespace

AnalogGammaPages::AnalogGammaPages(const PageContext& context, QObject* parent)
    : PageController(context, parent) {}

QList<QWidget*> AnalogGammaPages::pages() const {
    return {ui.analog, ui.gamma, ui.luts3d};
}

bool AnalogGammaPages::confirm(int text_id) {
    return QMessageBox::question(host.dialog_parent(), StringResource(StringId::ApplicationName),
                                 StringResource(text_id), QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Cancel) == QMessageBox::Ok;
}

void AnalogGammaPages::run(const Task& task, const std::function<int()>& operation, bool shown) {
    LongAction action(host, *monitor, ui.statusBar, tr(task.running), shown);
    if (action)
        action.finish(operation(), tr(task.done));
}

AnalogSequences::Wait AnalogGammaPages::shown_wait(const Task& task) {
    return [this, &task](unsigned int ms) {
        WaitProgress progress(
            host, *monitor,
            tr("%1: waiting %2 s for the display...").arg(tr(task.running)).arg(ms / kMsPerSecond));
        monitor->delay(ms);
    };
}

void AnalogGammaPages::on_auto_setup_pushButton_clicked() {
    if (!confirm(StringId::AutoSetupQuestion))
        return;
    run(
        kAutoSetup,
        [this] { return AnalogSequences::auto_setup(*monitor, shown_wait(kAutoSetup)); }, false);
}

void AnalogGammaPages::on_auto_gain_bias_pushButton_clicked() {
    if (!confirm(StringId::AutoGainBiasQuestion))
        return;
    run(
        kAutoGainBias,
        [this] { return AnalogSequences::auto_gain_bias(*monitor, shown_wait(kAutoGainBias)); },
        false);
}

void AnalogGammaPages::load_lut(int text_id, int pattern) {
    if (!confirm(text_id))
        return;
    run(kLuts[pattern], [this, pattern] { return AnalogSequences::load_lut(*monitor, pattern); });
}

void AnalogGammaPages::on_normal_lut_pushButton_clicked() {
    load_lut(StringId::NormalLutQuestion, NormalLut);
}
void AnalogGammaPages::on_black_lut_pushButton_clicked() {
    load_lut(StringId::BlackLutQuestion, BlackLut);
}
void AnalogGammaPages::on_white_lut_pushButton_clicked() {
    load_lut(StringId::WhiteLutQuestion, WhiteLut);
}

void AnalogGammaPages::on_gamma_init_pushButton_clicked() {
    run(kGammaInit, [this] { return monitor->init_gamma_table(); });
}
void AnalogGammaPages::on_gamma_refresh_pushButton_clicked() {
    run(kGammaRefresh, [this] { return monitor->refresh_gamma_table(); });
}
void AnalogGammaPages::on_gamma_reset_pushButton_clicked() {
    run(kGammaReset, [this] { return monitor->reset_gamma_table(); });
}
void AnalogGammaPages::on_gamma_save_pushButton_clicked() {
    run(kGammaSave, [this] { return monitor->save_gamma_table(); });
}

void AnalogGammaPages::on_test_gamma_lut_write_pushButton_clicked() {
    run(kTestGammaWrite, [this] {
        QVector<int> table = AnalogSequences::raw_test_table();
        return monitor->write_gamma_table(table);
    });
}

void AnalogGammaPages::on_test_theoretical_lut_write_pushButton_clicked() {
    run(kTestCurveWrite, [this] {
        QVector<int> table = AnalogSequences::raw_test_table();
        return monitor->write_theoretical_curve(table);
    });
}

// The values read are not shown: the exchange itself is in the communications log.
void AnalogGammaPages::on_gamma_read_3d_LUT_from_RAM_pushButton_clicked() {
    run(kLut3dRead, [this] {
        constexpr int n = AnalogSequences::LutGrid;
        QVector<lut3d_entry> entries(n * n * n);
        return monitor->lut3d_read(entries.data(), n);
    });
}
