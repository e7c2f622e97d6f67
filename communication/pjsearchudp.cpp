#include "pjsearchudp.h"

#include <QDateTime>
#include <QNetworkDatagram>
#include <QTextCodec>
#include <QtEndian>

#include <algorithm>

namespace {

const char Magic[] = "VKRZ";

// Field offsets of the request and the reply.
enum : int {
    OffMagic = 0,
    OffVersion = 4,
    OffSequence = 8,
    OffLength = 10,
    OffTimeStamp = 12,
    OffType = 16,
    OffValue = 20,
    OffFilterA = 24,
    OffFilterB = 28,
    OffAddressText = 32,
    AddressTextSize = 64,
    OffName = 96,
    NameSize = 160,
    OffReplyFilterA = 144,
    OffReplyFilterB = 148,
};

constexpr char RequestVersion = 0x14;
constexpr quint16 RequestLength = 0x0070;

// Every read stays inside the datagram; a field that does not fit reads as zero or empty.
bool fits(const QByteArray& d, int offset, int size) {
    return offset >= 0 && size >= 0 && offset <= d.size() - size;
}

quint8 readU8(const QByteArray& d, int offset) {
    return fits(d, offset, 1) ? quint8(d.at(offset)) : 0;
}

quint16 readU16(const QByteArray& d, int offset) {
    return fits(d, offset, 2) ? qFromLittleEndian<quint16>(d.constData() + offset) : 0;
}

quint32 readU32(const QByteArray& d, int offset) {
    return fits(d, offset, 4) ? qFromLittleEndian<quint32>(d.constData() + offset) : 0;
}

// Text up to its NUL or the end of its field, whichever comes first.
QByteArray readText(const QByteArray& d, int offset, int maxSize) {
    if (!fits(d, offset, 0))
        return {};
    const char* p = d.constData() + offset;
    return QByteArray(p, int(qstrnlen(p, uint(qMin(maxSize, d.size() - offset)))));
}

template <typename T> void write(QByteArray& d, int offset, T value) {
    qToLittleEndian<T>(value, d.data() + offset);
}

using Verdict = PJSearchReply::Verdict;

Verdict classify(const QByteArray& d, int mode, quint16 sequence, bool fromTarget) {
    // The magic is required of every reply, including those accepted without other checks.
    if (!d.startsWith(Magic))
        return Verdict::Drop;
    const quint32 type = readU32(d, OffType);
    if (type == PJSearchUdp::TypeUnchecked)
        return Verdict::Accept;
    if (readU16(d, OffSequence) != sequence)
        return Verdict::Drop;
    if (mode == 1 && (readU8(d, OffReplyFilterA) & 0x31) == 0)
        return Verdict::Drop;
    if (mode == 2 &&
        ((readU32(d, OffReplyFilterB) & 0x100) == 0 || readU32(d, OffReplyFilterA) != 0))
        return Verdict::Drop;
    if (type == PJSearchUdp::TypeDisplays)
        return Verdict::AcknowledgeAndAccept;
    return fromTarget ? Verdict::Accept : Verdict::Drop;
}

// A reply to an IPv6 socket names its IPv4 sender in the mapped form ::ffff:a.b.c.d.
QHostAddress plainIPv4(const QHostAddress& address) {
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    return isV4 ? QHostAddress(v4) : address;
}

bool sameAddress(const QHostAddress& a, const QHostAddress& b) {
    return a.isEqual(b, QHostAddress::TolerantConversion);
}

QString decodeName(const QByteArray& bytes) {
    if (QTextCodec* codec = QTextCodec::codecForName("Shift-JIS"))
        return codec->toUnicode(bytes);
    return QString::fromLatin1(bytes);
}

} // namespace

PJSearchUdp::PJSearchUdp(QObject* parent, int mode, QList<QHostAddress> targets)
    : QObject(parent), m_mode(mode), m_targets(std::move(targets)), m_request(RequestSize, '\0') {
    m_request.replace(OffMagic, 4, Magic, 4);
    m_request[OffVersion] = RequestVersion;
    write<quint16>(m_request, OffLength, RequestLength);
    m_timer.setInterval(ResendIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &PJSearchUdp::UdpSendTimeout);
}

PJSearchUdp::~PJSearchUdp() {
    finish();
}

void PJSearchUdp::SetTargets(QList<QHostAddress> targets) {
    m_targets = std::move(targets);
}

void PJSearchUdp::SetLocalAddress(const QHostAddress& address) {
    m_local_address = address;
}

