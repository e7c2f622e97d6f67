#include "fake_search_responder.h"
#include "pjsearchudp.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QUdpSocket>
#include <QtEndian>
#include <QtTest>

// Loopback addresses 127.0.0.50 to 127.0.0.69 belong to this test. The search always binds
// 127.0.0.50 and sends only to the responders' loopback addresses given as its targets.
namespace {
const QString Own = QStringLiteral("127.0.0.50");
const QString DisplayA = QStringLiteral("127.0.0.51");
const QString DisplayB = QStringLiteral("127.0.0.52");
constexpr quint16 Port = PJSearchUdp::DefaultPort;

using Fields = FakeSearchResponder::ReplyFields;
using Reply = FakeSearchResponder::Reply;

QList<QHostAddress> addresses(const QStringList& texts) {
    QList<QHostAddress> out;
    for (const QString& t : texts)
        out << QHostAddress(t);
    return out;
}

// A reply a display in mode 2 sends to the given request: acknowledge-me, the current sequence.
Fields displayReply(const QByteArray& request) {
    Fields f;
    f.sequence = FakeSearchResponder::sequenceOf(request);
    f.type = PJSearchUdp::TypeDisplays;
    f.value = 7;
    f.filterB = 0x100;
    return f;
}

QList<QByteArray> withType(const QList<FakeSearchResponder::Received>& log, quint32 type) {
    QList<QByteArray> out;
    for (const auto& r : log)
        if (FakeSearchResponder::typeOf(r.bytes) == type)
            out << r.bytes;
    return out;
}

bool waitIdle(const PJSearchUdp& search, int ms = 4000) {
    QElapsedTimer t;
    t.start();
    while (search.IsSearching() && t.elapsed() < ms)
        QTest::qWait(20);
    return !search.IsSearching();
}

QStringList resultAddresses(const PJSearchUdp& search) {
    QStringList out;
    for (int i = 0; i < search.GetCount(); ++i) {
        PJSearchResult r;
        search.GetResult(i, r);
        out << r.address.toString();
    }
    return out;
}
} // namespace

class LanSearchTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PJSearchUdp> makeSearch(int mode, const QStringList& targets) {
        auto search = std::make_unique<PJSearchUdp>(nullptr, mode, addresses(targets));
        search->SetLocalAddress(QHostAddress(Own));
        return search;
    }

