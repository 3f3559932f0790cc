#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

#include <vector>

class QAbstractButton;
class QShortcut;
class QWidget;

// The tool panel by keyboard. Tab visits the given controls in their order; Space or Enter
// presses the button that has the keyboard; and each command key presses its button wherever
// the keyboard is in the window, except in a track bar or a text field, which keep their keys.
// Only Tab brings the keyboard into a control: a click never does, and a click anywhere else in
// the window, or the control going out of sight, gives the keys back to the panel.
class PanelKeyboard : public QObject {
public:
    struct CommandKey {
        QAbstractButton* button;
        QKeySequence key;
    };

    PanelKeyboard(QWidget& window, const std::vector<QWidget*>& tabOrder, const std::vector<CommandKey>& keys);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The command keys are off while the keyboard is in a control that takes them itself.
    void FollowFocus(QWidget* focus);
    // A press on `pressed` takes the keyboard from a control that holds the plain keys, unless
    // the press is on that control itself.
    void TakeKeysOnPress(QWidget* pressed);

    QWidget& window_;
    std::vector<QAbstractButton*> buttons_; // Enter presses them
    std::vector<QShortcut*> shortcuts_; // children of the window
};

// Whether a control uses plain keys itself (a track bar, a text field).
bool TakesPlainKeys(const QWidget* widget);
