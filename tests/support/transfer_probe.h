#pragma once

#include "pause_recorder.h"
#include "protocol_probe.h"
#include "transfer_display.h"

#include <QList>
#include <QStringList>

// The protocol engine with its retry count opened up and its title lines at hand.
class TransferProbe : public ProtocolProbe {
public:
    using QVCommProtocol::retry_count;
    QStringList titles() const {
        QStringList out;
        for (const auto& c : comments)
            if (c.first == CommentTitle)
                out << c.second;
        return out;
    }
};

// A fake display that serves the data areas of a TransferDisplay, and a protocol engine
// connected to it over TCP, its pauses recorded instead of slept.
struct TransferRig {
    explicit TransferRig(const QString& address) : fake(FakeDisplay::Link::Tcp, address) {
        fake.setHandler(model.handler());
        opened = p.open_interface(address, 1);
    }
    // Replaces the display's answer where `fault` gives a non-empty body of its own (sent as a
    // "B" reply); elsewhere the display answers as usual.
    template <typename Fault> void inject(Fault fault) {
        fake.setHandler([this, fault](const QByteArray& request) {
            const QByteArray body = fault(FakeDisplay::bodyOf(request));
            if (body.isNull())
                return model.answer(request);
            FakeReply r;
            r.bytes = FakeDisplay::frame('B', body);
            return r;
        });
    }
    QList<QByteArray> bodies() const { return TransferDisplay::bodies(fake.requests()); }

    TransferDisplay model;
    FakeDisplay fake;
    TransferProbe p;
    PauseRecorder clock{p};
    int opened = -1;
};
