#pragma once

#include "fake_display.h"
#include "protocol_probe.h"

#include <QMap>
#include <QPair>
#include <QStringList>
#include <QVariant>
#include <QtTest>

#include <functional>

// Table-driven tests of command operations against the fake display. A row gives the operation,
// its inputs, the body it must put on the wire, the display's reply, the result code and the
// outputs rendered as "name=value" pairs.

// What one run of an operation gave back: its result code and its outputs as text.
struct CommandRun {
    int result = 0;
    QString outputs;
};
using CommandOp = std::function<CommandRun(QVCommProtocol&, const QVariantList& inputs)>;
using CommandOps = QMap<QString, CommandOp>;

// "a=1 b=x": the outputs of a run, in the order given.
inline QString outputs(const QList<QPair<QString, QVariant>>& values) {
    QStringList parts;
    for (const auto& v : values)
        parts << v.first + QLatin1Char('=') + v.second.toString();
    return parts.join(QLatin1Char(' '));
}

inline QString hexByte(int value) {
    return QStringLiteral("%1").arg(value & 0xFF, 2, 16, QLatin1Char('0'));
}

// A reply frame of type "B" from monitor 1, as a display sends it.
inline QByteArray replyB(const QByteArray& body) {
    return FakeDisplay::frame('B', body);
}

// A handler that answers every request with the same bytes.
inline FakeDisplay::Handler answering(const QByteArray& bytes) {
    return [bytes](const QByteArray&) {
        FakeReply r;
        r.bytes = bytes;
        return r;
    };
}

inline void addCommandColumns() {
    QTest::addColumn<QString>("op");
    QTest::addColumn<QVariantList>("inputs");
    QTest::addColumn<QByteArray>("wire"); // the body sent; empty when nothing may be sent
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("outputs");
}

// Runs the current row against the fake display. The display answers the one request with the
// row's reply; the body actually sent and the outputs are compared with the row.
inline void runCommandRow(FakeDisplay& fake, const CommandOps& ops) {
    QFETCH(QString, op);
    QFETCH(QVariantList, inputs);
    QFETCH(QByteArray, wire);
    QFETCH(QByteArray, reply);
    QFETCH(int, result);
    QFETCH(QString, outputs);
    QVERIFY2(ops.contains(op), qPrintable(op));
    fake.setHandler(answering(reply));
    fake.clearRequests();
    ProtocolProbe p;
    QCOMPARE(p.open_interface(fake.address(), 1), 0);
    const CommandRun run = ops[op](p, inputs);
    QByteArray sent;
    for (const auto& t : p.traffic)
        if (t.first == QVCommProtocol::TrafficSent)
            sent = FakeDisplay::bodyOf(toByteArray(t.second));
    QCOMPARE(sent, wire);
    if (!wire.isEmpty()) // and the display got exactly that
        QCOMPARE(FakeDisplay::bodyOf(fake.requests().value(0)), wire);
    QCOMPARE(run.result, result);
    QCOMPARE(run.outputs, outputs);
}
