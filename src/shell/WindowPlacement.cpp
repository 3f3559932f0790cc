#include "shell/WindowPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace {

// Where this class last put a window.
constexpr const char* kPlacedAt = "qelPlacedAt";

// Moved by the program's own code since this class last placed it.
bool MovedByProgram(const QWidget& window)
{
    return window.testAttribute(Qt::WA_Moved) && window.property(kPlacedAt) != QVariant(window.pos());
}

} // namespace

QRect PlaceWithin(const QSize& frame, const QRect& anchor, const QRect& available)
{
    QRect placed(QPoint(0, 0), frame);
    placed.moveCenter(anchor.center());
    // Right and bottom first, so that a window too large for the area ends at its top left.
    placed.moveRight(std::min(placed.right(), available.right()));
    placed.moveBottom(std::min(placed.bottom(), available.bottom()));
    placed.moveLeft(std::max(placed.left(), available.left()));
    placed.moveTop(std::max(placed.top(), available.top()));
    return placed;
}

QRect PlaceBeside(const QSize& frame, const QRect& anchor, const QRect& available)
{
    const int roomRight = available.right() - anchor.right();
    const int roomLeft = anchor.left() - available.left();
    QRect beside(QPoint(0, anchor.top()), frame);
    if (roomRight >= roomLeft)
        beside.moveLeft(anchor.right() + 1);
    else
        beside.moveRight(anchor.left() - 1);
    return PlaceWithin(frame, beside, available);
}

WindowPlacement::WindowPlacement(const QWidget& anchor) : anchor_(anchor)
{
    qApp->installEventFilter(this);
}

WindowPlacement::~WindowPlacement()
{
    qApp->removeEventFilter(this);
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event)
{
    // A window coming back from the task bar shows spontaneously and stays where the user left it.
    if (event->type() == QEvent::Show && !event->spontaneous() && watched->isWidgetType()) {
        auto& widget = static_cast<QWidget&>(*watched);
        const Qt::WindowType type = widget.windowType();
        if (widget.isWindow() && type != Qt::Popup && type != Qt::ToolTip && type != Qt::Desktop)
            Place(widget);
    }
    return QObject::eventFilter(watched, event);
}

void WindowPlacement::Place(QWidget& window) const
{
    const QScreen* screen = &window == &anchor_ ? window.screen() : anchor_.screen();
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect available = screen->availableGeometry();
    QRect frame = window.frameGeometry();
    // Before its first showing a window does not know the frame the window manager will put round
    // it; the anchor's frame is the best guess.
    if (frame == window.geometry() && !window.windowFlags().testFlag(Qt::FramelessWindowHint)) {
        const QRect anchorFrame = anchor_.frameGeometry();
        const QRect anchorClient = anchor_.geometry();
        frame.adjust(anchorFrame.left() - anchorClient.left(), anchorFrame.top() - anchorClient.top(),
                     anchorFrame.right() - anchorClient.right(), anchorFrame.bottom() - anchorClient.bottom());
    }
    QRect anchor = anchor_.frameGeometry();
    const bool moved = MovedByProgram(window);
    const bool besideAnchor = &window != &anchor_ && anchor_.isVisible() && !window.isModal() && !moved;
    if (moved)
        anchor = frame;
    else if (&window == &anchor_ || !anchor_.isVisible())
        anchor = available;
    const QRect placed = besideAnchor ? PlaceBeside(frame.size(), anchor, available)
                                      : PlaceWithin(frame.size(), anchor, available);
    if (placed.topLeft() == frame.topLeft())
        return;
    window.move(placed.topLeft());
    // The place is ours, not the program's: the next showing centres the window again. (Clearing
    // the window's own "moved" mark instead would make the window system build the window anew.)
    window.setProperty(kPlacedAt, placed.topLeft());
}
