#include "dialogs/NameSelection.h"

#include <QDialog>
#include <QEvent>
#include <QLineEdit>

NameSelection::NameSelection(QDialog& dialog, QLineEdit& edit) : QObject(&dialog), edit_(edit)
{
    dialog.installEventFilter(this);
    edit.installEventFilter(this);
}

bool NameSelection::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
        if (watched != &edit_) {
            untouched_ = true;
            edit_.setFocus();
            edit_.selectAll();
        }
        break;
    case QEvent::WindowActivate:
    case QEvent::FocusIn:
        if (untouched_)
            edit_.selectAll();
        break;
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
        if (watched == &edit_)
            untouched_ = false;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
