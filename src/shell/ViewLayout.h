#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>

#include <vector>

class CornerStatus;
class QAction;
class QMainWindow;
class QWidget;
class TDXCore;
class TDXViewport;

// The main window's room. The window can grow and be maximised: the 3D view takes all that the
// window gains over its first size, the panel keeps its place, and what lies under the view
// (the camera hints, the status bar) moves down with the view's bottom edge. In full view
// (F11, left again with F11 or Esc) the 3D view fills the whole screen with the turtle's place in
// a corner, and every key of the window works there as it does in the window.
class ViewLayout : public QObject {
public:
    struct Parts {
        QMainWindow& window;
        QWidget& client;
        TDXViewport& view;
        QWidget& toolBar;
        // Below the view, reaching to its right edge.
        std::vector<QWidget*> underView;
        QWidget& statusBar;
        TDXCore& core;
        // Shown in the view's top left corner in full view only.
        CornerStatus& corner;
    };

    explicit ViewLayout(const Parts& parts);

    bool FullView() const { return fullView_; }
    void SetFullView(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Arrange();
    // Keeps the keys of the menus and the tool bar working while they are hidden.
    void KeepKeys();
    // The engine follows the view's size once the window rests: a drag sends many sizes.
    void FollowView();

    Parts parts_;
    // The client area's first size, in which everything stands where the layout put it.
    QSize firstClient_;
    QRect firstView_;
    std::vector<QPoint> firstUnderView_;
    int firstStatusTop_ = 0;
    bool fullView_ = false;
    bool wasMaximised_ = false;
    // The client's controls that full view hid, shown again when it ends.
    std::vector<QPointer<QWidget>> hidden_;
    // The control that had the keyboard before full view took the panel away.
    QPointer<QWidget> focus_;
    QAction* fullViewKey_;
    QAction* leaveKey_;
    QTimer follow_;
};