private slots:
    void displaysSearchSendsResendsAcknowledgesAndLists() {
        FakeSearchResponder a(DisplayA), b(DisplayB);
        QVERIFY(a.isBound() && b.isBound());
        const QByteArray sjisName("\x83\x65\x83\x58\x83\x67"); // "テスト" in Shift-JIS
        a.setHandler([&](const QByteArray& d, int index) -> QList<Reply> {
            if (index != 0)
                return {};
            Fields f = displayReply(d);
            f.name = sjisName;
            f.addressText = DisplayA.toLatin1();
            return {{FakeSearchResponder::reply(f)}};
        });
        auto search = makeSearch(2, {Own, DisplayA, DisplayB});
        const quint32 before = quint32(QDateTime::currentMSecsSinceEpoch());
        QElapsedTimer clock;
        clock.start();
        QVERIFY(search->StartSearch(PJSearchUdp::TypeDisplays));
        QVERIFY(search->IsSearching());
        QVERIFY(waitIdle(*search));
        // Two receive passes of at least 500 ms, then three resends 500 ms apart and the end.
        QVERIFY2(clock.elapsed() >= 2800 && clock.elapsed() < 4500,
                 qPrintable(QString::number(clock.elapsed())));

        const auto logA = a.received();
        const QList<QByteArray> requests = withType(logA, PJSearchUdp::TypeDisplays);
        QCOMPARE(requests.size(), 1 + PJSearchUdp::MaxResends);
        QCOMPARE(b.received().size(), 1); // resends go to the first destination only
        for (const auto& r : logA) {
            QCOMPARE(r.from, Own);
            QCOMPARE(r.fromPort, Port);
        }

        QByteArray expected(128, '\0');
        expected.replace(0, 4, "VKRZ");
        expected[4] = 0x14;
        qToLittleEndian<quint16>(1, expected.data() + 8);
        qToLittleEndian<quint16>(0x70, expected.data() + 10);
        qToLittleEndian<quint32>(FakeSearchResponder::timeStampOf(requests[0]),
                                 expected.data() + 12);
        qToLittleEndian<quint32>(2, expected.data() + 16);
        qToLittleEndian<quint32>(0x100, expected.data() + 28);
        for (const QByteArray& r : requests)
            QCOMPARE(r, expected);
        QVERIFY(FakeSearchResponder::timeStampOf(requests[0]) - before < 5000);

        const QList<QByteArray> acks = withType(logA, PJSearchUdp::TypeAcknowledge);
        QCOMPARE(acks.size(), 1);
        QByteArray expectedAck = expected;
        qToLittleEndian<quint32>(5, expectedAck.data() + 16);
        QCOMPARE(acks[0], expectedAck);

        QCOMPARE(search->GetCount(), 1);
        PJSearchResult r;
        QVERIFY(search->GetResult(0, r));
        QCOMPARE(r.address, QHostAddress(DisplayA));
        QCOMPARE(r.name, QString::fromUtf8("テスト"));
        QCOMPARE(r.value, 7u);
        PJSearchResult untouched{QStringLiteral("keep"), QHostAddress(Own), 3};
        QVERIFY(!search->GetResult(-1, untouched));
        QVERIFY(!search->GetResult(1, untouched));
        QCOMPARE(untouched.name, QStringLiteral("keep"));
    }

    // One reply of the display at 127.0.0.51 (or, with fromOther, of 127.0.0.52 that is no
    // target) to a search of type 1, which ends at the first tick without resends.
    void replyChecks_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("fromOther");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("sequenceDelta");
        QTest::addColumn<QByteArray>("magic");
        QTest::addColumn<quint32>("filterA");
        QTest::addColumn<quint32>("filterB");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("listed");

        const QByteArray m("VKRZ"), bad("VKRY");
        // clang-format off
        QTest::newRow("mode 1, 0x31 bit set")        << 1 << false << 0 << 0 << m << 0x01u << 0u << 256 << true;
        QTest::newRow("mode 1, 0x10 bit set")        << 1 << false << 0 << 0 << m << 0x10u << 0u << 256 << true;
        QTest::newRow("mode 1, 0x20 bit set")        << 1 << false << 0 << 0 << m << 0x20u << 0u << 256 << true;
        QTest::newRow("mode 1, other bits of byte")  << 1 << false << 0 << 0 << m << 0x40u << 0u << 256 << false;
        QTest::newRow("mode 1, every bit but 0x31")  << 1 << false << 0 << 0 << m << 0xFFFFFFCEu << 0u << 256 << false;
        QTest::newRow("mode 1, bit only above byte") << 1 << false << 0 << 0 << m << 0x3100u << 0u << 256 << false;
        QTest::newRow("mode 2, displays")            << 2 << false << 0 << 0 << m << 0u << 0x100u << 256 << true;
        QTest::newRow("mode 2, no display bit")      << 2 << false << 0 << 0 << m << 0u << 0xFFu << 256 << false;
        QTest::newRow("mode 2, filter A set")        << 2 << false << 0 << 0 << m << 1u << 0x100u << 256 << false;
        QTest::newRow("mode 2, only the bit above")  << 2 << false << 0 << 0 << m << 0u << 0x200u << 256 << false;
        QTest::newRow("mode 2, every bit")           << 2 << false << 0 << 0 << m << 0u << 0xFFFFFFFFu << 256 << true;
        QTest::newRow("mode 2, filter A's top bit")  << 2 << false << 0 << 0 << m << 0x80000000u << 0x100u << 256 << false;
        QTest::newRow("other mode, any filters")     << 0 << false << 0 << 0 << m << 0u << 0u << 256 << true;
        QTest::newRow("stale sequence")              << 2 << false << 0 << -1 << m << 0u << 0x100u << 256 << false;
        QTest::newRow("stale sequence, type 8")      << 2 << false << 8 << -1 << m << 0u << 0u << 256 << true;
        QTest::newRow("stale, type 10008h")          << 2 << false << 0x10008 << -1 << m << 0u << 0x100u << 256 << false;
        QTest::newRow("wrong magic")                 << 2 << false << 0 << 0 << bad << 0u << 0x100u << 256 << false;
        QTest::newRow("wrong magic, type 8")         << 2 << false << 8 << 0 << bad << 0u << 0u << 256 << false;
        QTest::newRow("255 bytes")                   << 2 << false << 8 << 0 << m << 0u << 0x100u << 255 << false;
        QTest::newRow("257 bytes")                   << 2 << false << 8 << 0 << m << 0u << 0x100u << 257 << false;
        QTest::newRow("no target, plain type")       << 2 << true << 0 << 0 << m << 0u << 0x100u << 256 << false;
        QTest::newRow("no target, acknowledge me")   << 2 << true << 2 << 0 << m << 0u << 0x100u << 256 << true;
        QTest::newRow("no target, type 8")           << 2 << true << 8 << 0 << m << 0u << 0u << 256 << true;
        QTest::newRow("no target, type 10002h")      << 2 << true << 0x10002 << 0 << m << 0u << 0x100u << 256 << false;
        // clang-format on
    }

    void replyChecks() {
        QFETCH(int, mode);
        QFETCH(bool, fromOther);
        QFETCH(int, type);
        QFETCH(int, sequenceDelta);
        QFETCH(QByteArray, magic);
        QFETCH(quint32, filterA);
        QFETCH(quint32, filterB);
        QFETCH(int, size);
        QFETCH(bool, listed);

        FakeSearchResponder a(DisplayA), other(DisplayB);
        QVERIFY(a.isBound() && other.isBound());
        a.setHandler([&](const QByteArray& d, int) -> QList<Reply> {
            Fields f;
            f.magic = magic;
            f.sequence = quint16(FakeSearchResponder::sequenceOf(d) + sequenceDelta);
            f.type = quint32(type);
            f.value = 9;
            f.filterA = filterA;
            f.filterB = filterB;
            f.size = size;
            if (!fromOther)
                return {{FakeSearchResponder::reply(f)}};
            other.sendTo(FakeSearchResponder::reply(f), Own, Port);
            return {};
        });
        auto search = makeSearch(mode, {Own, DisplayA});
        QVERIFY(search->StartSearch(1));
        QVERIFY(waitIdle(*search, 1500));
        QCOMPARE(search->GetCount(), listed ? 1 : 0);
        if (listed)
            QCOMPARE(resultAddresses(*search), QStringList{fromOther ? DisplayB : DisplayA});
        QCOMPARE(withType(a.received(), 1).size(), 1); // no resends for this search type
        const auto acks = withType(fromOther ? other.received() : a.received(), 5);
        QCOMPARE(acks.size(), type == 2 && listed ? 1 : 0);
    }

    void duplicateRepliesAndNamedAddress() {
        FakeSearchResponder a(DisplayA);
        a.setHandler([&](const QByteArray& d, int index) -> QList<Reply> {
            if (index != 0)
                return {};
            Fields f = displayReply(d);
            f.name = "Lobby";
            f.addressText = "127.0.0.60";
            const QByteArray r = FakeSearchResponder::reply(f);
            return {{r}, {r}};
        });
        auto search = makeSearch(2, {Own, DisplayA});
        QVERIFY(search->StartSearch(2));
        QVERIFY(waitIdle(*search));
        QCOMPARE(resultAddresses(*search), (QStringList{"127.0.0.60", DisplayA}));
        QCOMPARE(withType(a.received(), 5).size(), 2); // one acknowledgement per reply
        // A new displays search starts with an empty list.
        a.setHandler({});
        QVERIFY(search->StartSearch(2));
        QCOMPARE(search->GetCount(), 0);
        QVERIFY(search->StopSearch());
    }

    // A display listed under its IPv4 address is the same display in the mapped IPv6 form.
    void addressesCompareAsIPv4() {
        PJSearchUdp search(nullptr, 2, {});
        search.AddResult("A", QHostAddress(DisplayA), 1);
        search.AddResult("A", QHostAddress("::ffff:" + DisplayA), 1);
        search.AddResult("B", QHostAddress(DisplayB), 1);
        QCOMPARE(resultAddresses(search), (QStringList{DisplayA, DisplayB}));
    }

    void repliesToResendsAreRead_data() {
        QTest::addColumn<int>("answeredRequest");
        QTest::addColumn<int>("type");
        QTest::newRow("first resend, acknowledge me") << 1 << 2;
        QTest::newRow("second resend, plain") << 2 << 0;
        QTest::newRow("last resend, acknowledge me") << 3 << 2;
    }

    void repliesToResendsAreRead() {
        QFETCH(int, answeredRequest);
        QFETCH(int, type);
        FakeSearchResponder a(DisplayA);
        a.setHandler([&](const QByteArray& d, int index) -> QList<Reply> {
            if (index != answeredRequest)
                return {};
            Fields f = displayReply(d);
            f.type = quint32(type);
            return {{FakeSearchResponder::reply(f)}};
        });
        auto search = makeSearch(2, {Own, DisplayA});
        QVERIFY(search->StartSearch(2));
        QCOMPARE(search->GetCount(), 0);
        QVERIFY(waitIdle(*search));
        QCOMPARE(resultAddresses(*search), QStringList{DisplayA});
        QCOMPARE(withType(a.received(), 5).size(), type == 2 ? 1 : 0);
    }

    void ownAddressAndNoDestination() {
        FakeSearchResponder a(DisplayA);
        a.setHandler([&](const QByteArray& d, int) -> QList<Reply> {
            Fields f = displayReply(d);
            f.type = PJSearchUdp::TypeUnchecked;
            return {{FakeSearchResponder::reply(f)}};
        });
        // The display's address is the own address: its replies are the own broadcast.
        auto search = makeSearch(2, {DisplayA, DisplayA});
        QVERIFY(search->StartSearch(1));
        QVERIFY(waitIdle(*search, 1500));
        QCOMPARE(search->GetCount(), 0);
        QCOMPARE(a.received().size(), 1);

        // Only the own address: nothing is sent and the search ends at the first tick.
        search->SetTargets(addresses({Own}));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(search->StartSearch(2));
        QVERIFY(clock.elapsed() < 200);
        QVERIFY(search->IsSearching());
        QVERIFY(waitIdle(*search, 1500));
        QVERIFY(clock.elapsed() >= 450 && clock.elapsed() < 1000);
        QCOMPARE(a.received().size(), 1);
    }

    void refusedStartsLeaveNoTrace() {
        FakeSearchResponder a(DisplayA);
        auto search = makeSearch(2, {});
        QVERIFY(!search->StartSearch(2));
        search->SetTargets(addresses({"::1", DisplayA}));
        QVERIFY(!search->StartSearch(2));
        {
            QUdpSocket blocker;
            QVERIFY(blocker.bind(QHostAddress(Own), Port, QUdpSocket::DontShareAddress));
            search->SetTargets(addresses({Own, DisplayA}));
            QVERIFY(!search->StartSearch(2));
            QVERIFY(!search->IsSearching());
        }
        QVERIFY(a.received().isEmpty());
        // The next search starts clean: every request leaves from the search port, and a
        // display that answers each of them is listed once.
        a.setHandler([&](const QByteArray& d, int) -> QList<Reply> {
            if (FakeSearchResponder::typeOf(d) != PJSearchUdp::TypeDisplays)
                return {};
            return {{FakeSearchResponder::reply(displayReply(d))}};
        });
        QVERIFY(search->StartSearch(2));
        QVERIFY(waitIdle(*search));
        const QList<QByteArray> requests = withType(a.received(), PJSearchUdp::TypeDisplays);
        QCOMPARE(requests.size(), 1 + PJSearchUdp::MaxResends);
        QCOMPARE(FakeSearchResponder::sequenceOf(requests[0]), quint16(1));
        for (const auto& r : a.received()) {
            QCOMPARE(r.from, Own);
            QCOMPARE(r.fromPort, Port);
        }
        QCOMPARE(resultAddresses(*search), QStringList{DisplayA});
    }

    void stopEndsTheResends() {
        FakeSearchResponder a(DisplayA);
        auto search = makeSearch(2, {Own, DisplayA});
        QVERIFY(search->StartSearch(2));
        QVERIFY(search->StopSearch());
        QVERIFY(!search->IsSearching());
        QTest::qWait(1200);
        QCOMPARE(a.received().size(), 1);
        // The socket is free again: a second search binds and counts on.
        QVERIFY(search->StartSearch(1));
        QVERIFY(waitIdle(*search, 1500));
        QCOMPARE(FakeSearchResponder::sequenceOf(a.received().last().bytes), quint16(2));
    }

    // The address text and the name end at their NUL or at the end of their field; the value
    // is read whole, in its 32 bits; an address text that names no address adds no result.
    void fieldsAreReadWithinTheirBounds_data() {
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QByteArray>("addressText");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("fields filled to their ends, value above 16 bits")
            << 0x10000u << QByteArray("127.0.0.61").leftJustified(64, ' ')
            << QStringList{"127.0.0.61", DisplayA};
        QTest::newRow("lowest value, no address text")
            << 0u << QByteArray() << QStringList{DisplayA};
        QTest::newRow("highest value, an address octet of 256")
            << 0xFFFFFFFFu << QByteArray("192.168.0.256") << QStringList{DisplayA};
    }
    void fieldsAreReadWithinTheirBounds() {
        QFETCH(quint32, value);
        QFETCH(QByteArray, addressText);
        QFETCH(QStringList, listed);
        FakeSearchResponder a(DisplayA);
        a.setHandler([&](const QByteArray& d, int) -> QList<Reply> {
            Fields f = displayReply(d);
            f.type = PJSearchUdp::TypeUnchecked;
            f.value = value;
            f.addressText = addressText;
            f.name = QByteArray(160, 'N');
            return {{FakeSearchResponder::reply(f)}};
        });
        auto search = makeSearch(2, {Own, DisplayA});
        QVERIFY(search->StartSearch(1));
        QVERIFY(waitIdle(*search, 1500));
        QCOMPARE(resultAddresses(*search), listed);
        for (int i = 0; i < search->GetCount(); ++i) {
            PJSearchResult r;
            QVERIFY(search->GetResult(i, r));
            QCOMPARE(r.name, QString(160, QLatin1Char('N')));
            QCOMPARE(r.value, uint(value));
        }
    }
};

QTEST_GUILESS_MAIN(LanSearchTest)
#include "tst_lan_search.moc"
