#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class search_opcode_dialog;
}

// Finds an op code by its name: the line completes from the names of all definitions, matching
// anywhere in a name without regard to case, and OK takes only a whole defined name.
class search_opcode_dialog : public QDialog {
    Q_OBJECT

public:
    explicit search_opcode_dialog(QWidget* parent = nullptr);
    ~search_opcode_dialog() override;

    // The op code whose whole name is the text (case ignored), -1 when none is.
    int selected_opcode() const;

public slots:
    void on_lineEdit_textChanged(QString arg1);

private:
    std::unique_ptr<Ui::search_opcode_dialog> ui;
};
