#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

// A display that answers the LAN search: a UDP socket on its own loopback address, in a thread
// of its own since the search blocks while it waits for replies. It records every datagram it
// receives and sends the handler's replies back to the sender.
class FakeSearchResponder {
public:
    struct Received {
        QByteArray bytes;
        QString from;
        quint16 fromPort = 0;
    };
    struct Reply {
        QByteArray bytes;
        int delayMs = 0;
    };
    // index: the number of datagrams received before this one.
    using Handler = std::function<QList<Reply>(const QByteArray& datagram, int index)>;

    // The fields of a search reply that a display fills in.
    struct ReplyFields {
        QByteArray magic = "VKRZ";
        quint16 sequence = 0;
        quint32 type = 0;
        quint32 value = 0;
        QByteArray addressText;
        QByteArray name;
        quint32 filterA = 0;
        quint32 filterB = 0;
        int size = 256;
    };

    // address: a loopback address such as "127.0.0.51"; anything else is refused.
    explicit FakeSearchResponder(const QString& address, quint16 port = 5320);
    ~FakeSearchResponder();

    bool isBound() const { return fd >= 0; }
    void setHandler(Handler h);
    QList<Received> received() const;
    // Sends a datagram from this responder's address, as a display that speaks unasked.
    void sendTo(const QByteArray& bytes, const QString& address, quint16 port);

    static QByteArray reply(const ReplyFields& fields);
    static quint16 sequenceOf(const QByteArray& request);
    static quint32 typeOf(const QByteArray& request);
    static quint32 timeStampOf(const QByteArray& request);

private:
    void run();

    int fd = -1;
    int wakePipe[2] = {-1, -1};
    std::atomic<bool> stopping{false};
    mutable std::mutex mutex;
    Handler handler;
    QList<Received> log;
    std::thread thread;
};
