#include "check_for_software_updates.h"

#include "app_helpers.h"
#include "string_resource.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace {
constexpr int kFailedBuild = -1;
const char kTooLarge[] = "zqvTooLarge";
} // namespace

checkForSoftwareUpdates::checkForSoftwareUpdates(QObject* parent) : QObject(parent) {
    connect(&manager, &QNetworkAccessManager::finished, this,
            &checkForSoftwareUpdates::downloadFinished);
}

update_init_info checkForSoftwareUpdates::programInitInfo() {
    update_init_info init;
    init.current_build = kCurrentBuild;
    init.no_newer_text = StringResource(StringId::NoNewerVersion);
    init.error_text = StringResource(StringId::UpdateFailed);
    init.available_text = StringResource(StringId::UpdateAvailable);
    init.changes_text = StringResource(StringId::UpdateChanges);
    init.urls = QStringList{StringResource(StringId::UpdateServerUrl),
                            StringResource(StringId::BackupUpdateServerUrl)};
    return init;
}

void checkForSoftwareUpdates::execute(update_init_info in_update_init_info) {
    info = in_update_init_info;
    for (const QString& url : qAsConst(info.urls)) {
        QNetworkRequest request(QUrl(url, QUrl::TolerantMode));
        request.setTransferTimeout(TransferTimeoutMs);
        QNetworkReply* reply = manager.get(request);
        outstanding << reply;
        limitSize(reply);
    }
}

void checkForSoftwareUpdates::limitSize(QNetworkReply* reply) {
    connect(reply, &QNetworkReply::downloadProgress, this, [reply](qint64 received, qint64 total) {
        if (received <= MaxReplyBytes && total <= MaxReplyBytes)
            return;
        reply->setProperty(kTooLarge, true);
        reply->abort();
    });
}

void checkForSoftwareUpdates::downloadFinished(QNetworkReply* reply) {
    reply->deleteLater();
    if (!outstanding.removeOne(reply))
        return;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (reply->property(kTooLarge).toBool()) {
        results << updateErrorResult(info, kFailedBuild,
                                     tr("The update information is larger than expected"));
    } else if (reply->error() != QNetworkReply::NoError) {
        const QString reason = status.isValid()
                                   ? tr("The update server answered with HTTP status %1")
                                         .arg(QString::number(status.toInt()))
                                   : tr("The update server could not be reached");
        results << updateErrorResult(info, kFailedBuild, reason);
    } else {
        update_check_result result;
        if (updateResultFor(parseUpdateInformation(reply->readAll()), info, &result))
            results << result;
    }
    if (!outstanding.isEmpty())
        return;
    const update_check_result best = bestUpdateResult(results, info);
    results.clear();
    emit completion_message(best.message, best.reply_type);
}
