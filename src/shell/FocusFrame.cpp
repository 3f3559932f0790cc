#include "shell/FocusFrame.h"

#include <QFocusEvent>
#include <QPainter>

namespace {

// Seen on the grey panel, on white buttons and on the blue of a chosen colour alike.
const QColor kFrameColour(255, 128, 0);

} // namespace

FocusFrame::FocusFrame(QWidget& area, const std::vector<QWidget*>& framed) : QWidget(&area)
{
    setObjectName(QStringLiteral("FocusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    for (QWidget* widget : framed)
        widget->installEventFilter(this);
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::FocusIn) {
        switch (static_cast<QFocusEvent*>(event)->reason()) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
            keyboardFocus_ = control;
            break;
        case Qt::MouseFocusReason:
            keyboardFocus_ = nullptr;
            break;
        default: // the window active again, or the focus given back: as it was
            break;
        }
        if (control == keyboardFocus_)
            Frame(control);
    } else if (event->type() == QEvent::FocusOut || event->type() == QEvent::Hide) {
        hide();
    }
    return QWidget::eventFilter(watched, event);
}

void FocusFrame::Frame(QWidget* control)
{
    const QRect around(control->mapTo(parentWidget(), QPoint(0, 0)), control->size());
    setGeometry(around.adjusted(-kThickness, -kThickness, kThickness, kThickness));
    show();
    raise();
}

void FocusFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QPen pen(kFrameColour, kThickness);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    const qreal half = kThickness / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}
