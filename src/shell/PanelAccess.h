#pragma once

#include <Qt>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class FocusFrame;
class PanelKeyboard;
class QMainWindow;

namespace Ui {
class TMainForm;
}

// A key that presses a button of the tool panel, as the hints and the help name it.
struct PanelCommandKey {
    const char* button; // the button's object name
    int key;
    const char* keyName; // as the hints and the help write it, translated in the context "PanelAccess"
};

// The keys of the panel's commands, in the panel's order.
const std::vector<PanelCommandKey>& PanelCommandKeys();

// The main window's panel for those who cannot use the mouse or the screen: every control by
// Tab in the panel's order with a visible focus frame, keys for the commands, and a name
// and description of every control for screen readers.
class PanelAccess {
public:
    // The colour and width strips: the cell chosen now (palette cell, width − 1), and their click
    // handlers, called as a click on the cell's middle with these keys held would call them.
    struct Strips {
        std::function<int()> penCell;
        std::function<void(Qt::KeyboardModifiers keys, int x, int y)> clickColour;
        std::function<int()> widthCell;
        std::function<void(int x)> clickWidth;
    };

    PanelAccess(QMainWindow& window, Ui::TMainForm& ui, Strips strips);
    ~PanelAccess();

private:
    void NameControls(Ui::TMainForm& ui);
    void ServeStrips(Ui::TMainForm& ui, Strips strips);

    std::unique_ptr<PanelKeyboard> keyboard_;
    std::unique_ptr<FocusFrame> frame_;
};
