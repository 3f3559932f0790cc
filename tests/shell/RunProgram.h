#pragma once

#include "shell/MainForm.h"

#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

// Runs the window's start-up and main loop in place. `driver` is called over and over from
// inside the loop's message pump, as a user's actions would be, until it returns true; then the
// window is closed. A safety limit of real time closes it too.
inline void RunProgram(TMainForm& form, const std::function<bool()>& driver, int limitMs = 30000)
{
    QTimer tick;
    QElapsedTimer realTime;
    realTime.start();
    bool finished = false;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        if (finished)
            return;
        if (realTime.elapsed() > limitMs) {
            ADD_FAILURE() << "the program did not get there in " << limitMs / 1000 << " s";
            finished = true;
        } else {
            finished = driver();
        }
        if (finished)
            form.close();
    });
    tick.start(1);
    form.StartTimerTimer();
}
