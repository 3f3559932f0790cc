#pragma once

#include "turtle/TurtlePanel.h"

// A tool panel that shows nothing, for running the turtle without a window: a drawing walked
// off the screen, the benches, the background fuzz target.
struct SilentPanel final : TurtlePanel {
    void ShowPenColor(int) override {}
    void ShowBGColor(int) override {}
    void ShowPenWidth(int) override {}
    void ShowPenDown(bool) override {}
    void ShowCharacterShown(bool) override {}
};
