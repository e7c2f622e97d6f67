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

bool LM_Information_Dialog::shows(int show_level) const {
    return show_level != 1 || ui.show_message_decoding_checkBox->isChecked();
}

void LM_Information_Dialog::append(QString string, int show_level) {
    if (!shows(show_level))
        return;
    // Insert at the end through a cursor: the cost per line stays flat as the log grows.
    QTextEdit* edit = ui.data_textEdit;
    QTextCursor cursor(edit->document());
    cursor.movePosition(QTextCursor::End);
    if (!edit->document()->isEmpty())
        cursor.insertBlock();
    const bool shown = isVisible();
    const int top = shown ? edit->cursorRect(cursor).top() : 0;
    cursor.insertHtml(string);
    if (!shown)
        return;
    // The new line is painted at once, since an exchange may keep the event loop from running;
    // but only the line itself and only when it is in view: repainting the whole view for
    // every line cost more than the line.
    QRect line = edit->cursorRect(cursor);
    line.setTop(top);
    line.setLeft(0);
    line.setRight(edit->viewport()->width());
    line &= edit->viewport()->rect();
    if (!line.isEmpty())
        edit->viewport()->repaint(line);
}
