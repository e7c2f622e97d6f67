// Appends 100,000 traffic lines to the communications log and prints the time per block of
// 10,000 lines, to show that appending stays flat as the log grows.
#include "lm_information_dialog.h"
#include "log_line_formatter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    LM_Information_Dialog log;
    LogLineFormatter formatter;
    const QList<unsigned char> frame = {0x01, 0x30, 0x41, 0x30, 0x43, 0x30, 0x36, 0x02,
                                        0x30, 0x30, 0x31, 0x30, 0x03, 0x77, 0x0D};
    const int blocks = 10, perBlock = 10000;
    QList<double> ms;
    for (int b = 0; b < blocks; ++b) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < perBlock; ++i) {
            const LogLine line = formatter.traffic(frame, (i & 1) ? 1 : 2, false);
            log.append(line.html, line.level);
        }
        ms << t.nsecsElapsed() / 1e6;
        std::printf("block %2d: %8.1f ms per 10,000 lines\n", b + 1, ms.last());
    }
    std::printf("first block %.1f ms, last block %.1f ms, ratio %.2f (goal: at most 1.50)\n",
                ms.first(), ms.last(), ms.last() / ms.first());
    return 0;
}
