#pragma once

#include <QObject>
#include <QRect>

class QWidget;

// Where a window whose frame has the given size goes: centred on the anchor, then shifted into
// the available area. A window larger than the area keeps its top-left corner, and with it the
// title bar, inside.
QRect PlaceWithin(const QSize& frame, const QRect& anchor, const QRect& available);

// Where a window that stays open beside the anchor goes: next to it on the side with more room,
// its top level with the anchor's, shifted into the available area as far as it must.
QRect PlaceBeside(const QSize& frame, const QRect& anchor, const QRect& available);

// Keeps every window the program opens on the screen. Installed once on the application, it
// places each top-level window as it is shown: the anchor (the main window) in the middle of the
// screen's available area unless it has a place of its own, a modal dialog centred on the anchor,
// a window left open beside it (help, the record list) next to the anchor. Any other window the
// program moved itself keeps its place as far as it lies on the screen.
class WindowPlacement final : public QObject {
public:
    explicit WindowPlacement(const QWidget& anchor);
    ~WindowPlacement() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place(QWidget& window) const;

    const QWidget& anchor_;
};
