#pragma once

#include "qvcommprotocol_retry.h"
#include "sleep.h"

#include <QList>

#include <functional>
#include <numeric>

// The pauses of a protocol engine, taken by its pause clock: recorded instead of slept, or
// slept `scale` times shorter, so that long waits keep their values but pass quickly. The
// engine's delay, and whatever overrides it, still sees every pause. The recorder must outlive
// the engine's last pause.
class PauseRecorder {
public:
    explicit PauseRecorder(QVCommProtocol& engine, int scale = 0) : scale(scale) {
        engine.set_pause_clock([this](int ms) { pause(ms); });
    }
    PauseRecorder(const PauseRecorder&) = delete;
    PauseRecorder& operator=(const PauseRecorder&) = delete;

    int total() const { return std::accumulate(pauses.begin(), pauses.end(), 0); }

    QList<int> pauses;
    // Runs after each pause is recorded.
    std::function<void()> onPause;

private:
    void pause(int ms) {
        pauses << ms;
        if (scale > 0)
            sleepMs(ms / scale);
        if (onPause)
            onPause();
    }
    int scale;
};

// A monitor's engine whose pauses take no time and are not kept.
inline QVCommProtocol_retry* quietEngine() {
    auto* engine = new QVCommProtocol_retry;
    engine->set_pause_clock([](int) {});
    return engine;
}
