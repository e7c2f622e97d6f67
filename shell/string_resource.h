#pragma once

#include <QString>

class QWidget;

// Message-box icons, with the values of QMessageBox::Icon.
namespace MessageIcon {
enum : int { None = 0, Information = 1, Warning = 2, Critical = 3, Question = 4 };
}

// The program's shared text of a string id, translated; "Missing message text" for an id
// without one.
QString StringResource(int id);
// The text of a result code. *icon is left alone unless the code asks for another icon.
void errorCodeToMessage(int code, QString* text, int* icon);
// A failure as one line on standard error: what failed, why (by default the code's text),
// without its "Error: " and final period, and the code: "<what>: No reply from the display
// (-3003)".
QString failureLine(const QString& what, int code, QString reason = QString());
// A modal box, titled with the application name and with one Ok button, for a result code
// (critical unless the code asks otherwise) or for a given text and icon.
void showErrorMessageBox(QWidget* parent, int code);
void showMessageBox(QWidget* parent, QString text, int icon);
