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

    QWidget& window_;
    std::vector<QShortcut*> shortcuts_; // children of the window
};

// Whether a control uses plain keys itself (a track bar, a text field).
bool TakesPlainKeys(const QWidget* widget);
