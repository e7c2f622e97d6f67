#pragma once

#include "ui_lm_about_dialog.h"

#include <QDialog>

// The program's name, version and maker.
class LM_About_Dialog : public QDialog, public Ui::LM_About_DialogClass {
    Q_OBJECT

public:
    explicit LM_About_Dialog(QWidget* parent = nullptr);
};
