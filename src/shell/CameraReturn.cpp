#include "shell/CameraReturn.h"

#include "turtle/CameraControl.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWidget>

QString CameraReturn::Hint()
{
    return QCoreApplication::translate("CameraReturn",
                                       "Dwukrotne kliknięcie w polu żółwia przywraca kamerę na początkowe miejsce.");
}

CameraReturn::CameraReturn(QWidget& view, CameraControl& camera) : view_(view), camera_(camera)
{
    qApp->installEventFilter(this);
}

CameraReturn::~CameraReturn()
{
    qApp->removeEventFilter(this);
}

bool CameraReturn::InView(const QWidget& receiver, const QPoint& global) const
{
    if (receiver.window() != view_.window() || !view_.isVisible())
        return false;
    // Both edges belong to the view, as for the mouse that moves the camera.
    const QPoint at = view_.mapFromGlobal(global);
    return at.x() >= 0 && at.x() <= view_.width() && at.y() >= 0 && at.y() <= view_.height();
}

bool CameraReturn::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType())
        return false;
    const auto& receiver = static_cast<const QWidget&>(*watched);
    if (event->type() == QEvent::MouseButtonDblClick) {
        const auto& mouse = static_cast<const QMouseEvent&>(*event);
        if (mouse.button() == Qt::LeftButton && InView(receiver, mouse.globalPosition().toPoint()))
            camera_.ReturnToStart();
    } else if (event->type() == QEvent::ToolTip) {
        const auto& help = static_cast<const QHelpEvent&>(*event);
        // While the turtle walks the window takes no input, and the hint would only hide the panel.
        if (view_.window()->isEnabled() && InView(receiver, help.globalPos())) {
            QToolTip::showText(help.globalPos(), Hint(), &view_);
            return true;
        }
    }
    return false;
}
