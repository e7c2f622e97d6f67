#pragma once

#include "basic_monitor.h"
#include "display_model.h"
#include "fake_display.h"
#include "pause_recorder.h"
#include "qvcommprotocol_retry.h"
#include "transfer_display.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <mutex>

// One ordered record of what a monitor operation did: the commands the display received, the
// monitor's pauses and its progress reports.
class EventLog {
public:
    void add(const QString& event) {
        std::lock_guard<std::mutex> lock(mutex);
        events << event;
    }
    QStringList take() {
        std::lock_guard<std::mutex> lock(mutex);
        QStringList out;
        out.swap(events);
        return out;
    }
    // "get 0268", "set 0268=6", "cmd C2050000" (a command's first eight characters).
    static QString describe(const QByteArray& request) {
        const QByteArray body = FakeDisplay::bodyOf(request);
        switch (FakeDisplay::typeOf(request)) {
        case 'C':
            return QStringLiteral("get ") + QString::fromLatin1(body.left(4));
        case 'E':
            return QStringLiteral("set %1=%2")
                .arg(QString::fromLatin1(body.left(4)))
                .arg(DisplayModel::field(body, 4, 4));
        default:
            return QStringLiteral("cmd ") + QString::fromLatin1(body.left(8));
        }
    }

private:
    std::mutex mutex;
    QStringList events;
};

// A monitor whose pauses and progress reports go into the log instead of taking time; its
// engine's own pauses (retry and chunk pauses) are left out.
class RecordingMonitor : public basic_monitor {
public:
    explicit RecordingMonitor(EventLog& events)
        : basic_monitor(nullptr, quietEngine()), log(events) {
        connect(this, &basic_monitor::Broadcast_MessageOut, [this](unsigned int m, unsigned int v) {
            log.add(QStringLiteral("progress %1 %2").arg(m).arg(v));
        });
    }
    void delay(unsigned int ms) override { log.add(QStringLiteral("pause %1").arg(ms)); }
    using basic_monitor::m_capability_string;
    using basic_monitor::m_model_family;

private:
    EventLog& log;
};

// A monitor connected over TCP to a fake display that answers the core commands (model) and
// the long transfers (transfers), logging every request.
struct MonitorRig {
    explicit MonitorRig(const QString& address)
        : fake(FakeDisplay::Link::Tcp, address), monitor(log) {
        transfers.attach(model);
        fake.setHandler([this](const QByteArray& request) {
            log.add(EventLog::describe(request));
            return model.answer(request);
        });
        monitor.set_retry_count(1); // one try: each request shows once in the log
        monitor_data data;
        data.m_monitor_id = 'A';
        data.communicationsInterfaceType = 1;
        data.s_communicationsInterfacePortName = address;
        opened = monitor.set_interface_info(data);
        log.take(); // the connection itself is no part of what a test looks at
    }
    QList<QByteArray> bodies() const { return TransferDisplay::bodies(fake.requests()); }
    // From now on the display answers as before, but with a broken check byte to the requests
    // that `broken` picks by their body and their index (0 for the next request).
    void breakReplies(std::function<bool(const QByteArray& body, int index)> broken) {
        // The fake display calls a copy of its handler, so the count lives outside.
        auto index = std::make_shared<int>(0);
        fake.setHandler([this, broken, index](const QByteArray& request) {
            log.add(EventLog::describe(request));
            FakeReply reply = model.answer(request);
            if (broken(FakeDisplay::bodyOf(request), (*index)++))
                reply.bytes[reply.bytes.size() - 2] = char(reply.bytes[reply.bytes.size() - 2] ^ 1);
            return reply;
        });
    }

    EventLog log;
    DisplayModel model;
    TransferDisplay transfers;
    FakeDisplay fake;
    RecordingMonitor monitor;
    int opened = -1;
};
