#pragma once

class QMainWindow;

namespace Ui {
class TMainForm;
}

// The keys every desktop program answers: F1 help, Ctrl+Q quit, Ctrl+Shift+S save as, and F10
// the menu bar, which then takes the arrows.
void AddDesktopKeys(QMainWindow& window, Ui::TMainForm& ui);
