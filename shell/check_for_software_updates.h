#pragma once

#include "update_information.h"

#include <QList>
#include <QNetworkAccessManager>
#include <QObject>

class QNetworkReply;

// Asks the update server which release is the latest and answers once every request is done:
// newer version available (with links and changes), up to date, or an error. Runs on the GUI
// thread through the network access manager; a reply is bounded in size and in time.
class checkForSoftwareUpdates : public QObject {
    Q_OBJECT
public:
    // Update information is a few lines; anything larger is not it.
    static constexpr qint64 MaxReplyBytes = 256 * 1024;
    static constexpr int TransferTimeoutMs = 30000;

    explicit checkForSoftwareUpdates(QObject* parent = nullptr);

    // The program's own check: its build, the texts of the string table and the update server's
    // two addresses.
    static update_init_info programInitInfo();

signals:
    void completion_message(QString message_reply, int reply_type);

public slots:
    // Sends one request per address; a check already in flight answers when these are done too.
    void execute(update_init_info in_update_init_info);
    void downloadFinished(QNetworkReply* reply);

private:
    void limitSize(QNetworkReply* reply);

    QNetworkAccessManager manager;
    QList<QNetworkReply*> outstanding;
    QList<update_check_result> results;
    update_init_info info;
};