bool PJSearchUdp::StartSearch(uint type) {
    if (type == TypeDisplays)
        m_results.clear();
    if (m_targets.isEmpty() || m_targets.first().toIPv4Address() == 0)
        return false;

    // A search started while another runs replaces it.
    finish();
    m_socket = std::make_unique<QUdpSocket>();
    connect(m_socket.get(), &QAbstractSocket::errorOccurred, this, &PJSearchUdp::UdpSocketError);
    connect(m_socket.get(), &QAbstractSocket::disconnected, this,
            &PJSearchUdp::UdpSocketDisconnect);
    connect(m_socket.get(), &QIODevice::readyRead, this, &PJSearchUdp::readPendingDatagrams);
    // An IPv4 socket, so that sender addresses compare equal to the targets.
    if (!m_socket->bind(m_local_address, m_port)) {
        m_socket.reset();
        return false;
    }

    ++m_sequence;
    m_search_type = type;
    m_time_stamp = quint32(QDateTime::currentMSecsSinceEpoch());
    m_searching = true;
    fillRequest();

    for (int i = 1; i < m_targets.size(); ++i) {
        send(m_request, m_targets.at(i));
        receivePass();
    }
    m_send_count = 1;
    m_timer.start(ResendIntervalMs);
    return true;
}

bool PJSearchUdp::StopSearch() {
    finish();
    return true;
}

bool PJSearchUdp::GetResult(int i, PJSearchResult& out) const {
    if (i < 0 || i >= m_results.size())
        return false;
    out = m_results.at(i);
    return true;
}

int PJSearchUdp::AddResult(QString name, QHostAddress address, uint value) {
    for (const PJSearchResult& r : qAsConst(m_results))
        if (sameAddress(r.address, address))
            return 0;
    m_results.append({std::move(name), std::move(address), value});
    return 0;
}

void PJSearchUdp::UdpSendTimeout() {
    // Replies to the resends are read here as well as on readyRead.
    readPendingDatagrams();
    if (m_targets.size() >= 2 && m_search_type == TypeDisplays && m_send_count <= MaxResends) {
        send(m_request, m_targets.at(1));
        ++m_send_count;
        return;
    }
    finish();
}

void PJSearchUdp::UdpSocketError() {}

void PJSearchUdp::UdpSocketDisconnect() {}

void PJSearchUdp::fillRequest() {
    write<quint16>(m_request, OffSequence, m_sequence);
    write<quint16>(m_request, OffLength, RequestLength);
    write<quint32>(m_request, OffTimeStamp, m_time_stamp);
    write<quint32>(m_request, OffType, m_search_type);
    quint32 filterA = m_filter_a;
    quint32 filterB = m_filter_b;
    if (m_mode == 1) {
        filterA = 0x31;
        filterB = 0;
    } else if (m_mode == 2) {
        filterA = 0;
        filterB = 0x100;
    }
    write<quint32>(m_request, OffFilterA, filterA);
    write<quint32>(m_request, OffFilterB, filterB);
}

void PJSearchUdp::send(const QByteArray& datagram, const QHostAddress& to) {
    // Datagrams are handed to the system whole; there is no write buffer to wait for.
    if (m_socket)
        m_socket->writeDatagram(datagram, to, m_port);
}

void PJSearchUdp::receivePass() {
    // waitForReadyRead emits readyRead, which reads what arrived; the pass ends after a quiet
    // ReceiveWaitMs.
    while (m_socket && m_socket->waitForReadyRead(ReceiveWaitMs))
        readPendingDatagrams();
}

void PJSearchUdp::readPendingDatagrams() {
    while (m_socket && m_socket->state() == QAbstractSocket::BoundState &&
           m_socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket->receiveDatagram();
        if (!datagram.isValid())
            break;
        handleDatagram(datagram.data(), plainIPv4(datagram.senderAddress()));
    }
}

bool PJSearchUdp::isTarget(const QHostAddress& address) const {
    return std::any_of(m_targets.begin(), m_targets.end(),
                       [&](const QHostAddress& t) { return sameAddress(t, address); });
}

PJSearchReply PJSearchUdp::ParseReply(const QByteArray& d, int mode, quint16 sequence,
                                      bool fromTarget) {
    PJSearchReply reply;
    reply.verdict = classify(d, mode, sequence, fromTarget);
    if (reply.verdict == Verdict::Drop)
        return reply;
    reply.name = decodeName(readText(d, OffName, NameSize));
    reply.value = readU32(d, OffValue);
    QHostAddress named;
    if (named.setAddress(QString::fromLatin1(readText(d, OffAddressText, AddressTextSize))))
        reply.named = named;
    return reply;
}

void PJSearchUdp::handleDatagram(const QByteArray& d, const QHostAddress& sender) {
    if (d.size() != ReplySize || m_targets.isEmpty() || sameAddress(sender, m_targets.first()))
        return;
    const PJSearchReply reply = ParseReply(d, m_mode, m_sequence, isTarget(sender));
    if (reply.verdict == Verdict::Drop)
        return;
    if (reply.verdict == Verdict::AcknowledgeAndAccept) {
        QByteArray ack = m_request;
        write<quint32>(ack, OffType, TypeAcknowledge);
        send(ack, sender);
    }
    if (!reply.named.isNull() && reply.named.toIPv4Address() != sender.toIPv4Address())
        AddResult(reply.name, reply.named, reply.value);
    AddResult(reply.name, sender, reply.value);
}

void PJSearchUdp::finish() {
    m_timer.stop();
    readPendingDatagrams();
    m_searching = false;
    m_socket.reset();
}
