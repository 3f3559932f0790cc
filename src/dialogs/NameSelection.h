#pragma once

#include <QObject>

class QDialog;
class QLineEdit;

// Selects the name in a name dialog's edit each time the dialog comes up, so that typing starts
// a new name instead of adding to the one shown. The window's activation drops a selection made
// before it, so the name is selected again once the dialog is active.
class NameSelection : public QObject {
public:
    NameSelection(QDialog& dialog, QLineEdit& edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit& edit_;
    bool justShown_ = false;
};
