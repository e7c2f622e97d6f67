#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

// What the fake display does with one request: the bytes it sends back and the faults it
// injects on the way. Empty bytes: it stays silent.
struct FakeReply {
    QByteArray bytes;
    int delayMs = 0;     // wait before the first byte (a late reply)
    int byteGapMs = 0;   // > 0: send the bytes one at a time with this gap
    int closeAfter = -1; // >= 0: close the connection after that many bytes (TCP only)
    // A message the display sends on its own after the reply, laterDelayMs after it.
    QByteArray later;
    int laterDelayMs = 0;

    static FakeReply silence() { return {}; }
};

// A display that speaks the framed protocol over TCP (its own loopback address, port 7142)
// or over a pseudo-terminal, in a thread of its own since the client blocks in an exchange.
// It records every request it receives and answers each through the handler.
class FakeDisplay {
public:
    using Handler = std::function<FakeReply(const QByteArray& request)>;
    enum class Link { Tcp, Pty };

    // address: a loopback address such as "127.0.0.7" for TCP; ignored for a pseudo-terminal.
    explicit FakeDisplay(Link link, const QString& address = QString());
    ~FakeDisplay();

    bool isListening() const { return listenFd >= 0 || masterFd >= 0; }
    // The device path the client opens for a pseudo-terminal.
    QString portName() const { return ptyName; }
    QString address() const { return hostAddress; }

    void setHandler(Handler h);
    // Every request so far: a whole frame from SOH to CR, or a raw line up to CR.
    QList<QByteArray> requests() const;
    int connectionCount() const { return connections.load(); }
    void clearRequests();

    // Builds a reply frame as a display does: SOH '0' dest source type len STX body ETX check CR.
    static QByteArray frame(char type, const QByteArray& body, char source = 'A',
                            char destination = '0');
    // The message body of a framed request, or empty.
    static QByteArray bodyOf(const QByteArray& request);
    static char typeOf(const QByteArray& request);
    static char destinationOf(const QByteArray& request);

private:
    void run();
    void serveBytes(int fd, const char* data, int size);
    void sendReply(int fd, const FakeReply& reply);
    bool takeRequest(QByteArray& request);

    Link link;
    QString hostAddress;
    QString ptyName;
    int listenFd = -1;
    int clientFd = -1;
    int masterFd = -1;
    int slaveFd = -1;
    int wakePipe[2] = {-1, -1};
    std::atomic<bool> stopping{false};
    std::atomic<int> connections{0};
    mutable std::mutex mutex;
    Handler handler;
    QList<QByteArray> received;
    QByteArray pending;
    std::thread thread;
};
