#pragma once

#include "analog_sequences.h"
#include "page_controller.h"

#include <functional>

// The analog video page (automatic set-ups and the three special LUTs), the gamma page (single
// gamma-table commands and two test writes) and the 3D LUT page (a read of the display's 3D LUT).
class AnalogGammaPages : public PageController {
    Q_OBJECT

public:
    explicit AnalogGammaPages(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;

    // The label of a button's sequence while it runs, and the status bar's words when it is
    // done.
    struct Task {
        const char* running;
        const char* done;
    };

public slots:
    void on_auto_setup_pushButton_clicked();
    void on_auto_gain_bias_pushButton_clicked();
    void on_normal_lut_pushButton_clicked();
    void on_black_lut_pushButton_clicked();
    void on_white_lut_pushButton_clicked();
    void on_gamma_init_pushButton_clicked();
    void on_gamma_refresh_pushButton_clicked();
    void on_gamma_reset_pushButton_clicked();
    void on_gamma_save_pushButton_clicked();
    void on_test_gamma_lut_write_pushButton_clicked();
    void on_test_theoretical_lut_write_pushButton_clicked();
    void on_gamma_read_3d_LUT_from_RAM_pushButton_clicked();

private:
    // Asks with the string of that id whether to go on; Ok goes on.
    bool confirm(int text_id);
    // The task's operation as a LongAction: shown in the progress dialog unless its pauses
    // show their own (the set-ups).
    void run(const Task& task, const std::function<int()>& operation, bool shown = true);
    void load_lut(int text_id, int pattern);
    // The pauses of a set-up sequence, each shown in a progress dialog.
    AnalogSequences::Wait shown_wait(const Task& task);
};
