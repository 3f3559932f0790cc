#include "dialogs/NameSelection.h"

#include <QDialog>
#include <QEvent>
#include <QLineEdit>

NameSelection::NameSelection(QDialog& dialog, QLineEdit& edit) : QObject(&dialog), edit_(edit)
{
    dialog.installEventFilter(this);
}

bool NameSelection::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        edit_.setFocus();
        edit_.selectAll();
        justShown_ = true;
    } else if (event->type() == QEvent::WindowActivate && justShown_) {
        justShown_ = false;
        edit_.selectAll();
    }
    return QObject::eventFilter(watched, event);
}
