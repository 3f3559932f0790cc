#pragma once

// What the tool panel shows of the turtle's settings. The turtle logic tells it what changed,
// as the turtle stores it; the window draws it.
class TurtlePanel {
public:
    virtual ~TurtlePanel() = default;
    virtual void ShowPenColor(int n) = 0;
    virtual void ShowBGColor(int n) = 0;
    virtual void ShowPenWidth(int w) = 0;
    virtual void ShowPenDown(bool down) = 0;
    virtual void ShowCharacterShown(bool shown) = 0;
};
