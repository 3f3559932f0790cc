#pragma once

#include "rm/Types.h"
#include "rm/gl/FrameRecord.h"

#include <QOpenGLWidget>

#include <memory>

namespace rm::gl {

class GLSceneRenderer;

// The device's drawing surface over its window. Viewports record into the frame being built;
// Present makes it the frame shown and paints it at once, and every later paint (an expose,
// the window device's HandlePaint) paints that same frame until the next Present.
class GLRenderWidget final : public QOpenGLWidget {
public:
    GLRenderWidget(QWidget* window, int width, int height);
    ~GLRenderWidget() override;

    FrameRecord& Building() { return building_; }
    // OpenGL could not be set up for drawing.
    bool Failed() const { return failed_; }
    // D3DRMERR_BADDEVICE when it failed.
    HRESULT Present();

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    // Frees the GL objects while their context still exists.
    void ReleaseGL();

    QMetaObject::Connection contextEnding_;
    FrameRecord building_;
    FrameRecord shown_;
    std::unique_ptr<GLSceneRenderer> renderer_;
    bool failed_ = false;
    // A clear with no render of its own takes the background painted last.
    D3DVECTOR background_{0.0f, 0.0f, 0.0f};
};

} // namespace rm::gl
