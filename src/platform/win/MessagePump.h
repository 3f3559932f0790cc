#pragma once

namespace win {

struct PumpResult {
    bool quit = false;  // a quit request was taken from the queue
    int exitCode = 0;   // its exit code
};

// Asks the thread's message loops to end with the given exit code. The request is queued
// like any message and takes effect when a pump reaches it.
void PostQuitMessage(int exitCode);

// Dispatches every pending message of the thread. A quit request met on the way is reported,
// and handed on to the application's own loop so that it ends too.
PumpResult PumpMessages();

} // namespace win
