#include "pip_pbp_page.h"

#include "basic_monitor.h"
#include "command_scope.h"
#include "display_records.h"
#include "page_lists.h"

#include <QComboBox>
#include <QSpinBox>

namespace {
constexpr int kProfiles = 5; // numbered from 0
} // namespace

PipPbpPage::PipPbpPage(const PageContext& context, QObject* parent)
    : PageController(context, parent) {
    fill_lists();
    // The lists were empty when the form was laid out: give each the room of its longest item,
    // so that no mode, input or aspect is cut off.
    for (QWidget* widget : field_widgets())
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            combo->setMinimumWidth(combo->sizeHint().width());
        }
}

void PipPbpPage::fill_lists() {
    using namespace PageLists;
    const Items inputs = video_inputs() + Items{{QStringLiteral("None (0)"), 0}};
    const Items aspects{{"None (0)", 0}, {"Normal (1)", 1}, {"Full (2)", 2}, {"Expand (6)", 6}};
    fill({
        {ui.pip_pbp_memory_input1_comboBox, inputs, Fill::Sorted},
        {ui.pip_pbp_memory_input2_comboBox, inputs, Fill::Sorted},
        {ui.pip_pbp_memory_input3_comboBox, inputs, Fill::Sorted},
        {ui.pip_pbp_memory_input4_comboBox, inputs, Fill::Sorted},
        {ui.pip_pbp_memory_memorynum_comboBox, numbered(0, kProfiles - 1)},
        {ui.pip_pbp_memory_mode_comboBox, {{"Off (1)", 1}, {"PIP (2)", 2}, {"PBP (5)", 5}}},
        {ui.pip_pbp_memory_aspect1_comboBox, aspects},
        {ui.pip_pbp_memory_aspect2_comboBox, aspects},
        {ui.pip_pbp_memory_aspect3_comboBox, aspects},
        {ui.pip_pbp_memory_aspect4_comboBox, aspects},
    });
}

QList<QWidget*> PipPbpPage::pages() const {
    return {ui.pip_pop_memory};
}

QList<QWidget*> PipPbpPage::field_widgets() const {
    return {ui.pip_pbp_memory_mode_comboBox,         ui.pip_pbp_memory_input1_comboBox,
            ui.pip_pbp_memory_input2_comboBox,       ui.pip_pbp_memory_input3_comboBox,
            ui.pip_pbp_memory_input4_comboBox,       ui.pip_pbp_memory_picture_size1_spinBox,
            ui.pip_pbp_memory_picture_size2_spinBox, ui.pip_pbp_memory_picture_size3_spinBox,
            ui.pip_pbp_memory_picture_size4_spinBox, ui.pip_pbp_memory_aspect1_comboBox,
            ui.pip_pbp_memory_aspect2_comboBox,      ui.pip_pbp_memory_aspect3_comboBox,
            ui.pip_pbp_memory_aspect4_comboBox,      ui.pip_pbp_memory_hposition1_spinBox,
            ui.pip_pbp_memory_hposition2_spinBox,    ui.pip_pbp_memory_hposition3_spinBox,
            ui.pip_pbp_memory_hposition4_spinBox,    ui.pip_pbp_memory_vposition1_spinBox,
            ui.pip_pbp_memory_vposition2_spinBox,    ui.pip_pbp_memory_vposition3_spinBox,
            ui.pip_pbp_memory_vposition4_spinBox};
}

QList<QWidget*> PipPbpPage::profile_controls() const {
    return field_widgets() << ui.pip_pbp_memory_save_pushButton;
}

unsigned char PipPbpPage::profile_number() const {
    return static_cast<unsigned char>(ui.pip_pbp_memory_memorynum_comboBox->currentData().toInt());
}

QList<QWidget*> PipPbpPage::form_fields() const {
    return field_widgets();
}

int PipPbpPage::run(CommandScope& frame, const std::function<int(unsigned char, int*)>& call) {
    int status = 0;
    const int result = frame.report(call(profile_number(), &status));
    return show_answer(ui.pip_pbp_memory_status_lineEdit, result, status);
}

// A profile that could not be read, or that the display answered with an error, leaves no
// fields that Save would send as if they had been read.
void PipPbpPage::on_pip_pbp_memory_read_pushButton_clicked() {
    read_in_frame(profile_controls(), ui.pip_pbp_memory_status_lineEdit,
                  [this](CommandScope& frame) {
                      pip_pbp_profile profile;
                      const int result = run(frame, [this, &profile](unsigned char n, int* status) {
                          return monitor->pip_pbp_profile_read(n, status, &profile);
                      });
                      PageRead pass(profile_controls());
                      pass.read(result, profile_controls(), [this, &profile] {
                          const QList<QWidget*> widgets = field_widgets();
                          for (int i = 0; i < widgets.size(); ++i) {
                              if (auto* combo = qobject_cast<QComboBox*>(widgets[i]))
                                  select_by_data(combo, profile.byte(i));
                              else if (auto* spin = qobject_cast<QSpinBox*>(widgets[i]))
                                  spin->setValue(profile.byte(i));
                          }
                      });
                  });
}

void PipPbpPage::on_pip_pbp_memory_save_pushButton_clicked() {
    pip_pbp_profile profile;
    const QList<QWidget*> widgets = field_widgets();
    for (int i = 0; i < widgets.size(); ++i) {
        // A combo box without a current item gives 0.
        if (auto* combo = qobject_cast<QComboBox*>(widgets[i]))
            profile.byte(i) = static_cast<unsigned char>(combo->currentData().toInt());
        else if (auto* spin = qobject_cast<QSpinBox*>(widgets[i]))
            profile.byte(i) = static_cast<unsigned char>(spin->value());
    }
    write_in_frame(widgets, ui.pip_pbp_memory_status_lineEdit,
                   [this, &profile](CommandScope& frame) {
                       return run(frame, [this, &profile](unsigned char n, int* status) {
                           return monitor->pip_pbp_profile_write(n, status, profile);
                       });
                   });
}

void PipPbpPage::on_pip_pbp_memory_recall_pushButton_clicked() {
    write_in_frame({}, ui.pip_pbp_memory_status_lineEdit, [this](CommandScope& frame) {
        return run(frame, [this](unsigned char n, int* status) {
            return monitor->pip_pbp_profile_select(n, status);
        });
    });
}
