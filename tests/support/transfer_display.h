#pragma once

#include "display_model.h"
#include "fake_display.h"
#include "lut3d_entry.h"

#include <QByteArray>
#include <QVector>

#include <mutex>

// The long data areas of a display behind the fake display: its capability string, asset area,
// gamma table, theoretical curve and 3D LUT, served in chunks and stored as a display does.
// answer() runs on the fake display's thread; read the areas once the exchange is over.
class TransferDisplay {
public:
    TransferDisplay();

    // The reply to one request, or silence when it is none of these commands.
    FakeReply answer(const QByteArray& request);
    // The reply body to a request body; null when it is none of these commands.
    QByteArray answerBody(const QByteArray& body);
    // answer() for FakeDisplay::setHandler.
    FakeDisplay::Handler handler();
    // Lets the model answer these commands from here, beside its own.
    void attach(DisplayModel& model);

    QByteArray capability;
    int capabilityChunk = 32; // characters a capability reply carries
    QByteArray asset;         // 64 bytes
    QVector<unsigned int> gamma;
    QVector<unsigned int> curve;
    int lutSize = 2;
    QVector<lut3d_entry> lut; // lutSize cubed entries, the first index varying fastest

    // Requests' bodies so far, for the tests that look at the traffic.
    static QList<QByteArray> bodies(const QList<QByteArray>& requests);

    // The body prefixes of the commands answered here.
    static QList<QByteArray> prefixes();

private:
    std::mutex mutex;
};
