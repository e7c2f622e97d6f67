#include "sleep.h"

#include <chrono>
#include <thread>

void sleepMs(int ms) {
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
