#include "auto_id_pages.h"

#include "basic_monitor.h"
#include "command_scope.h"
#include "page_lists.h"
#include "wait_progress.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

namespace {
// A line edit's frame and text margins, beside its text.
constexpr int kLineEditMargins = 16;
} // namespace

AutoIdPages::AutoIdPages(const PageContext& context, QObject* parent)
    : PageController(context, parent) {
    using namespace PageLists;
    // Video input string ids with the input codes they stand for.
    fill({{ui.auto_tilematrix_input_comboBox,
           resources({{1201, 1},   {1202, 2},   {1203, 3},   {1205, 5},   {1206, 6},
                      {1207, 7},   {1209, 9},   {1210, 10},  {1212, 12},  {1213, 13},
                      {1214, 14},  {1215, 15},  {1216, 16},  {1217, 17},  {1218, 18},
                      {1219, 19},  {1220, 20},  {1221, 128}, {1223, 130}, {1224, 131},
                      {1225, 132}, {1226, 133}, {1227, 134}, {1228, 135}, {1229, 136}}),
           Fill::Sorted},
          {ui.auto_tilematrix_memory_comboBox, {{"Common", 0}, {"Input", 1}}}});
    // Room for the longest result line, so that none of it is scrolled out of sight.
    QLineEdit* line = ui.auto_ID_lineEdit;
    const QString longest = reply_status_text(255) + QStringLiteral(" Num detected monitors: 255");
    line->setMinimumWidth(line->fontMetrics().horizontalAdvance(longest) + kLineEditMargins);
}

QList<QWidget*> AutoIdPages::pages() const {
    return {ui.auto_id, ui.auto_tile_matrix};
}

void AutoIdPages::refresh(QWidget* page) {
    if (page == ui.auto_tile_matrix)
        on_auto_tilematrix_read_pushButton_clicked();
}

QList<QWidget*> AutoIdPages::read_controls(QWidget* page) const {
    if (page == ui.auto_tile_matrix)
        return {ui.auto_tilematrix_h_spinBox, ui.auto_tilematrix_v_spinBox,
                ui.auto_tilematrix_write_pushButton, ui.auto_tilematrix_execute_pushButton,
                ui.auto_tilematrix_execute_get_complete_pushButton};
    return {};
}

// What Write and Execute send.
QList<QWidget*> AutoIdPages::form_fields() const {
    return {ui.auto_tilematrix_h_spinBox, ui.auto_tilematrix_v_spinBox,
            ui.auto_tilematrix_input_comboBox, ui.auto_tilematrix_memory_comboBox};
}

QList<QLineEdit*> AutoIdPages::result_lines(QWidget* page) const {
    if (page == ui.auto_tile_matrix)
        return {ui.auto_tilematrix_lineEdit};
    return {};
}

QList<QWidget*> AutoIdPages::sent_fields() const {
    return {ui.auto_tilematrix_h_spinBox, ui.auto_tilematrix_v_spinBox};
}

void AutoIdPages::run(QLineEdit* line, const QList<QWidget*>& sent,
                      const std::function<int(int* status)>& action) {
    write_in_frame(sent, line, [&action](CommandScope& frame) {
        int status = 0;
        const int result = frame.report(action(&status));
        return command_result(result, status);
    });
}

void AutoIdPages::status_call(QLineEdit* line, const std::function<int(int* status)>& call,
                              const QList<QWidget*>& sent) {
    run(line, sent, [line, &call](int* status) {
        const int result = call(status);
        if (result == 0)
            line->setText(reply_status_text(*status));
        return result;
    });
}

int AutoIdPages::await_completion(const std::function<int()>& wait) {
    WaitProgress progress(host, *monitor,
                          tr("Waiting for the displays to complete (up to a minute)..."));
    return wait();
}

void AutoIdPages::on_auto_id_execute_pushButton_clicked() {
    status_call(ui.auto_ID_lineEdit,
                [this](int* status) { return monitor->auto_id_execute(status); });
}

