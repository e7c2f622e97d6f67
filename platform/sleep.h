#pragma once

// Suspends the calling thread for the given milliseconds; zero or less returns at once.
void sleepMs(int ms);
