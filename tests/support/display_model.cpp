#include "display_model.h"

using Lock = std::lock_guard<std::recursive_mutex>;

QByteArray DisplayModel::hex2(unsigned int value) {
    return QByteArray::number(value & 0xFF, 16).rightJustified(2, '0').toUpper();
}

QByteArray DisplayModel::hex4(unsigned int value) {
    return QByteArray::number(value & 0xFFFF, 16).rightJustified(4, '0').toUpper();
}

QByteArray DisplayModel::hexText(const QByteArray& text) {
    QByteArray out;
    for (char c : text)
        out += hex2(static_cast<unsigned char>(c));
    return out;
}

unsigned int DisplayModel::field(const QByteArray& body, int offset, int digits) {
    return body.mid(offset, digits).toUInt(nullptr, 16);
}

DisplayModel::DisplayModel() {
    addCommand('C', "", [this](const QByteArray& body) { return parameterReply(body, false); });
    addCommand('E', "", [this](const QByteArray& body) { return parameterReply(body, true); });
    addCommand('A', "C011", [this](const QByteArray& body) {
        const auto mode = static_cast<unsigned char>(field(body, 4, 2));
        const auto refused = refusedModes.constFind(mode);
        if (refused != refusedModes.constEnd())
            return hex2(*refused) + "C111" + hex2(inputMode);
        inputMode = mode;
        return "00C111" + hex2(inputMode);
    });
    addCommand('A', "C203D6", [this](const QByteArray& body) {
        powerMode = static_cast<unsigned char>(field(body, 6, 4));
        return "00C203D6" + hex4(powerMode);
    });
    addCommand('A', "01D6", [this](const QByteArray&) { return "0200D6000004" + hex4(powerMode); });
    addCommand('A', "0C", [this](const QByteArray&) {
        ++saves;
        return QByteArray("000C");
    });
    addCommand('A', "07", [this](const QByteArray&) {
        return "4E" + hex2(timingStatus) + hex4(horizontalHundredths) + hex4(verticalHundredths);
    });
    addCommand('A', "C210", [this](const QByteArray& body) {
        irCodes << static_cast<unsigned short>(field(body, 4, 4));
        return "00C210" + body.mid(4, 6);
    });
    addCommand('A', "C216", [this](const QByteArray&) { return "C316" + hexText(serialNumber); });
    addCommand('A', "C217", [this](const QByteArray&) { return "C317" + hexText(modelName); });
    addCommand('A', "B1", [this](const QByteArray&) {
        QByteArray reply = "A1";
        for (unsigned char code : diagnostics)
            reply += hex2(code);
        return reply;
    });
    addCommand('A', "C211", [this](const QByteArray&) {
        QByteArray reply = "C311";
        for (unsigned char f : clock)
            reply += hex2(f);
        return reply;
    });
    addCommand('A', "C212", [this](const QByteArray& body) {
        for (int i = 0; i < clock.size(); ++i)
            clock[i] = static_cast<unsigned char>(field(body, 4 + 2 * i, 2));
        return "C31200" + body.mid(4);
    });
    addCommand('A', "CA02", [this](const QByteArray& body) {
        const int index = int(field(body, 4, 2));
        if (index >= firmwareVersions.size())
            return "CB0201" + hex2(index);
        return "CB0200" + hex2(index) + firmwareVersions[index];
    });
}

void DisplayModel::addCommand(char type, const QByteArray& prefix, CommandHandler handler) {
    Lock lock(mutex);
    commands.insert(type + prefix, std::move(handler));
}

void DisplayModel::setParameter(unsigned int opcode, unsigned short current, unsigned short max,
                                unsigned char type) {
    Lock lock(mutex);
    parameters.insert(opcode, Parameter{current, max, type});
}

DisplayModel::Parameter DisplayModel::parameter(unsigned int opcode) const {
    Lock lock(mutex);
    return parameters.value(opcode);
}

void DisplayModel::removeParameter(unsigned int opcode) {
    Lock lock(mutex);
    parameters.remove(opcode);
}

void DisplayModel::setSelectedParameter(unsigned int opcode, unsigned int selector,
                                        QList<unsigned short> values) {
    Lock lock(mutex);
    selected.insert(opcode, Selected{selector, std::move(values)});
}

void DisplayModel::failNext(int count) {
    Lock lock(mutex);
    failures = count;
}

void DisplayModel::failReads(unsigned int opcode) {
    addCommand('C', hex4(opcode), [](const QByteArray&) { return QByteArray("00"); });
}

void DisplayModel::refuseMode(unsigned char mode, unsigned char result) {
    Lock lock(mutex);
    refusedModes.insert(mode, result);
}

QByteArray DisplayModel::parameterReply(const QByteArray& body, bool write) {
    const unsigned int opcode = field(body, 0, 4);
    const auto reply = [&body](unsigned char result, const Parameter& p) {
        return hex2(result) + body.left(4) + hex2(p.type) + hex4(p.max) + hex4(p.current);
    };
    const Parameter none;
    if (!write && selected.contains(opcode)) {
        const Selected s = selected.value(opcode);
        const int item = int(parameters.value(s.selector).current) - 1;
        if (item < 0 || item >= s.values.size())
            return reply(1, none);
        return reply(0, Parameter{s.values[item], 0xFFFF});
    }
    auto found = parameters.find(opcode);
    if (found == parameters.end())
        return reply(1, none);
    if (write)
        found->current = static_cast<unsigned short>(field(body, 4, 4));
    return reply(0, *found);
}

FakeReply DisplayModel::answer(const QByteArray& request) {
    Lock lock(mutex);
    const char type = FakeDisplay::typeOf(request);
    const QByteArray key = type + FakeDisplay::bodyOf(request);
    auto best = commands.cend();
    for (auto it = commands.cbegin(); it != commands.cend(); ++it)
        if (key.startsWith(it.key()) &&
            (best == commands.cend() || it.key().size() > best.key().size()))
            best = it;
    const QByteArray body = best == commands.cend() ? QByteArray("BE") : best.value()(key.mid(1));
    FakeReply reply;
    if (body.isEmpty())
        return reply;
    reply.bytes = FakeDisplay::frame(char(type + 1), body, address);
    if (failures > 0) {
        --failures;
        reply.bytes[reply.bytes.size() - 2] = char(reply.bytes[reply.bytes.size() - 2] ^ 0x40);
    }
    return reply;
}
