#pragma once

#include <QStatusBar>
#include <QString>

// The status bar's look while it shows an error: red bold text.
inline constexpr char kErrorStatusStyle[] =
    "QStatusBar{padding-left:8px;background:rgba(0,0,0,0);color:red;font-weight:bold;}";

// How long a confirmation stays on the status bar.
inline constexpr int kConfirmationMs = 10000;

// Says on the status bar, in plain text for a while, that an action went through: the place
// where an action that changes nothing visible, or a long one, tells the user it is done.
inline void showConfirmation(QStatusBar* bar, const QString& text) {
    bar->setStyleSheet(QString());
    bar->showMessage(text, kConfirmationMs);
}
