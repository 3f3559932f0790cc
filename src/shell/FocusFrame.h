#pragma once

#include <QPointer>
#include <QWidget>

#include <vector>

// A thick frame drawn around whichever of the given controls the keyboard brought the focus to,
// so that a child sees at a glance where Space and Enter go. A control clicked with the mouse
// shows none. The frame lies over the controls and lets the mouse through.
class FocusFrame : public QWidget {
public:
    static constexpr int kThickness = 3;

    FocusFrame(QWidget& area, const std::vector<QWidget*>& framed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Frame(QWidget* control);

    // The control the keyboard moved to last, which keeps its frame when it gets the focus back.
    QPointer<QWidget> keyboardFocus_;
};
