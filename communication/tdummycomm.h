#pragma once

#include "result_codes.h"
#include "tbasiccomm.h"

// The resting transport between commands: always open, swallows writes, never answers.
class TDummyComm : public TBasicComm {
public:
    int Open(QString) override { return 0; }
    int IsOpen() override { return 1; }
    int ReadByte(unsigned char*, int) override { return ResultCode::NoReply; }
    int Write(QList<unsigned char>, int) override { return 0; }
    virtual int Close() { return 0; }
    virtual int Connect(QString address) { return Open(address); }
};
