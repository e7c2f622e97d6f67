#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUdpSocket>

#include <memory>

// A display found by the LAN search.
struct PJSearchResult {
    QString name;
    QHostAddress address;
    uint value = 0;
};

// What one search reply says, read within the datagram's bounds.
struct PJSearchReply {
    enum Verdict { Drop, Accept, AcknowledgeAndAccept };
    Verdict verdict = Drop;
    QString name;
    uint value = 0;
    // The address the reply names in its text; null when it names none.
    QHostAddress named;
};

// Finds displays on the local network: broadcasts a search request over UDP, acknowledges the
// replies that ask for it and lists the displays that answered. GUI thread only; the first
// sends block for their receive passes, the resends run from a 500 ms timer.
class PJSearchUdp : public QObject {
    Q_OBJECT
public:
    static constexpr quint16 DefaultPort = 5320;
    static constexpr int RequestSize = 128;
    static constexpr int ReplySize = 256;
    static constexpr int ResendIntervalMs = 500;
    static constexpr int ReceiveWaitMs = 500;
    static constexpr int MaxResends = 3;
    static constexpr uint TypeDisplays = 2; // as a search type; as a reply type: acknowledge me
    static constexpr uint TypeAcknowledge = 5;
    static constexpr uint TypeUnchecked = 8;

    // targets: [0] the local adapter's own address, then the destinations (broadcast addresses).
    // mode 1 and 2 select fixed reply filters; any other mode sends filter words of all ones.
    PJSearchUdp(QObject* parent, int mode, QList<QHostAddress> targets);
    ~PJSearchUdp() override;

    void SetTargets(QList<QHostAddress> targets);
    // The socket binds to any IPv4 address unless told otherwise; port 5320 on both ends.
    void SetLocalAddress(const QHostAddress& address);

    // False when there is no IPv4 own address or the socket cannot be bound.
    bool StartSearch(uint type);
    bool StopSearch();
    bool IsSearching() const { return m_searching; }
    int GetCount() const { return m_results.size(); }
    bool GetResult(int i, PJSearchResult& out) const;
    // Appends unless a result with an equal address is listed; returns 0.
    int AddResult(QString name, QHostAddress address, uint value);

    // Reads a reply of ReplySize bytes (the caller checks the size) to the search with that
    // sequence, in that filter mode, from a sender that is one of the targets or not.
    static PJSearchReply ParseReply(const QByteArray& datagram, int mode, quint16 sequence,
                                    bool fromTarget);

public slots:
    void UdpSendTimeout();
    void UdpSocketError();
    void UdpSocketDisconnect();

private slots:
    void readPendingDatagrams();

private:
    void fillRequest();
    void send(const QByteArray& datagram, const QHostAddress& to);
    void receivePass();
    void handleDatagram(const QByteArray& datagram, const QHostAddress& sender);
    void finish();
    bool isTarget(const QHostAddress& address) const;

    int m_mode;
    quint32 m_filter_a = 0xFFFFFFFF;
    quint32 m_filter_b = 0xFFFFFFFF;
    QList<QHostAddress> m_targets;
    QList<PJSearchResult> m_results;
    QByteArray m_request;
    quint16 m_sequence = 0;
    quint32 m_time_stamp = 0;
    uint m_search_type = 0;
    // Made afresh for every search: a socket whose bind was refused keeps its error and would
    // hand it to the next search.
    std::unique_ptr<QUdpSocket> m_socket;
    QTimer m_timer;
    quint16 m_port = DefaultPort;
    QHostAddress m_local_address{QHostAddress::AnyIPv4};
    int m_send_count = 0;
    bool m_searching = false;
};
