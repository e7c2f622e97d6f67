#pragma once

#include <QString>

// The reply-status line of the command pages: the display's status byte, unsigned, and "OK"
// for 0 or the given word for any other value.
inline QString reply_status_text(int status, const QString& failure = QStringLiteral("Error")) {
    return QStringLiteral("%1 (%2)").arg(QString::number(uint(status)),
                                         status == 0 ? QStringLiteral("OK") : failure);
}
