#pragma once

#include "page_host.h"

#include <QApplication>

#include <optional>

// The frame of one user action: opens the interface and sets the wait cursor; on every way
// out restores the cursor, reports the result that was set, and closes. When the open fails
// the host has reported it already and the scope is false: the action sends nothing.
class CommandScope {
public:
    explicit CommandScope(PageHost& host) : host(host), opened(host.open_for_command()) {
        if (opened)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~CommandScope() {
        if (!opened)
            return;
        QApplication::restoreOverrideCursor();
        if (result)
            host.show_error_status(*result);
        host.close_after_command();
    }
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;

    explicit operator bool() const { return opened; }
    // The result that the frame reports when it closes; the last one set counts.
    int report(int code) {
        result = code;
        return code;
    }

private:
    PageHost& host;
    const bool opened;
    std::optional<int> result;
};
