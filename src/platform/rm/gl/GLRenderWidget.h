#pragma once

#include "rm/Types.h"
#include "rm/gl/DrawStep.h"

#include <QOpenGLWidget>

#include <memory>

class QOpenGLFramebufferObject;

namespace rm::gl {

class GLSceneRenderer;

// The device's drawing surface over its window. Renders draw at once into a back buffer;
// Present copies that to the framebuffer the window system shows, where it stays: every later
// paint (an expose, the window device's HandlePaint) shows the same frame until the next one.
class GLRenderWidget final : public QOpenGLWidget {
public:
    GLRenderWidget(QWidget* window, int width, int height);
    ~GLRenderWidget() override;

    // A clear alone is held for the render of the same viewport that follows it, which gives
    // it its background; a render draws now. D3DRMERR_BADDEVICE when OpenGL could not be set
    // up. Before the surface first shows there is nothing to draw into, and nothing is drawn.
    HRESULT Record(DrawStep step);
    HRESULT Present();

protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;

private:
    HRESULT Draw(const DrawStep& step);
    // Frees the GL objects while their context still exists.
    void ReleaseGL();

    QMetaObject::Connection contextEnding_;
    DrawStep heldClear_;
    std::unique_ptr<GLSceneRenderer> renderer_;
    std::unique_ptr<QOpenGLFramebufferObject> back_;
    bool failed_ = false;
    bool shown_ = false;       // the shown framebuffer holds a frame of ours
    bool presentDue_ = false;
    // A clear with no render after it takes the background last drawn.
    D3DVECTOR background_{0.0f, 0.0f, 0.0f};
};

} // namespace rm::gl
