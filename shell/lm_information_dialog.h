#pragma once

#include "ui_lm_information_dialog.h"

#include <QDialog>

// The communications log: every message exchanged with a display, as hex bytes and, while
// "Show message decoding" is ticked, with its decoding.
class LM_Information_Dialog : public QDialog {
    Q_OBJECT

public:
    explicit LM_Information_Dialog(QWidget* parent = nullptr);
    ~LM_Information_Dialog() override;

    Ui::LM_Information_DialogClass ui;

    // Whether a line of that level would be appended now (level 1 only while decoding is shown).
    bool shows(int show_level) const;

public slots:
    void on_clear_pushbutton_clicked();
    void on_copy_pushButton_clicked();
    // Level 1 lines are dropped while decoding is not shown; all others are always appended.
    void append(QString string, int show_level);
};
