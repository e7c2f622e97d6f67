#include "update_information.h"

#include <QCoreApplication>
#include <QUrl>

namespace {
const QString kPlatform = QStringLiteral("PLATFORM=");
const QString kThisPlatform = QStringLiteral("WINDOWS");
const QString kBuild = QStringLiteral("BUILD=");
const QString kVersion = QStringLiteral("VERSION=");
const QString kUrl = QStringLiteral("URL=");
const QString kReadme = QStringLiteral("README=");
const QString kChanges = QStringLiteral("CHANGES=");

// Changes listed in one answer; the rest are left out.
constexpr int kMaxListedChanges = 15;
// Builds are decimal numbers that fit an int.
constexpr int kMaxBuildDigits = 9;
constexpr int kNoAnswerBuild = -2;

bool readBuild(const QString& text, int* build) {
    const QString digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > kMaxBuildDigits)
        return false;
    for (QChar c : digits)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    *build = digits.toInt();
    return true;
}

// A link the message box may open: http or https only, encoded so that it cannot leave its
// attribute.
QString webLink(const QString& text) {
    const QUrl url(text.trimmed(), QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return QString();
    return url.toString(QUrl::FullyEncoded).toHtmlEscaped();
}
} // namespace

UpdateInformation parseUpdateInformation(const QByteArray& text) {
    UpdateInformation info;
    bool counting = false;
    for (const QByteArray& raw : text.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(kPlatform)) {
            counting = line.contains(kThisPlatform);
            continue;
        }
        if (!counting)
            continue;
        if (line.startsWith(kBuild)) {
            int build = 0;
            if (readBuild(line.mid(kBuild.size()), &build)) {
                info.build = build;
                info.has_build = true;
            }
        } else if (line.startsWith(kVersion)) {
            info.version = line.mid(kVersion.size());
        } else if (line.startsWith(kUrl)) {
            info.url = line.mid(kUrl.size());
        } else if (line.startsWith(kReadme)) {
            info.readme = line.mid(kReadme.size());
        } else if (line.startsWith(kChanges)) {
            // CHANGES=build=text
            const QString change = line.mid(kChanges.size());
            const int separator = change.indexOf(QLatin1Char('='));
            UpdateInformation::Change c;
            if (separator >= 0 && readBuild(change.left(separator), &c.build)) {
                c.text = change.mid(separator + 1);
                info.changes << c;
            }
        }
    }
    return info;
}

bool updateResultFor(const UpdateInformation& info, const update_init_info& init,
                     update_check_result* out) {
    if (!info.has_build)
        return false;
    if (info.build <= init.current_build) {
        *out = {info.build, UpdateReply::UpToDate, init.no_newer_text};
        return true;
    }
    QString lines;
    int listed = 0;
    for (const UpdateInformation::Change& c : info.changes) {
        if (c.build <= init.current_build || listed == kMaxListedChanges)
            continue;
        ++listed;
        lines += QStringLiteral("%1. %2<br>").arg(QString::number(listed), c.text.toHtmlEscaped());
    }
    const QString block = listed > 0 ? init.changes_text.arg(lines) : QString();
    // One arg() for all four, so that a "%2" in one text is not filled again by the next.
    *out = {info.build, UpdateReply::NewerAvailable,
            init.available_text.arg(info.version.toHtmlEscaped(), webLink(info.url),
                                    webLink(info.readme), block)};
    return true;
}

update_check_result updateErrorResult(const update_init_info& init, int build,
                                      const QString& reason) {
    return {build, UpdateReply::Error, init.error_text.arg(reason)};
}

update_check_result bestUpdateResult(const QList<update_check_result>& results,
                                     const update_init_info& init) {
    update_check_result best = updateErrorResult(
        init, kNoAnswerBuild,
        QCoreApplication::translate("checkForSoftwareUpdates",
                                    "The update information names no release for this program"));
    for (const update_check_result& r : results)
        if (r.build > best.build)
            best = r;
    return best;
}