void AutoIdPages::on_auto_id_reset_pushButton_clicked() {
    status_call(ui.auto_ID_lineEdit,
                [this](int* status) { return monitor->auto_id_reset(status); });
}

void AutoIdPages::on_auto_id_execute_get_complete_pushButton_clicked() {
    QLineEdit* line = ui.auto_ID_lineEdit;
    run(line, {}, [this, line](int* status) {
        int count = 0;
        int result = monitor->auto_id_execute(status);
        if (result != 0)
            return result;
        if (*status != 0) {
            line->setText(reply_status_text(*status));
            return 0;
        }
        result = await_completion([&] { return monitor->auto_id_get_complete(status, &count); });
        if (result != 0)
            return result;
        // A count is the chain's only when the display accepted; a refusal shows no number.
        QString text = reply_status_text(*status);
        if (*status == 0)
            text += QStringLiteral(" Num detected monitors: %1").arg(uint(count));
        line->setText(text);
        return result;
    });
}

// H and V that could not be read, or that the display answered with an error, are not sent
// on as if they had been read.
void AutoIdPages::on_auto_tilematrix_read_pushButton_clicked() {
    QLineEdit* line = ui.auto_tilematrix_lineEdit;
    read_in_frame(ui.auto_tile_matrix, line, [this, line](CommandScope& frame) {
        PageRead pass(read_controls(ui.auto_tile_matrix));
        unsigned char h = 0, v = 0;
        int status = 0;
        const int result = frame.report(monitor->auto_tile_matrix_read(&h, &v, &status));
        pass.read(show_answer(line, result, status), read_controls(ui.auto_tile_matrix),
                  [this, h, v] {
                      ui.auto_tilematrix_h_spinBox->setValue(h);
                      ui.auto_tilematrix_v_spinBox->setValue(v);
                  });
    });
}

void AutoIdPages::on_auto_tilematrix_write_pushButton_clicked() {
    status_call(
        ui.auto_tilematrix_lineEdit,
        [this](int* status) {
            return monitor->auto_tile_matrix_write(
                static_cast<unsigned char>(ui.auto_tilematrix_h_spinBox->value()),
                static_cast<unsigned char>(ui.auto_tilematrix_v_spinBox->value()), status);
        },
        sent_fields());
}

void AutoIdPages::on_auto_tilematrix_reset_pushButton_clicked() {
    status_call(ui.auto_tilematrix_lineEdit,
                [this](int* status) { return monitor->auto_tile_matrix_reset(status); });
}

int AutoIdPages::tile_matrix_execute(int* status) {
    const int memory = ui.auto_tilematrix_memory_comboBox->currentData().toInt();
    const int input = ui.auto_tilematrix_input_comboBox->currentData().toInt();
    return monitor->auto_tile_matrix_execute(
        static_cast<unsigned char>(ui.auto_tilematrix_h_spinBox->value()),
        static_cast<unsigned char>(ui.auto_tilematrix_v_spinBox->value()),
        static_cast<unsigned char>(input), static_cast<unsigned char>(memory), status);
}

void AutoIdPages::on_auto_tilematrix_execute_pushButton_clicked() {
    status_call(
        ui.auto_tilematrix_lineEdit, [this](int* status) { return tile_matrix_execute(status); },
        sent_fields());
}

void AutoIdPages::on_auto_tilematrix_execute_get_complete_pushButton_clicked() {
    QLineEdit* line = ui.auto_tilematrix_lineEdit;
    run(line, sent_fields(), [this, line](int* status) {
        int result = tile_matrix_execute(status);
        if (result != 0 || *status != 0) {
            if (result == 0)
                line->setText(reply_status_text(*status));
            return result;
        }
        result = await_completion([&] { return monitor->auto_tile_matrix_complete(status); });
        if (result == 0)
            line->setText(reply_status_text(*status));
        return result;
    });
}
