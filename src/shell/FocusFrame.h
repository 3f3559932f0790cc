#pragma once

#include <QPointer>
#include <QWidget>

#include <vector>

// A thick frame drawn around whichever of the given controls has the keyboard, so that a child
// sees at a glance where Space and Enter go. It lies over the controls and lets the mouse through.
class FocusFrame : public QWidget {
public:
    static constexpr int kThickness = 3;

    FocusFrame(QWidget& area, std::vector<QWidget*> framed);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Follow(QWidget* focus);

    std::vector<QPointer<QWidget>> framed_;
};
