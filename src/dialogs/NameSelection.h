#pragma once

#include <QObject>

class QDialog;
class QLineEdit;

// Selects the name in a name dialog's edit each time the dialog comes up, so that typing starts
// a new name instead of adding to the one shown. Activation and focus moves may drop a selection
// made before them, so until the child types or clicks in the edit, the name is selected again
// whenever the dialog becomes active or the edit takes the focus.
class NameSelection : public QObject {
public:
    NameSelection(QDialog& dialog, QLineEdit& edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit& edit_;
    bool untouched_ = false; // shown, and not yet typed or clicked in
};
