#pragma once

#include "fake_display.h"

#include <QByteArray>
#include <QList>
#include <QMap>

#include <functional>
#include <mutex>

// The state of a display behind a FakeDisplay. It answers the core commands: parameters from a
// table of op codes (an op code not in the table answers with result byte 01), power, mode
// change, settings save, timing, identity texts, self-diagnosis, IR codes and the clock. Other
// commands are added with addCommand; anything unknown gets the null message "BE".
//
// Set the public state before an exchange and read it after one: the client waits for each
// reply, so the display's thread never touches it at the same time.
class DisplayModel {
public:
    // Gets the request body, returns the reply body; an empty one leaves the display silent.
    using CommandHandler = std::function<QByteArray(const QByteArray& body)>;
    struct Parameter {
        unsigned short current = 0;
        unsigned short max = 0;
        unsigned char type = 0;
    };

    DisplayModel();

    // Requests of message type `type` whose body starts with `prefix` go to the handler; the
    // longest matching prefix wins, and a later registration replaces one with the same prefix.
    // The reply's message type is the request's plus one (A to B, C to D, E to F).
    void addCommand(char type, const QByteArray& prefix, CommandHandler handler);
    FakeReply answer(const QByteArray& request);
    FakeDisplay::Handler handler() {
        return [this](const QByteArray& request) { return answer(request); };
    }

    void setParameter(unsigned int opcode, unsigned short current, unsigned short max,
                      unsigned char type = 0);
    Parameter parameter(unsigned int opcode) const;
    // The op code answers with result byte 01 again, as one the display does not support.
    void removeParameter(unsigned int opcode);
    // A value op code behind a selector, as a display's sensors and fans: reading it gives the
    // value of the item that the selector's current value (1 upwards) picks; result byte 01
    // when it picks none. The selector itself is an ordinary parameter whose maximum is the
    // number of items.
    void setSelectedParameter(unsigned int opcode, unsigned int selector,
                              QList<unsigned short> values);
    // The next `count` requests get a reply with a broken check byte: a failure without delay.
    void failNext(int count);
    // Every read of the op code gets a reply too short to hold a value (a protocol error, not
    // the display's refusal); writes are answered as before.
    void failReads(unsigned int opcode);
    // A request for the mode leaves the display in the mode it is in; the reply carries
    // `result` and echoes that mode. With result 0 the display claims to have taken it.
    void refuseMode(unsigned char mode, unsigned char result = 1);

    // Hexadecimal fields as the display writes them.
    static QByteArray hex2(unsigned int value);
    static QByteArray hex4(unsigned int value);
    static QByteArray hexText(const QByteArray& text);
    // The field of `digits` characters at `offset` of a body, decoded.
    static unsigned int field(const QByteArray& body, int offset, int digits);

    char address = 'A'; // the source byte of every reply
    unsigned char powerMode = 1;
    unsigned char inputMode = 0;
    int saves = 0;
    unsigned char timingStatus = 0;
    unsigned short horizontalHundredths = 0; // of a kHz
    unsigned short verticalHundredths = 0;   // of a Hz
    QByteArray serialNumber;
    QByteArray modelName;
    QList<QByteArray> firmwareVersions; // by index; a missing index answers result byte 01
    QList<unsigned char> diagnostics;
    QList<unsigned short> irCodes; // received, in order
    // year (since 2000), month, day, weekday, hour, minute, daylight saving
    QList<unsigned char> clock = {26, 1, 1, 4, 0, 0, 0};

private:
    QByteArray parameterReply(const QByteArray& body, bool write);

    mutable std::recursive_mutex mutex;
    QMap<QByteArray, CommandHandler> commands; // by message type and body prefix
    QMap<unsigned int, Parameter> parameters;
    struct Selected {
        unsigned int selector;
        QList<unsigned short> values;
    };
    QMap<unsigned int, Selected> selected;
    QMap<unsigned char, unsigned char> refusedModes; // result bytes, by mode
    int failures = 0;
};
