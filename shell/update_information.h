#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

// What one update check needs: the program's build, the texts of its answers and where to ask.
struct update_init_info {
    int current_build = 0;
    QString no_newer_text;  // up to date
    QString error_text;     // %1 the reason
    QString available_text; // %1 version, %2 download link, %3 README link, %4 changes block
    QString changes_text;   // %1 the numbered changes
    QStringList urls;       // one request each
};
Q_DECLARE_METATYPE(update_init_info)

namespace UpdateReply {
enum : int { NewerAvailable = 1, UpToDate = 2, Error = 3 };
}

// The answer of one reply, or of the whole check.
struct update_check_result {
    int build = 0;
    int reply_type = UpdateReply::Error;
    QString message;
};

// The release that the update-information text describes for this program's platform.
struct UpdateInformation {
    struct Change {
        int build = 0;
        QString text;
    };
    bool has_build = false;
    int build = 0;
    QString version;
    QString url;
    QString readme;
    QList<Change> changes; // in file order
};

// Reads the update-information text: lines of KEY=value, trimmed, UTF-8. Only the keys inside a
// "PLATFORM=" block that names WINDOWS count, and a key counts only at the start of its line. A
// BUILD that is not a decimal number counts as missing.
UpdateInformation parseUpdateInformation(const QByteArray& text);

// The answer that a reply with this information gives: newer version or up to date. False when
// the information names no build. Every text from the server is HTML-escaped, and only http and
// https links are offered (another link is left empty).
bool updateResultFor(const UpdateInformation& info, const update_init_info& init,
                     update_check_result* out);

// The answer of a check whose replies could not be read: the error text with the reason.
update_check_result updateErrorResult(const update_init_info& init, int build,
                                      const QString& reason);

// The answer of the whole check: the result with the highest build, the first of equal ones;
// without any result above build -2, the error for no usable information.
update_check_result bestUpdateResult(const QList<update_check_result>& results,
                                     const update_init_info& init);
