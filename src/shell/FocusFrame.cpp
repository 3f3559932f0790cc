#include "shell/FocusFrame.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>

namespace {

// Seen on the grey panel, on white buttons and on the blue of a chosen colour alike.
const QColor kFrameColour(255, 128, 0);

} // namespace

FocusFrame::FocusFrame(QWidget& area, std::vector<QWidget*> framed) : QWidget(&area)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    for (QWidget* widget : framed)
        framed_.emplace_back(widget);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { Follow(now); });
}

void FocusFrame::Follow(QWidget* focus)
{
    const bool ours = std::any_of(framed_.begin(), framed_.end(),
                                  [focus](const QPointer<QWidget>& widget) { return widget && widget == focus; });
    if (!ours || !focus->isVisible()) {
        hide();
        return;
    }
    const QRect around(focus->mapTo(parentWidget(), QPoint(0, 0)), focus->size());
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
