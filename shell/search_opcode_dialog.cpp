#include "search_opcode_dialog.h"

#include "controldefinitions.h"
#include "program_globals.h"
#include "ui_search_opcode_dialog.h"

#include <QCompleter>
#include <QPushButton>
#include <QStringListModel>

namespace {
constexpr int kVisibleCompletions = 10;
}

search_opcode_dialog::search_opcode_dialog(QWidget* parent)
    : QDialog(parent, Qt::WindowTitleHint | Qt::WindowSystemMenuHint),
      ui(std::make_unique<Ui::search_opcode_dialog>()) {
    ui->setupUi(this);
    QStringList names;
    for (const ControlDefinition& def : controlDefinitions().list)
        names << def.name;
    auto* completer = new QCompleter(this);
    completer->setMaxVisibleItems(kVisibleCompletions);
    completer->setModelSorting(QCompleter::CaseInsensitivelySortedModel);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setModel(new QStringListModel(names, completer));
    ui->lineEdit->setCompleter(completer);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
}

search_opcode_dialog::~search_opcode_dialog() = default;

int search_opcode_dialog::selected_opcode() const {
    return controlDefinitions().opcodeForName(ui->lineEdit->text());
}

void search_opcode_dialog::on_lineEdit_textChanged(QString arg1) {
    ui->buttonBox->button(QDialogButtonBox::Ok)
        ->setEnabled(controlDefinitions().opcodeForName(arg1) >= 0);
}
