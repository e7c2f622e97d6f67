#include "transfer_display.h"

#include "display_model.h"

#include <algorithm>

namespace {
FakeReply replyB(const QByteArray& body) {
    FakeReply r;
    r.bytes = FakeDisplay::frame('B', body);
    return r;
}

int hexField(const QByteArray& body, int at, int digits) {
    bool ok = false;
    const int value = body.mid(at, digits).toInt(&ok, 16);
    return ok ? value : -1;
}
} // namespace

TransferDisplay::TransferDisplay() : asset(64, '\0'), gamma(4096, 0), curve(4096, 0), lut(8) {
    for (int i = 0; i < lut.size(); ++i)
        lut[i] = {i, 0x100 + i, 0x200 + i};
}

QList<QByteArray> TransferDisplay::bodies(const QList<QByteArray>& requests) {
    QList<QByteArray> out;
    for (const QByteArray& r : requests)
        out << FakeDisplay::bodyOf(r);
    return out;
}

FakeDisplay::Handler TransferDisplay::handler() {
    return [this](const QByteArray& request) { return answer(request); };
}

FakeReply TransferDisplay::answer(const QByteArray& request) {
    const QByteArray body = answerBody(FakeDisplay::bodyOf(request));
    return body.isNull() ? FakeReply::silence() : replyB(body);
}

void TransferDisplay::attach(DisplayModel& model) {
    for (const QByteArray& prefix : prefixes())
        model.addCommand('A', prefix, [this](const QByteArray& body) { return answerBody(body); });
}

QList<QByteArray> TransferDisplay::prefixes() {
    return {"F3",   "C00B", "C00E", "C204", "C205", "C206",
            "C207", "C208", "C209", "C20A", "C20B", "C22E"};
}

QByteArray TransferDisplay::answerBody(const QByteArray& body) {
    std::lock_guard<std::mutex> lock(mutex);
    const QByteArray command = body.left(4);

    if (body.startsWith("F3")) {
        const int offset = hexField(body, 2, 4);
        return "E3" + body.mid(2, 4) + capability.mid(offset, capabilityChunk);
    }
    if (command == "C00B") {
        const int offset = hexField(body, 4, 2);
        const int count = hexField(body, 6, 2);
        return "C10B" + asset.mid(offset, count);
    }
    if (command == "C00E") {
        const int offset = hexField(body, 4, 2);
        const QByteArray data = body.mid(6);
        if (asset.size() < offset + data.size())
            asset.resize(offset + data.size());
        asset.replace(offset, data.size(), data);
        return "00C00E" + body.mid(4, 2) + data;
    }
    if (command == "C204" || command == "C20A") {
        const QVector<unsigned int>& table = command == "C204" ? gamma : curve;
        const int offset = hexField(body, 4, 4);
        const int count = hexField(body, 8, 2);
        QByteArray values;
        for (int i = 0; i < count && offset + i < table.size(); ++i)
            values += DisplayModel::hex4(table[offset + i]);
        return (command == "C204" ? "C304" : "C30A") + values;
    }
    if (command == "C205" || command == "C20B") {
        QVector<unsigned int>& table = command == "C205" ? gamma : curve;
        const int offset = hexField(body, 4, 4);
        const QByteArray values = body.mid(8);
        for (int i = 0; 4 * i + 4 <= values.size() && offset + i < table.size(); ++i)
            table[offset + i] = unsigned(hexField(values, 4 * i, 4));
        return (command == "C205" ? "C305" : "C30B") + body.mid(4);
    }
    if (command >= "C206" && command <= "C209" && body.size() == 4)
        return "00C3" + body.mid(2, 2);
    if (command == "C22E") {
        const int n = lutSize;
        const int first = hexField(body, 4, 2), second = hexField(body, 6, 2),
                  third = hexField(body, 8, 2), count = hexField(body, 10, 2);
        QByteArray entries;
        int index = first + second * n + third * n * n;
        for (int i = 0; i < count && index < std::min(n * n * n, lut.size()); ++i, ++index)
            entries += DisplayModel::hex4(unsigned(lut[index].red)) +
                       DisplayModel::hex4(unsigned(lut[index].green)) +
                       DisplayModel::hex4(unsigned(lut[index].blue));
        return "00C32E" + entries;
    }
    return {};
}
