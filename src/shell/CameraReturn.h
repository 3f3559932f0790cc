#pragma once

#include <QObject>
#include <QString>

class CameraControl;
class QWidget;

// A double click with the left button in the 3D view returns the camera to its start place; the
// view's hint says so. Installed once on the application, because the render window that takes
// the clicks over the view comes and goes with the engine.
class CameraReturn final : public QObject {
public:
    // The view's hint: how to bring the camera back.
    static QString Hint();

    CameraReturn(QWidget& view, CameraControl& camera);
    ~CameraReturn() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool InView(const QWidget& receiver, const QPoint& global) const;

    QWidget& view_;
    CameraControl& camera_;
};
