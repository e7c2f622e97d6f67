#include "lm_information_dialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSettings>
#include <QTextCursor>
#include <QTextDocumentFragment>

static const char kDecodingKey[] = "show_message_decoding";

LM_Information_Dialog::LM_Information_Dialog(QWidget* parent) : QDialog(parent) {
    ui.setupUi(this);
    setWindowFlags(Qt::Tool);
    ui.show_message_decoding_checkBox->setChecked(QSettings().value(kDecodingKey, false).toBool());
}

LM_Information_Dialog::~LM_Information_Dialog() {
    QSettings().setValue(kDecodingKey, ui.show_message_decoding_checkBox->isChecked());
}

void LM_Information_Dialog::on_clear_pushbutton_clicked() {
    ui.data_textEdit->clear();
}

void LM_Information_Dialog::on_copy_pushButton_clicked() {
    ui.data_textEdit->selectAll();
    // Set the text directly: an empty log must empty the clipboard too, which copy() skips.
    QGuiApplication::clipboard()->setText(ui.data_textEdit->textCursor().selection().toPlainText());
}

void LM_Information_Dialog::append(QString string, int show_level) {
    if (show_level == 1 && !ui.show_message_decoding_checkBox->isChecked())
        return;
    // Insert at the end through a cursor: the cost per line stays flat as the log grows.
    QTextCursor cursor(ui.data_textEdit->document());
    cursor.movePosition(QTextCursor::End);
    if (!ui.data_textEdit->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertHtml(string);
    if (isVisible())
        ui.data_textEdit->repaint();
}
