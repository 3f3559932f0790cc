#pragma once

#include <QFrame>

// The 3D view's place on its window: a bevelled rectangle that the engine core covers with
// its render window. Left, Top, Width and Height are the widget's own geometry.
class TDXViewport : public QFrame {
    Q_OBJECT
public:
    explicit TDXViewport(QWidget* parent = nullptr);

    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return width(); }
    int Height() const { return height(); }
};
