#pragma once

// The protocol engine on a link that replays bytes instead of a display: the fuzz targets
// hand it what the fuzzer made up as the display's reply.

#include "qvcommprotocol.h"
#include "tbasiccomm.h"

#include <QList>

#include <cstddef>
#include <cstdint>

class ReplayComm : public TBasicComm {
public:
    explicit ReplayComm(const QList<unsigned char>& bytes) : bytes(bytes) {}
    int IsOpen() override { return 1; }
    int Write(QList<unsigned char>, int) override { return 0; }
    // Hands out the bytes in order; past them there is no reply.
    int ReadByte(unsigned char* out, int) override {
        if (next >= bytes.size())
            return -3003;
        *out = bytes[next++];
        return 0;
    }

private:
    QList<unsigned char> bytes;
    int next = 0;
};

class ReplayProtocol : public QVCommProtocol {
public:
    void answerWith(const QList<unsigned char>& bytes) {
        delete transport;
        transport = new ReplayComm(bytes);
    }
    void answerWith(const std::uint8_t* data, std::size_t size) {
        QList<unsigned char> bytes;
        for (std::size_t i = 0; i < size; ++i)
            bytes << data[i];
        answerWith(bytes);
    }
};
