#pragma once

#include <cstdint>

namespace win {

struct PumpResult {
    bool quit = false;       // a quit request was taken from the queue
    int exitCode = 0;        // its exit code
    std::uint32_t waited = 0; // milliseconds spent waiting for the first message
};

// Asks the thread's message loops to end with the given exit code. The request is queued
// like any message and takes effect when a pump reaches it.
void PostQuitMessage(int exitCode);

// Dispatches every pending message of the thread. A quit request met on the way is reported,
// and handed on to the application's own loop so that it ends too. With waitForMessage and
// nothing pending, it first sleeps until a message arrives.
PumpResult PumpMessages(bool waitForMessage = false);

} // namespace win
