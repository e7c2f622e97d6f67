#pragma once

#include "qvcommprotocol.h"

// The protocol engine that the monitor object owns. It repeats a failed operation: before each
// repetition it pauses and re-opens the interface that was opened last (a fresh transport, so a
// dropped connection or a confused serial line starts over). The operations that repeat are
// those run through repeatable(), and the table beside it gives the pause before each
// repetition; every other operation runs once, and so does an operation that another repeated
// one runs.
class QVCommProtocol_retry : public QVCommProtocol {
    Q_OBJECT

public:
    // The pause before a repetition, by operation.
    static constexpr int ShortRetryPauseMs = 500;
    static constexpr int RetryPauseMs = 1000;
    static constexpr int LongRetryPauseMs = 2000;
    // Every successful repeated operation is followed by this pause.
    static constexpr int SuccessPauseMs = 50;

    explicit QVCommProtocol_retry(QObject* parent = nullptr);

    // Remembers the address and type for the re-opens, then opens (once).
    int open_interface(QString address, int interface_type) override;
    // The total number of tries of one operation; below 2 (negative too) means a single try.
    virtual void set_retry_count(int count);
    virtual int retry_count();
    virtual int interface_type();
    QString address() const { return remembered_address; }
    // The pause before each repetition of the operation.
    static int retry_pause(RetriedOperation operation);

protected:
    // Runs the operation until it succeeds or the retry count is spent; before each repetition
    // pauses and re-opens the remembered interface (a failed re-open counts as a failed try).
    // Returns the last try's result; a success is followed by SuccessPauseMs. A request that the
    // engine refused before sending anything (a value out of range, a body too long) is not
    // repeated: it would be refused again.
    int repeatable(RetriedOperation operation, const std::function<int()>& attempt) override;

private:
    QString remembered_address;
    int remembered_type = 3;
    // Set while a repeated operation runs: what it runs in turn is not repeated again.
    bool repeating = false;
};
