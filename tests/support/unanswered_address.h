#pragma once

#include <QString>

#include <vector>

// A loopback address whose port never completes a connection, as an empty address on a LAN:
// a listener that never accepts, whose accept queue (backlog 0) is already filled, so the
// system drops every further connection request.
class UnansweredAddress {
public:
    explicit UnansweredAddress(const QString& address, unsigned short port = 7142);
    ~UnansweredAddress();
    UnansweredAddress(const UnansweredAddress&) = delete;
    UnansweredAddress& operator=(const UnansweredAddress&) = delete;

    // True once a connection request was seen to hang.
    bool isReady() const { return ready; }

private:
    int listenFd = -1;
    std::vector<int> fillers;
    bool ready = false;
};
